#pragma once

#include "analysis/Analysis.h"
#include "analysis/LevelMatrices.h"

#include <memory>
#include <string>
#include <vector>

// Records what the computation of the level matrices reports.
struct RecordingObserver : LevelMatrixObserver {
    int maximum = -1;
    int advances = 0;
    bool ended = false;
    std::vector<std::string> computing;  // "j/maxLevel P" or "j/maxLevel Q"

    void Begin(int m) override { maximum = m; }
    void Computing(int j, int maxLevel, LevelMatrixKind kind) override;
    void Advance() override { ++advances; }
    void End() override { ended = true; }
};

// The analysis as the program has it right after start-up, without windows:
// the samples at MaxLevel, all level matrices and the wavelet coefficients.
std::unique_ptr<Analysis> StartAnalysis();

// The same with other start values, before anything is computed from them.
std::unique_ptr<Analysis> StartAnalysis(double aktDelta, int maxLevel);

// An orthonormal Haar transform in place, `depth` levels deep: the
// approximation first, then the details from coarse to fine, each level by
// position (the order of Koeff); or back.
void Haar(std::vector<double>& w, int depth, bool back);
