#include "DenseReference.h"

#include "analysis/Decomposition.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Shorthands.h"
#include "linalg/Solvers.h"

#include <cmath>

namespace dense {

namespace {

void SetSymmetric(Matrix& M, int i, int j, double value)
{
    M.Set(i, j, value);
    M.Set(j, i, value);
}

}  // namespace

Matrix ToDense(const BandMatrix& band)
{
    Matrix M(band.Rows(), band.Cols());
    for (int c = 1; c <= band.Cols(); ++c)
        for (int k = 0; k < band.Count(c); ++k)
            M.Set(band.First(c) + k, c, band.Get(band.First(c) + k, c));
    return M;
}

Matrix BuildP(double D, int j)
{
    const int n = LevelSize[j], m = LevelSize[j + 1];
    const double a = Shorthands(D).a;
    Matrix P(m + 1, n + 1);
    P.Set(1, 1, 1.0);
    P.Set(2, 1, 1.0 - a);
    for (int c = 2; c <= n; ++c) {
        P.Set(2 * c - 2, c, a);
        P.Set(2 * c - 1, c, 1.0);
        P.Set(2 * c, c, 1.0 - a);
    }
    P.Set(m, n + 1, a);
    P.Set(m + 1, n + 1, 1.0);
    return P;
}

Matrix BuildQ(double D, int j)
{
    const int n = LevelSize[j], m = LevelSize[j + 1];
    Matrix Q(m + 1, n);
    Matrix left = OrthoLeft(D);
    const std::vector<double> vL = CalcKoeff(left, D, 3, KoeffLeft);
    for (int r = 1; r <= 4; ++r)
        Q.Set(r, 1, vL[r - 1]);
    Matrix inner = OrthoInner(D);
    const std::vector<double> vI = CalcKoeff(inner, D, 4, KoeffInner);
    for (int c = 2; c <= n - 1; ++c)
        for (int t = 1; t <= 5; ++t)
            Q.Set(2 * c - 3 + t, c, vI[t - 1]);
    Matrix right = OrthoRight(D);
    const std::vector<double> vR = CalcKoeff(right, D, 3, KoeffRight);
    for (int t = 1; t <= 4; ++t)
        Q.Set(m - 3 + t, n, vR[t - 1]);
    return Q;
}

Matrix GramPhi(double D, int j)
{
    const Shorthands s(D);
    const double a = s.a, b = s.b, q = s.q, t = s.t;
    const int n = LevelSize[j];
    Matrix G(n + 1, n + 1);
    G.Set(1, 1, (t + b) * b + 1.0);
    SetSymmetric(G, 1, 2, b * a + q);
    for (int k = 2; k <= n; ++k) {
        G.Set(k, k, b * b + (a * a + 1.0) + t);
        SetSymmetric(G, k, k + 1, b * a + q);
    }
    G.Set(n + 1, n + 1, a * a + a * D * (1.0 / 3.0) + 1.0);
    return G;
}

Matrix GramPsi(const Matrix& Q, double D, int j)
{
    const Shorthands s(D);
    const double q = s.q, t = s.t;
    const double L1 = Q.Get(1, 1), L2 = Q.Get(2, 1), L3 = Q.Get(3, 1), L4 = Q.Get(4, 1);
    const double I1 = Q.Get(2, 2), I2 = Q.Get(3, 2), I3 = Q.Get(4, 2), I4 = Q.Get(5, 2), I5 = Q.Get(6, 2);
    const double R1 = Q.Get(6, 4), R2 = Q.Get(7, 4), R3 = Q.Get(8, 4), R4 = Q.Get(9, 4);
    const int n = LevelSize[j];
    Matrix H(n, n);
    H.Set(1, 1, L1 * L1 + L2 * L2 + L3 * L3 + L4 * L4 + (L1 * L2 + L2 * L3 + L3 * L4) * t);
    SetSymmetric(H, 1, 2,
                 (I1 * L2 + I2 * L3 + I3 * L4) + (I1 * L1 + I1 * L3 + I2 * L2 + I2 * L4 + I3 * L3 + I4 * L4) * q);
    const double dPsi = (I1 * I2 + I2 * I3 + I3 * I4 + I4 * I5) * t + I1 * I1 + I2 * I2 + I3 * I3 + I4 * I4 + I5 * I5;
    const double ePsi = (I2 * I4 + I3 * I5) + (I1 * I2 + I2 * I3 + I3 * I4 + I4 * I5) * q;
    for (int k = 2; k <= n - 2; ++k) {
        H.Set(k, k, dPsi);
        SetSymmetric(H, k, k + 1, ePsi);
    }
    H.Set(n - 1, n - 1, dPsi);
    H.Set(n, n, R1 * R1 + R2 * R2 + R3 * R3 + R4 * R4 + (R1 * R2 + R2 * R3 + R3 * R4) * t);
    SetSymmetric(H, n - 1, n,
                 (I3 * R1 + I4 * R2 + I5 * R3) + (I2 * R1 + I4 * R1 + I3 * R2 + I5 * R2 + I4 * R3 + I5 * R4) * q);
    return H;
}

LevelMatrices::LevelMatrices(double D, int maxLevel)
{
    for (int j = maxLevel; j >= 2; --j) {
        P.emplace(j + 1, BuildP(D, j));
        Q.emplace(j + 1, BuildQ(D, j));
    }
}

void DecomposeStep(Analysis& A, const LevelMatrices& M)
{
    const double D = A.aktDelta;
    const int j = A.Level, n = LevelSize[j];
    // The projections are the program's: they never held a matrix.
    std::vector<double> c = ProjPhi(A, D, j);
    SolveCholesky(GramPhi(D, j), c);
    std::vector<double> d = ProjPsi(A, D, j);
    SolveCholesky(GramPsi(M.Q.at(3), D, j), d);
    for (int i = 0; i <= n; ++i)
        A.Koeff[i] = c[i];
    for (int i = 0; i <= n - 1; ++i)
        A.Koeff[n + 1 + i] = d[i];
}

void ReconstructStep(Analysis& A, const LevelMatrices& M)
{
    const int j = A.Level, n = LevelSize[j], m = LevelSize[j + 1];
    Matrix C(n + 1, 1);
    for (int i = 0; i <= n; ++i)
        C.Set(i + 1, 1, A.Koeff[i]);
    Matrix E(n, 1);
    for (int i = n + 1; i <= m; ++i)
        E.Set(i - n, 1, A.Koeff[i]);
    const Matrix S = M.P.at(j + 1) * C;
    Matrix R = M.Q.at(j + 1) * E;
    R = R + S;
    A.MaxAbsKoeff = 0.0;
    for (int i = 0; i <= m; ++i) {
        const double v = R.Get(i + 1, 1);
        if (std::fabs(v) > A.MaxAbsKoeff)
            A.MaxAbsKoeff = std::fabs(v);
        A.Koeff[i] = v;
    }
}

}  // namespace dense
