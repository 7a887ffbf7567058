#include "analysis/ScalingFunctions.h"

#include <climits>
#include <cmath>

namespace {

// Inlined into the sums of the plot functions, which evaluate it some eighty
// times per pixel column at the coarsest level.
inline double PhiOf(double x, double D)
{
    if (x <= 0.0 || x >= 1.0 + D)
        return 0.0;
    if (x < D)
        return x / D;
    if (x <= 1.0)
        return 1.0;
    return (1.0 - x) / D + 1.0;
}

inline double PhiJK(double x, int k, int j, double D) { return PhiOf((x - k * Pow2Inv[j]) * Pow2[j], D); }

}  // namespace

double Phi(double x, double D) { return PhiOf(x, D); }

double PhiAkt(const Analysis& A, double x) { return PhiOf(x, A.aktDelta); }
double PhiDelta(const Analysis& A, double x) { return PhiOf(x, A.Delta); }

double PhiAktJK(const Analysis& A, double x, int k, int j) { return PhiJK(x, k, j, A.aktDelta); }
double PhiDeltaJK(const Analysis& A, double x, int k, int j) { return PhiJK(x, k, j, A.Delta); }

int IntervalIndex(double x, int j)
{
    const double v = x * Pow2[j];
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

namespace {

double CoeffAt(std::span<const double> c, long long i)
{
    return i >= 0 && i < static_cast<long long>(c.size()) ? c[static_cast<std::size_t>(i)] : 0.0;
}

}  // namespace

double ExpandPhi(const Analysis& A, double x, int j, std::span<const double> c)
{
    const int k = IntervalIndex(x, j);
    if (k < 0)
        return -1.0;
    const long long i = k;
    return PhiAktJK(A, x, k, j) * CoeffAt(c, i + 1) + PhiAktJK(A, x, k - 1, j) * CoeffAt(c, i);
}

double PsiAktJK(const Analysis& A, double x, int k, int j)
{
    if (k * Pow2Inv[j] >= x || (k + 3) * Pow2Inv[j] <= x)
        return 0.0;
    const int n = LevelSize[j];
    const int M = LevelSize[j + 1];
    const double D = A.aktDelta;
    double sum = 0.0;
    // Each wavelet's column is a band of the Q matrix: rows 2..6 of column 2
    // (interior), rows 1..4 of column 1 (left), rows M - 2 .. M + 1 of column n
    // (right). A level not computed yet (after a load that raised MaxLevel)
    // reads as zero.
    if (0 <= k && k < n - 2) {
        const BandMatrix& Q = A.LevelMatrices.Q(j + 2);
        if (Q.Rows() == 0)
            return 0.0;
        const double* w = Q.Column(2);
        const double shifted = x - (2 * k) * Pow2Inv[j + 1];
        for (int t = 0; t <= 4; ++t)
            sum = sum + PhiJK(shifted, t, j + 1, D) * w[t];
    } else if (k == -1) {
        const BandMatrix& Q = A.LevelMatrices.Q(j + 1);
        if (Q.Rows() == 0)
            return 0.0;
        const double* w = Q.Column(1);
        for (int t = 0; t <= 3; ++t)
            sum = sum + PhiJK(x, t - 1, j + 1, D) * w[t];
    } else if (k == n - 2) {
        const BandMatrix& Q = A.LevelMatrices.Q(j + 1);
        if (Q.Rows() == 0)
            return 0.0;
        const double* w = Q.Column(n);
        for (int t = 0; t <= 3; ++t)
            sum = sum + PhiJK(x, M - 4 + t, j + 1, D) * w[t];
    }
    return sum;
}

double fnGlaette(const Analysis& A, double x) { return ExpandPhi(A, x, A.Level, A.Koeff); }

double fnDetails(const Analysis& A, double x)
{
    const std::vector<double>& K = A.Koeff;
    double sum = 0.0;
    int off = LevelSize[A.Level] + 1;
    for (int j = A.Level; j <= A.MaxLevel - 1; ++j) {
        const int n = LevelSize[j];
        const int k = IntervalIndex(x, j);
        if (k < 0)
            return -1.0;
        if (k == 0) {
            sum += PsiAktJK(A, x, -1, j) * K[off] + PsiAktJK(A, x, 0, j) * K[off + 1];
        } else if (k < n - 1) {
            sum += PsiAktJK(A, x, k - 2, j) * K[off + k - 1] + PsiAktJK(A, x, k - 1, j) * K[off + k]
                   + PsiAktJK(A, x, k, j) * K[off + k + 1];
        } else if (k == n - 1) {
            sum += PsiAktJK(A, x, k - 1, j) * K[off + k] + PsiAktJK(A, x, k - 2, j) * K[off + k - 1];
        }
        off += n;
    }
    return sum;
}

double fnFunktion(const Analysis& A, double x) { return fnGlaette(A, x) + fnDetails(A, x); }

double fnOriginal(const Analysis& A, double x) { return ExpandPhi(A, x, A.MaxLevel, A.KoeffOrig); }

double fnError(const Analysis& A, double x) { return (fnGlaette(A, x) + fnDetails(A, x)) - fnOriginal(A, x); }

double fnSkalfunktion(const Analysis& A, double x) { return PhiDelta(A, Pow2[A.Level] * x); }

double fnApprREQ(const Analysis& A, double x)
{
    const int J = A.Level + 1;
    const double a = 1.0 - 0.5 * A.Delta;
    if (x <= 0.0 || x >= 4.0 * Pow2Inv[J])
        return 0.0;
    return a * PhiDeltaJK(A, x, 0, J) + PhiDeltaJK(A, x, 1, J) + (1.0 - a) * PhiDeltaJK(A, x, 2, J);
}

double fnWavelet(const Analysis& A, double x)
{
    const int L = A.Level;
    const int J = L + 1;
    const std::array<double, 5>& W = A.WaveletKoeff;
    if (x <= 0.0 || x >= 3.0 * Pow2Inv[L])
        return 0.0;
    const int k = IntervalIndex(x, J);
    if (1 <= k && k <= 4)
        return PhiDeltaJK(A, x, k - 1, J) * W[k - 1] + PhiDeltaJK(A, x, k, J) * W[k];
    if (k == 5)
        return PhiDeltaJK(A, x, 4, J) * W[4];
    return PhiDeltaJK(A, x, 0, J) * W[0];
}
