#pragma once

#include "analysis/Analysis.h"

// The 2^j + 1 samples of sin(6.28 x) at the centres of the scaling functions of
// level j for aktDelta, written to Koeff[0 .. 2^j].
void SampleFunction(Analysis& A, int j);

// KoeffOrig[0 .. 2^MaxLevel] := Koeff[0 .. 2^MaxLevel].
void SaveOriginal(Analysis& A);
