#include "Snapshot.h"

#include "app/Pictures.h"
#include "app/ScriptedRun.h"
#include "io/SafeWrite.h"
#include "toolkit/Form.h"

#include <filesystem>

std::vector<std::string> WriteOutputs(const SnapshotOptions& options)
{
    std::vector<std::string> failures;
    auto write = [&](const std::filesystem::path& file, const std::string& bytes) {
        if (bytes.empty() || !WriteWholeFile(file.string(), bytes))
            failures.push_back("cannot write " + file.string());
    };
    if (options.outFolder) {
        // The name's bytes as given: a folder name need not be UTF-8.
        const std::filesystem::path folder(*options.outFolder);
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (!std::filesystem::is_directory(folder, error))
            return {"cannot create the folder " + *options.outFolder};
        const PictureFormat format = options.format;
        const std::string suffix = format->suffix;
        for (TForm* form : ProgramWindows())
            if (form->isVisible())
                write(folder / (form->Name() + suffix),
                      WindowPicture(*form, format, ScreenImage(*form), VectorDrawingOf(*form)));
        write(folder / (DesktopPictureName + suffix), DesktopPicture(format));
    }
    if (options.koeffCsv)
        write(*options.koeffCsv, KoeffCsv());
    return failures;
}
