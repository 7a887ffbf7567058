#include "TestAnalysis.h"

#include "analysis/Samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TEST(Tables, LevelsNineAndThirteen)
{
    EXPECT_EQ(LevelSize[9], 512);
    EXPECT_EQ(Pow2[9], 512.0);
    EXPECT_EQ(Pow2Inv[9], 0.001953125);
    EXPECT_EQ(LevelSize[13], 8192);
    for (int i = 0; i < TableLevels; ++i) {
        EXPECT_EQ(LevelSize[i], 1 << i);
        EXPECT_EQ(Pow2[i], std::pow(2.0, i));
        EXPECT_EQ(Pow2Inv[i], std::pow(2.0, -i));
    }
}

TEST(Tables, StartUpSamples)
{
    const auto A = StartAnalysis();
    const float s = 0.7f;
    EXPECT_EQ(A->Koeff[0], std::sin(((-1.0 + static_cast<double>(s)) * 6.28) / 128.0));
    EXPECT_LT(A->Koeff[0], 0.0);
    EXPECT_EQ(A->Koeff[128], std::sin(((127.0 + static_cast<double>(s)) * 6.28) / 128.0));
    EXPECT_EQ(A->Koeff.size(), 129u);
    for (int i = 0; i <= 128; ++i)
        EXPECT_EQ(A->KoeffOrig[i], A->Koeff[i]);
}

TEST(Tables, SamplesCarryTheSinglePrecisionShift)
{
    const auto A = StartAnalysis();
    // With the exact 0.7 the sample of shift 63 differs in its last digits.
    const double exact = std::sin(((63.0 + 0.7) * 6.28) / 128.0);
    EXPECT_NE(A->Koeff[64], exact);
    EXPECT_NEAR(A->Koeff[64], exact, 1e-8);
    // The sum i + s is taken in double: a float sum would round again.
    const double floatSum = std::sin((static_cast<double>(63 + 0.7f) * 6.28) * Pow2Inv[7]);
    EXPECT_NE(A->Koeff[64], floatSum);
    EXPECT_EQ(A->Koeff[64], std::sin(((63.0 + static_cast<double>(0.7f)) * 6.28) * Pow2Inv[7]));
}

TEST(Tables, SampleFunctionWritesExactlyItsLevel)
{
    const auto A = StartAnalysis();
    std::fill(A->Koeff.begin(), A->Koeff.end(), 5.0);
    SampleFunction(*A, 3);
    EXPECT_NE(A->Koeff[8], 5.0);
    EXPECT_EQ(A->Koeff[9], 5.0);
    SetMaxLevel(*A, 12);
    SampleFunction(*A, 12);
    EXPECT_EQ(A->Koeff.size(), 4097u);
    EXPECT_NE(A->Koeff[4096], 0.0);
    EXPECT_EQ(A->Koeff[4096], std::sin(((4095.0 + static_cast<double>(0.7f)) * 6.28) / 4096.0));
}

TEST(Tables, SetMaxLevelNeverDropsValues)
{
    Analysis A;
    SetMaxLevel(A, 3);
    EXPECT_EQ(A.Koeff.size(), 129u);  // the start's 129 stay
    SetMaxLevel(A, 10);
    EXPECT_EQ(A.Koeff.size(), 1025u);
    EXPECT_EQ(A.KoeffOrig.size(), 1025u);
}

}  // namespace
