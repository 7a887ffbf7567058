#pragma once

#include <array>

// Per-level tables for the levels 0..9 and the two coefficient arrays.
inline constexpr int TableLevels = 10;
inline constexpr int KoeffCount = 513;  // 2^9 + 1

using KoeffArray = std::array<double, KoeffCount>;

extern std::array<double, TableLevels> Pow2;     // 2^i
extern std::array<double, TableLevels> Pow2Inv;  // 2^-i
extern std::array<int, TableLevels> LevelSize;   // 2^i, the intervals of level i

// Smooth coefficients of State.Level, then the details of the levels above it.
extern KoeffArray Koeff;
// The start-up samples, the reference of the error window.
extern KoeffArray KoeffOrig;

void InitPowerTables();

// The 2^j + 1 samples of sin(6.28 x) at the centres of the scaling functions of
// level j for aktDelta, written to Koeff[0 .. 2^j].
void SampleFunction(int j);

// KoeffOrig[0 .. 2^MaxLevel] := Koeff[0 .. 2^MaxLevel].
void SaveOriginal();
