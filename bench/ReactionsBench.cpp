// What one reaction to a control costs, on the real windows, offscreen.
#include "analysis/AnalysisState.h"
#include "analysis/Decomposition.h"
#include "analysis/LevelMatrices.h"
#include "analysis/ScalingFunctions.h"
#include "analysis/Tables.h"
#include "app/Haupt.h"
#include "plot/PlotWindow.h"
#include "toolkit/Application.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void StartProgram()
{
    if (!frmHaupt)
        CreateMainForm();
}

// Scroll bar: WaveletKoeff and the three basis windows.
void ScrollBarMove(benchmark::State& state)
{
    StartProgram();
    int p = 0;
    for (auto _ : state)
        frmHaupt->scrDelta.SetPosition(p++ % 2 == 0 ? 30 : 31);
}
BENCHMARK(ScrollBarMove)->Unit(benchmark::kMillisecond);

// One level down and back up: two steps, each with the four function windows.
void TrackBarStepDownAndUp(benchmark::State& state)
{
    StartProgram();
    for (auto _ : state) {
        frmHaupt->trbLevel.SetPosition(6);
        frmHaupt->trbLevel.SetPosition(7);
    }
}
BENCHMARK(TrackBarStepDownAndUp)->Unit(benchmark::kMillisecond);

// "Go!": all level matrices with the progress window, then the function windows.
void GoButton(benchmark::State& state)
{
    StartProgram();
    for (auto _ : state)
        frmHaupt->butGo.click();
}
BENCHMARK(GoButton)->Unit(benchmark::kMillisecond);

// The four function windows at level 2, where fnError sums the most details.
void RedrawFunctionWindowsAtLevelTwo(benchmark::State& state)
{
    StartProgram();
    frmHaupt->trbLevel.SetPosition(2);
    for (auto _ : state)
        RedrawFunctionWindows();
    frmHaupt->trbLevel.SetPosition(7);
}
BENCHMARK(RedrawFunctionWindowsAtLevelTwo)->Unit(benchmark::kMillisecond);

// The mathematics alone: the largest decomposition step (MaxLevel 8 to 7).
void DecomposeStepFromLevelEight(benchmark::State& state)
{
    StartProgram();
    const AnalysisState saved = State;
    State.MaxLevel = 8;
    RedrawFunctionWindows();
    for (auto _ : state) {
        State.Level = 7;
        DecomposeStep();
    }
    State = saved;
}
BENCHMARK(DecomposeStepFromLevelEight)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
