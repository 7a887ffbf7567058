#pragma once

#include <initializer_list>
#include <vector>

// A small dense matrix of doubles, stored row by row and addressed from 1.
// The shape is fixed at construction; assignment copies values between
// matrices of the same shape and refuses any other.
class Matrix {
public:
    Matrix(int rows, int cols);
    // A rows x cols matrix with the values given row by row.
    static Matrix FromRows(int rows, int cols, std::initializer_list<double> values);
    Matrix(const Matrix&) = default;
    Matrix(Matrix&&) noexcept = default;

    // Copies the source's values into this matrix's existing array; a source of
    // another shape writes a message and leaves the target as it was. Moving
    // into a matrix goes through here too, so no assignment can reshape one.
    Matrix& operator=(const Matrix& source);

    int Rows() const { return rows; }
    int Cols() const { return cols; }

    // Unchecked: callers keep 1 <= i <= Rows() and 1 <= j <= Cols().
    double Get(int i, int j) const { return data[Index(i, j)]; }
    void Set(int i, int j, double value) { data[Index(i, j)] = value; }

    // After a shape mismatch, + and * write their message and return an
    // empty 0 x 0 matrix: defined, and unusable by mistake as a result.
    friend Matrix operator+(const Matrix& a, const Matrix& b);
    friend Matrix operator*(const Matrix& a, const Matrix& b);
    Matrix Transpose() const;

private:
    std::size_t Index(int i, int j) const
    {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(cols)
               + static_cast<std::size_t>(j - 1);
    }

    int rows;
    int cols;
    std::vector<double> data;
};
