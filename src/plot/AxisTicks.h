#pragma once

#include "analysis/Signals.h"

#include <cstddef>
#include <string>
#include <vector>

// Ticks at 1, 2 or 5 times a power of ten, and labels with no more digits
// than the tick step needs: the axes fitted to the data, the time axis and the
// coefficient window's axis are labelled with these.

// The least step of 1, 2 or 5 times a power of ten that divides `span` into
// at most `maxTicks` parts (1 for fewer); NaN for a span that is not a
// positive finite number.
double NiceStep(double span, int maxTicks);

// The multiples of `step` from `low` to `high`, ends included within a
// billionth of a step, each one product of its index and the step; none for an
// empty range, a step that is not positive, or more than `limit` ticks.
std::vector<double> TicksIn(double low, double high, double step, std::size_t limit);

// The label of the tick v on an axis of ticks `step` apart: the fewest
// significant digits that give v within a ten-thousandth of the step, written
// without an exponent where v has integer digits ("1750", "150.5", "0.2",
// "0.000488", "3e-09"); "0" for a tick within a billionth of a step of zero.
std::string TickLabel(double v, double step);

// A magnitude with two significant digits, or all of its integer part:
// "0.012", "178", "1.2e-05".
std::string MagnitudeLabel(double m);

// What the x labels show for the curve interval 0 .. 1: `first` at 0 and
// `last` at 1 (the times of a signal's first and last sample), else x itself.
using XLabels = TimeRange;

// A tick of an axis: where it stands in world x and what it reads.
struct AxisTick {
    double at;
    std::string label;
};

// The ticks of an x axis over the world range xMin .. xMax, `step` apart in
// label units.
std::vector<AxisTick> XAxisTicks(double xMin, double xMax, const XLabels& labels, double step, std::size_t limit);
