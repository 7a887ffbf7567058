#pragma once

#include "linalg/Matrix.h"

#include <optional>
#include <vector>

// P_j and Q_j lead from the coarse level j - 1 to the fine level j, for j = 1..11.
// A level holds its matrices once they are computed, and reads as zero before:
// only the levels in use take memory.
class LevelMatrixStore {
public:
    static constexpr int FirstLevel = 1;
    static constexpr int LastLevel = 11;

    LevelMatrixStore();

    // An empty (0 x 0) matrix until the level is filled.
    const Matrix& P(int j) const { return Read(p[Index(j)]); }
    const Matrix& Q(int j) const { return Read(q[Index(j)]); }

    // The first fill takes the matrix; later ones go through the assignment,
    // which keeps the shape of a level once it has one.
    void SetP(int j, Matrix P) { Store(p[Index(j)], std::move(P)); }
    void SetQ(int j, Matrix Q) { Store(q[Index(j)], std::move(Q)); }

private:
    static std::size_t Index(int j) { return static_cast<std::size_t>(j - FirstLevel); }
    static const Matrix& Read(const std::optional<Matrix>& stored);
    static void Store(std::optional<Matrix>& stored, Matrix&& computed);

    std::vector<std::optional<Matrix>> p;
    std::vector<std::optional<Matrix>> q;
};
