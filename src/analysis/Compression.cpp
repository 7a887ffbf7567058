#include "analysis/Compression.h"

#include "analysis/ScalingFunctions.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

int GridCount(const Analysis& A) { return 4 * LevelSize[A.MaxLevel] + 1; }

double GridPoint(const Analysis& A, int k) { return k / (4.0 * Pow2[A.MaxLevel]); }

ErrorNumbers Summarise(const std::vector<double>& errors)
{
    ErrorNumbers numbers;
    double squares = 0.0;
    for (const double e : errors) {
        numbers.MaxError = std::max(numbers.MaxError, std::fabs(e));
        squares += e * e;
    }
    numbers.RmsError = std::sqrt(squares / static_cast<double>(errors.size()));
    return numbers;
}

// ExpandPhi(x, j, c) at the grid points below 1, added to `sum` (or stored).
// On the grid every argument of the scaling functions is exact: in interval m
// of level j, point r of R has the arguments r / R (shift m) and 1 + r / R
// (shift m - 1), the same in every interval. So the two values are looked up,
// and each point gets ExpandPhi's own terms in ExpandPhi's order, bit for bit.
void ExpandOnGrid(const Analysis& A, int j, const std::vector<double>& c, std::vector<double>& sum, bool add)
{
    const int R = 4 * LevelSize[A.MaxLevel - j];  // grid points in an interval of level j
    std::vector<double> own(static_cast<std::size_t>(R)), left(static_cast<std::size_t>(R));
    for (int r = 0; r < R; ++r) {
        const double u = static_cast<double>(r) / R;
        own[static_cast<std::size_t>(r)] = Phi(u, A.aktDelta);
        left[static_cast<std::size_t>(r)] = Phi(u + 1.0, A.aktDelta);
    }
    auto at = [&](int i) { return i < static_cast<int>(c.size()) ? c[static_cast<std::size_t>(i)] : 0.0; };
    for (int m = 0; m < LevelSize[j]; ++m) {
        const double upper = at(m + 1), lower = at(m);
        for (int r = 0; r < R; ++r) {
            const double v = own[static_cast<std::size_t>(r)] * upper + left[static_cast<std::size_t>(r)] * lower;
            double& s = sum[static_cast<std::size_t>(m * R + r)];
            s = add ? s + v : v;
        }
    }
}

}  // namespace

ErrorNumbers ComputeErrorNumbers(const Analysis& A)
{
    const int count = GridCount(A);
    const std::size_t last = static_cast<std::size_t>(count) - 1;  // x = 1
    std::vector<double> details(static_cast<std::size_t>(count), 0.0);
    for (int j = A.Level; j <= A.MaxLevel - 1; ++j) {
        const int n = LevelSize[j];
        const std::vector<double> d(A.Koeff.begin() + n + 1, A.Koeff.begin() + 2 * n + 1);
        ExpandOnGrid(A, j + 1, A.LevelMatrices.Q(j + 1).Times(d), details, true);
    }
    details[last] = 0.0;  // fnDetails adds nothing at x = 1
    std::vector<double> smooth(static_cast<std::size_t>(count)), original(static_cast<std::size_t>(count));
    ExpandOnGrid(A, A.Level, A.Koeff, smooth, false);
    ExpandOnGrid(A, A.MaxLevel, A.KoeffOrig, original, false);
    smooth[last] = fnGlaette(A, 1.0);
    original[last] = fnOriginal(A, 1.0);
    std::vector<double> errors(static_cast<std::size_t>(count));
    for (std::size_t k = 0; k < errors.size(); ++k)
        errors[k] = (smooth[k] + details[k]) - original[k];
    return Summarise(errors);
}

ErrorNumbers ComputeErrorNumbersPointwise(const Analysis& A)
{
    std::vector<double> errors(static_cast<std::size_t>(GridCount(A)));
    for (std::size_t k = 0; k < errors.size(); ++k)
        errors[k] = fnError(A, GridPoint(A, static_cast<int>(k)));
    return Summarise(errors);
}

int DetailCount(const Analysis& A) { return LevelSize[A.MaxLevel] - LevelSize[A.Level]; }

int KeptCount(int percent, int detailCount)
{
    return static_cast<int>(std::lround(percent / 100.0 * detailCount));
}

std::vector<char> KeptDetails(const Analysis& A, int percent)
{
    const int N = DetailCount(A);
    const std::size_t first = static_cast<std::size_t>(LevelSize[A.Level]) + 1;
    std::vector<int> order(static_cast<std::size_t>(N));
    std::iota(order.begin(), order.end(), 0);
    // Largest magnitude first; a stable sort keeps the lower position first among equals.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return std::fabs(A.Koeff[first + static_cast<std::size_t>(a)]) > std::fabs(A.Koeff[first + static_cast<std::size_t>(b)]);
    });
    std::vector<char> kept(static_cast<std::size_t>(N), 0);
    for (int i = 0; i < KeptCount(percent, N); ++i)
        kept[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = 1;
    return kept;
}

void Compress(Analysis& A, int percent) { Compress(A, KeptDetails(A, percent)); }

void Compress(Analysis& A, const std::vector<char>& kept)
{
    const std::size_t first = static_cast<std::size_t>(LevelSize[A.Level]) + 1;
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (!kept[i])
            A.Koeff[first + i] = 0.0;
}

std::vector<double> LevelEnergies(const Analysis& A)
{
    auto squares = [&](int from, int to) {
        double sum = 0.0;
        for (int i = from; i <= to; ++i)
            sum += A.Koeff[static_cast<std::size_t>(i)] * A.Koeff[static_cast<std::size_t>(i)];
        return sum;
    };
    std::vector<double> energies = {squares(0, LevelSize[A.Level])};
    for (int j = A.Level; j <= A.MaxLevel - 1; ++j)
        energies.push_back(squares(LevelSize[j] + 1, LevelSize[j + 1]));
    return energies;
}
