#pragma once

#include "analysis/Analysis.h"

#include <cmath>
#include <vector>

// The numbers of "Kennzahlen": how far the rebuilt function is from the
// samples, and how its energy spreads over the levels. All are exact where
// the functions are piecewise linear. The coefficients are scaled by a power
// of two before anything is added or squared, so no step overflows: a number
// is infinite only when its own value is beyond the range of a double (the
// energy of coefficients above 1e154). A NaN among the coefficients makes the
// numbers NaN.

struct ErrorNumbers {
    // The error window's curve fnError over [0, 1]: its largest magnitude
    // (ess-sup) and its L2 norm, the root mean square over the unit interval.
    double MaxError = 0.0;
    double RmsError = 0.0;
    // The rebuilt function (smooth part and details) at the sample points of
    // MaxLevel that lie in [0, 1] against the samples: the largest and the
    // root-mean-square distance, what a user of a discrete wavelet transform
    // measures. The sample points are the centres (i + s) / 2^MaxLevel of the
    // finest scaling functions for aktDelta, where the samples' own function
    // takes exactly the sample values.
    double DistanceMax = 0.0;
    double DistanceRms = 0.0;
    // With noise added: the rebuilt function's RMS distance from the clean
    // samples at the same points (the Delta comparison's "Entrauschen"), as
    // CompareWithClean gives it; NaN without a clean reference.
    double DenoisedRms = NAN;
};

// The numbers of the analysis the error window draws (the compressed and
// denoised one); with the clean samples of a signal with noise added, its
// distance from them too.
ErrorNumbers ComputeErrorNumbers(const Analysis& A, const std::vector<double>& clean = {});

// The exact L2 energy over [0, 1] of the smooth part at Level, then of the
// detail function of each level Level .. MaxLevel - 1, and each one's share in
// percent of the sum of these energies. The parts are not orthogonal for
// 0 < Delta < 1, so that sum is not the energy of the rebuilt function; at
// Delta 0 it is, and the shares are the orthonormal Haar coefficients'.
// A sum of 0 gives shares of 0.
struct PartEnergies {
    std::vector<double> energy;
    std::vector<double> share;
};
PartEnergies LevelEnergies(const Analysis& A);

// Against the clean samples of a signal with noise added, at the sample
// points in [0, 1] as for the distance to the samples: the signal-to-noise
// ratio in dB, 10 log10 (sum clean^2 / sum (x - clean)^2), and the RMS
// distance of the noisy samples (KoeffOrig) and of the rebuilt function (the
// denoised one, as the function windows draw it). A ratio is infinite where
// the distance is 0.
struct CleanNumbers {
    double SnrNoisy = NAN;
    double SnrDenoised = NAN;
    double RmsNoisy = NAN;
    double RmsDenoised = NAN;
};
CleanNumbers CompareWithClean(const Analysis& A, const std::vector<double>& clean);
