#pragma once

#include "analysis/Analysis.h"

#include <vector>

// The stems' places: the x of coefficient i of level j on [0, 1], the middle
// of its cell.
double StemX(int i, int j);

// A coefficient of Koeff as "Koeffizienten" shows it.
struct CoefficientEntry {
    bool smooth;  // the smooth part of Level; else a detail of `level`
    int level;
    int index;    // from 0 within its part
    double x;     // where its stem stands on [0, 1]
    double value;
    bool kept;    // by compression and denoising; the smooth part always
    bool operator==(const CoefficientEntry&) const = default;
};

// Koeff[0 .. 2^MaxLevel] in index order: the smooth coefficients of Level
// (coefficient i of shift i - 1), then the details of Level .. MaxLevel - 1.
std::vector<CoefficientEntry> CoefficientTable(const Analysis& A, const std::vector<char>& keptDetails);
