#include "analysis/Denoising.h"

#include "analysis/Samples.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr double Pi = 3.14159265358979323846;

// The scale of each detail in play: its wavelet's norm times 2^(MaxLevel/2).
std::vector<double> DetailScales(const Analysis& A)
{
    std::vector<double> scales = DetailNorms(A);
    const double root = std::sqrt(Pow2[A.MaxLevel]);
    for (double& s : scales)
        s *= root;
    return scales;
}

// The details of level j among those from Level on.
std::span<const double> LevelPart(const Analysis& A, const std::vector<double>& w, int j)
{
    return std::span<const double>(w).subspan(static_cast<std::size_t>(LevelSize[j] - LevelSize[A.Level]),
                                              static_cast<std::size_t>(LevelSize[j]));
}

bool AnyNaN(std::span<const double> x)
{
    return std::any_of(x.begin(), x.end(), [](double v) { return std::isnan(v); });
}

double Universal(std::size_t n) { return std::sqrt(2.0 * std::log(static_cast<double>(n))); }

}  // namespace

std::vector<double> GaussianNoise(std::size_t n, double sigma, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    auto uniform = [&] { return (static_cast<double>(generator()) + 1.0) / 4294967296.0; };  // (0, 1]
    std::vector<double> noise(n);
    for (std::size_t i = 0; i < n; i += 2) {
        const double r = std::sqrt(-2.0 * std::log(uniform()));
        const double phi = 2.0 * Pi * uniform();
        noise[i] = sigma * r * std::cos(phi);
        if (i + 1 < n)
            noise[i + 1] = sigma * r * std::sin(phi);
    }
    return noise;
}

std::vector<double> WithNoise(const std::vector<double>& clean, const NoiseSettings& noise)
{
    double largest = 0.0;
    for (const double v : clean)
        largest = std::max(largest, std::fabs(v));
    const std::vector<double> added = GaussianNoise(clean.size(), noise.sigma * largest, noise.seed);
    std::vector<double> noisy(clean.size());
    for (std::size_t i = 0; i < clean.size(); ++i)
        noisy[i] = clean[i] + added[i];
    return noisy;
}

std::vector<double> TakeSamples(Analysis& A, const Signal& signal, const std::optional<NoiseSettings>& noise)
{
    if (!noise) {
        TakeSamples(A, signal);
        return {};
    }
    std::vector<double> clean = SampleSignal(signal, A.MaxLevel, A.aktDelta);
    SetMaxLevel(A, A.MaxLevel);
    StoreSamples(A, WithNoise(clean, *noise));
    return clean;
}

namespace {

constexpr const char* RuleWords[] = {"aus", "universell", "sure", "manuell"};

}  // namespace

const char* ThresholdRuleWord(ThresholdRule rule) { return RuleWords[static_cast<int>(rule)]; }

std::optional<ThresholdRule> FindThresholdRule(std::string_view word)
{
    for (int i = 0; i < 4; ++i)
        if (word == RuleWords[i])
            return static_cast<ThresholdRule>(i);
    return std::nullopt;
}

bool EnoughSamples(const Analysis& A, const Signal& signal)
{
    return LevelSize[A.MaxLevel] + 1 >= DenoiseMinSamples
           && (!signal.IsFile() || signal.values.size() >= static_cast<std::size_t>(DenoiseMinSamples));
}

bool CanDenoise(const Analysis& A, const Signal& signal) { return A.Level < A.MaxLevel && EnoughSamples(A, signal); }

std::vector<double> NormalisedDetails(const Analysis& A)
{
    std::vector<double> w = DetailScales(A);
    const std::size_t first = static_cast<std::size_t>(LevelSize[A.Level]) + 1;
    for (std::size_t i = 0; i < w.size(); ++i)
        w[i] *= A.Koeff[first + i];
    return w;
}

double NoiseEstimate(std::span<const double> finest)
{
    if (finest.empty() || AnyNaN(finest))
        return NAN;
    std::vector<double> a(finest.size());
    std::transform(finest.begin(), finest.end(), a.begin(), [](double v) { return std::fabs(v); });
    const std::size_t half = a.size() / 2;
    std::nth_element(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(half), a.end());
    double median = a[half];
    if (a.size() % 2 == 0)  // the mean of the two middle values: the other is the largest below
        median = (*std::max_element(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(half)) + median) / 2.0;
    return median / 0.6745;
}

double SureThreshold(std::span<const double> x)
{
    if (AnyNaN(x))
        return NAN;
    const std::size_t n = x.size();
    std::vector<double> s(n);
    std::transform(x.begin(), x.end(), s.begin(), [](double v) { return std::fabs(v); });
    std::sort(s.begin(), s.end());
    const double limit = Universal(n);
    // Between two neighbouring |x| the count is fixed and the sum grows with
    // t, so the least risk lies at t = 0 or at one of the |x|. At t = s[k],
    // the last of its equals: k + 1 values at most t, the sum of their
    // squares, and t^2 for each of the rest.
    const double size = static_cast<double>(n);
    double bestRisk = size, best = 0.0, squares = 0.0;
    for (std::size_t k = 0; k < n && s[k] <= limit; ++k) {
        squares += s[k] * s[k];
        if (k + 1 < n && s[k + 1] == s[k])
            continue;
        const double below = static_cast<double>(k + 1);
        const double risk = size - 2.0 * below + squares + (size - below) * s[k] * s[k];
        if (risk < bestRisk) {
            bestRisk = risk;
            best = s[k];
        }
    }
    return best;
}

double HybridSureThreshold(std::span<const double> x)
{
    const double n = static_cast<double>(x.size());
    double energy = 0.0;
    for (const double v : x)
        energy += v * v;
    const bool sparse = (energy - n) / n <= std::pow(std::log2(n), 1.5) / std::sqrt(n);
    return sparse ? Universal(x.size()) : SureThreshold(x);
}

int Thresholds::Kept() const { return static_cast<int>(std::count(survives.begin(), survives.end(), 1)); }

Thresholds ChooseThresholds(const Analysis& A, const DenoiseSettings& settings)
{
    Thresholds t;
    if (A.Level >= A.MaxLevel) {
        t.sigmaHat = NAN;
        return t;
    }
    const std::vector<double> w = NormalisedDetails(A);
    t.sigmaHat = NoiseEstimate(LevelPart(A, w, A.MaxLevel - 1));
    const double universal = t.sigmaHat * Universal(static_cast<std::size_t>(LevelSize[A.MaxLevel]));
    for (int j = A.Level; j <= A.MaxLevel - 1; ++j) {
        double lambda = 0.0;
        switch (settings.rule) {
        case ThresholdRule::Off: break;
        case ThresholdRule::Universal: lambda = universal; break;
        case ThresholdRule::Manual: lambda = settings.lambda; break;
        case ThresholdRule::Sure: {
            // Without noise (sigma-hat 0) nothing is thresholded.
            if (!(t.sigmaHat > 0.0)) {
                lambda = t.sigmaHat == 0.0 ? 0.0 : NAN;
                break;
            }
            const std::span<const double> level = LevelPart(A, w, j);
            std::vector<double> x(level.size());
            std::transform(level.begin(), level.end(), x.begin(), [&](double v) { return v / t.sigmaHat; });
            lambda = t.sigmaHat * HybridSureThreshold(x);
            break;
        }
        }
        t.lambda.push_back(lambda);
        for (const double v : LevelPart(A, w, j))
            t.survives.push_back(!(std::fabs(v) <= lambda));  // a NaN survives, so that it shows
    }
    return t;
}

void ApplyThresholds(Analysis& A, const Thresholds& thresholds, ThresholdKind kind)
{
    const std::vector<double> scales = DetailScales(A);
    const std::size_t first = static_cast<std::size_t>(LevelSize[A.Level]) + 1;
    std::size_t i = 0;
    for (int j = A.Level; j <= A.MaxLevel - 1; ++j) {
        const double lambda = thresholds.lambda[static_cast<std::size_t>(j - A.Level)];
        for (int k = 0; k < LevelSize[j]; ++k, ++i) {
            double& d = A.Koeff[first + i];
            if (!thresholds.survives[i])
                d = 0.0;
            else if (kind == ThresholdKind::Soft)
                d = std::copysign(std::fabs(d * scales[i]) - lambda, d) / scales[i];
        }
    }
}

ShownDetails DenoiseAndCompress(Analysis& shown, const Signal& signal, const DenoiseSettings& denoise, int percent,
                                KeepBy by)
{
    ShownDetails result;
    result.denoised = denoise.rule != ThresholdRule::Off && CanDenoise(shown, signal);
    if (result.denoised) {
        result.thresholds = ChooseThresholds(shown, denoise);
        ApplyThresholds(shown, result.thresholds, denoise.kind);
    }
    result.kept = percent == 100 ? std::vector<char>(static_cast<std::size_t>(DetailCount(shown)), 1)
                                 : KeptDetails(shown, percent, by);
    if (result.denoised)
        for (std::size_t i = 0; i < result.kept.size(); ++i)
            result.kept[i] = result.kept[i] && result.thresholds.survives[i];
    Compress(shown, result.kept);
    return result;
}
