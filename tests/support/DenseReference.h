#pragma once

#include "analysis/Analysis.h"
#include "linalg/Banded.h"
#include "linalg/Matrix.h"

#include <map>

// Every element the same double, zeros included, in matrices of the same shape
// (a matrix without Cols() is square).
template <typename A, typename B> bool SameElements(const A& a, const B& b)
{
    auto cols = [](const auto& m) {
        if constexpr (requires { m.Cols(); })
            return m.Cols();
        else
            return m.Rows();
    };
    if (a.Rows() != b.Rows() || cols(a) != cols(b))
        return false;
    for (int i = 1; i <= a.Rows(); ++i)
        for (int j = 1; j <= cols(a); ++j)
            if (a.Get(i, j) != b.Get(i, j))
                return false;
    return true;
}

// The level steps as dense matrices and a dense Cholesky solve: the program's
// arithmetic before the band storage, kept as the reference the banded code
// must match bit for bit.
namespace dense {

// A band matrix written out with its zeros.
Matrix ToDense(const BandMatrix& band);

Matrix BuildP(double D, int j);
Matrix BuildQ(double D, int j);
Matrix GramPhi(double D, int j);
Matrix GramPsi(const Matrix& Q3, double D, int j);

// P_{j+1} and Q_{j+1} of aktDelta for the coarse levels 2 .. maxLevel.
struct LevelMatrices {
    LevelMatrices(double D, int maxLevel);
    std::map<int, Matrix> P, Q;
};

void DecomposeStep(Analysis& A, const LevelMatrices& M);
void ReconstructStep(Analysis& A, const LevelMatrices& M);

}  // namespace dense
