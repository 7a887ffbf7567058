#include "linalg/Banded.h"
#include "linalg/Solvers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace {

const char* const CholeskyMessage = "Fehler in SolveCholesky: Matrix MUSS quadratisch sein!!\n";
const char* const CalcKoeffMessage =
    "Fehler in CalcKoeff: Matrix muss eine Spalte mehr als Zeilen haben!\n";

Matrix Rows(int rows, int cols, std::initializer_list<double> values)
{
    return Matrix::FromRows(rows, cols, values);
}

void ExpectSameMatrix(const Matrix& a, const Matrix& b)
{
    ASSERT_EQ(a.Rows(), b.Rows());
    ASSERT_EQ(a.Cols(), b.Cols());
    for (int i = 1; i <= a.Rows(); ++i)
        for (int j = 1; j <= a.Cols(); ++j)
            EXPECT_EQ(a.Get(i, j), b.Get(i, j)) << i << "," << j;
}

TEST(Substitution, ForwardAndBackReadOnlyTheirTriangle)
{
    // The other triangle holds garbage that must not be read.
    const Matrix L = Rows(2, 2, {2, 99, 1, 4});
    std::vector<double> b{2, 9};
    ForwardSubstitution(L, b);
    EXPECT_EQ(b, (std::vector<double>{1, 2}));

    const Matrix U = Rows(2, 2, {2, 1, 99, 4});
    std::vector<double> c{4, 8};
    BackSubstitution(U, c);
    EXPECT_EQ(c, (std::vector<double>{1, 2}));
}

TEST(SolveCholesky, SolvesTheTwoByTwoExample)
{
    const Matrix A = Rows(2, 2, {4, 2, 2, 3});
    std::vector<double> b{2, 1};
    std::vector<double>& x = SolveCholesky(A, b);
    EXPECT_EQ(&x, &b);
    EXPECT_EQ(b[0], 0.5);
    EXPECT_NEAR(b[1], 0.0, 1e-15);
}

TEST(SolveCholesky, NeverReadsTheUpperTriangle)
{
    std::vector<double> lower{2, 1};
    SolveCholesky(Rows(2, 2, {4, 2, 2, 3}), lower);
    std::vector<double> garbage{2, 1};
    const Matrix A = Rows(2, 2, {4, 99, 2, 3});
    SolveCholesky(A, garbage);
    EXPECT_EQ(garbage, lower);
    EXPECT_EQ(A.Get(1, 2), 99.0);  // A itself is not changed
}

TEST(SolveCholesky, OneByOne)
{
    std::vector<double> b{3};
    SolveCholesky(Rows(1, 1, {9}), b);
    EXPECT_EQ(b[0], 3.0 / 9.0);
}

TEST(SolveCholesky, NonSquareWritesMessageAndKeepsB)
{
    std::vector<double> b{1, 2};
    testing::internal::CaptureStdout();
    SolveCholesky(Matrix(2, 3), b);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), CholeskyMessage);
    EXPECT_EQ(b, (std::vector<double>{1, 2}));
}

// A Gram-like system of n rows: its own first and last rows, a constant run
// between, broken once at row `broken` (0: never).
SymmetricTridiagonal GramLike(int n, int broken)
{
    SymmetricTridiagonal A(n);
    for (int i = 1; i <= n; ++i) {
        A.SetDiagonal(i, i == 1 ? 1.3 : i == n ? 1.7 : i == broken ? 2.6 : 2.1);
        if (i < n)
            A.SetLower(i, i == 1 ? 0.4 : i == broken ? 0.2 : 0.45);
    }
    return A;
}

std::vector<double> RightHandSide(int n)
{
    std::vector<double> b(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        b[static_cast<std::size_t>(i)] = std::sin(0.37 * i) + 0.01 * i;
    return b;
}

Matrix Dense(const SymmetricTridiagonal& A)
{
    Matrix M(A.Rows(), A.Rows());
    for (int i = 1; i <= A.Rows(); ++i)
        for (int j = 1; j <= A.Rows(); ++j)
            M.Set(i, j, A.Get(i, j));
    return M;
}

TEST(TridiagonalCholesky, LongConstantRunsSolveAsTheDenseFactorisation)
{
    // The factor skips its roots where a constant run has settled; a row that
    // breaks the run must be factored again, and so must the rows after it.
    for (const int broken : {0, 40, 199}) {
        const SymmetricTridiagonal A = GramLike(300, broken);
        std::vector<double> banded = RightHandSide(300), dense = banded;
        SolveCholesky(A, banded);
        SolveCholesky(Dense(A), dense);
        EXPECT_EQ(banded, dense) << broken;
    }
}

TEST(TridiagonalCholesky, TwoSystemsSideBySideAsEachAlone)
{
    for (const auto& [n, m] : {std::pair{9, 8}, std::pair{8, 9}, std::pair{6, 6}, std::pair{1, 4}}) {
        const TridiagonalCholesky L = CholeskyFactor(GramLike(n, 0)), M = CholeskyFactor(GramLike(m, 3));
        const std::vector<double> b = RightHandSide(n), c = RightHandSide(m);
        std::vector<double> x(b.size()), y(c.size()), xAlone = b, yAlone = c;
        SolveCholesky(L, [&](std::size_t i) { return b[i]; }, x, M, [&](std::size_t i) { return c[i]; }, y);
        SolveCholesky(L, xAlone);
        SolveCholesky(M, yAlone);
        EXPECT_EQ(x, xAlone) << n << " " << m;
        EXPECT_EQ(y, yAlone) << n << " " << m;
    }
}

TEST(CalcKoeff, DeltaOneExampleAndEliminatedMatrix)
{
    Matrix M = Rows(3, 4, {1, 0, 0, -2, 1, 1, 0, -3, 0, 0, 1, -1});
    const std::vector<double> R = CalcKoeff(M, 1.0, 3, KoeffLeft);
    ASSERT_EQ(R.size(), 4u);
    const double c = std::sqrt(0.4);
    EXPECT_NEAR(R[0], 1.264911064, 1e-9);
    EXPECT_NEAR(R[1], 0.632455532, 1e-9);
    EXPECT_NEAR(R[2], 0.632455532, 1e-9);
    EXPECT_NEAR(R[3], 0.632455532, 1e-9);
    EXPECT_NEAR(R[3], c, 1e-15);
    // Row 2 is eliminated to (0, 1, 0, -1); the others stay.
    ExpectSameMatrix(M, Rows(3, 4, {1, 0, 0, -2, 0, 1, 0, -1, 0, 0, 1, -1}));
}

TEST(CalcKoeff, DeltaHalfGivesEqualEntries)
{
    Matrix M = Rows(3, 4, {1, 0, 0, -1, 0, 1, 0, -1, 0, 0, 1, -1});
    const std::vector<double> R = CalcKoeff(M, 0.5, 3, KoeffRight);
    ASSERT_EQ(R.size(), 4u);
    for (double r : R)
        EXPECT_NEAR(r, 0.784464541, 1e-9);
    EXPECT_EQ(R[3], std::sqrt(2.0 / 3.25));
}

TEST(CalcKoeff, DeltaZeroGivesTheFixedVectorsAndLeavesM)
{
    Matrix M = Rows(3, 4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    const Matrix before = M;
    EXPECT_EQ(CalcKoeff(M, 0.0, 3, KoeffLeft), (std::vector<double>{0, 1, -1, 0}));
    EXPECT_EQ(CalcKoeff(M, 0.0, 3, KoeffRight), (std::vector<double>{0, 0, 1, -1}));
    ExpectSameMatrix(M, before);
    Matrix M4(4, 5);
    EXPECT_EQ(CalcKoeff(M4, 0.0, 4, KoeffInner), (std::vector<double>{0, 0, 1, -1, 0}));
    // A kind without a fixed vector gives none.
    EXPECT_TRUE(CalcKoeff(M, 0.0, 3, 7).empty());
}

TEST(CalcKoeff, WrongShapeWritesMessageAndKeepsM)
{
    Matrix M = Rows(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    const Matrix before = M;
    testing::internal::CaptureStdout();
    const std::vector<double> R = CalcKoeff(M, 0.5, 3, KoeffLeft);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), CalcKoeffMessage);
    EXPECT_TRUE(R.empty());
    ExpectSameMatrix(M, before);

    testing::internal::CaptureStdout();
    EXPECT_TRUE(CalcKoeff(M, 0.0, 2, KoeffLeft).empty());  // checked before Delta 0
    EXPECT_EQ(testing::internal::GetCapturedStdout(), CalcKoeffMessage);
}

TEST(CalcKoeff, ResultHasNormTwo)
{
    // N(R) = 2 for any Delta: check it for the interior wavelet system.
    Matrix M = Rows(4, 5, {2, 1, 0, 0, 0, 1, 3, 1, 0.5, 0, 0, 0.3, 2, 1, 1, 0, 0, 0, 0.4, 3});
    const double D = 0.3;
    const std::vector<double> R = CalcKoeff(M, D, 4, KoeffInner);
    double S = 0, T = 0;
    for (int k = 1; k < 4; ++k)
        S += R[k] * R[k];
    for (int k = 0; k < 4; ++k)
        T += (std::pow(R[k], 3) + std::pow(R[k + 1], 3)) / (R[k] + R[k + 1]);
    const double N = (1 - D / 2) * (R[0] * R[0] + R[4] * R[4]) + (1 - D) * S + D / 2 * T;
    EXPECT_NEAR(N, 2.0, 1e-12);
}

}  // namespace
