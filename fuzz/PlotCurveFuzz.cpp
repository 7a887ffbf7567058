// The plotter on arbitrary ranges, tick spacings, window sizes and function
// values: every coordinate it hands the canvas must be an int near the
// window, and the work must stay in proportion to the window's size.
#include "plot/Plotter.h"
#include "RecordingSurface.h"

#include "FuzzInput.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Expect(bool condition)
{
    if (!condition)
        __builtin_trap();
}

std::vector<double> Values;
std::size_t Calls = 0;

double FromInput(double)
{
    const double v = Values.empty() ? 0.0 : Values[Calls % Values.size()];
    ++Calls;
    return v;
}

// Ticks sit a few pixels off the clamped axes, labels a little further.
bool NearTheWindow(int v) { return std::abs(static_cast<long long>(v)) <= PixelLimit + 64LL; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input: width and height as little-endian int16, the eight doubles of
    // the frame (XMin XMax YMin YMax XTick YTick CurveStart CurveEnd), then up
    // to 64 function values.
    FuzzInput in{data, size};
    // Negative and zero sizes stay possible; the width bound keeps runs short.
    const int width = in.Next<std::int16_t>() % 3000;
    const int height = in.Next<std::int16_t>() % 3000;
    PlotFrame frame{};
    for (double* v : {&frame.XMin, &frame.XMax, &frame.YMin, &frame.YMax, &frame.XTick, &frame.YTick,
                      &frame.CurveStart, &frame.CurveEnd})
        *v = in.Next<double>();
    Values.clear();
    while (in.at < size && Values.size() < 64)
        Values.push_back(in.Next<double>());
    Calls = 0;

    RecordingSurface surface(width, height);
    PlotCurve(surface, frame, FromInput);

    const long long extent = std::abs(static_cast<long long>(width)) + std::abs(static_cast<long long>(height));
    Expect(static_cast<long long>(surface.ops.size()) <= 12 * extent + 64);
    // The curve's first point, then the columns -1 .. width at most.
    Expect(static_cast<long long>(Calls) <= std::abs(static_cast<long long>(width)) + 3);
    for (const RecordingSurface::Op& op : surface.ops)
        Expect(NearTheWindow(op.x) && NearTheWindow(op.y) && NearTheWindow(op.x2) && NearTheWindow(op.y2));

    // The same frame in the fitted layout, and a frame fitted to the values
    // (the curve interval's ends as the times the x axis reads, the y tick as
    // the least span): the same bounds, a few samplings of the columns.
    RecordingSurface fitted(width, height), fit(width, height);
    Calls = 0;
    PlotCurve(fitted, InFittedLayout(frame), FromInput);
    PlotFittedCurve(fit, {frame.CurveStart, frame.CurveEnd}, FromInput, frame.YTick);
    Expect(static_cast<long long>(Calls) <= 7 * (std::abs(static_cast<long long>(width)) + 3));
    for (const RecordingSurface* s : {&fitted, &fit}) {
        Expect(static_cast<long long>(s->ops.size()) <= 12 * extent + 64);
        for (const RecordingSurface::Op& op : s->ops)
            Expect(NearTheWindow(op.x) && NearTheWindow(op.y) && NearTheWindow(op.x2) && NearTheWindow(op.y2));
    }
    return 0;
}
