#include "analysis/Compression.h"

#include "analysis/PiecewiseLinear.h"

#include <algorithm>
#include <cmath>
#include <numeric>

WaveletNorms WaveletNormsOf(const Analysis& A, int j)
{
    const BandMatrix& Q = A.LevelMatrices.Q(3);
    if (Q.Rows() == 0)
        return {};
    // The column of Q_3 is the wavelet's coefficient vector at level 3.
    auto squaredNorm = [&](int column) {
        LevelExpansion wavelet{3, std::vector<double>(static_cast<std::size_t>(Q.Rows()))};
        for (int r = 1; r <= Q.Rows(); ++r)
            wavelet.c[static_cast<std::size_t>(r - 1)] = Q.Get(r, column);
        const double l2 = ExactNorms(A.aktDelta, {&wavelet, 1}).l2;
        return l2 * l2;
    };
    // Level j is level 2 compressed by 2^(j - 2): the squares scale exactly.
    auto atLevel = [&](double squared) { return std::sqrt(std::ldexp(squared, 2 - j)); };
    return {atLevel(squaredNorm(1)), atLevel(squaredNorm(2)), atLevel(squaredNorm(4))};
}

int DetailCount(const Analysis& A) { return LevelSize[A.MaxLevel] - LevelSize[A.Level]; }

int KeptCount(int percent, int detailCount)
{
    return static_cast<int>(std::lround(percent / 100.0 * detailCount));
}

std::vector<double> DetailNorms(const Analysis& A)
{
    std::vector<double> norms;
    norms.reserve(static_cast<std::size_t>(DetailCount(A)));
    for (int j = A.Level; j <= A.MaxLevel - 1; ++j) {
        const int n = LevelSize[j];
        const WaveletNorms level = WaveletNormsOf(A, j);
        for (int i = 0; i < n; ++i)
            norms.push_back(i == 0 ? level.left : i == n - 1 ? level.right : level.interior);
    }
    return norms;
}

namespace {

// What the details are ranked by, by position from 2^Level + 1 on; a NaN as
// infinity, above every number.
std::vector<double> RankKeys(const Analysis& A, KeepBy by)
{
    std::vector<double> keys = by == KeepBy::Contribution
                                   ? DetailNorms(A)
                                   : std::vector<double>(static_cast<std::size_t>(DetailCount(A)), 1.0);
    const std::size_t first = static_cast<std::size_t>(LevelSize[A.Level]) + 1;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const double key = std::fabs(A.Koeff[first + i]) * keys[i];
        keys[i] = std::isnan(key) ? HUGE_VAL : key;
    }
    return keys;
}

}  // namespace

std::vector<char> KeptDetails(const Analysis& A, int percent, KeepBy by)
{
    const std::vector<double> keys = RankKeys(A, by);
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    // Highest first; a stable sort keeps the lower position first among equals.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return keys[static_cast<std::size_t>(a)] > keys[static_cast<std::size_t>(b)];
    });
    std::vector<char> kept(keys.size(), 0);
    for (int i = 0; i < KeptCount(percent, static_cast<int>(keys.size())); ++i)
        kept[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = 1;
    return kept;
}

void Compress(Analysis& A, const std::vector<char>& kept)
{
    const std::size_t first = static_cast<std::size_t>(LevelSize[A.Level]) + 1;
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (!kept[i])
            A.Koeff[first + i] = 0.0;
}
