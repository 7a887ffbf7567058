// The point evaluators behind the plot windows, at any x the plotter may hand
// them (NaN, infinities, huge numbers) and in any state the controls and a
// loaded file can reach. The sanitizers are the check: no read outside the
// tables, no overflow, no undefined conversion.
#include "analysis/ScalingFunctions.h"

#include "FuzzInput.h"
#include "TestAnalysis.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// The level matrices of the largest file the program reads, computed once;
// each input then sets the levels, Deltas and coefficients it wants.
Analysis& Prepared()
{
    static const std::unique_ptr<Analysis> A = StartAnalysis(0.4, LevelLimit);
    return *A;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Analysis& A = Prepared();
    FuzzInput in{data, size};
    // The levels a file can set, the scroll bar's steps of Delta for both
    // Deltas (the matrices stay those of 0.4: other numbers, the same paths),
    // and any coefficients.
    A.MaxLevel = MinLevel + in.Next<std::uint8_t>() % (LevelLimit - MinLevel + 1);
    A.Level = MinLevel + in.Next<std::uint8_t>() % (A.MaxLevel - MinLevel + 1);
    A.Delta = (in.Next<std::uint8_t>() % 101) / 100.0;
    A.aktDelta = (in.Next<std::uint8_t>() % 101) / 100.0;
    ComputeWaveletKoeff(A);
    for (int i = 0; i < 8; ++i) {
        const std::size_t k = in.Next<std::uint16_t>() % MaxKoeffCount;
        A.Koeff[k] = in.Next<double>();
        A.KoeffOrig[k] = in.Next<double>();
    }
    while (in.at < size) {
        const double x = in.Next<double>();
        for (const Evaluator f : {fnGlaette, fnDetails, fnFunktion, fnOriginal, fnError, fnSkalfunktion, fnApprREQ,
                                  fnWavelet})
            (void)f(A, x);
        (void)PhiAkt(A, x);
        (void)PsiAktJK(A, x, -1, A.Level);
    }
    return 0;
}
