#include "TestAnalysis.h"

#include "analysis/Decomposition.h"
#include "analysis/Denoising.h"
#include "analysis/Numbers.h"
#include "analysis/Signals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

Signal Named(const char* word) { return Signal::Listed(FindSignal(word).value()); }

// Blocks with noise of a tenth, sampled and decomposed at Delta 0.
struct NoisyAnalysis {
    std::unique_ptr<Analysis> A;
    std::vector<double> clean;
};

NoisyAnalysis NoisyBlocksAtDeltaZero(int maxLevel, int level)
{
    NoisyAnalysis noisy{StartAnalysis(0.0, maxLevel), {}};
    noisy.clean = TakeSamples(*noisy.A, Named("blocks"), NoiseSettings{0.1, 7});
    while (noisy.A->Level > level) {
        --noisy.A->Level;
        DecomposeStep(*noisy.A);
    }
    return noisy;
}

// At Delta 0 the scaling functions are boxes: rebuilt up to MaxLevel, their
// coefficients are the rebuilt function's values at the sample points.
std::vector<double> RebuiltSamples(Analysis A)
{
    while (A.Level < A.MaxLevel) {
        ReconstructStep(A);
        ++A.Level;
    }
    return std::vector<double>(A.Koeff.begin() + 1, A.Koeff.begin() + LevelSize[A.MaxLevel] + 1);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Stein's unbiased risk of soft thresholding x at t, summed term by term.
double SureRisk(const std::vector<double>& x, double t)
{
    double risk = static_cast<double>(x.size());
    for (const double v : x)
        risk += std::min(v * v, t * t) - (std::fabs(v) <= t ? 2.0 : 0.0);
    return risk;
}

// The least risk over t = 0 and every |x| up to sqrt(2 ln n); of equal risks the least t.
double BruteForceSure(const std::vector<double>& x)
{
    const double limit = std::sqrt(2.0 * std::log(static_cast<double>(x.size())));
    double best = 0.0;
    for (const double v : x) {
        const double t = std::fabs(v), risk = SureRisk(x, t), least = SureRisk(x, best);
        if (t <= limit && (risk < least || (risk == least && t < best)))
            best = t;
    }
    return best;
}

TEST(HaarAtDeltaZero, DetailsNoiseLevelThresholdsAndDenoisedSamples)
{
    const int maxLevel = 7, level = 3, n = 128, first = 8;
    const NoisyAnalysis noisy = NoisyBlocksAtDeltaZero(maxLevel, level);
    const Analysis& A = *noisy.A;
    std::vector<double> haar(A.KoeffOrig.begin() + 1, A.KoeffOrig.begin() + n + 1);
    Haar(haar, maxLevel - level, false);

    const std::vector<double> w = NormalisedDetails(A);
    ASSERT_EQ(w.size(), static_cast<std::size_t>(n - first));
    for (int i = 0; i < n - first; ++i)
        ASSERT_NEAR(w[static_cast<std::size_t>(i)], haar[static_cast<std::size_t>(first + i)], 1e-12) << i;

    std::vector<double> finest;
    for (int k = n / 2; k < n; ++k)
        finest.push_back(std::fabs(haar[static_cast<std::size_t>(k)]));
    const double sigma = Median(finest) / 0.6745;
    const double lambda = sigma * std::sqrt(2.0 * std::log(128.0));
    const Thresholds universal = ChooseThresholds(A, {ThresholdRule::Universal});
    EXPECT_NEAR(universal.sigmaHat, sigma, 1e-12);
    ASSERT_EQ(universal.lambda.size(), 4u);
    for (const double l : universal.lambda)
        EXPECT_NEAR(l, lambda, 1e-12);

    // SURE level by level on the Haar details: the brute-force minimum, or
    // the level's universal threshold where it is sparse.
    const Thresholds sure = ChooseThresholds(A, {ThresholdRule::Sure});
    int minimised = 0;
    for (int j = level; j < maxLevel; ++j) {
        std::vector<double> x;
        for (int k = 1 << j; k < 2 << j; ++k)
            x.push_back(haar[static_cast<std::size_t>(k)] / sigma);
        const double size = static_cast<double>(x.size());
        const double energy = std::inner_product(x.begin(), x.end(), x.begin(), 0.0);
        const bool sparse = (energy - size) / size <= std::pow(std::log2(size), 1.5) / std::sqrt(size);
        const double t = sparse ? std::sqrt(2.0 * std::log(size)) : BruteForceSure(x);
        minimised += sparse ? 0 : 1;
        EXPECT_NEAR(sure.lambda[static_cast<std::size_t>(j - level)], sigma * t, 1e-12) << j;
    }
    EXPECT_GE(minimised, 1);  // the coarse levels carry the jumps

    for (const ThresholdKind kind : {ThresholdKind::Hard, ThresholdKind::Soft}) {
        std::vector<double> expected = haar;
        for (int k = first; k < n; ++k) {
            double& v = expected[static_cast<std::size_t>(k)];
            v = std::fabs(v) <= lambda ? 0.0 : kind == ThresholdKind::Soft ? std::copysign(std::fabs(v) - lambda, v) : v;
        }
        Haar(expected, maxLevel - level, true);
        Analysis denoised = A;
        DenoiseAndCompress(denoised, Named("blocks"), {ThresholdRule::Universal, kind}, 100, KeepBy::Contribution);
        const std::vector<double> rebuilt = RebuiltSamples(denoised);
        for (int i = 0; i < n; ++i)
            ASSERT_NEAR(rebuilt[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)], 1e-12) << i;

        // Against the clean samples at the same points.
        double signal = 0.0, noise = 0.0, left = 0.0;
        for (int i = 0; i < n; ++i) {
            const double c = noisy.clean[static_cast<std::size_t>(i + 1)];
            signal += c * c;
            noise += std::pow(A.KoeffOrig[static_cast<std::size_t>(i + 1)] - c, 2);
            left += std::pow(expected[static_cast<std::size_t>(i)] - c, 2);
        }
        const CleanNumbers numbers = CompareWithClean(denoised, noisy.clean);
        EXPECT_NEAR(numbers.SnrNoisy, 10 * std::log10(signal / noise), 1e-10);
        EXPECT_NEAR(numbers.SnrDenoised, 10 * std::log10(signal / left), 1e-10);
        EXPECT_NEAR(numbers.RmsNoisy, std::sqrt(noise / n), 1e-12);
        EXPECT_NEAR(numbers.RmsDenoised, std::sqrt(left / n), 1e-12);
    }
}

TEST(Sure, TheThresholdOfLeastRiskAndTheSparseLevels)
{
    std::mt19937 generator(3);
    std::normal_distribution<double> normal;
    for (const int n : {16, 64, 512}) {
        std::vector<double> x(static_cast<std::size_t>(n));
        for (std::size_t i = 0; i < x.size(); ++i)
            x[i] = normal(generator) + (i % 5 == 0 ? 5.0 : 0.0);
        const double t = SureThreshold(x);
        EXPECT_EQ(t, BruteForceSure(x)) << n;
        // No threshold in between does better.
        const double limit = std::sqrt(2.0 * std::log(n));
        for (int k = 0; k <= 1000; ++k)
            ASSERT_GE(SureRisk(x, limit * k / 1000), SureRisk(x, t) - 1e-9) << n << " " << k;
        EXPECT_EQ(HybridSureThreshold(x), t);  // a fifth of them carry signal: not sparse
    }
    // Pure noise is sparse: the level's universal threshold.
    std::vector<double> noise(256);
    for (double& v : noise)
        v = normal(generator);
    EXPECT_EQ(HybridSureThreshold(noise), std::sqrt(2.0 * std::log(256.0)));
    // Equal magnitudes count together.
    EXPECT_EQ(SureThreshold(std::vector<double>{3, -3, 3, 3, 0.1, -0.2, 0.1, 0.3}), BruteForceSure({3, -3, 3, 3, 0.1, -0.2, 0.1, 0.3}));
}

TEST(Noise, AsAskedTheSameForASeedAndForEveryDelta)
{
    const std::vector<double> noise = GaussianNoise(4097, 0.25, 11);
    const double mean = std::accumulate(noise.begin(), noise.end(), 0.0) / 4097;
    double squares = 0.0;
    for (const double v : noise)
        squares += (v - mean) * (v - mean);
    EXPECT_LT(std::fabs(mean), 0.03 * 0.25);
    EXPECT_NEAR(std::sqrt(squares / 4096), 0.25, 0.03 * 0.25);
    EXPECT_EQ(GaussianNoise(4097, 0.25, 11), noise);
    EXPECT_NE(GaussianNoise(4097, 0.25, 12), noise);

    // Sigma is a share of the largest magnitude: a recording around 130 gets
    // noise of 13.5 from 0.1, the same at every Delta.
    std::vector<double> recording(300);
    for (std::size_t i = 0; i < recording.size(); ++i)
        recording[i] = 130.0 + 5.0 * std::sin(static_cast<double>(i) / 9.0);
    const Signal file = Signal::File(recording, "ekg.txt");
    Analysis atZero, atOne;
    atZero.aktDelta = 0.0;
    atOne.aktDelta = 1.0;
    for (Analysis* A : {&atZero, &atOne}) {
        SetMaxLevel(*A, 12);
        const std::vector<double> clean = TakeSamples(*A, file, NoiseSettings{0.1, 5});
        const double largest = *std::max_element(clean.begin(), clean.end());
        const std::vector<double> expected = GaussianNoise(clean.size(), 0.1 * largest, 5);
        for (std::size_t i = 0; i < clean.size(); ++i)
            ASSERT_EQ(A->KoeffOrig[i], clean[i] + expected[i]);
    }
    EXPECT_EQ(atZero.KoeffOrig, atOne.KoeffOrig);

    // "Sinus mit Rauschen" keeps the samples it always had.
    const std::vector<double> sine = SampleSignal(Named("sinus-rauschen"), 7, 0.4);
    EXPECT_EQ(sine[0], 0.0037747089011543281);
    EXPECT_EQ(sine[64], -0.061444403993591724);
    EXPECT_EQ(sine[128], -0.17287074743179878);
}

TEST(DenoiseAndCompress, CompressionKeepsTheLargestOfWhatDenoisingLeft)
{
    const NoisyAnalysis noisy = NoisyBlocksAtDeltaZero(8, 3);
    const DenoiseSettings universal{ThresholdRule::Universal, ThresholdKind::Hard};
    const int N = DetailCount(*noisy.A);
    for (const int percent : {2, 50}) {
        Analysis shown = *noisy.A;
        const ShownDetails details = DenoiseAndCompress(shown, Named("blocks"), universal, percent, KeepBy::Contribution);
        ASSERT_TRUE(details.denoised);
        const int survivors = details.thresholds.Kept();
        const int kept = static_cast<int>(std::count(details.kept.begin(), details.kept.end(), 1));
        EXPECT_EQ(kept, std::min(KeptCount(percent, N), survivors)) << percent;
        for (std::size_t i = 0; i < details.kept.size(); ++i)
            EXPECT_FALSE(details.kept[i] && !details.thresholds.survives[i]);
    }
    // Nothing to threshold at the finest level, nor for a file of 7 values.
    Analysis finest = *StartAnalysis(0.4, 5);
    EXPECT_FALSE(DenoiseAndCompress(finest, Named("blocks"), universal, 100, KeepBy::Contribution).denoised);
    const Signal seven = Signal::File({1, 2, 3, 4, 5, 6, 7}, "sieben.txt");
    EXPECT_FALSE(CanDenoise(*noisy.A, seven));
    EXPECT_TRUE(CanDenoise(*noisy.A, Signal::File({1, 2, 3, 4, 5, 6, 7, 8}, "acht.txt")));
}

}  // namespace
