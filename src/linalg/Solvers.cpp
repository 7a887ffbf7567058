#include "linalg/Solvers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::vector<double>& ForwardSubstitution(const Matrix& L, std::vector<double>& b)
{
    const int n = L.Rows();
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= i - 1; ++j)
            b[i - 1] = b[i - 1] - L.Get(i, j) * b[j - 1];
        b[i - 1] = b[i - 1] / L.Get(i, i);
    }
    return b;
}

std::vector<double>& BackSubstitution(const Matrix& U, std::vector<double>& b)
{
    const int n = U.Rows();
    for (int i = n; i >= 1; --i) {
        for (int j = n; j >= i + 1; --j)
            b[i - 1] = b[i - 1] - U.Get(i, j) * b[j - 1];
        b[i - 1] = b[i - 1] / U.Get(i, i);
    }
    return b;
}

std::vector<double>& SolveCholesky(const Matrix& A, std::vector<double>& b)
{
    if (A.Rows() != A.Cols()) {
        std::puts("Fehler in SolveCholesky: Matrix MUSS quadratisch sein!!");
        return b;
    }
    const int n = A.Rows();
    Matrix L(n, n);
    for (int i = 1; i <= n; ++i) {
        double s = A.Get(i, i);
        for (int k = 1; k <= i - 1; ++k)
            s = s - L.Get(i, k) * L.Get(i, k);
        L.Set(i, i, std::sqrt(s));
        for (int j = i + 1; j <= n; ++j) {
            s = A.Get(j, i);
            for (int k = 1; k <= i - 1; ++k)
                s = s - L.Get(i, k) * L.Get(j, k);
            L.Set(j, i, s / L.Get(i, i));
        }
    }
    ForwardSubstitution(L, b);
    return BackSubstitution(L.Transpose(), b);
}

namespace {

std::vector<double> FixedKoeff(int kind)
{
    switch (kind) {
    case KoeffInner: return {0.0, 0.0, 1.0, -1.0, 0.0};
    case KoeffLeft: return {0.0, 1.0, -1.0, 0.0};
    case KoeffRight: return {0.0, 0.0, 1.0, -1.0};
    default: return {};
    }
}

// Gaussian elimination without pivoting; M is zero below its first subdiagonal,
// so step i touches row i + 1 only.
void Eliminate(Matrix& M, int n)
{
    for (int i = 1; i <= n - 1; ++i) {
        const double f = M.Get(i + 1, i) / M.Get(i, i);
        for (int c = i; c <= n + 1; ++c)
            M.Set(i + 1, c, M.Get(i + 1, c) - f * M.Get(i, c));
    }
}

// The vector (x_1..x_n, 1) with M * v = 0, solved from the bottom row up.
std::vector<double> NullVector(const Matrix& M, int n)
{
    std::vector<double> v(static_cast<std::size_t>(n) + 1, 0.0);
    v[n] = 1.0;
    for (int r = n; r >= 1; --r) {
        double s = 0.0;
        for (int c = r + 1; c <= n; ++c)
            s = s + M.Get(r, c) * v[c - 1];
        s = s + M.Get(r, n + 1);
        v[r - 1] = -s / M.Get(r, r);
    }
    return v;
}

// One term (l^3 + r^3) / (l + r) of T. Its value is l^2 - l r + r^2, which is
// what a pair that sums to exactly 0 gets: below Delta 1e-16 the rounded
// shorthands make two neighbours exact opposites, and the quotient would be 0/0.
double PairTerm(double l, double r)
{
    const double sum = l + r;
    if (sum == 0.0)
        return l * l - l * r + r * r;
    return (l * l * l + r * r * r) / sum;
}

// N(v) with the three terms added in their order.
double DeltaNorm(const std::vector<double>& v, double Delta)
{
    const std::size_t n = v.size() - 1;
    double S = 0.0;
    for (std::size_t k = 1; k + 1 <= n; ++k)  // v_2 .. v_n
        S = S + v[k] * v[k];
    double T = 0.0;
    for (std::size_t k = 0; k < n; ++k)
        T = T + PairTerm(v[k], v[k + 1]);
    const double first = v[0];
    const double last = v[n];
    return (1.0 - Delta / 2.0) * (first * first + last * last) + (1.0 - Delta) * S + (Delta / 2.0) * T;
}

}  // namespace

std::vector<double> NormalizeKoeff(const std::vector<double>& v, double Delta)
{
    // The null vector grows like 1/Delta, and its squares and cubes overflow
    // below Delta 1e-100 or so. N is homogeneous of degree 2, so such a vector
    // is scaled to largest magnitude 1 first; every other vector is taken as
    // it is (c * 1.0 is c: the last entry comes out as c exactly).
    std::vector<double> w = v;
    double N = DeltaNorm(w, Delta);
    if (!std::isfinite(N)) {
        double largest = 0.0;
        for (const double x : v)
            largest = std::max(largest, std::fabs(x));
        for (double& x : w)
            x = x / largest;
        N = DeltaNorm(w, Delta);
    }
    const double c = std::sqrt(2.0 / N);
    std::vector<double> R(w.size());
    for (std::size_t k = 0; k < w.size(); ++k)
        R[k] = c * w[k];
    return R;
}

std::vector<double> CalcKoeff(Matrix& M, double Delta, int n, int kind)
{
    if (M.Rows() != n || M.Cols() != n + 1) {
        std::puts("Fehler in CalcKoeff: Matrix muss eine Spalte mehr als Zeilen haben!");
        return {};
    }
    if (Delta == 0.0)
        return FixedKoeff(kind);
    Eliminate(M, n);
    return NormalizeKoeff(NullVector(M, n), Delta);
}
