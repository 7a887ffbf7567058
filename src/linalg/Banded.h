#pragma once

#include <span>
#include <vector>

// Matrices whose non-zero entries lie in a narrow band, stored without the
// zeros. Their operations do the dense ones' arithmetic in the same order,
// leaving out only the terms that are products with a stored zero, which add
// nothing: the results are the dense ones, bit for bit (for finite values).

// A rows x cols matrix, addressed from 1, whose column c holds its non-zero
// entries in rows First(c) .. First(c) + Count(c) - 1 (at most `width` rows).
class BandMatrix {
public:
    BandMatrix(int rows, int cols, int width);

    int Rows() const { return rows; }
    int Cols() const { return cols; }
    int First(int c) const { return first[static_cast<std::size_t>(c - 1)]; }
    int Count(int c) const { return count[static_cast<std::size_t>(c - 1)]; }

    // 0 outside the column's band.
    double Get(int i, int c) const
    {
        const int k = i - First(c);
        return k >= 0 && k < Count(c) ? values[Slot(c, k)] : 0.0;
    }
    // The column's band: Count(c) values, from row First(c) on.
    const double* Column(int c) const { return values.data() + Slot(c, 0); }
    // The column's band becomes rows first .. first + entries.size() - 1.
    void SetColumn(int c, int firstRow, std::span<const double> entries);

    // The product with a column vector x (cols values): for each row the sum
    // over the columns in ascending order, as the dense product forms it.
    std::vector<double> Times(const std::vector<double>& x) const;

private:
    std::size_t Slot(int c, int k) const
    {
        return static_cast<std::size_t>(c - 1) * static_cast<std::size_t>(width) + static_cast<std::size_t>(k);
    }

    int rows;
    int cols;
    int width;
    std::vector<int> first;
    std::vector<int> count;
    std::vector<double> values;
};

// A symmetric tridiagonal n x n matrix: its diagonal, and the band below it
// (Lower(i) is the element (i + 1, i)).
struct SymmetricTridiagonal {
    explicit SymmetricTridiagonal(int n) : diagonal(static_cast<std::size_t>(n)), lower(n > 0 ? n - 1 : 0) {}
    int Rows() const { return static_cast<int>(diagonal.size()); }
    double Get(int i, int j) const;  // from 1, as a Matrix; 0 off the band
    void SetDiagonal(int i, double value) { diagonal[static_cast<std::size_t>(i - 1)] = value; }
    void SetLower(int i, double value) { lower[static_cast<std::size_t>(i - 1)] = value; }  // (i + 1, i) and (i, i + 1)

    std::vector<double> diagonal;
    std::vector<double> lower;
};

// The Cholesky factor L (A = L L^T) of a symmetric tridiagonal matrix: its
// diagonal, and the band below it (lower[i] is L(i + 2, i + 1)).
struct TridiagonalCholesky {
    std::vector<double> diagonal;
    std::vector<double> lower;
};

// L as the dense SolveCholesky computes it: L is bidiagonal, so each element
// keeps only its one neighbour term.
TridiagonalCholesky CholeskyFactor(const SymmetricTridiagonal& A);

namespace banded {

// The substitutions of one system, element by element, into x. The last value
// is carried, so that a chain of divisions never waits to read back what it
// has just stored.
struct Substitution {
    const TridiagonalCholesky& L;
    std::vector<double>& x;
    double last = 0.0;

    std::size_t Size() const { return L.diagonal.size(); }
    // Forward with L: the first element, then each from the one before.
    void Start(double b) { last = x[0] = b / L.diagonal[0]; }
    void Forward(std::size_t i, double b) { last = x[i] = (b - L.lower[i - 1] * last) / L.diagonal[i]; }
    // Back with L's transpose, from the last element down.
    void StartBack() { last = x[Size() - 1] = x[Size() - 1] / L.diagonal[Size() - 1]; }
    void Back(std::size_t i) { last = x[i] = (x[i] - L.lower[i] * last) / L.diagonal[i]; }
};

}  // namespace banded

// A * x = b with A's factor L: forward with L, back with its transpose. b is
// overwritten with x and returned.
std::vector<double>& SolveCholesky(const TridiagonalCholesky& L, std::vector<double>& b);

// Two independent systems side by side, L x = b and M y = c, each solved
// exactly as alone: their chains of divisions run in one loop and overlap on
// the processor. The right-hand sides come element by element, b(i) and c(i),
// as the forward sweep reaches them, so that computing them fills the time
// the divisions wait. x and y have the systems' sizes.
template <typename B, typename C>
void SolveCholesky(const TridiagonalCholesky& L, const B& b, std::vector<double>& x, const TridiagonalCholesky& M,
                   const C& c, std::vector<double>& y)
{
    banded::Substitution s{L, x}, t{M, y};
    const std::size_t n = s.Size(), m = t.Size();
    // Forward from 0 together, then the longer one alone.
    if (n > 0)
        s.Start(b(0));
    if (m > 0)
        t.Start(c(0));
    std::size_t i = 1;
    for (; i < n && i < m; ++i) {
        s.Forward(i, b(i));
        t.Forward(i, c(i));
    }
    for (std::size_t k = i; k < n; ++k)
        s.Forward(k, b(k));
    for (std::size_t k = i; k < m; ++k)
        t.Forward(k, c(k));
    // Back: the longer one alone until both have as far to go, then together to 0.
    if (n > 0)
        s.StartBack();
    if (m > 0)
        t.StartBack();
    std::size_t is = n > 0 ? n - 1 : 0, it = m > 0 ? m - 1 : 0;
    while (is > it)
        s.Back(--is);
    while (it > is)
        t.Back(--it);
    while (is > 0) {
        s.Back(--is);
        t.Back(--it);
    }
}

// A * x = b by the Cholesky factorisation, as the dense SolveCholesky computes
// it. b is overwritten with x and returned.
std::vector<double>& SolveCholesky(const SymmetricTridiagonal& A, std::vector<double>& b);
