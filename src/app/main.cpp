#include "app/Haupt.h"
#include "toolkit/Application.h"

#include <exception>

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    try {
        CreateMainForm();
        application.Run();
    } catch (...) {
        TApplication::ShowException(ExceptionMessage(std::current_exception()));
    }
    // "Beenden" and closing the main window leave the loop; the windows go here.
    FreeAllWindows();
    return 0;
}
