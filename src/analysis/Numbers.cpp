#include "analysis/Numbers.h"

#include "analysis/PiecewiseLinear.h"
#include "analysis/Samples.h"

#include <cmath>

namespace {

std::size_t Size(int level) { return static_cast<std::size_t>(LevelSize[level]) + 1; }

// The exponent e of a power of two 2^e above every finite coefficient in
// play: divided by it they are at most 1, so no sum or square of the numbers
// overflows. 0 when there is none, or a NaN or an infinity, which then shows.
int ScaleExponent(const Analysis& A, const std::vector<double>& clean = {})
{
    double largest = 0.0;
    for (std::size_t i = 0; i < Size(A.MaxLevel); ++i)
        largest = MaxMagnitude(MaxMagnitude(largest, A.Koeff[i]), A.KoeffOrig[i]);
    for (const double v : clean)
        largest = MaxMagnitude(largest, v);
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

// The rebuilt function at the sample points (i + s) / 2^MaxLevel that lie in
// [0, 1], with i = 0 .. 2^MaxLevel - 1 at the positions i + 1 of KoeffOrig;
// i = -1, at position 0, lies in it only when s is 1 (Delta 1), at x = 0.
struct AtSamplePoints {
    std::size_t first = 1;  // the position of the first value
    std::vector<double> values;
};

AtSamplePoints RebuiltAtSamplePoints(const Analysis& A, const std::vector<LevelExpansion>& rebuilt)
{
    const double s = SampleShift(A.aktDelta);
    AtSamplePoints at;
    at.values = ValuesAt(A.aktDelta, rebuilt, s);
    if (s >= 1.0) {
        at.values.insert(at.values.begin(), ValueAt(A.aktDelta, rebuilt, 0, 0.0));
        at.first = 0;
    }
    return at;
}

// The largest and the summed squared distance of values from a reference
// (times `factor`), over the positions of the sample points.
struct Distances {
    double max = 0.0;
    double squares = 0.0;
};

Distances DistancesOf(const AtSamplePoints& at, const std::vector<double>& values, const std::vector<double>& reference,
                      double factor)
{
    Distances d;
    for (std::size_t k = 0; k < at.values.size(); ++k) {
        const double e = values[k] - reference[at.first + k] * factor;
        d.max = MaxMagnitude(d.max, e);
        d.squares += e * e;
    }
    return d;
}

double Rms(const Distances& d, const AtSamplePoints& at)
{
    return std::sqrt(d.squares / static_cast<double>(at.values.size()));
}

// The values of v at the positions of the sample points, times `factor`.
std::vector<double> AtPositions(const AtSamplePoints& at, const std::vector<double>& v, double factor)
{
    return Scaled(v, at.first, at.values.size(), factor);
}

}  // namespace

ErrorNumbers ComputeErrorNumbers(const Analysis& A, const std::vector<double>& clean)
{
    const int e = ScaleExponent(A, clean);
    const double factor = std::ldexp(1.0, -e);
    std::vector<LevelExpansion> parts = RebuiltParts(A, factor);
    const AtSamplePoints at = RebuiltAtSamplePoints(A, parts);
    const Distances distances = DistancesOf(at, at.values, A.KoeffOrig, factor);
    // The error: the rebuilt function less the samples' own function.
    std::vector<double> original = Scaled(A.KoeffOrig, 0, Size(A.MaxLevel), -factor);
    parts.push_back({A.MaxLevel, std::move(original)});
    const SumNorms error = ExactNorms(A.aktDelta, parts);
    ErrorNumbers numbers;
    numbers.MaxError = std::ldexp(error.max, e);
    numbers.RmsError = std::ldexp(error.l2, e);
    numbers.DistanceMax = std::ldexp(distances.max, e);
    numbers.DistanceRms = std::ldexp(Rms(distances, at), e);
    if (!clean.empty())
        numbers.DenoisedRms = std::ldexp(Rms(DistancesOf(at, at.values, clean, factor), at), e);
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

CleanNumbers CompareWithClean(const Analysis& A, const std::vector<double>& clean)
{
    const int e = ScaleExponent(A, clean);
    const double factor = std::ldexp(1.0, -e);
    const AtSamplePoints at = RebuiltAtSamplePoints(A, RebuiltParts(A, factor));
    const std::vector<double> zero(at.values.size(), 0.0);
    const Distances signal = DistancesOf(at, zero, clean, -factor);
    const Distances noisy = DistancesOf(at, AtPositions(at, A.KoeffOrig, factor), clean, factor);
    const Distances denoised = DistancesOf(at, at.values, clean, factor);
    auto snr = [&](const Distances& d) { return 10.0 * std::log10(signal.squares / d.squares); };
    return {snr(noisy), snr(denoised), std::ldexp(Rms(noisy, at), e), std::ldexp(Rms(denoised, at), e)};
}
