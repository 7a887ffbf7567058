#include "plot/Plotter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

PlotState Plot;

void SetPlotRange(double XMin, double XMax, double YMin, double YMax, double XTick, double YTick)
{
    Plot.XMin = XMin;
    Plot.XMax = XMax;
    Plot.YMin = YMin;
    Plot.YMax = YMax;
    Plot.XTick = XTick;
    Plot.YTick = YTick;
}

void SetCurveRange(double CurveStart, double CurveEnd)
{
    Plot.CurveStart = CurveStart;
    Plot.CurveEnd = CurveEnd;
}

namespace {

int ClampToPixel(double v)
{
    if (std::isnan(v) || v > PixelLimit)
        return PixelLimit;
    if (v < -PixelLimit)
        return -PixelLimit;
    return static_cast<int>(v);
}

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

void DrawXTicks(Canvas& canvas, int row0)
{
    const double tick = Plot.XTick;
    if (!(tick > 0.0))  // a spacing of 0, below 0 or NaN draws no ticks
        return;
    auto draw = [&](double v, long long i) {
        const int px = WorldToPixelX(v);
        canvas.MoveTo(px, row0 - 2);
        canvas.LineTo(px, row0 + 2);
        if (static_cast<double>(i) * tick != 0.0)
            canvas.TextOut(px - 5, row0 + 15, Label(v));
    };
    const long long limit = TickLimit(Plot.PlotWidth);
    if (Plot.XMin < 0.0)
        ForEachTick(NegativeTicks(Plot.XMin, Plot.XMax, tick), limit,
                    [&](long long i) { draw(-static_cast<double>(i) * tick, i); });
    if (Plot.XMax > 0.0)
        ForEachTick(PositiveTicks(Plot.XMin, Plot.XMax, tick), limit,
                    [&](long long i) { draw(static_cast<double>(i) * tick, i); });
}

void DrawYTicks(Canvas& canvas, int col0)
{
    const double tick = Plot.YTick;
    if (!(tick > 0.0))
        return;
    auto draw = [&](double v, long long i) {
        const int py = WorldToPixelY(v);
        canvas.MoveTo(col0 - 2, py);
        canvas.LineTo(col0 + 2, py);
        if (static_cast<double>(i) * tick != 0.0)
            canvas.TextOut(col0 + 5, py - 3, Label(v));
    };
    const long long limit = TickLimit(Plot.PlotHeight);
    if (Plot.YMin < 0.0)
        ForEachTick(NegativeTicks(Plot.YMin, Plot.YMax, tick), limit,
                    [&](long long i) { draw(-static_cast<double>(i) * tick, i); });
    if (Plot.YMax > 0.0)
        ForEachTick(PositiveTicks(Plot.YMin, Plot.YMax, tick), limit,
                    [&](long long i) { draw(static_cast<double>(i) * tick, i); });
}

void DrawCurve(Canvas& canvas, PlotFunction f)
{
    const int pxStart = WorldToPixelX(Plot.CurveStart);
    const int pxEnd = WorldToPixelX(Plot.CurveEnd);
    const double y = f(Plot.CurveStart);
    canvas.SetPenColor(clRed);
    canvas.MoveTo(pxStart, WorldToPixelY(y));
    // f is called once at CurveStart and then once per column from pxStart to
    // pxEnd - 1, except that columns beyond the window (left of -1, right of
    // its width) are skipped. A skipped column draws no pixel, so nothing
    // changes on screen, and a curve interval far outside the x range costs
    // no more than the window is wide. Every frame of the plot windows keeps
    // its curve inside the window and is sampled in full.
    const int first = std::max(pxStart, -1);
    const int end = std::min(pxEnd, Plot.CanvasWidth + 1);
    for (int px = first; px < end; ++px)
        canvas.LineTo(px, WorldToPixelY(f(PixelToWorldX(px))));
}

}  // namespace

int WorldToPixelX(double x)
{
    return ClampToPixel((x - Plot.XMin) * Plot.PlotWidth / (Plot.XMax - Plot.XMin) + Plot.MarginX);
}

int WorldToPixelY(double y)
{
    return ClampToPixel(Plot.CanvasHeight
                        - ((y - Plot.YMin) * Plot.PlotHeight / (Plot.YMax - Plot.YMin) + Plot.MarginY));
}

double PixelToWorldX(int px)
{
    return Plot.XMin + (px - Plot.MarginX) * (Plot.XMax - Plot.XMin) / Plot.PlotWidth;
}

void PlotCurve(PlotSurface& w, PlotFunction f)
{
    Canvas& canvas = w.GetCanvas();
    Plot.CanvasWidth = w.Width();
    Plot.CanvasHeight = w.Height();
    Plot.PlotWidth = Plot.CanvasWidth - 2 * Plot.MarginX;
    Plot.PlotHeight = Plot.CanvasHeight - 2 * Plot.MarginY;

    canvas.SetPenColor(clWhite);
    canvas.Rectangle(0, 0, Plot.CanvasWidth, Plot.CanvasHeight);

    // An empty (or infinite or NaN) range cannot be scaled: the window stays
    // blank and f is not called.
    if (!IsUsableRange(Plot.XMin, Plot.XMax) || !IsUsableRange(Plot.YMin, Plot.YMax)) {
        canvas.SetPenColor(clRed);
        return;
    }

    const int row0 = WorldToPixelY(0.0);
    canvas.SetPenColor(clBlack);
    canvas.MoveTo(Plot.MarginX, row0);
    canvas.LineTo(Plot.CanvasWidth - Plot.MarginX, row0);
    DrawXTicks(canvas, row0);

    const int col0 = WorldToPixelX(0.0);
    canvas.MoveTo(col0, Plot.MarginY);
    canvas.LineTo(col0, Plot.CanvasHeight - Plot.MarginY);
    DrawYTicks(canvas, col0);

    DrawCurve(canvas, f);
}
