#include "TestAnalysis.h"

#include "analysis/Signals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const double pi = std::acos(-1.0);

// The sample points of level 7 for aktDelta 0.4, clamped to [0, 1].
double Point(int i)
{
    const double x = (i + static_cast<double>(0.7f)) / 128.0;
    return std::min(1.0, std::max(0.0, x));
}

double Sgn(double v) { return (v > 0) - (v < 0); }

std::vector<double> Expected(const std::function<double(double)>& f, bool scaled)
{
    std::vector<double> v;
    for (int i = -1; i < 128; ++i)
        v.push_back(f(Point(i)));
    if (scaled) {
        double m = 0;
        for (double x : v)
            m = std::max(m, std::fabs(x));
        for (double& x : v)
            x /= m;
    }
    return v;
}

TEST(Signals, TestSignalsAtLevelSeven)
{
    const double t[] = {.1, .13, .15, .23, .25, .40, .44, .65, .76, .78, .81};
    const double hb[] = {4, -5, 3, -4, 5, -4.2, 2.1, 4.3, -3.1, 2.1, -4.2};
    const double hu[] = {4, 5, 3, 4, 5, 4.2, 2.1, 4.3, 3.1, 5.1, 4.2};
    const double w[] = {.005, .005, .006, .01, .01, .03, .01, .01, .005, .008, .005};
    const std::pair<const char*, std::vector<double>> cases[] = {
        {"Stufe", Expected([](double x) { return x >= 0.5 ? 1.0 : 0.0; }, false)},
        {"Knick", Expected([](double x) { return 1 - 2 * std::abs(x - 0.5); }, false)},
        {"Rechteck", Expected([](double x) { return 0.25 <= x && x < 0.75 ? 1.0 : 0.0; }, false)},
        {"Chirp", Expected([](double x) { return std::sin(2 * pi * (2 * x + 8 * x * x)); }, false)},
        {"Blocks", Expected([&](double x) {
             double f = 0;
             for (int k = 0; k < 11; ++k)
                 f += hb[k] * (x > t[k] ? 1.0 : x == t[k] ? 0.5 : 0.0);
             return f;
         }, true)},
        {"Bumps", Expected([&](double x) {
             double f = 0;
             for (int k = 0; k < 11; ++k)
                 f += hu[k] / std::pow(1 + std::abs(x - t[k]) / w[k], 4);
             return f;
         }, true)},
        {"HeaviSine", Expected([](double x) { return 4 * std::sin(4 * pi * x) - Sgn(x - 0.3) - Sgn(0.72 - x); }, true)},
        {"Doppler", Expected([](double x) { return std::sqrt(x * (1 - x)) * std::sin(2.1 * pi / (x + 0.05)); }, true)},
    };
    for (const auto& [name, expected] : cases) {
        const std::vector<double> samples = SampleSignal(Signal::Listed(*FindSignal(name)), 7, 0.4);
        ASSERT_EQ(samples.size(), 129u);
        for (std::size_t i = 0; i < samples.size(); ++i)
            EXPECT_NEAR(samples[i], expected[i], 1e-12) << name << " at " << i;
    }
}

TEST(Signals, TheSineIsTheStartUpsAndTheNoisyOneStaysTheSame)
{
    const auto A = StartAnalysis();
    const std::vector<double> sine = SampleSignal(Signal{}, 7, 0.4);
    EXPECT_TRUE(std::equal(sine.begin(), sine.end(), A->Koeff.begin()));

    const std::vector<double> noisy = SampleSignal(Signal::Listed(*FindSignal("Sinus mit Rauschen")), 7, 0.4);
    EXPECT_EQ(noisy, SampleSignal(Signal::Listed(*FindSignal("Sinus mit Rauschen")), 7, 0.4));
    double sum = 0, squares = 0;
    for (std::size_t i = 0; i < noisy.size(); ++i) {
        sum += noisy[i] - sine[i];
        squares += (noisy[i] - sine[i]) * (noisy[i] - sine[i]);
    }
    const double mean = sum / 129, deviation = std::sqrt(squares / 129 - mean * mean);
    EXPECT_NEAR(mean, 0.0, 0.04);
    EXPECT_NEAR(deviation, 0.1, 0.03);
}

TEST(Signals, FileValuesAreTakenOrResampledLinearly)
{
    const Signal file = Signal::File({0, 1, 4, 9, 16}, "q.txt");
    EXPECT_EQ(SampleSignal(file, 2, 0.4), (std::vector<double>{0, 1, 4, 9, 16}));
    // Nine points over the index range 0..4: the halves lie between the values.
    EXPECT_EQ(SampleSignal(file, 3, 0.4), (std::vector<double>{0, 0.5, 1, 2.5, 4, 6.5, 9, 12.5, 16}));
    const auto A = StartAnalysis();
    SetMaxLevel(*A, 2);
    TakeSamples(*A, file);
    EXPECT_EQ(A->Level, 2);
    EXPECT_EQ(A->MaxAbsKoeff, 16.0);
    EXPECT_EQ(A->KoeffOrig[4], 16.0);

    // Between neighbours of opposite sign near the ends of the double range:
    // the midpoints are 0, not the infinite step's NaN.
    EXPECT_EQ(ResampleLinear({1e308, -1e308, 1e308}, 5), (std::vector<double>{1e308, 0, -1e308, 0, 1e308}));
}

}  // namespace
