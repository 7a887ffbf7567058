#pragma once

#include "analysis/Analysis.h"
#include "analysis/Compression.h"

#include <optional>
#include <vector>

// The error over all Deltas: for Delta = 0, 0.01, ..., 1 the numbers that the
// program shows when, from the samples at MaxLevel, the scroll bar is moved to
// that Delta, "Go!" pressed, and the track bar moved down to Level with the
// same compression: the same operations in the same order, each Delta in an
// analysis of its own.

inline constexpr int DeltaSweepPoints = 101;

// The Delta of position i, as the scroll bar makes it.
inline double SweepDelta(int i) { return i / 100.0; }

// What a sweep needs, copied from the program's analysis before it starts.
struct DeltaSweepInput {
    std::vector<double> samples;  // KoeffOrig[0 .. 2^MaxLevel]
    int maxLevel = 7;
    int level = 7;
    int percent = 100;
    bool operator==(const DeltaSweepInput&) const = default;
};

DeltaSweepInput DeltaSweepInputOf(const Analysis& A, int percent);

// The numbers of the Delta at position i: a pure function of copied inputs,
// which the program runs on worker threads.
ErrorNumbers DeltaSweepRow(const DeltaSweepInput& input, int i);

// The positions in the order a sweep takes them: coarse steps first, so that a
// sweep under way already spans the whole range.
std::vector<int> DeltaSweepOrder();

// The error a comparison ranks by: MaxError or RmsError.
inline double ErrorMeasure(const ErrorNumbers& numbers, bool byMaxError)
{
    return byMaxError ? numbers.MaxError : numbers.RmsError;
}

// The position of the least error among the rows done (the lower of equal
// ones), -1 when none is done; by MaxError or by RmsError.
int BestDelta(const std::vector<std::optional<ErrorNumbers>>& rows, bool byMaxError);
