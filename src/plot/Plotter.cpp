#include "plot/Plotter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

// A tick index: truncated toward zero, clamped to the int range, NaN as 0.
long long TickIndex(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

bool IsUsableRange(double low, double high)
{
    const double width = high - low;
    return width != 0.0 && std::isfinite(width);
}

std::string Label(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

// The tick indices i of one half axis; the ticks lie at +-i * tick.
struct TickSpan {
    long long first;
    long long last;
};

TickSpan NegativeTicks(double min, double max, double tick)
{
    return {max >= 0.0 ? 0 : TickIndex(1.0 - max / tick), TickIndex(-min / tick)};
}

TickSpan PositiveTicks(double min, double max, double tick)
{
    return {min > 0.0 ? TickIndex(min / tick + 1.0) : 0, TickIndex(max / tick)};
}

// No more ticks on a half axis than the plot has pixels along it: a spacing so
// small that the ticks would number in the millions costs no more than that.
long long TickLimit(int plotPixels) { return std::max(plotPixels, 0) + 1LL; }

template <typename DrawTick>
void ForEachTick(TickSpan span, long long limit, DrawTick draw)
{
    for (long long i = span.first; i <= span.last && i - span.first < limit; ++i)
        draw(i);
}

void DrawXTicks(Canvas& canvas, const PlotMap& map, int row0)
{
    const PlotFrame& f = map.Frame();
    const double tick = f.XTick;
    if (!(tick > 0.0))  // a spacing of 0, below 0 or NaN draws no ticks
        return;
    auto draw = [&](double v, long long i) {
        const int px = map.WorldToPixelX(v);
        canvas.MoveTo(px, row0 - 2);
        canvas.LineTo(px, row0 + 2);
        if (static_cast<double>(i) * tick != 0.0)
            canvas.TextOut(px - 5, row0 + 15, Label(v));
    };
    const long long limit = TickLimit(map.PlotWidth());
    if (f.XMin < 0.0)
        ForEachTick(NegativeTicks(f.XMin, f.XMax, tick), limit,
                    [&](long long i) { draw(-static_cast<double>(i) * tick, i); });
    if (f.XMax > 0.0)
        ForEachTick(PositiveTicks(f.XMin, f.XMax, tick), limit,
                    [&](long long i) { draw(static_cast<double>(i) * tick, i); });
}

void DrawYTicks(Canvas& canvas, const PlotMap& map, int col0)
{
    const PlotFrame& f = map.Frame();
    const double tick = f.YTick;
    if (!(tick > 0.0))
        return;
    auto draw = [&](double v, long long i) {
        const int py = map.WorldToPixelY(v);
        canvas.MoveTo(col0 - 2, py);
        canvas.LineTo(col0 + 2, py);
        if (static_cast<double>(i) * tick != 0.0)
            canvas.TextOut(col0 + 5, py - 3, Label(v));
    };
    const long long limit = TickLimit(map.PlotHeight());
    if (f.YMin < 0.0)
        ForEachTick(NegativeTicks(f.YMin, f.YMax, tick), limit,
                    [&](long long i) { draw(-static_cast<double>(i) * tick, i); });
    if (f.YMax > 0.0)
        ForEachTick(PositiveTicks(f.YMin, f.YMax, tick), limit,
                    [&](long long i) { draw(static_cast<double>(i) * tick, i); });
}

void DrawCurve(Canvas& canvas, const PlotMap& map, const PlotFunction& f, pen::Color color)
{
    const int pxStart = map.WorldToPixelX(map.Frame().CurveStart);
    const int pxEnd = map.WorldToPixelX(map.Frame().CurveEnd);
    const double y = f(map.Frame().CurveStart);
    canvas.SetPenColor(color);
    canvas.MoveTo(pxStart, map.WorldToPixelY(y));
    // f is called once at CurveStart and then once per column from pxStart to
    // pxEnd - 1, except that columns beyond the window (left of -1, right of
    // its width) are skipped. A skipped column draws no pixel, so nothing
    // changes on screen, and a curve interval far outside the x range costs
    // no more than the window is wide. Every frame of the plot windows keeps
    // its curve inside the window and is sampled in full.
    const int first = std::max(pxStart, -1);
    const int end = std::min(pxEnd, map.CanvasWidth() + 1);
    for (int px = first; px < end; ++px)
        canvas.LineTo(px, map.WorldToPixelY(f(map.PixelToWorldX(px))));
}

}  // namespace

int ScaleMap::Pixel(double s) const
{
    const double v = Transform(s);
    if (std::isnan(v) || v > PixelLimit)
        return PixelLimit;
    if (v < -PixelLimit)
        return -PixelLimit;
    return static_cast<int>(v);
}

PlotMap::PlotMap(const PlotFrame& frame, int width, int height)
    : frame(frame), canvasWidth(width), canvasHeight(height),
      x(ScaleMap::Forward(frame.XMin, frame.XMax, MarginX, PlotWidth())),
      y(ScaleMap::Flipped(frame.YMin, frame.YMax, MarginY, PlotHeight(), height))
{
}

namespace {

void Plot(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f, const PlotFunction* beneath)
{
    Canvas& canvas = w.GetCanvas();
    const PlotMap map(frame, w.Width(), w.Height());

    canvas.SetPenColor(pen::White);
    canvas.Rectangle(0, 0, map.CanvasWidth(), map.CanvasHeight());

    // An empty (or infinite or NaN) range cannot be scaled: the window stays
    // blank and f is not called.
    if (!IsUsableRange(frame.XMin, frame.XMax) || !IsUsableRange(frame.YMin, frame.YMax)) {
        canvas.SetPenColor(pen::Red);
        return;
    }

    const int row0 = map.WorldToPixelY(0.0);
    canvas.SetPenColor(pen::Black);
    canvas.MoveTo(map.MarginX, row0);
    canvas.LineTo(map.CanvasWidth() - map.MarginX, row0);
    DrawXTicks(canvas, map, row0);

    const int col0 = map.WorldToPixelX(0.0);
    canvas.MoveTo(col0, map.MarginY);
    canvas.LineTo(col0, map.CanvasHeight() - map.MarginY);
    DrawYTicks(canvas, map, col0);

    if (beneath)
        DrawCurve(canvas, map, *beneath, pen::Gray);
    DrawCurve(canvas, map, f, pen::Red);
}

}  // namespace

void PlotCurve(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f) { Plot(w, frame, f, nullptr); }

void PlotCurve(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f, const PlotFunction& beneath)
{
    Plot(w, frame, f, &beneath);
}
