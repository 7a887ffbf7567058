#include "analysis/Decomposition.h"

#include "analysis/Shorthands.h"
#include "linalg/Solvers.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// The boundary and interior wavelet vectors as Q_3 holds them.
struct WaveletVectors {
    double L1, L2, L3, L4;
    double I1, I2, I3, I4, I5;
    double R1, R2, R3, R4;
};

WaveletVectors ReadWaveletVectors(const Analysis& A)
{
    const BandMatrix& Q = A.LevelMatrices.Q(3);
    return {Q.Get(1, 1), Q.Get(2, 1), Q.Get(3, 1), Q.Get(4, 1),
            Q.Get(2, 2), Q.Get(3, 2), Q.Get(4, 2), Q.Get(5, 2), Q.Get(6, 2),
            Q.Get(6, 4), Q.Get(7, 4), Q.Get(8, 4), Q.Get(9, 4)};
}

// The weights of one inner product on consecutive fine coefficients, each
// weight computed once; the terms are summed from the first, in the
// method's order.
template <std::size_t N> struct Weights {
    std::array<double, N> w;

    double On(const double* k) const
    {
        double sum = w[0] * k[0];
        for (std::size_t t = 1; t < N; ++t)
            sum = sum + w[t] * k[t];
        return sum;
    }
};

// r[i] of ProjPhi, from K[0 .. 2n]: the inner product of the coarse scaling
// function i with the fine function.
struct PhiProjection {
    Weights<3> first;
    Weights<5> inner;
    Weights<3> last;
    const double* K;
    std::size_t n;

    double operator()(std::size_t i) const
    {
        return i == 0 ? first.On(K) : i == n ? last.On(K + 2 * n - 2) : inner.On(K + 2 * (i - 1));
    }
};

PhiProjection PhiProjectionOf(const Analysis& A, double D, int j)
{
    const Shorthands s(D);
    const double a = s.a, q = s.q;
    return {{{1.0 + q, q + 1.0 - a, (1.0 - a) * q}},
            {{a * q, a + q, 1.0 + q, q + 1.0 - a, (1.0 - a) * q}},
            {{a * q, a + q, 1.0 + q}},
            A.Koeff.data(),
            static_cast<std::size_t>(LevelSize[j])};
}

// s[i] of ProjPsi, from K[0 .. 2n]: the inner product of the wavelet i with
// the fine function.
struct PsiProjection {
    Weights<5> left;
    Weights<7> inner;
    Weights<5> right;
    const double* K;
    std::size_t n;

    double operator()(std::size_t i) const
    {
        return i == 0 ? left.On(K) : i == n - 1 ? right.On(K + 2 * n - 4) : inner.On(K + 2 * (i - 1));
    }
};

PsiProjection PsiProjectionOf(const Analysis& A, double D, int j)
{
    const double q = Shorthands(D).q;
    const auto [L1, L2, L3, L4, I1, I2, I3, I4, I5, R1, R2, R3, R4] = ReadWaveletVectors(A);
    return {{{L1 + q * L2, q * L1 + L2 + q * L3, q * L2 + L3 + q * L4, q * L3 + L4, q * L4}},
            {{q * I1, I1 + q * I2, q * I1 + I2 + q * I3, q * I2 + I3 + q * I4, q * I3 + I4 + q * I5, q * I4 + I5,
              q * I5}},
            {{q * R1, R1 + q * R2, q * R1 + R2 + q * R3, q * R2 + R3 + q * R4, q * R3 + R4}},
            A.Koeff.data(),
            static_cast<std::size_t>(LevelSize[j])};
}

template <typename Projection> std::vector<double> Tabulate(const Projection& projection, std::size_t count)
{
    std::vector<double> values(count);
    for (std::size_t i = 0; i < count; ++i)
        values[i] = projection(i);
    return values;
}

}  // namespace

std::vector<double> ProjPhi(const Analysis& A, double D, int j)
{
    return Tabulate(PhiProjectionOf(A, D, j), static_cast<std::size_t>(LevelSize[j]) + 1);
}

std::vector<double> ProjPsi(const Analysis& A, double D, int j)
{
    return Tabulate(PsiProjectionOf(A, D, j), static_cast<std::size_t>(LevelSize[j]));
}

SymmetricTridiagonal GramPhi(double D, int j)
{
    const Shorthands s(D);
    const double a = s.a, b = s.b, q = s.q, t = s.t;
    const int n = LevelSize[j];
    SymmetricTridiagonal G(n + 1);
    G.SetDiagonal(1, (t + b) * b + 1.0);
    G.SetLower(1, b * a + q);
    const double dPhi = b * b + (a * a + 1.0) + t;
    const double ePhi = b * a + q;
    for (int k = 2; k <= n; ++k) {
        G.SetDiagonal(k, dPhi);
        G.SetLower(k, ePhi);
    }
    G.SetDiagonal(n + 1, a * a + a * D * (1.0 / 3.0) + 1.0);
    return G;
}

SymmetricTridiagonal GramPsi(const Analysis& A, double D, int j)
{
    const Shorthands s(D);
    const double q = s.q, t = s.t;
    const auto [L1, L2, L3, L4, I1, I2, I3, I4, I5, R1, R2, R3, R4] = ReadWaveletVectors(A);
    const int n = LevelSize[j];
    SymmetricTridiagonal H(n);
    H.SetDiagonal(1, L1 * L1 + L2 * L2 + L3 * L3 + L4 * L4 + (L1 * L2 + L2 * L3 + L3 * L4) * t);
    H.SetLower(1, (I1 * L2 + I2 * L3 + I3 * L4) + (I1 * L1 + I1 * L3 + I2 * L2 + I2 * L4 + I3 * L3 + I4 * L4) * q);
    // The interior terms are the method's own: two products in the first
    // bracket of ePsi and four in the second.
    const double dPsi = (I1 * I2 + I2 * I3 + I3 * I4 + I4 * I5) * t + I1 * I1 + I2 * I2 + I3 * I3
                        + I4 * I4 + I5 * I5;
    const double ePsi = (I2 * I4 + I3 * I5) + (I1 * I2 + I2 * I3 + I3 * I4 + I4 * I5) * q;
    for (int k = 2; k <= n - 2; ++k) {
        H.SetDiagonal(k, dPsi);
        H.SetLower(k, ePsi);
    }
    H.SetDiagonal(n - 1, dPsi);
    H.SetDiagonal(n, R1 * R1 + R2 * R2 + R3 * R3 + R4 * R4 + (R1 * R2 + R2 * R3 + R3 * R4) * t);
    H.SetLower(n - 1, (I3 * R1 + I4 * R2 + I5 * R3) + (I2 * R1 + I4 * R1 + I3 * R2 + I5 * R2 + I4 * R3 + I5 * R4) * q);
    return H;
}

GramFactors FactorGramSystems(const Analysis& A, double D, int j)
{
    return {D, CholeskyFactor(GramPhi(D, j)), CholeskyFactor(GramPsi(A, D, j))};
}

void DecomposeStep(Analysis& A)
{
    const double D = A.aktDelta;
    const int j = A.Level;
    const int n = LevelSize[j];
    std::optional<GramFactors> factored;
    const GramFactors* factors = A.LevelMatrices.Gram(j);
    if (!factors || std::bit_cast<std::uint64_t>(factors->delta) != std::bit_cast<std::uint64_t>(D))
        factors = &factored.emplace(FactorGramSystems(A, D, j));
    // Both right-hand sides from Koeff before it changes, computed as the
    // solution reaches them.
    std::vector<double> c(static_cast<std::size_t>(n) + 1), d(static_cast<std::size_t>(n));
    SolveCholesky(factors->phi, PhiProjectionOf(A, D, j), c, factors->psi, PsiProjectionOf(A, D, j), d);
    for (int i = 0; i <= n; ++i)
        A.Koeff[i] = c[i];
    for (int i = 0; i <= n - 1; ++i)
        A.Koeff[n + 1 + i] = d[i];
}

void ReconstructStep(Analysis& A)
{
    const int j = A.Level;
    const int n = LevelSize[j];
    const int m = LevelSize[j + 1];
    const std::vector<double> C(A.Koeff.begin(), A.Koeff.begin() + n + 1);
    const std::vector<double> E(A.Koeff.begin() + n + 1, A.Koeff.begin() + m + 1);
    const std::vector<double> S = A.LevelMatrices.P(j + 1).Times(C);
    const std::vector<double> R = A.LevelMatrices.Q(j + 1).Times(E);
    A.MaxAbsKoeff = 0.0;
    for (int i = 0; i <= m; ++i) {
        const double v = R[i] + S[i];  // the sum R + S
        if (std::fabs(v) > A.MaxAbsKoeff)
            A.MaxAbsKoeff = std::fabs(v);
        A.Koeff[i] = v;
    }
}
