#pragma once

#include "analysis/Analysis.h"
#include "linalg/Banded.h"
#include "linalg/Matrix.h"

// The refinement P_{j+1}: (2^(j+1) + 1) x (2^j + 1), mask (1 - D/2, 1, D/2):
// three rows a column.
BandMatrix BuildP(double D, int j);
// The wavelets Q_{j+1}: (2^(j+1) + 1) x 2^j, boundary and interior columns:
// four or five rows a column.
BandMatrix BuildQ(double D, int j);

// Inner products of the coarse scaling functions with the fine ones that make
// up an interior, a left and a right wavelet.
Matrix OrthoInner(double D);
Matrix OrthoLeft(double D);
Matrix OrthoRight(double D);

// WaveletKoeff := the normalised interior wavelet of the scroll-bar Delta.
void ComputeWaveletKoeff(Analysis& A);

enum class LevelMatrixKind { P, Q };

// What the computation of all level matrices reports while it runs.
class LevelMatrixObserver {
public:
    virtual ~LevelMatrixObserver() = default;
    virtual void Begin(int maximum) = 0;
    // The matrix of the coarse level j (of maxLevel) that is computed next.
    virtual void Computing(int j, int maxLevel, LevelMatrixKind kind) = 0;
    virtual void Advance() = 0;
    virtual void End() = 0;
};

// P_{j+1} and Q_{j+1} for the coarse levels MaxLevel down to 2, from aktDelta,
// and the Gram factors of the steps down to the levels below MaxLevel.
void FillLevelMatrices(Analysis& A, LevelMatrixObserver& observer);
// The same where nobody watches.
void FillLevelMatrices(Analysis& A);
