#pragma once

#include "io/SafeWrite.h"

// The tests' seam into the program's saves (coefficient files and pictures):
// the fault every save passes to the safe writer. Empty in use.
inline FileStepFault FailFileStep;
