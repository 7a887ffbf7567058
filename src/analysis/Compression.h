#pragma once

#include "analysis/Analysis.h"

#include <vector>

// How few details the approximation needs: "Behaltene Details: P %".

// The ranking of the details.
enum class KeepBy {
    Contribution,  // "nach Beitrag": |d| times the wavelet's L2 norm, the default
    Magnitude,     // "nach Betrag |d|": the coefficient alone
};

// The L2 norms over [0, 1] of the wavelets of level j for aktDelta: the left
// boundary one, the interior ones (they share one) and the right boundary one.
// Over [0, 1], where the error norms and energies are taken: the boundary
// wavelets reach beyond it, and only their part inside shapes the function
// shown. Every level's wavelets are those of level 2 compressed by 2^(j-2),
// so the norms are computed once, from Q_3, and scaled; 0 before Q_3 exists.
struct WaveletNorms {
    double left = 0.0;
    double interior = 0.0;
    double right = 0.0;
};
WaveletNorms WaveletNormsOf(const Analysis& A, int j);

// The norm of each detail's wavelet, by position from 2^Level + 1 on.
std::vector<double> DetailNorms(const Analysis& A);

// The details in play: those of the levels Level .. MaxLevel - 1, at the
// positions 2^Level + 1 .. 2^MaxLevel of Koeff. N = 2^MaxLevel - 2^Level.
int DetailCount(const Analysis& A);

// K = round(P / 100 N) of the N details are kept.
int KeptCount(int percent, int detailCount);

// Which details stay (1) at P percent, by position from 2^Level + 1 on: those
// ranked highest; of equal rank the lower position. A NaN ranks highest, so
// that it shows in the numbers rather than vanishing with the detail.
std::vector<char> KeptDetails(const Analysis& A, int percent, KeepBy by);

// The details not kept become 0 (in the analysis given: the program passes a copy).
void Compress(Analysis& A, const std::vector<char>& kept);
