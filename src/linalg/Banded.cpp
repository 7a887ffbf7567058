#include "linalg/Banded.h"

#include <cmath>

BandMatrix::BandMatrix(int rows, int cols, int width)
    : rows(rows), cols(cols), width(width), first(static_cast<std::size_t>(cols), 1),
      count(static_cast<std::size_t>(cols), 0),
      values(static_cast<std::size_t>(cols) * static_cast<std::size_t>(width), 0.0)
{
}

void BandMatrix::SetColumn(int c, int firstRow, const std::vector<double>& entries)
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

std::vector<double>& SolveCholesky(const SymmetricTridiagonal& A, std::vector<double>& b)
{
    const std::size_t n = A.diagonal.size();
    if (n == 0)
        return b;
    // L(i, i) and L(i + 1, i), column by column.
    std::vector<double> d(n), l(n - 1);
    d[0] = std::sqrt(A.diagonal[0]);
    for (std::size_t i = 1; i < n; ++i) {
        l[i - 1] = A.lower[i - 1] / d[i - 1];
        d[i] = std::sqrt(A.diagonal[i] - l[i - 1] * l[i - 1]);
    }
    // Forward with L, then back with its transpose.
    b[0] = b[0] / d[0];
    for (std::size_t i = 1; i < n; ++i)
        b[i] = (b[i] - l[i - 1] * b[i - 1]) / d[i];
    b[n - 1] = b[n - 1] / d[n - 1];
    for (std::size_t i = n - 1; i-- > 0;)
        b[i] = (b[i] - l[i] * b[i + 1]) / d[i];
    return b;
}
