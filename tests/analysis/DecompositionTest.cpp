#include "DenseReference.h"
#include "TestAnalysis.h"

#include "analysis/Decomposition.h"
#include "analysis/LevelMatrices.h"
#include "analysis/ScalingFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// What the track bar's handler does for one level down or up.
void StepDown(Analysis& A)
{
    --A.Level;
    DecomposeStep(A);
}

void StepUp(Analysis& A)
{
    ReconstructStep(A);
    ++A.Level;
}

TEST(Decomposition, LayoutAfterOneAndTwoSteps)
{
    const auto A = StartAnalysis();
    StepDown(*A);
    const KoeffArray afterOne = A->Koeff;
    // 65 smooth coefficients, then the 64 details of level 6, in the same 129 places.
    EXPECT_EQ(A->Koeff.size(), 129u);
    EXPECT_NE(A->Koeff[64], A->KoeffOrig[64]);
    EXPECT_NE(A->Koeff[128], A->KoeffOrig[128]);

    StepDown(*A);
    // 33 smooth, the 32 details of level 5, those of level 6 unchanged.
    for (int i = 65; i <= 128; ++i)
        EXPECT_EQ(A->Koeff[i], afterOne[i]) << i;
    EXPECT_NE(A->Koeff[33], afterOne[33]);
    EXPECT_NE(A->Koeff[64], afterOne[64]);
    // Smooth coefficients of a sine stay of its size; details are small.
    EXPECT_NEAR(A->Koeff[8], std::sin(6.28 * (7.7 / 32)), 0.05);
    for (int i = 33; i <= 128; ++i)
        EXPECT_LT(std::fabs(A->Koeff[i]), 0.05) << i;
}

// The inner products of the fine level: 1 for a scaling function with itself,
// D/6 with each neighbour. Coarse functions and wavelets are columns of P and
// Q over it, so their Gram matrices are P^T M P and Q^T M Q.
Matrix FineInnerProducts(double D, int rows)
{
    Matrix M(rows, rows);
    for (int i = 1; i <= rows; ++i) {
        M.Set(i, i, 1.0);
        if (i > 1) {
            M.Set(i, i - 1, D / 6.0);
            M.Set(i - 1, i, D / 6.0);
        }
    }
    return M;
}

Matrix Column(const std::vector<double>& K, int rows)
{
    Matrix c(rows, 1);
    for (int i = 1; i <= rows; ++i)
        c.Set(i, 1, K[i - 1]);
    return c;
}

TEST(Decomposition, GramPhiAtBoxAndHatInFractions)
{
    // Hat (D = 1): a = b = 1/2. The first coarse function is phi_-1 + phi_0 / 2,
    // of norm 1 + 1/4 + 2 (1/2)(1/6) = 17/12; inside 1/4 + 1/4 + 1 + 2 (1/6) = 11/6,
    // neighbours 1/4 + 1/6 = 5/12.
    SymmetricTridiagonal G = GramPhi(1.0, 3);
    EXPECT_DOUBLE_EQ(G.Get(1, 1), 17.0 / 12.0);
    EXPECT_DOUBLE_EQ(G.Get(9, 9), 17.0 / 12.0);
    for (int k = 2; k <= 8; ++k)
        EXPECT_DOUBLE_EQ(G.Get(k, k), 11.0 / 6.0) << k;
    for (int k = 1; k <= 8; ++k)
        EXPECT_DOUBLE_EQ(G.Get(k, k + 1), 5.0 / 12.0) << k;
    EXPECT_EQ(G.Get(1, 3), 0.0);
    // Box (D = 0): a coarse box is two fine boxes (norm 2), the first one only
    // the fine phi_-1 (norm 1); boxes do not overlap.
    G = GramPhi(0.0, 3);
    EXPECT_EQ(G.Get(1, 1), 1.0);
    for (int k = 2; k <= 9; ++k)
        EXPECT_EQ(G.Get(k, k), 2.0) << k;
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(G.Get(k, k + 1), 0.0) << k;
}

TEST(Decomposition, GramMatricesAndProjectionsAreInnerProducts)
{
    for (const double D : {0.0, 0.4, 1.0}) {
        const auto A = StartAnalysis(D, 4);
        const int j = 3, n = 8, fine = 2 * n + 1;
        const Matrix M = FineInnerProducts(D, fine);
        const Matrix P = dense::ToDense(BuildP(D, j)), Q = dense::ToDense(A->LevelMatrices.Q(j + 1));
        const Matrix PtMP = P.Transpose() * M * P, QtMQ = Q.Transpose() * M * Q;
        const SymmetricTridiagonal G = GramPhi(D, j), H = GramPsi(*A, D, j);
        for (int r = 1; r <= n + 1; ++r)
            for (int c = 1; c <= n + 1; ++c)
                EXPECT_NEAR(G.Get(r, c), PtMP.Get(r, c), 1e-15) << D << " (" << r << ", " << c << ")";
        // The method's Gram matrix of the wavelets is its own: tridiagonal
        // (wavelets two apart overlap in one fine function, and it leaves that
        // out), and between two interior wavelets it leaves out I1 I3 and the
        // neighbour products q (I1 I4 + I2 I5).
        const double I1 = Q.Get(2, 2), I2 = Q.Get(3, 2), I3 = Q.Get(4, 2), I4 = Q.Get(5, 2), I5 = Q.Get(6, 2);
        const double leftOut = I1 * I3 + D / 6.0 * (I1 * I4 + I2 * I5);
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                const bool interiorPair = std::abs(r - c) == 1 && std::min(r, c) >= 2 && std::max(r, c) <= n - 1;
                const double expected = std::abs(r - c) >= 2 ? 0.0 : QtMQ.Get(r, c) - (interiorPair ? leftOut : 0.0);
                EXPECT_NEAR(H.Get(r, c), expected, 1e-14) << D << " (" << r << ", " << c << ")";
            }
        }
        const Matrix MK = M * Column(A->Koeff, fine);
        const Matrix r = P.Transpose() * MK, s = Q.Transpose() * MK;
        const std::vector<double> phi = ProjPhi(*A, D, j), psi = ProjPsi(*A, D, j);
        // At the two ends the method weighs the end sample with 1 + q where the
        // inner product has 1 + b q (first) and 1 + a q (last).
        const double a = 1.0 - D / 2.0, b = D / 2.0, q = D / 6.0;
        for (int i = 0; i <= n; ++i) {
            const double endTerm = i == 0 ? a * q * A->Koeff[0] : i == n ? b * q * A->Koeff[2 * n] : 0.0;
            EXPECT_NEAR(phi[i], r.Get(i + 1, 1) + endTerm, 1e-14) << D << " " << i;
        }
        for (int i = 0; i < n; ++i)
            EXPECT_NEAR(psi[i], s.Get(i + 1, 1), 1e-14) << D << " " << i;
    }
}

// The band storage and the tridiagonal solve against the dense matrices and
// the dense Cholesky solve they replace: the same doubles, step by step.
TEST(Decomposition, EveryStepEqualsTheDenseReference)
{
    for (const int maxLevel : {7, 8}) {
        for (const double D : {0.0, 0.3, 0.4, 0.57, 1.0}) {
            const auto banded = StartAnalysis(D, maxLevel), reference = StartAnalysis(D, maxLevel);
            const dense::LevelMatrices M(D, maxLevel);
            for (int j = 2; j <= maxLevel; ++j) {
                EXPECT_TRUE(SameElements(dense::ToDense(banded->LevelMatrices.P(j + 1)), M.P.at(j + 1))) << D << " P " << j;
                EXPECT_TRUE(SameElements(dense::ToDense(banded->LevelMatrices.Q(j + 1)), M.Q.at(j + 1))) << D << " Q " << j;
                EXPECT_TRUE(SameElements(GramPhi(D, j), dense::GramPhi(D, j))) << D << " " << j;
                EXPECT_TRUE(SameElements(GramPsi(*banded, D, j), dense::GramPsi(M.Q.at(3), D, j))) << D << " " << j;
            }
            while (banded->Level > 2) {
                --banded->Level;
                --reference->Level;
                DecomposeStep(*banded);
                dense::DecomposeStep(*reference, M);
                ASSERT_EQ(banded->Koeff, reference->Koeff) << maxLevel << " " << D << " down to " << banded->Level;
            }
            while (banded->Level < maxLevel) {
                ReconstructStep(*banded);
                dense::ReconstructStep(*reference, M);
                ++banded->Level;
                ++reference->Level;
                ASSERT_EQ(banded->Koeff, reference->Koeff) << maxLevel << " " << D << " up to " << banded->Level;
                ASSERT_EQ(banded->MaxAbsKoeff, reference->MaxAbsKoeff);
            }
        }
    }
}

TEST(Decomposition, ANewAktDeltaBeforeItsLevelMatricesStepsAsBefore)
{
    // Between a new aktDelta and its level matrices (a load, before they are
    // computed) the kept Gram factors of the old Delta must not be taken: the
    // step factors the new Delta's systems with the wavelets it has.
    const auto A = StartAnalysis(0.3, 7), reference = StartAnalysis(0.3, 7);
    const dense::LevelMatrices M(0.3, 7);
    A->aktDelta = reference->aktDelta = 0.57;
    while (A->Level > 2) {
        --A->Level;
        --reference->Level;
        DecomposeStep(*A);
        dense::DecomposeStep(*reference, M);
        ASSERT_EQ(A->Koeff, reference->Koeff) << A->Level;
    }
}

TEST(Decomposition, TwoAnalysesSideBySideEachAsAlone)
{
    // Interleaved steps of two analyses of different Deltas give, bit for bit,
    // what each gives alone.
    const auto alone3 = StartAnalysis(0.3, 7), alone8 = StartAnalysis(0.8, 7);
    for (Analysis* A : {alone3.get(), alone8.get()}) {
        while (A->Level > 2)
            StepDown(*A);
        StepUp(*A);
    }
    const auto a3 = StartAnalysis(0.3, 7), a8 = StartAnalysis(0.8, 7);
    while (a3->Level > 2) {
        StepDown(*a3);
        StepDown(*a8);
    }
    StepUp(*a8);
    StepUp(*a3);
    EXPECT_EQ(a3->Koeff, alone3->Koeff);
    EXPECT_EQ(a8->Koeff, alone8->Koeff);
    EXPECT_EQ(a3->MaxAbsKoeff, alone3->MaxAbsKoeff);
    EXPECT_NE(a3->Koeff, a8->Koeff);
    for (const double x : {0.1, 0.37, 0.9}) {
        EXPECT_EQ(fnError(*a3, x), fnError(*alone3, x));
        EXPECT_EQ(fnDetails(*a8, x), fnDetails(*alone8, x));
    }
}

TEST(Decomposition, MaxAbsKoeffKeptDownRecomputedUp)
{
    const auto A = StartAnalysis();
    StepDown(*A);
    StepDown(*A);
    EXPECT_EQ(A->MaxAbsKoeff, 1.0);
    A->MaxAbsKoeff = 123.0;
    StepDown(*A);
    EXPECT_EQ(A->MaxAbsKoeff, 123.0);
    StepUp(*A);
    double largest = 0.0;
    for (int i = 0; i <= 32; ++i)
        largest = std::max(largest, std::fabs(A->Koeff[i]));
    EXPECT_EQ(A->MaxAbsKoeff, largest);
    EXPECT_LT(A->MaxAbsKoeff, 1.1);
}

TEST(Decomposition, BoxFunctionsGoDownAndBackUpToRoundOff)
{
    const auto A = StartAnalysis(0.0, 7);
    while (A->Level > 2)
        StepDown(*A);
    while (A->Level < 7)
        StepUp(*A);
    for (int i = 0; i <= 128; ++i)
        EXPECT_NEAR(A->Koeff[i], A->KoeffOrig[i], 1e-12) << i;
}

TEST(Decomposition, AFullRoundTripStaysCloseForEveryDelta)
{
    for (double D : {0.2, 0.4, 1.0}) {
        const auto A = StartAnalysis();
        A->aktDelta = D;  // "Go!": the samples of 0.4 with the matrices of D
        RecordingObserver quiet;
        FillLevelMatrices(*A, quiet);
        StepDown(*A);
        StepUp(*A);
        for (int i = 0; i <= 128; ++i)
            EXPECT_NEAR(A->Koeff[i], A->KoeffOrig[i], 0.05) << D << " " << i;
        EXPECT_EQ(A->Level, 7);
    }
}

}  // namespace
