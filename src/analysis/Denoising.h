#pragma once

#include "analysis/Analysis.h"
#include "analysis/Compression.h"
#include "analysis/Signals.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Noise on a signal's samples, and thresholds on the details that take it out
// again ("Rauschen", "Entrauschen").

// The seed of "Sinus mit Rauschen", and of added noise unless another is chosen.
inline constexpr std::uint32_t DefaultNoiseSeed = 20261208u;

// n values of Gaussian noise of standard deviation sigma: Box and Muller on
// the standard Mersenne Twister, so that a seed gives the same noise on every
// machine.
std::vector<double> GaussianNoise(std::size_t n, double sigma, std::uint32_t seed);

// "Rauschen hinzufügen": sigma as a fraction (0 .. 1) of the largest magnitude
// among the clean samples.
struct NoiseSettings {
    double sigma = 0.1;
    std::uint32_t seed = DefaultNoiseSeed;
    bool operator==(const NoiseSettings&) const = default;
};

// The clean samples with their noise added.
std::vector<double> WithNoise(const std::vector<double>& clean, const NoiseSettings& noise);

// The signal's samples at MaxLevel, with noise when asked, become Koeff and
// KoeffOrig (Level is MaxLevel); returns the clean samples, or nothing
// without noise. Every Delta of a signal gets the same noise.
std::vector<double> TakeSamples(Analysis& A, const Signal& signal, const std::optional<NoiseSettings>& noise);

enum class ThresholdRule {
    Off,        // "Aus"
    Universal,  // "Universell": sigma-hat sqrt(2 ln N), N = 2^MaxLevel, on every level
    Sure,       // "SURE": level by level, the universal one of the level where it is sparse
    Manual,     // "Manuell": the user's lambda on every level
};
enum class ThresholdKind {
    Hard,  // "hart": a detail stays as it is or goes
    Soft,  // "weich": every detail that stays shrinks by lambda
};

// A rule's word in files and on the command line: "aus", "universell",
// "sure", "manuell"; and the rule of a word.
const char* ThresholdRuleWord(ThresholdRule rule);
std::optional<ThresholdRule> FindThresholdRule(std::string_view word);

struct DenoiseSettings {
    ThresholdRule rule = ThresholdRule::Off;
    ThresholdKind kind = ThresholdKind::Hard;
    double lambda = 0.0;  // the manual threshold, on the scale of the samples
    bool operator==(const DenoiseSettings&) const = default;
};

// Whether there is something to threshold: details (Level below MaxLevel),
// and at least 8 samples, in the analysis and, of a file signal, among its
// own values (more samples made from fewer values add no information).
inline constexpr int DenoiseMinSamples = 8;
bool EnoughSamples(const Analysis& A, const Signal& signal);
bool CanDenoise(const Analysis& A, const Signal& signal);

// Each detail in play (position 2^Level + 1 on) on the scale of the samples:
// w = d ||psi||_2 2^(MaxLevel/2), its contribution to the L2 norm times
// 2^(MaxLevel/2). At Delta 0 these are the orthonormal Haar coefficients of
// the samples.
std::vector<double> NormalisedDetails(const Analysis& A);

// The noise level estimated from the finest details: median |w| / 0.6745.
double NoiseEstimate(std::span<const double> finest);

// SURE's threshold for values x whose noise has standard deviation 1: the t in
// [0, sqrt(2 ln n)] of least Stein's unbiased risk of soft thresholding,
// n - 2 #{|x| <= t} + sum min(x^2, t^2); of equal risks the least t.
double SureThreshold(std::span<const double> x);
// The same, except where the level is sparse (its energy hardly above the
// noise's: (sum x^2 - n) / n <= (log2 n)^(3/2) / sqrt(n)), where sqrt(2 ln n) holds.
double HybridSureThreshold(std::span<const double> x);

// The thresholds of a rule for the analysis: sigma-hat, lambda per level
// Level .. MaxLevel - 1, and which details stay (|w| > lambda; a NaN stays so
// that it shows). Without details sigma-hat is NaN and the lists are empty.
struct Thresholds {
    double sigmaHat = 0.0;
    std::vector<double> lambda;
    std::vector<char> survives;  // by position from 2^Level + 1 on
    int Kept() const;
};
Thresholds ChooseThresholds(const Analysis& A, const DenoiseSettings& settings);

// The details of A that do not survive become 0; with the soft kind those that
// do shrink by their level's lambda.
void ApplyThresholds(Analysis& A, const Thresholds& thresholds, ThresholdKind kind);

// What the details, function and error windows draw, made from a copy of the
// analysis of `signal`: its details thresholded when a rule is chosen and
// there is something to threshold, then P % of what is left kept by the
// compression's ranking. Which details stay, and whether and how they were
// thresholded.
struct ShownDetails {
    std::vector<char> kept;
    bool denoised = false;
    Thresholds thresholds;
};
ShownDetails DenoiseAndCompress(Analysis& shown, const Signal& signal, const DenoiseSettings& denoise, int percent,
                                KeepBy by);
