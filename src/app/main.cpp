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
    return 0;
}
