#include "linalg/Matrix.h"

#include <cstdio>

// A negative count is taken as 0, so no shape can promise more elements than it has.
Matrix::Matrix(int rows, int cols)
    : rows(rows > 0 ? rows : 0), cols(cols > 0 ? cols : 0),
      data(static_cast<std::size_t>(this->rows) * static_cast<std::size_t>(this->cols), 0.0)
{
}

Matrix Matrix::FromRows(int rows, int cols, std::initializer_list<double> values)
{
    Matrix m(rows, cols);
    auto v = values.begin();
    for (std::size_t k = 0; k < m.data.size() && v != values.end(); ++k)
        m.data[k] = *v++;
    return m;
}

Matrix& Matrix::operator=(const Matrix& source)
{
    if (rows != source.rows || cols != source.cols) {
        std::puts("In =: Matrix-Dimensionen stimmen nicht überein!");
        return *this;
    }
    data = source.data;  // same size: copies into the existing array
    return *this;
}

Matrix operator+(const Matrix& a, const Matrix& b)
{
    if (b.rows != a.rows || b.cols != a.cols) {
        std::puts("In +: Matrix-Dimensionen stimmen nicht überein!");
        return Matrix(0, 0);
    }
    Matrix r(a.rows, a.cols);
    for (std::size_t k = 0; k < r.data.size(); ++k)
        r.data[k] = a.data[k] + b.data[k];
    return r;
}

Matrix operator*(const Matrix& a, const Matrix& b)
{
    if (b.rows != a.cols) {
        std::puts("In *: Matrix-Dimensionen stimmen nicht überein!");
        return Matrix(0, 0);
    }
    Matrix c(a.rows, b.cols);
    for (int i = 1; i <= a.rows; ++i) {
        for (int j = 1; j <= b.cols; ++j) {
            double s = 0.0;
            for (int k = 1; k <= a.cols; ++k)
                s = s + a.Get(i, k) * b.Get(k, j);
            c.Set(i, j, s);
        }
    }
    return c;
}

Matrix Matrix::Transpose() const
{
    Matrix t(cols, rows);
    for (int i = 1; i <= cols; ++i)
        for (int j = 1; j <= rows; ++j)
            t.Set(i, j, Get(j, i));
    return t;
}
