#pragma once

#include "analysis/Analysis.h"
#include "analysis/Signals.h"

#include <span>

// Analyses as the program makes them, for the module's functions and objects.
// Everything here runs without the GIL.

// The program's state after the samples were chosen and "Go!" pressed with
// delta: MaxLevel from their count, Level = MaxLevel, Koeff and KoeffOrig the
// samples, both Deltas delta, the level matrices and wavelet coefficients.
Analysis AnalysisOfSamples(std::span<const double> samples, int maxLevel, double delta);
// The same for a signal sampled at maxLevel as the program samples it with delta.
Analysis AnalysisOfSignal(const Signal& signal, int maxLevel, double delta);

// The level matrices of aktDelta up to MaxLevel + 1 and the Gram factors, as
// "Go!" computes them, and WaveletKoeff of Delta. At MaxLevel 12 the matrices
// take longer than a whole decomposition, so the last few sets computed are
// kept and shared by every analysis of the same Delta and MaxLevel: stored
// matrices are never changed, only replaced.
void ComputeLevelMatrices(Analysis& A);

// Level moves to `level` one level at a time, as the track bar moves it:
// down by DecomposeStep, up by ReconstructStep.
void MoveToLevel(Analysis& A, int level);
