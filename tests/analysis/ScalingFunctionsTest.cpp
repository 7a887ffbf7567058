#include "TestAnalysis.h"

#include "analysis/ScalingFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

TEST(Phi, TrapezoidValues)
{
    const double D = 0.4;
    EXPECT_EQ(Phi(0.0, D), 0.0);
    EXPECT_EQ(Phi(0.2, D), 0.5);
    EXPECT_EQ(Phi(0.4, D), 1.0);
    EXPECT_EQ(Phi(1.0, D), 1.0);
    EXPECT_NEAR(Phi(1.2, D), 0.5, 1e-15);
    EXPECT_EQ(Phi(1.4, D), 0.0);
    EXPECT_EQ(Phi(-0.1, D), 0.0);
    // Box and hat at the ends of the blend.
    EXPECT_EQ(Phi(0.5, 0.0), 1.0);
    EXPECT_EQ(Phi(1.0, 0.0), 0.0);
    EXPECT_EQ(Phi(1.5, 1.0), 0.5);
    EXPECT_EQ(Phi(0.25, 1.0), 0.25);
}

TEST(Phi, FamiliesReadTheirOwnDelta)
{
    const auto A = StartAnalysis();
    A->aktDelta = 0.4;
    A->Delta = 1.0;
    EXPECT_EQ(PhiAkt(*A, 0.2), 0.5);
    EXPECT_EQ(PhiDelta(*A, 0.2), 0.2);
    // Level 3, shift 2: support (2/8, (3 + D)/8).
    EXPECT_NEAR(PhiAktJK(*A, 2.0 / 8 + 0.2 / 8, 2, 3), 0.5, 1e-15);
    EXPECT_EQ(PhiDeltaJK(*A, 3.0 / 8, 2, 3), 1.0);
}

TEST(ExpandPhi, MinusOneLeftOfTheFirstShift)
{
    const auto A = StartAnalysis();
    const double c[] = {2.0, 3.0, 4.0};
    EXPECT_EQ(ExpandPhi(*A, -0.25, 2, c), -1.0);
    EXPECT_EQ(ExpandPhi(*A, -1.0, 2, c), -1.0);
    // Just right of -2^-j the index truncates to 0: the left tail of shift -1.
    const double x = -0.05;
    EXPECT_EQ(ExpandPhi(*A, x, 2, c), PhiAktJK(*A, x, 0, 2) * 3.0 + PhiAktJK(*A, x, -1, 2) * 2.0);
    EXPECT_EQ(ExpandPhi(*A, x, 2, c), PhiAktJK(*A, x, -1, 2) * 2.0);
    EXPECT_GT(ExpandPhi(*A, x, 2, c), 0.0);
}

TEST(ExpandPhi, ReadsBeyondTheLevelButNotBeyondTheArray)
{
    const auto A = StartAnalysis();
    const double c[] = {1.0, 1.0, 1.0, 1.0, 1.0, 7.0};
    // At level 2, x = 1.05 has k = 4: positions 4 and 5 are read as they stand.
    EXPECT_EQ(ExpandPhi(*A, 1.05, 2, c), PhiAktJK(*A, 1.05, 4, 2) * 7.0 + PhiAktJK(*A, 1.05, 3, 2) * 1.0);
    // Far beyond the array nothing is read.
    EXPECT_EQ(ExpandPhi(*A, 1e6, 2, c), 0.0);
    EXPECT_EQ(ExpandPhi(*A, std::numeric_limits<double>::infinity(), 2, c), 0.0);
    EXPECT_EQ(IntervalIndex(1e300, 3), std::numeric_limits<int>::max());
    EXPECT_EQ(IntervalIndex(-1e300, 3), std::numeric_limits<int>::min());
    EXPECT_EQ(IntervalIndex(std::nan(""), 3), 0);
}

TEST(Expansions, AtStartTheFunctionIsTheSmoothPartAndTheErrorZero)
{
    const auto A = StartAnalysis();
    for (double x = -0.004; x < 1.2; x += 0.0137) {
        EXPECT_EQ(fnDetails(*A, x), 0.0) << x;  // Level = MaxLevel: no details
        EXPECT_EQ(fnFunktion(*A, x), fnGlaette(*A, x)) << x;
        EXPECT_EQ(fnError(*A, x), 0.0) << x;
    }
    // The smooth part interpolates the sine near the sample centres.
    EXPECT_NEAR(fnGlaette(*A, 0.25), std::sin(6.28 * 0.25), 0.01);
}

TEST(Expansions, DetailsLeftOfZeroAndBeyondOne)
{
    const auto A = StartAnalysis();
    A->Level = 5;
    std::fill(A->Koeff.begin(), A->Koeff.end(), 1.0);
    // The first level whose index is negative drops the partial sum.
    EXPECT_EQ(fnDetails(*A, -1.0 / 64), -1.0);
    EXPECT_NE(fnDetails(*A, -1.0 / 65), -1.0);  // the left boundary wavelets' tails
    const double farLeft = -1.0 / 32;
    EXPECT_EQ(fnDetails(*A, farLeft), -1.0);
    EXPECT_EQ(fnGlaette(*A, farLeft), -1.0);
    EXPECT_EQ(fnFunktion(*A, farLeft), -2.0);
    // k >= n on every level: nothing is added, although the right boundary
    // wavelets reach beyond 1.
    EXPECT_EQ(fnDetails(*A, 1.0), 0.0);
    EXPECT_EQ(fnDetails(*A, 1.003), 0.0);
    EXPECT_NE(PsiAktJK(*A, 1.003, 30, 5), 0.0);
    EXPECT_NE(fnDetails(*A, 0.5), 0.0);
}

TEST(Wavelets, SupportsOfTheBasisPlots)
{
    const auto A = StartAnalysis();
    for (int L : {2, 5, 7}) {
        A->Level = L;
        const double h = 1.0 / (1 << L);
        for (double x : {0.0, -h, 3.0 * h, 3.5 * h}) {
            EXPECT_EQ(fnWavelet(*A, x), 0.0) << L << " " << x;
        }
        for (double x : {0.0, -h, 2.0 * h, 2.5 * h})
            EXPECT_EQ(fnApprREQ(*A, x), 0.0) << L << " " << x;
        EXPECT_NE(fnWavelet(*A, 1.5 * h), 0.0);
        EXPECT_NE(fnApprREQ(*A, 0.5 * h), 0.0);
    }
}

TEST(Wavelets, WaveletIsTheSumOfItsFiveScalingFunctions)
{
    const auto A = StartAnalysis();
    A->Delta = 0.6;
    ComputeWaveletKoeff(*A);
    A->Level = 3;
    for (double x = 0.001; x < 3.0 / 8; x += 0.0071) {
        double sum = 0.0;
        for (int t = 0; t <= 4; ++t)
            sum += A->WaveletKoeff[t] * PhiDeltaJK(*A, x, t, 4);
        EXPECT_NEAR(fnWavelet(*A, x), sum, 1e-15) << x;
    }
}

TEST(Wavelets, RefinementOfTheHatIsExact)
{
    const auto A = StartAnalysis();
    A->Delta = 1.0;
    for (int L : {2, 4, 7}) {
        A->Level = L;
        for (double x = -0.05; x < 1.2; x += 0.00123)
            EXPECT_NEAR(fnApprREQ(*A, x), fnSkalfunktion(*A, x), 1e-12) << L << " " << x;
    }
    A->Delta = 0.4;
    A->Level = 3;
    EXPECT_GT(std::fabs(fnApprREQ(*A, 0.15) - fnSkalfunktion(*A, 0.15)), 1e-3);
}

TEST(Wavelets, PsiSupportAndBoundaries)
{
    const auto A = StartAnalysis();
    const int j = 4;  // 16 wavelets, indices -1 .. 14
    const double h = 1.0 / 16;
    EXPECT_EQ(PsiAktJK(*A, 3 * h, 3, j), 0.0);      // at the left end of (3h, 6h)
    EXPECT_EQ(PsiAktJK(*A, 6 * h, 3, j), 0.0);      // at the right end
    EXPECT_NE(PsiAktJK(*A, 4.3 * h, 3, j), 0.0);
    EXPECT_NE(PsiAktJK(*A, 0.5 * h, -1, j), 0.0);   // left boundary wavelet
    EXPECT_NE(PsiAktJK(*A, 15.5 * h, 14, j), 0.0);  // right boundary wavelet
    EXPECT_EQ(PsiAktJK(*A, 15.5 * h, 15, j), 0.0);  // no such index
    // The left boundary wavelet is its four fine scaling functions.
    const BandMatrix& Q = A->LevelMatrices.Q(j + 1);
    const double x = 0.7 * h;
    double sum = 0.0;
    for (int t = 0; t <= 3; ++t)
        sum = sum + PhiAktJK(*A, x, t - 1, j + 1) * Q.Get(t + 1, 1);
    EXPECT_EQ(PsiAktJK(*A, x, -1, j), sum);
}

}  // namespace
