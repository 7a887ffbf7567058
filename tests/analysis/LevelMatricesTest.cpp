#include "DenseReference.h"
#include "TestAnalysis.h"

#include "linalg/Solvers.h"

#include "analysis/Decomposition.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

template <typename M> bool IsZero(const M& m)
{
    for (int i = 1; i <= m.Rows(); ++i)
        for (int j = 1; j <= m.Cols(); ++j)
            if (m.Get(i, j) != 0.0)
                return false;
    return true;
}

TEST(LevelMatrices, AStoreHoldsOnlyTheLevelsFilled)
{
    const auto A = StartAnalysis(0.4, 3);
    for (int j = 1; j <= 11; ++j) {
        const bool filled = j == 3 || j == 4;
        EXPECT_EQ(A->LevelMatrices.P(j).Rows(), filled ? (1 << j) + 1 : 0) << j;
        EXPECT_EQ(A->LevelMatrices.Q(j).Cols(), filled ? 1 << (j - 1) : 0) << j;
    }
}

TEST(LevelMatrices, BuildPAtLevelTwo)
{
    const double D = 0.4;
    const double a = 1.0 - 0.5 * D;
    const BandMatrix P = BuildP(D, 2);
    ASSERT_EQ(P.Rows(), 9);
    ASSERT_EQ(P.Cols(), 5);
    EXPECT_EQ(P.Get(1, 1), 1.0);
    EXPECT_EQ(P.Get(2, 1), 1.0 - a);
    EXPECT_EQ(P.Get(3, 1), 0.0);
    EXPECT_EQ(P.Get(8, 5), a);
    EXPECT_EQ(P.Get(9, 5), 1.0);
    EXPECT_EQ(P.Get(2, 2), a);
    EXPECT_EQ(P.Get(3, 2), 1.0);
    EXPECT_EQ(P.Get(4, 2), 1.0 - a);
    for (int c = 1; c <= 5; ++c) {
        double sum = 0.0;
        for (int r = 1; r <= 9; ++r)
            sum += P.Get(r, c);
        const double expected = c == 1 ? 2.0 - a : c == 5 ? 1.0 + a : 2.0;
        EXPECT_DOUBLE_EQ(sum, expected) << "column " << c;
    }
}

TEST(LevelMatrices, OrthoInnerRowTwo)
{
    const double D = 0.4;
    const double q = D * (1.0 / 6.0);
    const double b = 1.0 - 0.8;
    const Matrix M = OrthoInner(D);
    ASSERT_EQ(M.Rows(), 4);
    ASSERT_EQ(M.Cols(), 5);
    EXPECT_EQ(M.Get(2, 1), 0.8 + q);
    EXPECT_EQ(M.Get(2, 2), 1.0 + q);
    EXPECT_EQ(M.Get(2, 3), b + q);
    EXPECT_EQ(M.Get(2, 4), b * q);
    EXPECT_EQ(M.Get(2, 5), 0.0);
    EXPECT_EQ(OrthoLeft(D).Rows(), 3);
    EXPECT_EQ(OrthoRight(D).Cols(), 4);
}

TEST(LevelMatrices, QAtDeltaZeroHoldsTheFixedVectors)
{
    const BandMatrix Q = BuildQ(0.0, 2);  // Q_3: 9 x 4
    ASSERT_EQ(Q.Rows(), 9);
    ASSERT_EQ(Q.Cols(), 4);
    const double left[] = {0, 1, -1, 0};
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(Q.Get(r, 1), left[r - 1]);
    const double inner[] = {0, 0, 1, -1, 0};
    for (int c = 2; c <= 3; ++c)
        for (int t = 1; t <= 5; ++t)
            EXPECT_EQ(Q.Get(2 * c - 3 + t, c), inner[t - 1]);
    const double right[] = {0, 0, 1, -1};
    for (int t = 1; t <= 4; ++t)
        EXPECT_EQ(Q.Get(5 + t, 4), right[t - 1]);
}

TEST(LevelMatrices, EveryInteriorColumnHoldsTheSameWavelet)
{
    const BandMatrix Q = BuildQ(0.4, 4);
    for (int c = 3; c <= 15; ++c)
        for (int t = 1; t <= 5; ++t)
            EXPECT_EQ(Q.Get(2 * c - 3 + t, c), Q.Get(1 + t, 2));
    // The wavelet is orthogonal to the coarse functions of its system.
    Matrix M = OrthoInner(0.4);
    const Matrix v = [&] {
        Matrix col(5, 1);
        for (int t = 1; t <= 5; ++t)
            col.Set(t, 1, Q.Get(1 + t, 2));
        return col;
    }();
    const Matrix r = M * v;
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(r.Get(i, 1), 0.0, 1e-14);
}

TEST(LevelMatrices, ComputationReportsEveryStep)
{
    const auto A = StartAnalysis();
    RecordingObserver record;
    FillLevelMatrices(*A, record);
    EXPECT_EQ(record.maximum, 16);
    EXPECT_EQ(record.advances, 12);
    EXPECT_TRUE(record.ended);
    ASSERT_EQ(record.computing.size(), 12u);
    EXPECT_EQ(record.computing.front(), "7/7 P");
    EXPECT_EQ(record.computing[1], "7/7 Q");
    EXPECT_EQ(record.computing.back(), "2/7 Q");
}

TEST(LevelMatrices, FillsLevelsThreeToMaxLevelPlusOne)
{
    const auto A = StartAnalysis();
    for (int j : {1, 2, 9, 10, 11}) {
        EXPECT_TRUE(IsZero(A->LevelMatrices.P(j))) << j;
        EXPECT_TRUE(IsZero(A->LevelMatrices.Q(j))) << j;
    }
    for (int j = 3; j <= 8; ++j) {
        EXPECT_TRUE(SameElements(A->LevelMatrices.P(j), BuildP(0.4, j - 1))) << j;
        EXPECT_TRUE(SameElements(A->LevelMatrices.Q(j), BuildQ(0.4, j - 1))) << j;
    }
}

TEST(LevelMatrices, RefillFollowsANewAktDeltaAndKeepsKoeff)
{
    const auto A = StartAnalysis();
    const KoeffArray before = A->Koeff;
    A->aktDelta = 0.3;
    RecordingObserver quiet;
    FillLevelMatrices(*A, quiet);
    for (int j = 3; j <= 8; ++j) {
        EXPECT_TRUE(SameElements(A->LevelMatrices.P(j), BuildP(0.3, j - 1))) << j;
        EXPECT_TRUE(SameElements(A->LevelMatrices.Q(j), BuildQ(0.3, j - 1))) << j;
    }
    EXPECT_EQ(A->Koeff, before);
}

TEST(LevelMatrices, WaveletKoeffFollowsDeltaNotAktDelta)
{
    const auto A = StartAnalysis();
    A->Delta = 0.7;
    A->aktDelta = 0.2;
    ComputeWaveletKoeff(*A);
    Matrix M = OrthoInner(0.7);
    const std::vector<double> expected = CalcKoeff(M, 0.7, 4, KoeffInner);
    for (int t = 0; t < 5; ++t)
        EXPECT_EQ(A->WaveletKoeff[t], expected[t]);
    A->Delta = 0.0;
    ComputeWaveletKoeff(*A);
    EXPECT_EQ(A->WaveletKoeff, (std::array<double, 5>{0, 0, 1, -1, 0}));
}

// N(v) with each pair term written as l^2 - l r + r^2, the value of the
// quotient (l^3 + r^3) / (l + r) that the program divides out.
double DeltaNorm(const std::vector<double>& v, double D)
{
    const std::size_t n = v.size() - 1;
    double S = 0, T = 0;
    for (std::size_t k = 1; k < n; ++k)
        S += v[k] * v[k];
    for (std::size_t k = 0; k < n; ++k)
        T += v[k] * v[k] - v[k] * v[k + 1] + v[k + 1] * v[k + 1];
    return (1 - D / 2) * (v[0] * v[0] + v[n] * v[n]) + (1 - D) * S + D / 2 * T;
}

TEST(LevelMatrices, TinyDeltasGiveFiniteMatricesNearTheLimitOfDeltaZero)
{
    for (const double D : {1e-300, 1e-17, 1e-9, 1e-6}) {
        auto A = StartAnalysis(D, 4);
        for (int j = 3; j <= 5; ++j)
            for (const BandMatrix* M : {&A->LevelMatrices.P(j), &A->LevelMatrices.Q(j)})
                for (int r = 1; r <= M->Rows(); ++r)
                    for (int c = 1; c <= M->Cols(); ++c)
                        ASSERT_TRUE(std::isfinite(M->Get(r, c))) << D << " level " << j;
        // The boundary and interior wavelets of Q_3 approach the Delta 0
        // wavelets from above (the right one with its sign: its last entry is
        // the positive one), each with norm 2.
        const BandMatrix& Q = A->LevelMatrices.Q(3);
        struct Wavelet {
            int column, firstRow;
            std::vector<double> limit;
        };
        for (const Wavelet& w : {Wavelet{1, 1, {0, 1, -1, 0}}, Wavelet{2, 2, {0, 0, 1, -1, 0}},
                                 Wavelet{4, 6, {0, 0, -1, 1}}}) {
            std::vector<double> v;
            for (std::size_t t = 0; t < w.limit.size(); ++t)
                v.push_back(Q.Get(w.firstRow + static_cast<int>(t), w.column));
            for (std::size_t t = 0; t < v.size(); ++t)
                EXPECT_NEAR(v[t], w.limit[t], 10 * D) << D << " column " << w.column;
            EXPECT_NEAR(DeltaNorm(v, D), 2.0, 1e-12) << D << " column " << w.column;
        }
        while (A->Level > 2) {
            --A->Level;
            DecomposeStep(*A);
        }
        for (int i = 0; i <= 16; ++i)
            EXPECT_TRUE(std::isfinite(A->Koeff[i])) << D << " at " << i;
    }
}

}  // namespace
