#pragma once

#include "analysis/Analysis.h"
#include "linalg/Banded.h"

#include <vector>

// One level down or up in Koeff, with the level matrices of aktDelta.

// Gram matrix of the 2^j + 1 coarse scaling functions of level j (tridiagonal).
SymmetricTridiagonal GramPhi(double D, int j);
// Their inner products with the fine function whose coefficients are Koeff[0 .. 2^(j+1)].
std::vector<double> ProjPhi(const Analysis& A, double D, int j);
// Gram matrix of the 2^j wavelets of level j, from the wavelet columns of Q_3
// (tridiagonal, with the method's own terms).
SymmetricTridiagonal GramPsi(const Analysis& A, double D, int j);
// Their inner products with the fine function in Koeff[0 .. 2^(j+1)].
std::vector<double> ProjPsi(const Analysis& A, double D, int j);

// The factors of both Gram systems of level j for Delta D, as a step needs them.
GramFactors FactorGramSystems(const Analysis& A, double D, int j);

// The smooth and detail coefficients of Level (already lowered by the caller)
// replace the smooth coefficients of the level above. It takes the Gram factors
// kept with the level matrices when they belong to aktDelta, and factors the
// systems itself otherwise (aktDelta changed, the level matrices not yet).
void DecomposeStep(Analysis& A);
// The smooth coefficients of Level + 1 (Level not yet raised) replace those of
// Level and its details; MaxAbsKoeff becomes their largest absolute value.
void ReconstructStep(Analysis& A);
