#include "app/Haupt.h"
#include "toolkit/Application.h"

#include <exception>

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    try {
        CreateMainForm();
        application.Run();
    } catch (const std::exception& e) {
        TApplication::ShowException(e.what());
    } catch (...) {
        TApplication::ShowException("");
    }
    return 0;
}
