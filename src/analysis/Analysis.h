#pragma once

#include "analysis/LevelMatrixStore.h"
#include "analysis/Tables.h"

#include <array>
#include <vector>

// One multiscale analysis: its parameters, its coefficients and the level
// matrices they are computed with. The program owns one; the Delta comparison
// and the tests make as many as they need. A value-initialised Analysis holds
// the start values, before the samples are taken.
struct Analysis {
    double aktDelta = 0.4;     // Delta of the level matrices and the function windows
    double Delta = 0.4;        // Delta of the scroll bar and the basis windows
    int Level = 7;             // level of the smooth coefficients in Koeff
    int MaxLevel = 7;          // finest level: the samples, the track bar's maximum
    double MaxAbsKoeff = 1.0;  // vertical scale of the function windows

    // Smooth coefficients of Level, then the details of the levels above it:
    // 2^MaxLevel + 1 values (SetMaxLevel sizes them).
    std::vector<double> Koeff = std::vector<double>(129);
    // The samples taken at MaxLevel, the reference of the error window.
    std::vector<double> KoeffOrig = std::vector<double>(129);
    LevelMatrixStore LevelMatrices;
    // The coefficients of the interior wavelet for the scroll-bar Delta.
    std::array<double, 5> WaveletKoeff{};
};

// The levels the data can serve: tables for 0..13, level matrices one level above.
inline constexpr int MinLevel = 2;
inline constexpr int LevelLimit = 12;
inline constexpr int MaxKoeffCount = (1 << LevelLimit) + 1;

// A coefficient array of the program: Koeff or KoeffOrig.
using KoeffArray = std::vector<double>;

// Sets MaxLevel and makes Koeff and KoeffOrig hold at least its 2^MaxLevel + 1
// values: the values they hold stay, new places are 0.
void SetMaxLevel(Analysis& A, int maxLevel);
