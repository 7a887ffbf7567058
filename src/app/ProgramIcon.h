#pragma once

#include <QIcon>

// The program's 32 x 32 icon, carried by every window but the progress window.
QIcon ProgramIcon();
