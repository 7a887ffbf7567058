#include "StartState.h"

#include "analysis/Decomposition.h"
#include "analysis/ScalingFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// What the track bar's handler does for one level down or up.
void StepDown()
{
    --State.Level;
    DecomposeStep();
}

void StepUp()
{
    ReconstructStep();
    ++State.Level;
}

TEST(Decomposition, LayoutAfterOneAndTwoSteps)
{
    ResetToStartState();
    StepDown();
    const KoeffArray afterOne = Koeff;
    // 65 smooth coefficients, then the 64 details of level 6; nothing else moves.
    for (int i = 129; i < KoeffCount; ++i)
        EXPECT_EQ(Koeff[i], 0.0);
    EXPECT_NE(Koeff[64], KoeffOrig[64]);
    EXPECT_NE(Koeff[128], KoeffOrig[128]);

    StepDown();
    // 33 smooth, the 32 details of level 5, those of level 6 unchanged.
    for (int i = 65; i <= 128; ++i)
        EXPECT_EQ(Koeff[i], afterOne[i]) << i;
    EXPECT_NE(Koeff[33], afterOne[33]);
    EXPECT_NE(Koeff[64], afterOne[64]);
    // Smooth coefficients of a sine stay of its size; details are small.
    EXPECT_NEAR(Koeff[8], std::sin(6.28 * (7.7 / 32)), 0.05);
    for (int i = 33; i <= 128; ++i)
        EXPECT_LT(std::fabs(Koeff[i]), 0.05) << i;
}

TEST(Decomposition, GramPhiIsTridiagonalWithItsEndTerms)
{
    InitPowerTables();
    const double D = 0.4, a = 0.8, b = 1.0 - a, q = D * (1.0 / 6.0), t = (1.0 / 3.0) * D;
    const Matrix G = GramPhi(D, 2);
    ASSERT_EQ(G.Rows(), 5);
    EXPECT_EQ(G.Get(1, 1), (t + b) * b + 1.0);
    EXPECT_EQ(G.Get(1, 2), b * a + q);
    EXPECT_EQ(G.Get(2, 1), G.Get(1, 2));
    EXPECT_EQ(G.Get(3, 3), b * b + (a * a + 1.0) + t);
    EXPECT_EQ(G.Get(4, 5), b * a + q);
    EXPECT_EQ(G.Get(5, 5), a * a + a * D * (1.0 / 3.0) + 1.0);
    EXPECT_EQ(G.Get(1, 3), 0.0);
}

TEST(Decomposition, GramPsiAtLevelTwo)
{
    ResetToStartState();
    const double D = 0.4, q = D * (1.0 / 6.0), t = (1.0 / 3.0) * D;
    const Matrix& Q = LevelMatrices.Q(3);
    const double L1 = Q.Get(1, 1), L2 = Q.Get(2, 1), L3 = Q.Get(3, 1), L4 = Q.Get(4, 1);
    const double I1 = Q.Get(2, 2), I2 = Q.Get(3, 2), I3 = Q.Get(4, 2), I4 = Q.Get(5, 2),
                 I5 = Q.Get(6, 2);
    const double R1 = Q.Get(6, 4), R2 = Q.Get(7, 4), R3 = Q.Get(8, 4), R4 = Q.Get(9, 4);
    const Matrix H = GramPsi(D, 2);
    ASSERT_EQ(H.Rows(), 4);
    ASSERT_EQ(H.Cols(), 4);
    EXPECT_EQ(H.Get(1, 1), L1 * L1 + L2 * L2 + L3 * L3 + L4 * L4 + (L1 * L2 + L2 * L3 + L3 * L4) * t);
    EXPECT_EQ(H.Get(4, 4), R1 * R1 + R2 * R2 + R3 * R3 + R4 * R4 + (R1 * R2 + R2 * R3 + R3 * R4) * t);
    const double dPsi = (I1 * I2 + I2 * I3 + I3 * I4 + I4 * I5) * t + I1 * I1 + I2 * I2 + I3 * I3
                        + I4 * I4 + I5 * I5;
    const double ePsi = (I2 * I4 + I3 * I5) + (I1 * I2 + I2 * I3 + I3 * I4 + I4 * I5) * q;
    EXPECT_EQ(H.Get(2, 2), dPsi);
    EXPECT_EQ(H.Get(3, 3), dPsi);
    EXPECT_EQ(H.Get(2, 3), ePsi);
    EXPECT_EQ(H.Get(3, 2), ePsi);
    EXPECT_EQ(H.Get(1, 2),
              (I1 * L2 + I2 * L3 + I3 * L4)
                  + (I1 * L1 + I1 * L3 + I2 * L2 + I2 * L4 + I3 * L3 + I4 * L4) * q);
    EXPECT_EQ(H.Get(3, 4),
              (I3 * R1 + I4 * R2 + I5 * R3)
                  + (I2 * R1 + I4 * R1 + I3 * R2 + I5 * R2 + I4 * R3 + I5 * R4) * q);
    EXPECT_EQ(H.Get(1, 3), 0.0);
    EXPECT_EQ(H.Get(1, 4), 0.0);
}

TEST(Decomposition, MaxAbsKoeffKeptDownRecomputedUp)
{
    ResetToStartState();
    StepDown();
    StepDown();
    EXPECT_EQ(State.MaxAbsKoeff, 1.0);
    State.MaxAbsKoeff = 123.0;
    StepDown();
    EXPECT_EQ(State.MaxAbsKoeff, 123.0);
    StepUp();
    double largest = 0.0;
    for (int i = 0; i <= 32; ++i)
        largest = std::max(largest, std::fabs(Koeff[i]));
    EXPECT_EQ(State.MaxAbsKoeff, largest);
    EXPECT_LT(State.MaxAbsKoeff, 1.1);
}

TEST(Decomposition, BoxFunctionsGoDownAndBackUpToRoundOff)
{
    State = AnalysisState{};
    State.aktDelta = 0.0;
    LevelMatrices.Clear();
    Koeff = {};
    InitPowerTables();
    SampleFunction(7);
    SaveOriginal();
    RecordingObserver quiet;
    FillLevelMatrices(quiet);
    while (State.Level > 2)
        StepDown();
    while (State.Level < 7)
        StepUp();
    for (int i = 0; i <= 128; ++i)
        EXPECT_NEAR(Koeff[i], KoeffOrig[i], 1e-12) << i;
}

TEST(Decomposition, AFullRoundTripStaysCloseForEveryDelta)
{
    for (double D : {0.2, 0.4, 1.0}) {
        ResetToStartState();
        State.aktDelta = D;
        RecordingObserver quiet;
        FillLevelMatrices(quiet);
        StepDown();
        StepUp();
        for (int i = 0; i <= 128; ++i)
            EXPECT_NEAR(Koeff[i], KoeffOrig[i], 0.05) << D << " " << i;
        EXPECT_EQ(State.Level, 7);
    }
}

}  // namespace
