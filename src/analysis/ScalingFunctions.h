#pragma once

#include "analysis/Analysis.h"

#include <span>

// Point evaluators of the BLaC analysis. Each touches only the few terms whose
// support holds x. The PhiAkt family uses aktDelta (the decomposed function),
// the PhiDelta family the scroll-bar Delta (the basis windows).

// The trapezoid of blend D: rises on (0, D), is 1 on [D, 1], falls on (1, 1 + D).
double Phi(double x, double D);

double PhiAkt(const Analysis& A, double x);
double PhiDelta(const Analysis& A, double x);
double PhiAktJK(const Analysis& A, double x, int k, int j);
double PhiDeltaJK(const Analysis& A, double x, int k, int j);

// The interval index of x at level j: x * 2^j truncated toward zero. Values
// beyond the int range are clamped, and NaN gives 0, instead of an undefined
// conversion.
int IntervalIndex(double x, int j);

// Sum of c[k+1] * phi_{j,k}(x) over the two shifts whose support holds x;
// -1.0 for x <= -2^-j. Positions beyond the end of c count as 0.
double ExpandPhi(const Analysis& A, double x, int j, std::span<const double> c);

// The wavelet of level j and index k (-1 left boundary, 2^j - 2 right boundary).
double PsiAktJK(const Analysis& A, double x, int k, int j);

// The plot functions of the windows.
double fnGlaette(const Analysis& A, double x);
double fnDetails(const Analysis& A, double x);
double fnFunktion(const Analysis& A, double x);
double fnOriginal(const Analysis& A, double x);
double fnError(const Analysis& A, double x);
double fnSkalfunktion(const Analysis& A, double x);
double fnApprREQ(const Analysis& A, double x);
double fnWavelet(const Analysis& A, double x);

// What a plot window draws: one of the functions above.
using Evaluator = double (*)(const Analysis& A, double x);
