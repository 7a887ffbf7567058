#include "TestProgram.h"

#include <QCoreApplication>

TfrmHaupt* RestartProgram()
{
    FreeAllWindows();
    return CreateMainForm();
}

void SettleEvents()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}
