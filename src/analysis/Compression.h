#pragma once

#include "analysis/Analysis.h"

#include <vector>

// How good the approximation is, and how few details it needs.

// MaxError and RmsError of fnError over the error grid x_k = k / (4 2^MaxLevel),
// k = 0 .. 4 2^MaxLevel.
struct ErrorNumbers {
    double MaxError = 0.0;
    double RmsError = 0.0;
};

// In linear time: each level's details are written in the scaling functions
// one level finer (Q d, as a reconstruction step forms them) and evaluated
// like the smooth part, two terms a point; at x = 1, where fnDetails adds
// nothing, they add nothing. The values agree with fnError's to rounding.
ErrorNumbers ComputeErrorNumbers(const Analysis& A);

// The same by fnError itself, point by point: the reference.
ErrorNumbers ComputeErrorNumbersPointwise(const Analysis& A);

// The details in play: those of the levels Level .. MaxLevel - 1, at the
// positions 2^Level + 1 .. 2^MaxLevel of Koeff. N = 2^MaxLevel - 2^Level.
int DetailCount(const Analysis& A);

// K = round(P / 100 N) of the N details are kept.
int KeptCount(int percent, int detailCount);

// Which details stay (1) at P percent, by position from 2^Level + 1 on: those
// of largest magnitude; of equal magnitudes the lower position.
std::vector<char> KeptDetails(const Analysis& A, int percent);

// The details not kept become 0 (in the analysis given: the program passes a copy).
void Compress(Analysis& A, int percent);
// The same with the details kept already chosen.
void Compress(Analysis& A, const std::vector<char>& kept);

// The sum of squares of the smooth coefficients, then of each detail level
// Level .. MaxLevel - 1, as they stand in Koeff.
std::vector<double> LevelEnergies(const Analysis& A);
