#include "app/ProgramIcon.h"

#include "toolkit/Application.h"

static void LoadResources() { Q_INIT_RESOURCE(vexlor); }

namespace {

// The drawn 32-pixel icon, and larger ones for task bars and dense screens.
QIcon LoadProgramIcon()
{
    static const bool loaded = (LoadResources(), true);
    (void)loaded;
    QIcon icon(QStringLiteral(":/vexlor/icon.png"));
    for (const int size : {16, 24, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/vexlor/icons/%1/vexlor.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

QIcon ProgramIcon()
{
    // Reading the seven pictures costs more than a window: once per program.
    if (!Application)
        return LoadProgramIcon();
    if (Application->Icon.isNull())
        Application->Icon = LoadProgramIcon();
    return Application->Icon;
}
