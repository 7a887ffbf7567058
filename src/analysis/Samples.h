#pragma once

#include "analysis/Analysis.h"

#include <vector>

// The centre of the unshifted scaling function for aktDelta, where the samples
// of every level are taken, deliberately held in single precision: the stored
// samples carry its rounding in their last digits.
float SampleShift(double aktDelta);

// The 2^j + 1 samples of sin(6.28 x) at the centres of the scaling functions of
// level j for aktDelta, written to Koeff[0 .. 2^j].
void SampleFunction(Analysis& A, int j);

// KoeffOrig[0 .. 2^MaxLevel] := Koeff[0 .. 2^MaxLevel].
void SaveOriginal(Analysis& A);

// The 2^MaxLevel + 1 samples become Koeff and KoeffOrig (sized for MaxLevel
// already); Level is MaxLevel and MaxAbsKoeff the largest magnitude among them.
void StoreSamples(Analysis& A, const std::vector<double>& samples);
