// The point evaluators behind the plot windows, at any x the plotter may hand
// them (NaN, infinities, huge numbers) and in any state the controls and a
// loaded file can reach. The sanitizers are the check: no read outside the
// tables, no overflow, no undefined conversion.
#include "analysis/AnalysisState.h"
#include "analysis/LevelMatrices.h"
#include "analysis/ScalingFunctions.h"
#include "analysis/Tables.h"

#include "FuzzInput.h"

#include <cstddef>
#include <cstdint>

namespace {

struct Silent : LevelMatrixObserver {
    void Begin(int) override {}
    void ShowText(const char*, const char*) override {}
    void Advance() override {}
    void End() override {}
};

// The level matrices of the largest file the program reads, computed once.
void PrepareOnce()
{
    static const bool prepared = [] {
        InitPowerTables();
        State.MaxLevel = LevelLimit;
        Silent silent;
        FillLevelMatrices(silent);
        return true;
    }();
    (void)prepared;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PrepareOnce();
    FuzzInput in{data, size};
    // The levels a file can set, the scroll bar's steps of Delta for both
    // Deltas (the matrices stay those of 0.4: other numbers, the same paths),
    // and any coefficients.
    State.MaxLevel = MinLevel + in.Next<std::uint8_t>() % (LevelLimit - MinLevel + 1);
    State.Level = MinLevel + in.Next<std::uint8_t>() % (State.MaxLevel - MinLevel + 1);
    State.Delta = (in.Next<std::uint8_t>() % 101) / 100.0;
    State.aktDelta = (in.Next<std::uint8_t>() % 101) / 100.0;
    ComputeWaveletKoeff();
    for (int i = 0; i < 8; ++i) {
        const std::size_t k = in.Next<std::uint16_t>() % KoeffCount;
        Koeff[k] = in.Next<double>();
        KoeffOrig[k] = in.Next<double>();
    }
    while (in.at < size) {
        const double x = in.Next<double>();
        for (double (*f)(double) : {fnGlaette, fnDetails, fnFunktion, fnOriginal, fnError, fnSkalfunktion, fnApprREQ,
                               fnWavelet, fnPhiAktLevel, fnPsiAktLeft})
            (void)f(x);
    }
    return 0;
}
