#pragma once

#include <QIcon>

// The program's icon (32 x 32 as drawn, and larger sizes), carried by every
// window but the progress window.
QIcon ProgramIcon();
