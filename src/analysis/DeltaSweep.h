#pragma once

#include "analysis/Analysis.h"
#include "analysis/Compression.h"
#include "analysis/Denoising.h"
#include "analysis/Numbers.h"
#include "analysis/Signals.h"

#include <optional>
#include <vector>

// The error over all Deltas: for Delta = 0, 0.01, ..., 1 the numbers that the
// program shows when it takes that Delta: the scroll bar moved there, "Go!"
// pressed, the signal sampled anew at MaxLevel (a test signal at the centres
// of that Delta's scaling functions; a file signal's values as they are), the
// track bar moved down to Level, the details thresholded where denoising is
// chosen and P % of them kept: the same operations in the same order, each
// Delta in an analysis of its own. Added noise is the same for every Delta.

inline constexpr int DeltaSweepPoints = 101;

// The Delta of position i, as the scroll bar makes it.
inline double SweepDelta(int i) { return i / 100.0; }

// What a sweep needs, copied from the program before it starts.
struct DeltaSweepInput {
    Signal signal;
    int maxLevel = 7;
    int level = 7;
    int percent = 100;
    KeepBy keepBy = KeepBy::Contribution;
    std::optional<NoiseSettings> noise;
    DenoiseSettings denoise;
    bool operator==(const DeltaSweepInput&) const = default;
};

// The analysis of the Delta at position i, before denoising and compression:
// the program's analysis after it has taken that Delta, bit for bit
// (WaveletKoeff for the scroll bar at i included), and the clean samples when
// noise was added. Row and program both build it here.
struct DeltaSweepState {
    Analysis analysis;
    std::vector<double> clean;
};
DeltaSweepState DeltaSweepAnalysis(const DeltaSweepInput& input, int i);

// The numbers of the Delta at position i: of its analysis denoised and with
// P % of the details kept, as the error window draws it, and with noise added
// its RMS distance from the clean samples. A pure function of copied inputs,
// which the program runs on worker threads.
ErrorNumbers DeltaSweepRow(const DeltaSweepInput& input, int i);

// The positions in the order a sweep takes them: coarse steps first, so that a
// sweep under way already spans the whole range.
std::vector<int> DeltaSweepOrder();

// What a comparison ranks by, in the order of its chooser: the distance to
// the samples, RMS or largest, or the denoised function's RMS distance from
// the clean samples ("Entrauschen").
enum class SweepMeasure { DistanceRms, DistanceMax, Denoised };

inline double ErrorMeasure(const ErrorNumbers& numbers, SweepMeasure measure)
{
    switch (measure) {
    case SweepMeasure::DistanceMax: return numbers.DistanceMax;
    case SweepMeasure::Denoised: return numbers.DenoisedRms;
    case SweepMeasure::DistanceRms: break;
    }
    return numbers.DistanceRms;
}

// The Deltas whose measure equals the least among the rows done, within
// 1e-12 of the comparison's largest measure (so that Deltas which all rebuild
// the samples to rounding are equal); a NaN is never among them.

// The lowest of these positions, -1 when no row done is a number.
int BestDelta(const std::vector<std::optional<ErrorNumbers>>& rows, SweepMeasure measure);

// How many they are (0 when there is no best). When that is every row done,
// the choice of Delta makes no difference.
int BestDeltaTies(const std::vector<std::optional<ErrorNumbers>>& rows, SweepMeasure measure);
