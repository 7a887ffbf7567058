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

// A * x = b with A's factor L: forward with L, back with its transpose. b is
// overwritten with x and returned.
std::vector<double>& SolveCholesky(const TridiagonalCholesky& L, std::vector<double>& b);

// Two independent systems side by side, each solved exactly as alone: their
// chains of divisions run in one loop and overlap on the processor.
void SolveCholesky(const TridiagonalCholesky& L, std::vector<double>& b, const TridiagonalCholesky& M,
                   std::vector<double>& c);

// A * x = b by the Cholesky factorisation, as the dense SolveCholesky computes
// it. b is overwritten with x and returned.
std::vector<double>& SolveCholesky(const SymmetricTridiagonal& A, std::vector<double>& b);
