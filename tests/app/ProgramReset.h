#pragma once

#include "analysis/AnalysisState.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Tables.h"
#include "plot/PlotWindow.h"
#include "plot/Plotter.h"

// Every global of the program back to its value before start-up, so that the
// next CreateMainForm starts as the program's entry does.
inline void ResetProgramState()
{
    State = AnalysisState{};
    Koeff = {};
    KoeffOrig = {};
    LevelMatrices.Clear();
    PlotSlots = {};
    Plot = PlotState{};
}
