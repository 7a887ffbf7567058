#include "linalg/Banded.h"

#include <bit>
#include <cmath>
#include <cstdint>

BandMatrix::BandMatrix(int rows, int cols, int width)
    : rows(rows), cols(cols), width(width), first(static_cast<std::size_t>(cols), 1),
      count(static_cast<std::size_t>(cols), 0),
      values(static_cast<std::size_t>(cols) * static_cast<std::size_t>(width), 0.0)
{
}

void BandMatrix::SetColumn(int c, int firstRow, std::span<const double> entries)
{
    first[static_cast<std::size_t>(c - 1)] = firstRow;
    count[static_cast<std::size_t>(c - 1)] = static_cast<int>(entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k)
        values[Slot(c, static_cast<int>(k))] = entries[k];
}

std::vector<double> BandMatrix::Times(const std::vector<double>& x) const
{
    // Columns in ascending order: every row receives its terms in the order of
    // the dense sum, starting from 0.0.
    std::vector<double> sum(static_cast<std::size_t>(rows), 0.0);
    for (int c = 1; c <= cols; ++c) {
        const double xc = x[static_cast<std::size_t>(c - 1)];
        for (int k = 0; k < Count(c); ++k) {
            double& s = sum[static_cast<std::size_t>(First(c) + k - 1)];
            s = s + values[Slot(c, k)] * xc;
        }
    }
    return sum;
}

double SymmetricTridiagonal::Get(int i, int j) const
{
    if (i == j)
        return diagonal[static_cast<std::size_t>(i - 1)];
    if (i == j + 1 || j == i + 1)
        return lower[static_cast<std::size_t>((i < j ? i : j) - 1)];
    return 0.0;
}

namespace {

// The same double, bit for bit (0.0 and -0.0 differ).
bool Same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

}  // namespace

TridiagonalCholesky CholeskyFactor(const SymmetricTridiagonal& A)
{
    const std::size_t n = A.diagonal.size();
    TridiagonalCholesky L{std::vector<double>(n), std::vector<double>(n > 0 ? n - 1 : 0)};
    if (n == 0)
        return L;
    // L(i, i) and L(i + 1, i), column by column.
    L.diagonal[0] = std::sqrt(A.diagonal[0]);
    for (std::size_t i = 1; i < n; ++i) {
        // Where a column of A repeats the one before and L's column before
        // repeated its own predecessor, the same operations on the same
        // operands give the same L: the Gram systems settle within some
        // fifteen columns, and their long constant run costs no root.
        if (i >= 2 && Same(A.diagonal[i], A.diagonal[i - 1]) && Same(A.lower[i - 1], A.lower[i - 2])
            && Same(L.diagonal[i - 1], L.diagonal[i - 2])) {
            L.lower[i - 1] = L.lower[i - 2];
            L.diagonal[i] = L.diagonal[i - 1];
            continue;
        }
        L.lower[i - 1] = A.lower[i - 1] / L.diagonal[i - 1];
        L.diagonal[i] = std::sqrt(A.diagonal[i] - L.lower[i - 1] * L.lower[i - 1]);
    }
    return L;
}

std::vector<double>& SolveCholesky(const TridiagonalCholesky& L, std::vector<double>& b)
{
    banded::Substitution s{L, b};
    const std::size_t n = s.Size();
    if (n == 0)
        return b;
    s.Start(b[0]);
    for (std::size_t i = 1; i < n; ++i)
        s.Forward(i, b[i]);
    s.StartBack();
    for (std::size_t i = n - 1; i > 0;)
        s.Back(--i);
    return b;
}

std::vector<double>& SolveCholesky(const SymmetricTridiagonal& A, std::vector<double>& b)
{
    return SolveCholesky(CholeskyFactor(A), b);
}
