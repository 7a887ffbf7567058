#include "analysis/Numbers.h"

#include "analysis/PiecewiseLinear.h"
#include "analysis/Samples.h"

#include <cmath>

namespace {

std::size_t Size(int level) { return static_cast<std::size_t>(LevelSize[level]) + 1; }

// The exponent e of a power of two 2^e above every finite coefficient in
// play: divided by it they are at most 1, so no sum or square of the numbers
// overflows. 0 when there is none, or a NaN or an infinity, which then shows.
int ScaleExponent(const Analysis& A)
{
    double largest = 0.0;
    for (std::size_t i = 0; i < Size(A.MaxLevel); ++i)
        largest = MaxMagnitude(MaxMagnitude(largest, A.Koeff[i]), A.KoeffOrig[i]);
    int e = 0;
    if (largest > 0.0 && std::isfinite(largest))
        std::frexp(largest, &e);
    return e;
}

std::vector<double> Scaled(const std::vector<double>& values, std::size_t from, std::size_t count, double factor)
{
    std::vector<double> out(count);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = values[from + i] * factor;
    return out;
}

// The rebuilt function, its coefficients times `factor`, as one expansion a
// level: the smooth part at Level, and the details of each level j in the
// scaling functions of level j + 1 (Q_{j+1} d, as a reconstruction step forms
// them). A level whose matrices are not computed yet adds nothing, as in the
// evaluators.
std::vector<LevelExpansion> RebuiltParts(const Analysis& A, double factor)
{
    std::vector<LevelExpansion> parts;
    parts.push_back({A.Level, Scaled(A.Koeff, 0, Size(A.Level), factor)});
    for (int j = A.Level; j <= A.MaxLevel - 1; ++j) {
        const BandMatrix& Q = A.LevelMatrices.Q(j + 1);
        const std::size_t n = static_cast<std::size_t>(LevelSize[j]);
        parts.push_back({j + 1, Q.Rows() == 0 ? std::vector<double>(Size(j + 1))
                                              : Q.Times(Scaled(A.Koeff, n + 1, n, factor))});
    }
    return parts;
}

// The largest and root-mean-square distance of the rebuilt function from the
// samples at the centres (i + s) / 2^MaxLevel, i = 0 .. 2^MaxLevel - 1, in
// [0, 1]; i = -1 lies in it only when s is 1 (Delta 1), at x = 0.
void SampleDistances(const Analysis& A, const std::vector<LevelExpansion>& rebuilt, double factor,
                     ErrorNumbers& numbers)
{
    const double s = SampleShift(A.aktDelta);
    const std::vector<double> values = ValuesAt(A.aktDelta, rebuilt, s);
    double squares = 0.0;
    auto add = [&](double value, std::size_t i) {
        const double e = value - A.KoeffOrig[i] * factor;
        numbers.DistanceMax = MaxMagnitude(numbers.DistanceMax, e);
        squares += e * e;
    };
    if (s >= 1.0)
        add(ValueAt(A.aktDelta, rebuilt, 0, 0.0), 0);
    for (std::size_t i = 0; i < values.size(); ++i)
        add(values[i], i + 1);
    numbers.DistanceRms = std::sqrt(squares / static_cast<double>(values.size() + (s >= 1.0 ? 1 : 0)));
}

}  // namespace

ErrorNumbers ComputeErrorNumbers(const Analysis& A)
{
    const int e = ScaleExponent(A);
    const double factor = std::ldexp(1.0, -e);
    std::vector<LevelExpansion> parts = RebuiltParts(A, factor);
    ErrorNumbers numbers;
    SampleDistances(A, parts, factor, numbers);
    // The error: the rebuilt function less the samples' own function.
    std::vector<double> original = Scaled(A.KoeffOrig, 0, Size(A.MaxLevel), -factor);
    parts.push_back({A.MaxLevel, std::move(original)});
    const SumNorms error = ExactNorms(A.aktDelta, parts);
    numbers.MaxError = std::ldexp(error.max, e);
    numbers.RmsError = std::ldexp(error.l2, e);
    numbers.DistanceMax = std::ldexp(numbers.DistanceMax, e);
    numbers.DistanceRms = std::ldexp(numbers.DistanceRms, e);
    return numbers;
}

PartEnergies LevelEnergies(const Analysis& A)
{
    const int e = ScaleExponent(A);
    const std::vector<LevelExpansion> parts = RebuiltParts(A, std::ldexp(1.0, -e));
    std::vector<double> scaled;
    double sum = 0.0;
    for (const LevelExpansion& part : parts) {
        const double l2 = ExactNorms(A.aktDelta, {&part, 1}).l2;
        scaled.push_back(l2 * l2);
        sum += l2 * l2;
    }
    PartEnergies energies;
    for (const double v : scaled) {
        energies.energy.push_back(std::ldexp(v, 2 * e));
        energies.share.push_back(sum == 0.0 ? 0.0 : 100.0 * (v / sum));
    }
    return energies;
}
