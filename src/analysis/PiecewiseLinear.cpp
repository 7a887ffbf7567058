#include "analysis/PiecewiseLinear.h"

#include <algorithm>
#include <cmath>

namespace {

// One part inside the fine interval p, in the interval's own coordinate
// t in [0, 1]: the part's interval m holds s fine intervals, p being its
// r-th; the part rises from c[m] at t = -r to c[m + 1] at t = kink = D s - r.
// Every one of these is exact: s is a power of two and 0 <= r < s.
struct Local {
    double low, high;  // c[m], c[m + 1]
    double r, Ds, kink;

    // Left of the kink the weight (r + t) / (D s) lies in [0, 1) (and reaches 1
    // exactly at the kink, where std::lerp gives `high`); std::lerp cannot
    // overflow. At the kink both sides give `high`, so at every t this is the
    // limit from the piece on either side, within the fine interval.
    double At(double t) const { return t < kink ? std::lerp(low, high, (r + t) / Ds) : high; }
};

// The parts, with what each needs at every fine interval worked out once.
class Sum {
public:
    Sum(double D, std::span<const LevelExpansion> parts) : parts(parts)
    {
        for (const LevelExpansion& part : parts)
            finest = std::max(finest, part.level);
        for (const LevelExpansion& part : parts) {
            const int shift = finest - part.level;
            shifts.push_back(shift);
            Ds.push_back(std::ldexp(D, shift));
        }
        local.resize(parts.size());
    }

    int Finest() const { return finest; }

    // Makes the parts' pieces of the fine interval p current.
    void Enter(int p)
    {
        for (std::size_t k = 0; k < parts.size(); ++k) {
            const int m = p >> shifts[k];
            Local& l = local[k];
            l.low = parts[k].c[static_cast<std::size_t>(m)];
            l.high = parts[k].c[static_cast<std::size_t>(m) + 1];
            l.r = static_cast<double>(p - (m << shifts[k]));
            l.Ds = Ds[k];
            l.kink = l.Ds - l.r;
        }
    }

    // The sum at t of the current fine interval.
    double At(double t) const
    {
        double value = 0.0;
        for (const Local& l : local)
            value += l.At(t);
        return value;
    }

    // The current interval's breakpoints in order, its ends 0 and 1 included.
    void Edges(std::vector<double>& edges) const
    {
        edges.assign(1, 0.0);
        for (const Local& l : local)
            if (l.kink > 0.0 && l.kink < 1.0)
                edges.push_back(l.kink);
        std::sort(edges.begin() + 1, edges.end());
        edges.push_back(1.0);
    }

private:
    std::span<const LevelExpansion> parts;
    int finest = 0;
    std::vector<int> shifts;
    std::vector<double> Ds;
    std::vector<Local> local;
};

}  // namespace

SumNorms ExactNorms(double D, std::span<const LevelExpansion> parts)
{
    SumNorms norms;
    if (parts.empty())
        return norms;
    Sum sum(D, parts);
    const double width = std::ldexp(1.0, -sum.Finest());
    std::vector<double> edges;
    double squares = 0.0;
    for (int p = 0; p < 1 << sum.Finest(); ++p) {
        sum.Enter(p);
        sum.Edges(edges);
        // Inside the interval the sum is continuous: each edge's value ends
        // one piece and begins the next.
        double va = sum.At(0.0);
        norms.max = MaxMagnitude(norms.max, va);
        for (std::size_t i = 1; i < edges.size(); ++i) {
            if (!(edges[i] > edges[i - 1]))
                continue;  // two levels share a breakpoint
            const double vb = sum.At(edges[i]);
            norms.max = MaxMagnitude(norms.max, vb);
            // The square of the line from va to vb over a piece of length h.
            const double h = (edges[i] - edges[i - 1]) * width;
            squares += h * (va * va + va * vb + vb * vb) / 3.0;
            va = vb;
        }
    }
    norms.l2 = std::sqrt(squares);
    return norms;
}

double ValueAt(double D, std::span<const LevelExpansion> parts, int p, double t)
{
    Sum sum(D, parts);
    sum.Enter(p);
    return sum.At(t);
}

std::vector<double> ValuesAt(double D, std::span<const LevelExpansion> parts, double t)
{
    Sum sum(D, parts);
    std::vector<double> values(static_cast<std::size_t>(1) << sum.Finest());
    for (std::size_t p = 0; p < values.size(); ++p) {
        sum.Enter(static_cast<int>(p));
        values[p] = sum.At(t);
    }
    return values;
}
