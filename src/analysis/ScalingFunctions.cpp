#include "analysis/ScalingFunctions.h"

#include "analysis/AnalysisState.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Tables.h"

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

double PhiAkt(double x) { return PhiOf(x, State.aktDelta); }
double PhiDelta(double x) { return PhiOf(x, State.Delta); }

double PhiAktJK(double x, int k, int j) { return PhiJK(x, k, j, State.aktDelta); }
double PhiDeltaJK(double x, int k, int j) { return PhiJK(x, k, j, State.Delta); }

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

double ExpandPhi(double x, int j, std::span<const double> c)
{
    const int k = IntervalIndex(x, j);
    if (k < 0)
        return -1.0;
    const long long i = k;
    return PhiAktJK(x, k, j) * CoeffAt(c, i + 1) + PhiAktJK(x, k - 1, j) * CoeffAt(c, i);
}

double PsiAktJK(double x, int k, int j)
{
    if (k * Pow2Inv[j] >= x || (k + 3) * Pow2Inv[j] <= x)
        return 0.0;
    const int n = LevelSize[j];
    const int M = LevelSize[j + 1];
    const double D = State.aktDelta;
    double sum = 0.0;
    if (0 <= k && k < n - 2) {
        const Matrix& Q = LevelMatrices.Q(j + 2);
        const double shifted = x - (2 * k) * Pow2Inv[j + 1];
        for (int t = 0; t <= 4; ++t)
            sum = sum + PhiJK(shifted, t, j + 1, D) * Q.Get(2 + t, 2);
    } else if (k == -1) {
        const Matrix& Q = LevelMatrices.Q(j + 1);
        for (int t = 0; t <= 3; ++t)
            sum = sum + PhiJK(x, t - 1, j + 1, D) * Q.Get(t + 1, 1);
    } else if (k == n - 2) {
        const Matrix& Q = LevelMatrices.Q(j + 1);
        for (int t = 0; t <= 3; ++t)
            sum = sum + PhiJK(x, M - 4 + t, j + 1, D) * Q.Get(M - 2 + t, n);
    }
    return sum;
}

double fnGlaette(double x) { return ExpandPhi(x, State.Level, Koeff); }

double fnDetails(double x)
{
    double sum = 0.0;
    int off = LevelSize[State.Level] + 1;
    for (int j = State.Level; j <= State.MaxLevel - 1; ++j) {
        const int n = LevelSize[j];
        const int k = IntervalIndex(x, j);
        if (k < 0)
            return -1.0;
        if (k == 0) {
            sum += PsiAktJK(x, -1, j) * Koeff[off] + PsiAktJK(x, 0, j) * Koeff[off + 1];
        } else if (k < n - 1) {
            sum += PsiAktJK(x, k - 2, j) * Koeff[off + k - 1] + PsiAktJK(x, k - 1, j) * Koeff[off + k]
                   + PsiAktJK(x, k, j) * Koeff[off + k + 1];
        } else if (k == n - 1) {
            sum += PsiAktJK(x, k - 1, j) * Koeff[off + k] + PsiAktJK(x, k - 2, j) * Koeff[off + k - 1];
        }
        off += n;
    }
    return sum;
}

double fnFunktion(double x) { return fnGlaette(x) + fnDetails(x); }

double fnOriginal(double x) { return ExpandPhi(x, State.MaxLevel, KoeffOrig); }

double fnError(double x) { return (fnGlaette(x) + fnDetails(x)) - fnOriginal(x); }

double fnSkalfunktion(double x) { return PhiDelta(Pow2[State.Level] * x); }

double fnApprREQ(double x)
{
    const int J = State.Level + 1;
    const double a = 1.0 - 0.5 * State.Delta;
    if (x <= 0.0 || x >= 4.0 * Pow2Inv[J])
        return 0.0;
    return a * PhiDeltaJK(x, 0, J) + PhiDeltaJK(x, 1, J) + (1.0 - a) * PhiDeltaJK(x, 2, J);
}

double fnWavelet(double x)
{
    const int L = State.Level;
    const int J = L + 1;
    const std::array<double, 5>& W = WaveletKoeff;
    if (x <= 0.0 || x >= 3.0 * Pow2Inv[L])
        return 0.0;
    const int k = IntervalIndex(x, J);
    if (1 <= k && k <= 4)
        return PhiDeltaJK(x, k - 1, J) * W[k - 1] + PhiDeltaJK(x, k, J) * W[k];
    if (k == 5)
        return PhiDeltaJK(x, 4, J) * W[4];
    return PhiDeltaJK(x, 0, J) * W[0];
}

double fnPhiAktLevel(double x) { return PhiAkt(Pow2[State.Level] * x); }

double fnPsiAktLeft(double x) { return PsiAktJK(x, -1, State.Level); }
