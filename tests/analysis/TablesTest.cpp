#include "StartState.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Tables, LevelNine)
{
    InitPowerTables();
    EXPECT_EQ(LevelSize[9], 512);
    EXPECT_EQ(Pow2[9], 512.0);
    EXPECT_EQ(Pow2Inv[9], 0.001953125);
    for (int i = 0; i < TableLevels; ++i) {
        EXPECT_EQ(LevelSize[i], 1 << i);
        EXPECT_EQ(Pow2[i] * Pow2Inv[i], 1.0);
    }
}

TEST(Tables, StartUpSamples)
{
    ResetToStartState();
    const float s = 0.7f;
    EXPECT_EQ(static_cast<double>(s), 0.699999988079071);
    EXPECT_EQ(Koeff[0], std::sin(((-1.0 + static_cast<double>(s)) * 6.28) / 128.0));
    EXPECT_LT(Koeff[0], 0.0);
    EXPECT_EQ(Koeff[128], std::sin(((127.0 + static_cast<double>(s)) * 6.28) / 128.0));
    for (int i = 129; i < KoeffCount; ++i)
        EXPECT_EQ(Koeff[i], 0.0) << i;
    for (int i = 0; i <= 128; ++i)
        EXPECT_EQ(KoeffOrig[i], Koeff[i]);
}

TEST(Tables, SamplesCarryTheSinglePrecisionShift)
{
    ResetToStartState();
    // With the exact 0.7 the sample of shift 63 differs in its last digits.
    const double exact = std::sin(((63.0 + 0.7) * 6.28) / 128.0);
    EXPECT_NE(Koeff[64], exact);
    EXPECT_NEAR(Koeff[64], exact, 1e-8);
    // The sum i + s is taken in double: a float sum would round again.
    const double floatSum = std::sin((static_cast<double>(63 + 0.7f) * 6.28) * Pow2Inv[7]);
    EXPECT_NE(Koeff[64], floatSum);
    EXPECT_EQ(Koeff[64], std::sin(((63.0 + static_cast<double>(0.7f)) * 6.28) * Pow2Inv[7]));
}

TEST(Tables, SampleFunctionWritesExactlyItsLevel)
{
    ResetToStartState();
    Koeff.fill(5.0);
    SampleFunction(3);
    EXPECT_NE(Koeff[8], 5.0);
    EXPECT_EQ(Koeff[9], 5.0);
    SampleFunction(9);
    EXPECT_NE(Koeff[512], 5.0);
}

}  // namespace
