#include "TestAnalysis.h"

#include "analysis/Compression.h"
#include "analysis/Decomposition.h"
#include "analysis/DeltaSweep.h"
#include "analysis/PiecewiseLinear.h"
#include "analysis/ScalingFunctions.h"
#include "analysis/Signals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

Signal Named(const char* word) { return Signal::Listed(FindSignal(word).value()); }

// A signal sampled at the shift of `sampledAt`, then "Go!" with D and the
// track bar down to `level`.
std::unique_ptr<Analysis> Decomposed(const Signal& signal, double sampledAt, double D, int maxLevel, int level)
{
    auto A = StartAnalysis(sampledAt, maxLevel);
    TakeSamples(*A, signal);
    A->aktDelta = D;
    RecordingObserver quiet;
    FillLevelMatrices(*A, quiet);
    while (A->Level > level) {
        --A->Level;
        DecomposeStep(*A);
    }
    return A;
}

TEST(ExactNorms, HandWorkedPiecesAtLevelThree)
{
    // D = 1/2. Level 1, shift 0: up on (0, 1/4), 1 up to 1/2, down to 0 at 3/4.
    // Level 2, shift 2, times -1: down to -1 on (1/2, 5/8), -1 up to 3/4, back
    // to 0 at 7/8. Level 3, shift 7, times 2: up to 2 on (7/8, 15/16), 2 to 1.
    // The squares: 1/12 + 1/4 + 1/32 (1 to -1/2) + 7/96 (-1/2 to -1) + 1/24
    // + 1/12 + 1/4 = 13/16.
    const std::vector<LevelExpansion> parts = {
        {1, {0, 1, 0}}, {2, {0, 0, 0, -1, 0}}, {3, {0, 0, 0, 0, 0, 0, 0, 0, 2}}};
    const SumNorms norms = ExactNorms(0.5, parts);
    EXPECT_EQ(norms.max, 2.0);
    EXPECT_DOUBLE_EQ(norms.l2 * norms.l2, 13.0 / 16.0);
    EXPECT_EQ(ValueAt(0.5, parts, 4, 1.0), -0.5);  // x = 5/8: 1/2 - 1

    // D = 0: steps c[m + 1] on [m/8, (m + 1)/8); shift -1 (c[0]) lies left of 0.
    const std::vector<LevelExpansion> steps = {{3, {100, 1, -3, 0.5, 0, 0, 0, 0, 2}}};
    const SumNorms boxes = ExactNorms(0.0, steps);
    EXPECT_EQ(boxes.max, 3.0);
    EXPECT_DOUBLE_EQ(boxes.l2 * boxes.l2, (1 + 9 + 0.25 + 4) / 8.0);
    EXPECT_EQ(ValueAt(0.0, steps, 7, 1.0), 2.0);  // x = 1, from inside

    // D = 1: the hats interpolate c between the knots m/8; a single 1 at 3/8
    // is a triangle of squared norm 2 (1/8)(1/3).
    const SumNorms hat = ExactNorms(1.0, std::vector<LevelExpansion>{{3, {0, 0, 0, 1, 0, 0, 0, 0, 0}}});
    EXPECT_EQ(hat.max, 1.0);
    EXPECT_DOUBLE_EQ(hat.l2 * hat.l2, 1.0 / 12.0);
}

// fnError at the midpoints of 2^16 cells: never a breakpoint of the levels
// below, and the midpoint rule is exact to O(h^2) for a continuous curve.
ErrorNumbers Dense(const Analysis& A)
{
    const int cells = 1 << 16;
    ErrorNumbers dense;
    double squares = 0.0;
    for (int i = 0; i < cells; ++i) {
        const double e = fnError(A, (i + 0.5) / cells);
        dense.MaxError = std::max(dense.MaxError, std::fabs(e));
        squares += e * e;
    }
    dense.RmsError = std::sqrt(squares / cells);
    return dense;
}

TEST(ErrorNumbers, TheExactNormsOfTheErrorWindowsCurve)
{
    // Chirp sampled at the start's 0.4, Delta 1, level 5: the point x = 1,
    // where fnDetails adds nothing, made the grid's maximum 0.718.
    const auto chirp = Decomposed(Named("chirp"), 0.4, 1.0, 7, 5);
    EXPECT_NEAR(ComputeErrorNumbers(*chirp).MaxError, 0.1178, 5e-5);
    const auto knick = Decomposed(Named("knick"), 0.37, 0.37, 5, 2);
    Compress(*knick, KeptDetails(*knick, 30, KeepBy::Contribution));
    for (const Analysis* A : {chirp.get(), knick.get()}) {
        const ErrorNumbers exact = ComputeErrorNumbers(*A), dense = Dense(*A);
        EXPECT_LE(dense.MaxError, exact.MaxError + 1e-14);
        EXPECT_GT(dense.MaxError, exact.MaxError * (1 - 1e-3));
        EXPECT_NEAR(dense.RmsError, exact.RmsError, 1e-6 * exact.RmsError);
    }
}

TEST(ErrorNumbers, DeltaZeroWithEveryDetailIsExact)
{
    // A recording around 130 of 2^9 values (not 2^9 + 1), as a file brings it.
    std::vector<double> recording(512);
    for (std::size_t i = 0; i < recording.size(); ++i)
        recording[i] = 130 + 8 * std::sin(0.05 * static_cast<double>(i)) + (i % 7 == 0 ? 25 : 0);
    for (const Signal& signal : {Named("sinus"), Named("bumps"), Named("sinus-rauschen"), Signal::File(recording, "ekg.csv")}) {
        const auto A = Decomposed(signal, 0.0, 0.0, 9, 2);
        const ErrorNumbers numbers = ComputeErrorNumbers(*A);
        const double bound = 1e-14 * A->MaxAbsKoeff;
        EXPECT_LE(numbers.MaxError, bound);
        EXPECT_LE(numbers.RmsError, bound);
        EXPECT_LE(numbers.DistanceMax, bound);
        EXPECT_LE(numbers.DistanceRms, bound);
    }
}

TEST(HaarAtDeltaZero, KeptSetDistanceAndEnergyShares)
{
    const int maxLevel = 7, level = 3, n = 1 << maxLevel, first = 1 << level;
    const auto A = Decomposed(Named("sinus-rauschen"), 0.0, 0.0, maxLevel, level);
    const std::vector<double> samples(A->KoeffOrig.begin() + 1, A->KoeffOrig.begin() + n + 1);
    std::vector<double> w = samples;
    Haar(w, maxLevel - level, false);

    // The energy shares: the approximation w[0, 2^level), then the details of
    // each level j, w[2^j, 2^(j+1)).
    auto energy = [&](int from, int to) { return std::inner_product(&w[from], &w[to], &w[from], 0.0); };
    const std::vector<double> shares = LevelEnergies(*A).share;
    EXPECT_NEAR(shares[0], 100 * energy(0, first) / energy(0, n), 1e-11);
    for (int j = level; j < maxLevel; ++j)
        EXPECT_NEAR(shares[static_cast<std::size_t>(j - level + 1)], 100 * energy(1 << j, 2 << j) / energy(0, n), 1e-11);

    // 10 % of the details by contribution are the largest orthonormal ones.
    std::vector<int> order(static_cast<std::size_t>(n - first));
    std::iota(order.begin(), order.end(), first);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return std::fabs(w[a]) > std::fabs(w[b]); });
    std::vector<char> kept(order.size(), 1);
    for (std::size_t i = static_cast<std::size_t>(KeptCount(10, n - first)); i < order.size(); ++i) {
        kept[static_cast<std::size_t>(order[i] - first)] = 0;
        w[static_cast<std::size_t>(order[i])] = 0.0;
    }
    ASSERT_EQ(KeptDetails(*A, 10, KeepBy::Contribution), kept);

    // The distance of the rebuilt samples from the samples.
    Haar(w, maxLevel - level, true);
    double largest = 0.0, squares = 0.0;
    for (int i = 0; i < n; ++i) {
        largest = std::max(largest, std::fabs(w[i] - samples[i]));
        squares += (w[i] - samples[i]) * (w[i] - samples[i]);
    }
    Compress(*A, kept);
    const ErrorNumbers numbers = ComputeErrorNumbers(*A);
    EXPECT_NEAR(numbers.DistanceMax, largest, 1e-13);
    EXPECT_NEAR(numbers.DistanceRms, std::sqrt(squares / n), 1e-13);
    EXPECT_NEAR(numbers.RmsError, std::sqrt(squares / n), 1e-13);  // the steps' own L2 norm
}

TEST(ErrorNumbers, NoOverflowAndNoLostNaN)
{
    // Scaled by 2^1000 every step is scaled exactly: so are the numbers.
    const auto A = Decomposed(Named("blocks"), 0.4, 0.3, 6, 2);
    Analysis huge = *A;
    for (std::vector<double>* v : {&huge.Koeff, &huge.KoeffOrig})
        for (double& c : *v)
            c = std::ldexp(c, 1000);
    const ErrorNumbers small = ComputeErrorNumbers(*A), large = ComputeErrorNumbers(huge);
    EXPECT_EQ(large.MaxError, std::ldexp(small.MaxError, 1000));
    EXPECT_EQ(large.RmsError, std::ldexp(small.RmsError, 1000));
    EXPECT_EQ(large.DistanceRms, std::ldexp(small.DistanceRms, 1000));
    EXPECT_EQ(LevelEnergies(huge).share, LevelEnergies(*A).share);

    // A NaN detail is kept first and shows in every number, never as 0.
    A->Koeff[40] = NAN;
    EXPECT_TRUE(KeptDetails(*A, 1, KeepBy::Contribution)[40 - 5]);
    const ErrorNumbers numbers = ComputeErrorNumbers(*A);
    for (const double v : {numbers.MaxError, numbers.RmsError, numbers.DistanceMax, numbers.DistanceRms})
        EXPECT_TRUE(std::isnan(v));
    std::vector<std::optional<ErrorNumbers>> rows = {numbers, ErrorNumbers{0, 0, 0.5, 0.5}};
    EXPECT_EQ(BestDelta(rows, SweepMeasure::DistanceMax), 1);
}

TEST(DeltaSweep, EqualRowsAreReportedAsTies)
{
    // At the finest level the rebuilt function is the samples' own: every
    // Delta gives distance 0.
    DeltaSweepInput input{Named("stufe"), 5, 5, 100, KeepBy::Contribution, {}, {}};
    std::vector<std::optional<ErrorNumbers>> rows(DeltaSweepPoints);
    for (int i = 0; i < DeltaSweepPoints; ++i)
        rows[static_cast<std::size_t>(i)] = DeltaSweepRow(input, i);
    EXPECT_EQ(BestDelta(rows, SweepMeasure::DistanceRms), 0);
    EXPECT_EQ(BestDeltaTies(rows, SweepMeasure::DistanceRms), DeltaSweepPoints);
    // Below it Delta 0 alone is exact.
    input.level = 2;
    for (int i = 0; i < DeltaSweepPoints; ++i)
        rows[static_cast<std::size_t>(i)] = DeltaSweepRow(input, i);
    EXPECT_EQ(BestDelta(rows, SweepMeasure::DistanceMax), 0);
    EXPECT_EQ(BestDeltaTies(rows, SweepMeasure::DistanceMax), 1);
    EXPECT_LT(rows[0]->DistanceMax, 1e-15);
    // Equal within 1e-12 of the largest row: two rounding errors tie, the lower
    // Delta named; rows not done count for nothing.
    rows.assign(DeltaSweepPoints, std::nullopt);
    rows[3] = ErrorNumbers{0, 0, 4.0e-16, 0};
    rows[7] = ErrorNumbers{0, 0, 3.6e-16, 0};
    rows[9] = ErrorNumbers{0, 0, 0.05, 0};
    rows[11] = ErrorNumbers{0, 0, 3.6e-16 + 6e-14, 0};
    EXPECT_EQ(BestDelta(rows, SweepMeasure::DistanceMax), 3);
    EXPECT_EQ(BestDeltaTies(rows, SweepMeasure::DistanceMax), 2);
}

TEST(DeltaSweep, ARowSamplesAtItsDeltaAndAFileSignalAsItIs)
{
    const Signal file = Signal::File({130, 131.5, 129, 140, 128, 133, 131, 130, 129}, "ekg.txt");
    DeltaSweepInput input{file, 3, 2, 50, KeepBy::Magnitude, {}, {}};
    const Analysis atZero = DeltaSweepAnalysis(input, 0).analysis, atOne = DeltaSweepAnalysis(input, 100).analysis;
    EXPECT_EQ(std::vector<double>(atOne.KoeffOrig.begin(), atOne.KoeffOrig.begin() + 9), file.values);
    EXPECT_EQ(atZero.KoeffOrig, atOne.KoeffOrig);
    input.signal = Named("knick");
    const Analysis knick = DeltaSweepAnalysis(input, 30).analysis;
    EXPECT_EQ(std::vector<double>(knick.KoeffOrig.begin(), knick.KoeffOrig.begin() + 9), SampleSignal(input.signal, 3, 0.3));
}

}  // namespace
