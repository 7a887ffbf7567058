#pragma once

#include "linalg/Matrix.h"

#include <array>
#include <vector>

// P_j and Q_j lead from the coarse level j - 1 to the fine level j, for j = 1..11.
// All 22 exist, zero-filled, from program initialisation on and keep their
// shapes; they are only overwritten through the dimension-checking assignment.
class LevelMatrixStore {
public:
    static constexpr int FirstLevel = 1;
    static constexpr int LastLevel = 11;

    LevelMatrixStore();

    Matrix& P(int j) { return p[static_cast<std::size_t>(j - FirstLevel)]; }
    Matrix& Q(int j) { return q[static_cast<std::size_t>(j - FirstLevel)]; }

    // Back to all zeros, for tests that need a store as at program start.
    void Clear();

private:
    std::vector<Matrix> p;
    std::vector<Matrix> q;
};

extern LevelMatrixStore LevelMatrices;

// The coefficients of the interior wavelet for the scroll-bar Delta.
extern std::array<double, 5> WaveletKoeff;

// The refinement P_{j+1}: (2^(j+1) + 1) x (2^j + 1), mask (1 - D/2, 1, D/2).
Matrix BuildP(double D, int j);
// The wavelets Q_{j+1}: (2^(j+1) + 1) x 2^j, boundary and interior columns.
Matrix BuildQ(double D, int j);

// Inner products of the coarse scaling functions with the fine ones that make
// up an interior, a left and a right wavelet.
Matrix OrthoInner(double D);
Matrix OrthoLeft(double D);
Matrix OrthoRight(double D);

// WaveletKoeff := the normalised interior wavelet of State.Delta.
void ComputeWaveletKoeff();

// What the computation of all level matrices reports while it runs.
class LevelMatrixObserver {
public:
    virtual ~LevelMatrixObserver() = default;
    virtual void Begin(int maximum) = 0;
    virtual void ShowText(const char* line1, const char* line2) = 0;
    virtual void Advance() = 0;
    virtual void End() = 0;
};

// P_{j+1} and Q_{j+1} for the coarse levels MaxLevel down to 2, from aktDelta.
void FillLevelMatrices(LevelMatrixObserver& observer);
