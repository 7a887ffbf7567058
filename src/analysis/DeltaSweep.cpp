#include "analysis/DeltaSweep.h"

#include "analysis/Decomposition.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Samples.h"

#include <algorithm>
#include <cmath>

DeltaSweepState DeltaSweepAnalysis(const DeltaSweepInput& input, int i)
{
    // The scroll bar at i and "Go!" ...
    Analysis A;
    A.Delta = SweepDelta(i);
    A.aktDelta = A.Delta;
    ComputeWaveletKoeff(A);
    // ... the samples at MaxLevel for that Delta and their level matrices ...
    SetMaxLevel(A, input.maxLevel);
    std::vector<double> clean = TakeSamples(A, input.signal, input.noise);
    FillLevelMatrices(A);
    // ... and the track bar down to the level, one step at a time.
    while (A.Level > input.level) {
        A.Level = A.Level - 1;
        DecomposeStep(A);
    }
    return {std::move(A), std::move(clean)};
}

ErrorNumbers DeltaSweepRow(const DeltaSweepInput& input, int i)
{
    DeltaSweepState state = DeltaSweepAnalysis(input, i);
    DenoiseAndCompress(state.analysis, input.signal, input.denoise, input.percent, input.keepBy);
    return ComputeErrorNumbers(state.analysis, state.clean);
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

namespace {

// The least and the largest measure among the rows done that are numbers.
struct Range {
    double least = HUGE_VAL, largest = 0.0;
    bool any = false;
};

Range RangeOf(const std::vector<std::optional<ErrorNumbers>>& rows, SweepMeasure measure)
{
    Range range;
    for (const std::optional<ErrorNumbers>& row : rows) {
        const double e = row ? ErrorMeasure(*row, measure) : NAN;
        if (std::isnan(e))
            continue;
        range.least = std::min(range.least, e);
        range.largest = std::max(range.largest, e);
        range.any = true;
    }
    return range;
}

// Equal to the least within 1e-12 of the comparison's scale, its largest
// measure: two Deltas that both rebuild the samples to rounding tie.
bool Ties(const std::optional<ErrorNumbers>& row, SweepMeasure measure, const Range& range)
{
    return row && ErrorMeasure(*row, measure) - range.least <= 1e-12 * range.largest;
}

}  // namespace

int BestDelta(const std::vector<std::optional<ErrorNumbers>>& rows, SweepMeasure measure)
{
    const Range range = RangeOf(rows, measure);
    for (std::size_t i = 0; range.any && i < rows.size(); ++i)
        if (Ties(rows[i], measure, range))
            return static_cast<int>(i);
    return -1;
}

int BestDeltaTies(const std::vector<std::optional<ErrorNumbers>>& rows, SweepMeasure measure)
{
    const Range range = RangeOf(rows, measure);
    if (!range.any)
        return 0;
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [&](const auto& row) { return Ties(row, measure, range); }));
}
