#include "app/ProgramIcon.h"

static void LoadResources() { Q_INIT_RESOURCE(vexlor); }

QIcon ProgramIcon()
{
    static const bool loaded = (LoadResources(), true);
    (void)loaded;
    return QIcon(QStringLiteral(":/vexlor/icon.png"));
}
