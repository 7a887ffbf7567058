#include "analysis/Signals.h"

#include "analysis/Samples.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

const std::array<SignalName, 10> SignalList = {{
    {SignalKind::Sinus, "Sinus (Original)", "sinus"},
    {SignalKind::Stufe, "Stufe", "stufe"},
    {SignalKind::Knick, "Knick", "knick"},
    {SignalKind::Rechteck, "Rechteck", "rechteck"},
    {SignalKind::Chirp, "Chirp", "chirp"},
    {SignalKind::Blocks, "Blocks", "blocks"},
    {SignalKind::Bumps, "Bumps", "bumps"},
    {SignalKind::HeaviSine, "HeaviSine", "heavisine"},
    {SignalKind::Doppler, "Doppler", "doppler"},
    {SignalKind::SinusRauschen, "Sinus mit Rauschen", "sinus-rauschen"},
}};

namespace {

constexpr double Pi = 3.14159265358979323846;

double Sign(double v) { return v > 0.0 ? 1.0 : v < 0.0 ? -1.0 : 0.0; }

// The positions and heights of the jumps and bumps of Donoho and Johnstone.
constexpr std::array<double, 11> Positions = {0.1, 0.13, 0.15, 0.23, 0.25, 0.40, 0.44, 0.65, 0.76, 0.78, 0.81};
constexpr std::array<double, 11> BlockHeights = {4, -5, 3, -4, 5, -4.2, 2.1, 4.3, -3.1, 2.1, -4.2};
constexpr std::array<double, 11> BumpHeights = {4, 5, 3, 4, 5, 4.2, 2.1, 4.3, 3.1, 5.1, 4.2};
constexpr std::array<double, 11> BumpWidths = {0.005, 0.005, 0.006, 0.01, 0.01, 0.03, 0.01, 0.01, 0.005, 0.008, 0.005};

// A test signal at x in [0, 1], before any scaling.
double TestSignal(SignalKind kind, double x)
{
    switch (kind) {
    case SignalKind::Stufe: return x < 0.5 ? 0.0 : 1.0;
    case SignalKind::Knick: return 1.0 - 2.0 * std::fabs(x - 0.5);
    case SignalKind::Rechteck: return x >= 0.25 && x < 0.75 ? 1.0 : 0.0;
    case SignalKind::Chirp: return std::sin(2.0 * Pi * (2.0 * x + 8.0 * x * x));
    case SignalKind::Blocks: {
        double f = 0.0;
        for (std::size_t k = 0; k < Positions.size(); ++k)
            f += BlockHeights[k] * (1.0 + Sign(x - Positions[k])) / 2.0;
        return f;
    }
    case SignalKind::Bumps: {
        double f = 0.0;
        for (std::size_t k = 0; k < Positions.size(); ++k)
            f += BumpHeights[k] * std::pow(1.0 + std::fabs((x - Positions[k]) / BumpWidths[k]), -4.0);
        return f;
    }
    case SignalKind::HeaviSine: return 4.0 * std::sin(4.0 * Pi * x) - Sign(x - 0.3) - Sign(0.72 - x);
    case SignalKind::Doppler: return std::sqrt(x * (1.0 - x)) * std::sin(2.0 * Pi * 1.05 / (x + 0.05));
    default: return 0.0;
    }
}

bool ScaledToOne(SignalKind kind)
{
    return kind == SignalKind::Blocks || kind == SignalKind::Bumps || kind == SignalKind::HeaviSine
           || kind == SignalKind::Doppler;
}

// Gaussian noise of standard deviation sigma by Box and Muller on the
// standard Mersenne Twister, so that it is the same on every machine.
std::vector<double> Noise(std::size_t n, double sigma)
{
    std::mt19937 generator(20261208u);
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

}  // namespace

std::string SignalShownName(const Signal& signal)
{
    if (signal.kind == SignalKind::Datei)
        return signal.fileName;
    for (const SignalName& name : SignalList)
        if (name.kind == signal.kind)
            return name.shown;
    return {};
}

std::vector<double> ResampleLinear(const std::vector<double>& values, std::size_t n)
{
    std::vector<double> out(n);
    const std::size_t last = values.size() - 1;
    for (std::size_t k = 0; k < n; ++k) {
        // The position k (last) / (n - 1) over the index range, in exact integers.
        const std::size_t whole = k * last / (n - 1);
        const double fraction = static_cast<double>(k * last - whole * (n - 1)) / static_cast<double>(n - 1);
        out[k] = whole >= last ? values[last] : values[whole] + fraction * (values[whole + 1] - values[whole]);
    }
    return out;
}

std::vector<double> SampleSignal(const Signal& signal, int j, double aktDelta)
{
    const std::size_t count = static_cast<std::size_t>(LevelSize[j]) + 1;
    if (signal.kind == SignalKind::Datei)
        return ResampleLinear(signal.values, count);

    // The program's own sine, sampled exactly as at start-up.
    Analysis sine;
    sine.aktDelta = aktDelta;
    SetMaxLevel(sine, j);
    SampleFunction(sine, j);
    std::vector<double> samples(sine.Koeff.begin(), sine.Koeff.begin() + static_cast<std::ptrdiff_t>(count));
    if (signal.kind == SignalKind::Sinus)
        return samples;
    if (signal.kind == SignalKind::SinusRauschen) {
        const std::vector<double> noise = Noise(count, 0.1);
        for (std::size_t i = 0; i < count; ++i)
            samples[i] += noise[i];
        return samples;
    }

    const float s = SampleShift(aktDelta);
    double largest = 0.0;
    for (int i = -1; static_cast<double>(i) < Pow2[j]; ++i) {
        const double x = std::clamp((static_cast<double>(i) + s) * Pow2Inv[j], 0.0, 1.0);
        samples[static_cast<std::size_t>(i + 1)] = TestSignal(signal.kind, x);
        largest = std::max(largest, std::fabs(samples[static_cast<std::size_t>(i + 1)]));
    }
    if (ScaledToOne(signal.kind) && largest > 0.0)
        for (double& v : samples)
            v /= largest;
    return samples;
}

void TakeSamples(Analysis& A, const Signal& signal)
{
    const std::vector<double> samples = SampleSignal(signal, A.MaxLevel, A.aktDelta);
    SetMaxLevel(A, A.MaxLevel);
    StoreSamples(A, samples);
}
