#include "app/Haupt.h"
#include "toolkit/Application.h"

#include <exception>
#include <iostream>
#include <optional>
#include <string>

namespace {

// "--lang de" or "--lang en": the language of this run, whatever was chosen
// in the menu. Other arguments are left to Qt, as before.
bool LanguageOption(int argc, char** argv, std::optional<Language>& language)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) != "--lang")
            continue;
        language = i + 1 < argc ? LanguageNamed(argv[i + 1]) : std::nullopt;
        if (!language) {
            std::cerr << "vexlor: --lang takes de or en\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    std::optional<Language> asked;
    if (!LanguageOption(argc, argv, asked))
        return 2;
    try {
        application.UseLanguage(StartLanguage(asked));
        CreateMainForm();
        application.Run();
    } catch (...) {
        TApplication::ShowException(ExceptionMessage(std::current_exception()));
    }
    // "Beenden" and closing the main window leave the loop; the windows go here.
    FreeAllWindows();
    return 0;
}
