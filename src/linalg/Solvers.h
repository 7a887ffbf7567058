#pragma once

#include "linalg/Matrix.h"

#include <vector>

// Vectors are plain arrays: component k (from 1) is entry k - 1.

// L * y = b for lower triangular L; b is overwritten with y and returned.
std::vector<double>& ForwardSubstitution(const Matrix& L, std::vector<double>& b);

// U * x = b for upper triangular U; b is overwritten with x and returned.
std::vector<double>& BackSubstitution(const Matrix& U, std::vector<double>& b);

// A * x = b for symmetric positive definite A, reading only its lower triangle.
// A matrix that is not square writes a message and returns b untouched.
std::vector<double>& SolveCholesky(const Matrix& A, std::vector<double>& b);

// The kinds of wavelet column whose fixed vectors CalcKoeff returns at Delta 0.
enum KoeffKind : int {
    KoeffLeft = 1,
    KoeffInner = 12345,
    KoeffRight = 0,
};

// The normalised null vector (x_1..x_n, 1) of the n x (n + 1) matrix M, which is
// eliminated in place. Returns an empty array after the shape message, and for
// Delta 0 with a kind that has no fixed vector.
std::vector<double> CalcKoeff(Matrix& M, double Delta, int n, int kind);

// Scales v = (x_1..x_n, 1) so that the Delta-norm N(v) becomes 2. Finite for
// every Delta from 1e-300 to 1: the vectors of tiny Deltas, which grow like
// 1/Delta, are scaled before their squares are taken.
std::vector<double> NormalizeKoeff(const std::vector<double>& v, double Delta);
