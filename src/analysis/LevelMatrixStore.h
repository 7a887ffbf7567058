#pragma once

#include "linalg/Banded.h"

#include <optional>
#include <vector>

// P_j and Q_j lead from the coarse level j - 1 to the fine level j, for j = 1..13,
// in banded form. A level holds its matrices once they are computed, and
// reads as empty (all zero) before: only the levels in use take memory.
class LevelMatrixStore {
public:
    static constexpr int FirstLevel = 1;
    static constexpr int LastLevel = 13;

    LevelMatrixStore();

    // An empty (0 x 0) matrix until the level is filled.
    const BandMatrix& P(int j) const { return Read(p[Index(j)]); }
    const BandMatrix& Q(int j) const { return Read(q[Index(j)]); }

    void SetP(int j, BandMatrix P) { p[Index(j)] = std::move(P); }
    void SetQ(int j, BandMatrix Q) { q[Index(j)] = std::move(Q); }

private:
    static std::size_t Index(int j) { return static_cast<std::size_t>(j - FirstLevel); }
    static const BandMatrix& Read(const std::optional<BandMatrix>& stored);

    std::vector<std::optional<BandMatrix>> p;
    std::vector<std::optional<BandMatrix>> q;
};
