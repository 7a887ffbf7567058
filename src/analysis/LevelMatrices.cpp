#include "analysis/LevelMatrices.h"

#include "analysis/Decomposition.h"
#include "analysis/Shorthands.h"
#include "linalg/Solvers.h"

#include <array>
#include <span>

LevelMatrixStore::LevelMatrixStore()
    : p(LastLevel - FirstLevel + 1), q(LastLevel - FirstLevel + 1), gram(LastLevel - FirstLevel + 1)
{
}

const BandMatrix& LevelMatrixStore::Read(const std::shared_ptr<const BandMatrix>& stored)
{
    static const BandMatrix empty(0, 0, 0);
    return stored ? *stored : empty;
}

BandMatrix BuildP(double D, int j)
{
    const int n = LevelSize[j];
    const int m = LevelSize[j + 1];
    const double a = Shorthands(D).a;
    const std::array<double, 3> mask{a, 1.0, 1.0 - a};
    BandMatrix P(m + 1, n + 1, 3);
    P.SetColumn(1, 1, std::span(mask).last(2));
    for (int c = 2; c <= n; ++c)
        P.SetColumn(c, 2 * c - 2, mask);
    P.SetColumn(n + 1, m, std::span(mask).first(2));
    return P;
}

// The three inner-product systems, written as their tables: a row per coarse
// scaling function, a column per fine scaling function of the wavelet.
Matrix OrthoInner(double D)
{
    const Shorthands s(D);
    const double a = s.a, b = s.b, q = s.q;
    return Matrix::FromRows(4, 5, {q + b, q * b, 0,     0,       0,
                                   a + q, 1 + q, b + q, b * q,   0,
                                   0,     a * q, a + q, 1 + q,   q + b,
                                   0,     0,     0,     a * q,   a + q});
}

Matrix OrthoLeft(double D)
{
    const Shorthands s(D);
    const double a = s.a, b = s.b, q = s.q;
    return Matrix::FromRows(3, 4, {1 + q, q + b, q * b, 0,
                                   a * q, a + q, 1 + q, q + b,
                                   0,     0,     a * q, a + q});
}

Matrix OrthoRight(double D)
{
    const Shorthands s(D);
    const double a = s.a, b = s.b, q = s.q;
    return Matrix::FromRows(3, 4, {q + b, b * q, 0,     0,
                                   a + q, 1 + q, b + q, b * q,
                                   0,     a * q, a + q, 1 + q});
}

BandMatrix BuildQ(double D, int j)
{
    const int n = LevelSize[j];
    const int m = LevelSize[j + 1];
    BandMatrix Q(m + 1, n, 5);

    Matrix left = OrthoLeft(D);
    Q.SetColumn(1, 1, CalcKoeff(left, D, 3, KoeffLeft));

    Matrix inner = OrthoInner(D);
    const std::vector<double> vI = CalcKoeff(inner, D, 4, KoeffInner);
    for (int c = 2; c <= n - 1; ++c)
        Q.SetColumn(c, 2 * c - 2, vI);

    Matrix right = OrthoRight(D);
    Q.SetColumn(n, m - 2, CalcKoeff(right, D, 3, KoeffRight));
    return Q;
}

void ComputeWaveletKoeff(Analysis& A)
{
    Matrix inner = OrthoInner(A.Delta);
    const std::vector<double> w = CalcKoeff(inner, A.Delta, 4, KoeffInner);
    for (std::size_t t = 0; t < A.WaveletKoeff.size(); ++t)
        A.WaveletKoeff[t] = w[t];
}

void FillLevelMatrices(Analysis& A, LevelMatrixObserver& observer)
{
    const int maxLevel = A.MaxLevel;
    observer.Begin(2 * maxLevel + 2);
    for (int j = maxLevel; j >= 2; --j) {
        observer.Computing(j, maxLevel, LevelMatrixKind::P);
        A.LevelMatrices.SetP(j + 1, BuildP(A.aktDelta, j));
        observer.Advance();
        observer.Computing(j, maxLevel, LevelMatrixKind::Q);
        A.LevelMatrices.SetQ(j + 1, BuildQ(A.aktDelta, j));
        observer.Advance();
    }
    // The Gram factors of the steps down to the levels 2 .. MaxLevel - 1, after
    // the loop: the wavelet systems read Q_3, its last matrix.
    for (int j = 2; j <= maxLevel - 1; ++j)
        A.LevelMatrices.SetGram(j, FactorGramSystems(A, A.aktDelta, j));
    observer.End();
}

void FillLevelMatrices(Analysis& A)
{
    struct : LevelMatrixObserver {
        void Begin(int) override {}
        void Computing(int, int, LevelMatrixKind) override {}
        void Advance() override {}
        void End() override {}
    } nobody;
    FillLevelMatrices(A, nobody);
}
