#include "TestAnalysis.h"

#include "analysis/Compression.h"
#include "analysis/ScalingFunctions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Compression, KeepsTheLargestAndOfEqualOnesTheLower)
{
    Analysis A;
    SetMaxLevel(A, 3);
    A.Level = 2;
    // Smooth coefficients at 0 .. 4, the four details of level 2 at 5 .. 8.
    A.Koeff = {1, 2, 0, 0, 2, 0.5, -0.5, 0.25, -1};
    EXPECT_EQ(DetailCount(A), 4);
    EXPECT_EQ(KeptDetails(A, 100, KeepBy::Magnitude), (std::vector<char>{1, 1, 1, 1}));
    EXPECT_EQ(KeptDetails(A, 0, KeepBy::Magnitude), (std::vector<char>{0, 0, 0, 0}));
    EXPECT_EQ(KeptDetails(A, 50, KeepBy::Magnitude), (std::vector<char>{1, 0, 0, 1}));  // 0.5 and -0.5 tie: 5 stays
    EXPECT_EQ(KeptDetails(A, 38, KeepBy::Magnitude), (std::vector<char>{1, 0, 0, 1}));  // round(1.52) = 2
    EXPECT_EQ(KeptDetails(A, 37, KeepBy::Magnitude), (std::vector<char>{0, 0, 0, 1}));  // round(1.48) = 1
    Analysis copy = A;
    Compress(copy, KeptDetails(A, 50, KeepBy::Magnitude));
    EXPECT_EQ(copy.Koeff, (std::vector<double>{1, 2, 0, 0, 2, 0.5, 0, 0, -1}));
}

TEST(Compression, ByContributionACoarseDetailOutweighsALargerFineOne)
{
    // Delta 0: the wavelets of level j are boxes of height +-1 and width
    // 2^-(j+1), of norm 2^(-j/2): 0.5 at level 2, 0.354 at level 3.
    const auto A = StartAnalysis(0.0, 4);
    A->Level = 2;
    std::fill(A->Koeff.begin(), A->Koeff.end(), 0.0);
    A->Koeff[5] = 0.3;  // level 2, the left boundary: contribution 0.15
    A->Koeff[9] = 0.4;  // level 3: 0.141
    A->Koeff[11] = 0.2;
    A->Koeff[14] = -0.2;
    std::vector<char> expected(12, 0);
    expected[0] = 1;
    EXPECT_EQ(KeptDetails(*A, 8, KeepBy::Contribution), expected);
    expected[0] = 0;
    expected[4] = 1;
    EXPECT_EQ(KeptDetails(*A, 8, KeepBy::Magnitude), expected);
    expected[0] = 1;
    expected[6] = 1;  // of the equal two at level 3 the lower
    EXPECT_EQ(KeptDetails(*A, 25, KeepBy::Contribution), expected);
    for (const int j : {2, 3}) {
        const WaveletNorms norms = WaveletNormsOf(*A, j);
        EXPECT_DOUBLE_EQ(norms.interior, std::pow(2.0, -j / 2.0));
        EXPECT_DOUBLE_EQ(norms.left, norms.interior);
        EXPECT_DOUBLE_EQ(norms.right, norms.interior);
    }
}

TEST(Compression, WaveletNormsOverTheUnitInterval)
{
    const auto A = StartAnalysis(0.4, 7);
    EXPECT_NEAR(WaveletNormsOf(*A, 2).interior, 0.416, 5e-4);
    EXPECT_NEAR(WaveletNormsOf(*A, 6).interior, 0.104, 5e-4);
    // The evaluator's wavelets, squared at the midpoints of 2^14 cells of [0, 1].
    const int j = 3, cells = 1 << 14;
    const WaveletNorms norms = WaveletNormsOf(*A, j);
    for (const auto& [k, norm] : {std::pair{-1, norms.left}, {2, norms.interior}, {6, norms.right}}) {
        double squares = 0.0;
        for (int i = 0; i < cells; ++i)
            squares += std::pow(PsiAktJK(*A, (i + 0.5) / cells, k, j), 2);
        EXPECT_NEAR(std::sqrt(squares / cells), norm, 1e-6 * norm) << k;
    }
}

}  // namespace
