#include "plot/AxisTicks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// m * 10^e, correctly rounded: 0.2 is 2 / 10, not 2 * 0.1.
double Decimal(double m, int e) { return e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e); }

// The digits of v's integer part, 1 below 1 and beyond 1e15 (where the label
// may take an exponent).
int IntegerDigits(double v)
{
    const double a = std::fabs(v);
    if (a < 1.0 || a >= 1e15)
        return 1;
    char text[32];
    return std::snprintf(text, sizeof text, "%.0f", std::floor(a));
}

}  // namespace

double NiceStep(double span, int maxTicks)
{
    if (!(span > 0.0) || !std::isfinite(span))
        return std::nan("");
    const double raw = span / std::max(1, maxTicks);
    const double decade = std::floor(std::log10(raw));
    if (!std::isfinite(decade))  // a span that underflows to 0 in the division
        return std::nan("");
    // log10 may land a hair off a power of ten: start one decade lower.
    const int e = static_cast<int>(decade) - 1;
    for (int d = e; d <= e + 2; ++d)
        for (const double m : {1.0, 2.0, 5.0})
            if (const double step = Decimal(m, d); step >= raw * (1.0 - 1e-12))
                return step;
    return Decimal(1.0, e + 3);
}

std::vector<double> TicksIn(double low, double high, double step, std::size_t limit)
{
    std::vector<double> ticks;
    if (!(step > 0.0) || !std::isfinite(step) || !(low <= high) || !std::isfinite(low) || !std::isfinite(high))
        return ticks;
    const double first = std::ceil(low / step - 1e-9);
    const double last = std::floor(high / step + 1e-9);
    if (!(last - first < static_cast<double>(limit)))
        return ticks;
    for (std::size_t k = 0; first + static_cast<double>(k) <= last && k < limit; ++k)
        ticks.push_back((first + static_cast<double>(k)) * step);
    return ticks;
}

std::string TickLabel(double v, double step)
{
    if (std::fabs(v) <= step * 1e-9)
        return "0";
    char text[40];
    const double tolerance = step * 1e-4;
    for (int digits = IntegerDigits(v); digits <= 17; ++digits) {
        const int n = std::snprintf(text, sizeof text, "%.*g", digits, v);
        double back = 0.0;
        std::from_chars(text, text + n, back);
        if (std::fabs(back - v) <= tolerance)
            break;
    }
    return text;
}

std::string MagnitudeLabel(double m)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", std::max(2, IntegerDigits(m)), m);
    return text;
}

std::vector<AxisTick> XAxisTicks(double xMin, double xMax, const XLabels& labels, double step, std::size_t limit)
{
    // Times that do not span a range label the axis with x itself.
    const XLabels used = labels.last != labels.first && std::isfinite(labels.last - labels.first) ? labels : XLabels{};
    const double a = used.At(xMin), b = used.At(xMax);
    std::vector<AxisTick> ticks;
    for (const double value : TicksIn(std::min(a, b), std::max(a, b), step, limit))
        ticks.push_back({used.Of(value), TickLabel(value, step)});
    return ticks;
}
