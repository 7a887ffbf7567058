#include "app/ProgramIcon.h"

static void LoadResources() { Q_INIT_RESOURCE(vexlor); }

QIcon ProgramIcon()
{
    static const bool loaded = (LoadResources(), true);
    (void)loaded;
    // The drawn 32-pixel icon, and larger ones for task bars and dense screens.
    QIcon icon(QStringLiteral(":/vexlor/icon.png"));
    for (const char* size : {"16", "24", "48", "64", "128", "256"})
        icon.addFile(QStringLiteral(":/vexlor/icons/%1/vexlor.png").arg(size));
    return icon;
}
