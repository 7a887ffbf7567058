#include "analysis/DeltaSweep.h"

#include "analysis/Decomposition.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Samples.h"

#include <algorithm>

namespace {

struct Quiet : LevelMatrixObserver {
    void Begin(int) override {}
    void Computing(int, int, LevelMatrixKind) override {}
    void Advance() override {}
    void End() override {}
};

}  // namespace

DeltaSweepInput DeltaSweepInputOf(const Analysis& A, int percent)
{
    const auto end = A.KoeffOrig.begin() + LevelSize[A.MaxLevel] + 1;
    return {std::vector<double>(A.KoeffOrig.begin(), end), A.MaxLevel, A.Level, percent};
}

ErrorNumbers DeltaSweepRow(const DeltaSweepInput& input, int i)
{
    // The samples as right after choosing the signal ...
    Analysis A;
    SetMaxLevel(A, input.maxLevel);
    StoreSamples(A, input.samples);
    // ... the scroll bar at i and "Go!" ...
    A.Delta = SweepDelta(i);
    A.aktDelta = A.Delta;
    Quiet quiet;
    FillLevelMatrices(A, quiet);
    // ... the track bar down to the level, one step at a time ...
    while (A.Level > input.level) {
        A.Level = A.Level - 1;
        DecomposeStep(A);
    }
    // ... and the compressed copy the error window draws.
    if (input.percent != 100)
        Compress(A, input.percent);
    return ComputeErrorNumbers(A);
}

std::vector<int> DeltaSweepOrder()
{
    std::vector<int> order;
    std::vector<bool> taken(DeltaSweepPoints, false);
    for (const int step : {50, 10, 5, 1})
        for (int i = 0; i < DeltaSweepPoints; i += step)
            if (!taken[static_cast<std::size_t>(i)]) {
                taken[static_cast<std::size_t>(i)] = true;
                order.push_back(i);
            }
    return order;
}

int BestDelta(const std::vector<std::optional<ErrorNumbers>>& rows, bool byMaxError)
{
    int best = -1;
    double least = 0.0;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (!rows[static_cast<std::size_t>(i)])
            continue;
        const double e = ErrorMeasure(*rows[static_cast<std::size_t>(i)], byMaxError);
        if (best < 0 || e < least) {
            best = i;
            least = e;
        }
    }
    return best;
}
