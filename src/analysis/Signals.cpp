#include "analysis/Signals.h"

#include "analysis/Denoising.h"
#include "analysis/Phrase.h"
#include "analysis/Samples.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

double Sign(double v) { return v > 0.0 ? 1.0 : v < 0.0 ? -1.0 : 0.0; }

// The positions and heights of the jumps and bumps of Donoho and Johnstone.
constexpr std::array<double, 11> Positions = {0.1, 0.13, 0.15, 0.23, 0.25, 0.40, 0.44, 0.65, 0.76, 0.78, 0.81};
constexpr std::array<double, 11> BlockHeights = {4, -5, 3, -4, 5, -4.2, 2.1, 4.3, -3.1, 2.1, -4.2};
constexpr std::array<double, 11> BumpHeights = {4, 5, 3, 4, 5, 4.2, 2.1, 4.3, 3.1, 5.1, 4.2};
constexpr std::array<double, 11> BumpWidths = {0.005, 0.005, 0.006, 0.01, 0.01, 0.03, 0.01, 0.01, 0.005, 0.008, 0.005};

double Stufe(double x) { return x < 0.5 ? 0.0 : 1.0; }
double Knick(double x) { return 1.0 - 2.0 * std::fabs(x - 0.5); }
double Rechteck(double x) { return x >= 0.25 && x < 0.75 ? 1.0 : 0.0; }
double Chirp(double x) { return std::sin(2.0 * Pi * (2.0 * x + 8.0 * x * x)); }

double Blocks(double x)
{
    double f = 0.0;
    for (std::size_t k = 0; k < Positions.size(); ++k)
        f += BlockHeights[k] * (1.0 + Sign(x - Positions[k])) / 2.0;
    return f;
}

double Bumps(double x)
{
    double f = 0.0;
    for (std::size_t k = 0; k < Positions.size(); ++k)
        f += BumpHeights[k] * std::pow(1.0 + std::fabs((x - Positions[k]) / BumpWidths[k]), -4.0);
    return f;
}

double HeaviSine(double x) { return 4.0 * std::sin(4.0 * Pi * x) - Sign(x - 0.3) - Sign(0.72 - x); }
double Doppler(double x) { return std::sqrt(x * (1.0 - x)) * std::sin(2.0 * Pi * 1.05 / (x + 0.05)); }

// The program's own sine, sampled exactly as at start-up.
std::vector<double> SampleSine(int j, double aktDelta)
{
    Analysis sine;
    sine.aktDelta = aktDelta;
    SetMaxLevel(sine, j);
    SampleFunction(sine, j);
    return std::vector<double>(sine.Koeff.begin(), sine.Koeff.begin() + LevelSize[j] + 1);
}

std::vector<double> SampleNoisySine(int j, double aktDelta)
{
    std::vector<double> samples = SampleSine(j, aktDelta);
    const std::vector<double> noise = GaussianNoise(samples.size(), 0.1, DefaultNoiseSeed);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] += noise[i];
    return samples;
}

// f at the sample points, each clamped to [0, 1].
template <double (*f)(double)> std::vector<double> SampleOnUnitInterval(int j, double aktDelta)
{
    const float s = SampleShift(aktDelta);
    std::vector<double> samples(static_cast<std::size_t>(LevelSize[j]) + 1);
    for (int i = -1; static_cast<double>(i) < Pow2[j]; ++i)
        samples[static_cast<std::size_t>(i + 1)] = f(std::clamp((static_cast<double>(i) + s) * Pow2Inv[j], 0.0, 1.0));
    return samples;
}

// The same, divided by the largest magnitude among them (Donoho and Johnstone's four).
template <double (*f)(double)> std::vector<double> SampleScaledToOne(int j, double aktDelta)
{
    std::vector<double> samples = SampleOnUnitInterval<f>(j, aktDelta);
    double largest = 0.0;
    for (const double v : samples)
        largest = std::max(largest, std::fabs(v));
    if (largest > 0.0)
        for (double& v : samples)
            v /= largest;
    return samples;
}

const auto SignalTable = std::to_array<SignalRow>({
    {"sinus", Marked("Signal", "Sinus (Original)"), SampleSine},  // sin(6.28 x), the program's own
    {"stufe", Marked("Signal", "Stufe"), SampleOnUnitInterval<Stufe>},
    {"knick", Marked("Signal", "Knick"), SampleOnUnitInterval<Knick>},
    {"rechteck", Marked("Signal", "Rechteck"), SampleOnUnitInterval<Rechteck>},
    {"chirp", "Chirp", SampleOnUnitInterval<Chirp>},
    {"blocks", "Blocks", SampleScaledToOne<Blocks>},
    {"bumps", "Bumps", SampleScaledToOne<Bumps>},
    {"heavisine", "HeaviSine", SampleScaledToOne<HeaviSine>},
    {"doppler", "Doppler", SampleScaledToOne<Doppler>},
    {"sinus-rauschen", Marked("Signal", "Sinus mit Rauschen"), SampleNoisySine},  // sigma 0.1, the same noise every time
});

// The point t of the way from a to b: a + t (b - a), which gives a itself at
// t = 0, and where b - a overflows (neighbours near the ends of the double
// range with opposite signs) (1 - t) a + t b, which cannot.
double Between(double a, double b, double t)
{
    const double step = b - a;
    return std::isfinite(step) ? a + t * step : (1.0 - t) * a + t * b;
}

}  // namespace

std::span<const SignalRow> SignalList() { return SignalTable; }

std::optional<int> FindSignal(std::string_view name)
{
    for (std::size_t i = 0; i < SignalTable.size(); ++i)
        if (name == SignalTable[i].word || name == SignalTable[i].shown)
            return static_cast<int>(i);
    return std::nullopt;
}

std::string SignalShownName(const Signal& signal)
{
    return signal.IsFile() ? signal.fileName : SignalTable[static_cast<std::size_t>(signal.listIndex)].shown;
}

std::vector<double> ResampleLinear(const std::vector<double>& values, std::size_t n)
{
    std::vector<double> out(n);
    const std::size_t last = values.size() - 1;
    for (std::size_t k = 0; k < n; ++k) {
        // The position k (last) / (n - 1) over the index range, in exact integers.
        const std::size_t whole = k * last / (n - 1);
        const double fraction = static_cast<double>(k * last - whole * (n - 1)) / static_cast<double>(n - 1);
        out[k] = whole >= last ? values[last] : Between(values[whole], values[whole + 1], fraction);
    }
    return out;
}

std::vector<double> SampleSignal(const Signal& signal, int j, double aktDelta)
{
    if (signal.IsFile())
        return ResampleLinear(signal.values, static_cast<std::size_t>(LevelSize[j]) + 1);
    return SignalTable[static_cast<std::size_t>(signal.listIndex)].sample(j, aktDelta);
}

void TakeSamples(Analysis& A, const Signal& signal)
{
    const std::vector<double> samples = SampleSignal(signal, A.MaxLevel, A.aktDelta);
    SetMaxLevel(A, A.MaxLevel);
    StoreSamples(A, samples);
}
