// What the program's reactions cost, on the real windows, offscreen.
#include "TestProgram.h"
#include "app/WerkzeugeCommands.h"
#include "windows/Werkzeuge.h"
#include "analysis/Decomposition.h"
#include "analysis/Samples.h"
#include "analysis/ScalingFunctions.h"
#include "plot/Plotter.h"
#include "toolkit/Application.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

TfrmHaupt* StartProgram() { return RestartProgram(); }

// The sine sampled at a finest level ("Feinste Stufe"), with every level
// matrix up to it.
TfrmHaupt* StartProgramWithMaxLevel(int maxLevel)
{
    TfrmHaupt* frmHaupt = StartProgram();
    frmHaupt->Werkzeuge().ChooseMaxLevel(maxLevel);
    return frmHaupt;
}

void BM_StartUp(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        FreeAllWindows();
        state.ResumeTiming();
        CreateMainForm();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

// The track bar from MaxLevel to 2 and back: a step each level, each with its
// four function windows, then the basis.
void BM_LevelSweep(benchmark::State& state)
{
    const int maxLevel = static_cast<int>(state.range(0));
    TfrmHaupt* frmHaupt = maxLevel == 7 ? StartProgram() : StartProgramWithMaxLevel(maxLevel);
    if (maxLevel == 7)
        frmHaupt->Werkzeuge().ShowWerkzeuge();  // its numbers follow every step
    for (auto _ : state) {
        frmHaupt->trbLevel.SetPosition(2);
        frmHaupt->trbLevel.SetPosition(maxLevel);
    }
}
BENCHMARK(BM_LevelSweep)->Arg(7)->Arg(12)->Unit(benchmark::kMillisecond);

// "Go!": all level matrices with the progress window, then the redraws.
void BM_Go(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartProgramWithMaxLevel(static_cast<int>(state.range(0)));
    for (auto _ : state)
        frmHaupt->butGo.click();
}
BENCHMARK(BM_Go)->Arg(7)->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);

// Alternating positions, so that every iteration is a real change.
void BM_ScrollDelta(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartProgram();
    int p = 0;
    for (auto _ : state)
        frmHaupt->scrDelta.SetPosition(p++ % 2 == 0 ? 30 : 31);
}
BENCHMARK(BM_ScrollDelta)->Unit(benchmark::kMillisecond);

// One step between the levels j + 1 and j at MaxLevel 12, always from the same
// coefficients: the track bar first brings Koeff to level j + above.
void LevelStep(benchmark::State& state, int above, void (*step)(Analysis&))
{
    TfrmHaupt* frmHaupt = StartProgramWithMaxLevel(LevelLimit);
    Analysis& A = frmHaupt->Session().State();
    const int j = static_cast<int>(state.range(0));
    frmHaupt->trbLevel.SetPosition(j + above);
    const KoeffArray coefficients = A.Koeff;
    for (auto _ : state) {
        A.Koeff = coefficients;
        A.Level = j;
        step(A);
    }
}

void BM_DecomposeStep(benchmark::State& state) { LevelStep(state, 1, DecomposeStep); }
BENCHMARK(BM_DecomposeStep)->DenseRange(2, 11)->Unit(benchmark::kMicrosecond);

void BM_ReconstructStep(benchmark::State& state) { LevelStep(state, 0, ReconstructStep); }
BENCHMARK(BM_ReconstructStep)->DenseRange(2, 11)->Unit(benchmark::kMicrosecond);

// Choosing a signal in the tools window: its samples at MaxLevel, the level
// matrices with the progress window, both redraws. Two signals in turn.
void BM_SignalChange(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartProgram();
    frmHaupt->Werkzeuge().ChooseMaxLevel(static_cast<int>(state.range(0)));
    int turn = 0;
    for (auto _ : state)
        frmHaupt->Werkzeuge().ChooseSignal(turn++ % 2 == 0 ? 1 : 2);
}
BENCHMARK(BM_SignalChange)->Arg(7)->Arg(12)->Unit(benchmark::kMillisecond);

// One step of the compression slider at level 2: the compressed copy, the
// details, function and error windows, the numbers.
void BM_CompressionChange(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartProgramWithMaxLevel(static_cast<int>(state.range(0)));
    frmHaupt->Werkzeuge().ShowWerkzeuge();
    frmHaupt->trbLevel.SetPosition(2);
    int turn = 0;
    for (auto _ : state)
        frmHaupt->Werkzeuge().ChooseKeepPercent(turn++ % 2 == 0 ? 30 : 31);
}
BENCHMARK(BM_CompressionChange)->Arg(7)->Arg(12)->Unit(benchmark::kMillisecond);

// A change of the denoising at level 2 with noise added: the kind, the rule
// and lambda in turn, each with the thresholds, the shown copy, the details,
// function and error windows and the numbers.
void BM_DenoiseChange(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartProgramWithMaxLevel(static_cast<int>(state.range(0)));
    WerkzeugeCommands& werkzeuge = frmHaupt->Werkzeuge();
    werkzeuge.ShowWerkzeuge();
    frmHaupt->trbLevel.SetPosition(2);
    werkzeuge.AddNoise(0.1, 20261208);
    werkzeuge.ChooseDenoiseRule(ThresholdRule::Sure);
    int turn = 0;
    for (auto _ : state) {
        switch (turn++ % 4) {
        case 0: werkzeuge.ChooseThresholdKind(ThresholdKind::Soft); break;
        case 1: werkzeuge.ChooseDenoiseRule(ThresholdRule::Universal); break;
        case 2: werkzeuge.ChooseLambda(0.2 + 0.01 * (turn % 7)); break;
        default: werkzeuge.ChooseDenoiseRule(ThresholdRule::Sure); werkzeuge.ChooseThresholdKind(ThresholdKind::Hard);
        }
    }
}
BENCHMARK(BM_DenoiseChange)->Arg(7)->Arg(12)->Unit(benchmark::kMillisecond);

// The whole Delta comparison at level 3 (101 Deltas: level matrices, the
// steps down, the numbers), on all cores.
void BM_DeltaSweep(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartProgramWithMaxLevel(static_cast<int>(state.range(0)));
    frmHaupt->trbLevel.SetPosition(3);
    DeltaComparison& comparison = frmHaupt->Werkzeuge().Comparison();
    const AnalysisSession& session = frmHaupt->Session();
    for (auto _ : state)
        comparison.ComputeNow(session.ComparisonInput());
}
BENCHMARK(BM_DeltaSweep)->Arg(7)->Arg(12)->Unit(benchmark::kMillisecond);

// A comparison at MaxLevel 12 at level 3 in the background while the event
// loop runs: after a change (`change` with 0 and 1 in turn, each a new
// table) and its repaint, a timer every millisecond records the longest gap
// between its ticks until the table is done, the time the window could not
// react (counter max_blocked_ms).
template <typename Change> void SweepInTheBackground(benchmark::State& state, TfrmHaupt* frmHaupt, Change change)
{
    double worst = 0.0;
    int turn = 0;
    for (auto _ : state) {
        change(turn++ % 2);
        const DeltaSweepInput wanted = frmHaupt->Session().ComparisonInput();
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            worst = std::max(worst, (now - last) / 1e6);
            last = now;
        });
        tick.start(1);
        const DeltaComparison& comparison = frmHaupt->Werkzeuge().Comparison();
        auto done = [&] { return comparison.Input() == wanted && comparison.Complete(); };
        while (!done() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    state.counters["max_blocked_ms"] = worst;
}

TfrmHaupt* StartAtLevelThreeOfTwelve()
{
    TfrmHaupt* frmHaupt = StartProgramWithMaxLevel(12);
    frmHaupt->Werkzeuge().ShowWerkzeuge();
    frmHaupt->trbLevel.SetPosition(3);
    return frmHaupt;
}

void BM_DeltaSweepInTheBackground(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartAtLevelThreeOfTwelve();
    SweepInTheBackground(state, frmHaupt, [&](int turn) { frmHaupt->Werkzeuge().ChooseKeepPercent(99 + turn); });
}
BENCHMARK(BM_DeltaSweepInTheBackground)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same with noise added and SURE thresholds, the comparison's measure
// "Entrauschen"; the kind changes.
void BM_DenoisingSweepInTheBackground(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartAtLevelThreeOfTwelve();
    WerkzeugeCommands& werkzeuge = frmHaupt->Werkzeuge();
    werkzeuge.AddNoise(0.1, 20261208);
    werkzeuge.ChooseDenoiseRule(ThresholdRule::Sure);
    werkzeuge.Window().cbxDeltaMass.setCurrentIndex(2);
    SweepInTheBackground(state, frmHaupt, [&](int turn) {
        werkzeuge.ChooseThresholdKind(turn ? ThresholdKind::Soft : ThresholdKind::Hard);
    });
}
BENCHMARK(BM_DenoisingSweepInTheBackground)->Unit(benchmark::kMillisecond)->Iterations(5);

// One curve in the 752-pixel error window, where fnError sums every detail.
void BM_PlotError(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartProgram();
    frmHaupt->trbLevel.SetPosition(2);
    const Analysis& A = frmHaupt->Session().State();
    FormPlotSurface surface(frmHaupt->Plot(Error));
    const PlotFrame frame = FunctionFrame(A.MaxAbsKoeff, 1.7);
    for (auto _ : state)
        PlotCurve(surface, frame, [&A](double x) { return fnError(A, x); });
}
BENCHMARK(BM_PlotError)->Unit(benchmark::kMicrosecond);

// The same curve with the axes fitted to it: a coarse look, the columns
// sampled until the labels' room settles, the curve drawn from those values.
void BM_PlotErrorFitted(benchmark::State& state)
{
    TfrmHaupt* frmHaupt = StartProgram();
    frmHaupt->trbLevel.SetPosition(2);
    const Analysis& A = frmHaupt->Session().State();
    FormPlotSurface surface(frmHaupt->Plot(Error));
    const auto error = [&A](double x) { return fnError(A, x); };
    const PlotFunction f(error);
    for (auto _ : state)
        PlotFittedCurve(surface, {}, f, 1e-6);
}
BENCHMARK(BM_PlotErrorFitted)->Unit(benchmark::kMicrosecond);

// The level sweep with "Achsen: an die Daten angepasst".
void BM_LevelSweepFitted(benchmark::State& state)
{
    const int maxLevel = static_cast<int>(state.range(0));
    TfrmHaupt* frmHaupt = StartProgramWithMaxLevel(maxLevel);
    frmHaupt->Werkzeuge().ChooseAxes(AxesChoice::Fitted);
    for (auto _ : state) {
        frmHaupt->trbLevel.SetPosition(2);
        frmHaupt->trbLevel.SetPosition(maxLevel);
    }
}
BENCHMARK(BM_LevelSweepFitted)->Arg(7)->Arg(12)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication application(argc, argv);
    // A tenth of a second per benchmark unless asked otherwise: the whole run
    // takes a few seconds, and the reactions are far shorter than that.
    std::vector<char*> args(argv, argv + argc);
    std::string minTime = "--benchmark_min_time=0.1";
    if (std::none_of(args.begin(), args.end(),
                     [](const char* a) { return std::string_view(a).starts_with("--benchmark_min_time"); }))
        args.insert(args.begin() + 1, minTime.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    FreeAllWindows();
    return 0;
}
