#include "TestAnalysis.h"

#include "analysis/Compression.h"
#include "analysis/Decomposition.h"
#include "analysis/ScalingFunctions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void StepDownTo(Analysis& A, int level)
{
    while (A.Level > level) {
        --A.Level;
        DecomposeStep(A);
    }
}

TEST(ErrorNumbers, OnTheGridAsTheErrorWindowsEvaluator)
{
    // MaxLevel 3: the grid is k / 32, k = 0 .. 32.
    const auto A = StartAnalysis(0.3, 3);
    StepDownTo(*A, 2);
    double largest = 0.0, squares = 0.0;
    for (int k = 0; k <= 32; ++k) {
        const double e = fnError(*A, k / 32.0);
        largest = std::max(largest, std::fabs(e));
        squares += e * e;
    }
    const ErrorNumbers numbers = ComputeErrorNumbers(*A);
    EXPECT_GT(largest, 1e-3);
    EXPECT_NEAR(numbers.MaxError, largest, 1e-12 * largest);
    EXPECT_NEAR(numbers.RmsError, std::sqrt(squares / 33), 1e-12 * largest);
}

TEST(ErrorNumbers, LinearTimeAgreesWithPointByPoint)
{
    // Where the error is rounding noise (Delta 0, 1), both are within 1e-12 of the
    // signal's scale; elsewhere they agree to 1e-12 of the error itself.
    for (const int maxLevel : {5, 9}) {
        for (const double D : {0.0, 0.4, 0.57, 1.0}) {
            const auto A = StartAnalysis(D, maxLevel);
            for (const int level : {maxLevel, maxLevel - 1, 2}) {
                StepDownTo(*A, level);
                const ErrorNumbers fast = ComputeErrorNumbers(*A), direct = ComputeErrorNumbersPointwise(*A);
                const double tolerance = 1e-12 * std::max(1.0, direct.MaxError);
                EXPECT_NEAR(fast.MaxError, direct.MaxError, tolerance) << maxLevel << " " << D << " " << level;
                EXPECT_NEAR(fast.RmsError, direct.RmsError, tolerance) << maxLevel << " " << D << " " << level;
            }
        }
    }
}

TEST(Compression, KeepsTheLargestAndOfEqualOnesTheLower)
{
    Analysis A;
    SetMaxLevel(A, 3);
    A.Level = 2;
    // Smooth coefficients at 0 .. 4, the four details of level 2 at 5 .. 8.
    A.Koeff = {1, 2, 0, 0, 2, 0.5, -0.5, 0.25, -1};
    EXPECT_EQ(DetailCount(A), 4);
    EXPECT_EQ(KeptDetails(A, 100), (std::vector<char>{1, 1, 1, 1}));
    EXPECT_EQ(KeptDetails(A, 0), (std::vector<char>{0, 0, 0, 0}));
    EXPECT_EQ(KeptDetails(A, 50), (std::vector<char>{1, 0, 0, 1}));  // 0.5 and -0.5 tie: 5 stays
    EXPECT_EQ(KeptDetails(A, 38), (std::vector<char>{1, 0, 0, 1}));  // round(1.52) = 2
    EXPECT_EQ(KeptDetails(A, 37), (std::vector<char>{0, 0, 0, 1}));  // round(1.48) = 1
    Analysis copy = A;
    Compress(copy, 50);
    EXPECT_EQ(copy.Koeff, (std::vector<double>{1, 2, 0, 0, 2, 0.5, 0, 0, -1}));
    EXPECT_EQ(LevelEnergies(A), (std::vector<double>{9, 0.25 + 0.25 + 0.0625 + 1}));
}

}  // namespace
