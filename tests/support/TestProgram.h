#pragma once

#include "app/Haupt.h"

// The whole program, started as its entry starts it (any earlier one released).
TfrmHaupt* RestartProgram();

// Handles what is queued for the windows, as the event loop would between events.
void SettleEvents();
