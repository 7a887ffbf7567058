#pragma once

#include <span>
#include <vector>

// The functions the analysis draws are sums of expansions in the scaling
// functions of one Delta D, each at its own level. On [0, 1] such a sum is
// linear between the breakpoints k / 2^l and (k + D) / 2^l of its levels: in
// the interval m of level l an expansion rises linearly from c[m] at m / 2^l to
// c[m + 1] at (m + D) / 2^l and stays at c[m + 1] up to (m + 1) / 2^l. So its
// norms are computed exactly, piece by piece, never at a breakpoint, where at
// Delta 0 the function jumps.

// The coefficients c[0 .. 2^level] of the scaling functions of one level,
// shift -1 first.
struct LevelExpansion {
    int level = 0;
    std::vector<double> c;
};

struct SumNorms {
    double max = 0.0;  // the largest |value| (the one-sided end values of each piece)
    double l2 = 0.0;   // the L2 norm over [0, 1]: each piece's square integrated exactly
};

// The norms of the sum of `parts` over [0, 1], in time linear in its pieces
// (each piece sums the parts, a few per level).
// A NaN among the values makes both NaN. The values are squared as they are:
// callers scale them to a moderate size first.
SumNorms ExactNorms(double D, std::span<const LevelExpansion> parts);

// The sum at x = (p + t) / 2^finest, with finest the finest level of `parts`
// and t in [0, 1]: continuous for D > 0; at D = 0 the value of the piece
// from x on, except at t = 1, the value of the piece up to x (so x = 1 gives
// the limit from inside [0, 1]).
double ValueAt(double D, std::span<const LevelExpansion> parts, int p, double t);
// The same at the same t in each fine interval p = 0 .. 2^finest - 1.
std::vector<double> ValuesAt(double D, std::span<const LevelExpansion> parts, double t);

// The NaN-keeping maximum of a and |b|: std::max would drop a NaN.
inline double MaxMagnitude(double a, double b)
{
    const double m = b < 0.0 ? -b : b;
    return m > a || m != m ? m : a;
}
