#pragma once

#include "linalg/Banded.h"

#include <memory>
#include <vector>

// The Cholesky factors of the two Gram systems of a step down to the coarse
// level j (scaling functions and wavelets): they depend only on Delta and j,
// so they are factored once, with the level matrices, not in every step.
struct GramFactors {
    double delta = 0.0;  // the Delta they belong to
    TridiagonalCholesky phi;
    TridiagonalCholesky psi;
};

// P_j and Q_j lead from the coarse level j - 1 to the fine level j, for j = 1..13,
// in banded form, and the Gram factors of the coarse levels. A level holds
// its matrices once they are computed, and reads as empty (all zero) before:
// only the levels in use take memory. What is stored is never changed, only
// replaced, so copies of a store share it.
class LevelMatrixStore {
public:
    static constexpr int FirstLevel = 1;
    static constexpr int LastLevel = 13;

    LevelMatrixStore();

    // An empty (0 x 0) matrix until the level is filled.
    const BandMatrix& P(int j) const { return Read(p[Index(j)]); }
    const BandMatrix& Q(int j) const { return Read(q[Index(j)]); }
    // Nothing until the factors of the coarse level j are kept.
    const GramFactors* Gram(int j) const { return gram[Index(j)].get(); }

    void SetP(int j, BandMatrix P) { p[Index(j)] = std::make_shared<const BandMatrix>(std::move(P)); }
    void SetQ(int j, BandMatrix Q) { q[Index(j)] = std::make_shared<const BandMatrix>(std::move(Q)); }
    void SetGram(int j, GramFactors factors)
    {
        gram[Index(j)] = std::make_shared<const GramFactors>(std::move(factors));
    }

private:
    static std::size_t Index(int j) { return static_cast<std::size_t>(j - FirstLevel); }
    static const BandMatrix& Read(const std::shared_ptr<const BandMatrix>& stored);

    std::vector<std::shared_ptr<const BandMatrix>> p;
    std::vector<std::shared_ptr<const BandMatrix>> q;
    std::vector<std::shared_ptr<const GramFactors>> gram;
};
