#include "plot/Plotter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

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

// The part of the canvas that shows: labels are written inside it.
struct Visible {
    int width, height;
};

// The label at (x, y), moved left or up (or right or down) just as far as it
// must to lie inside the visible part; where it fits, exactly at (x, y).
void TextInside(Canvas& canvas, Visible visible, int x, int y, const std::string& text)
{
    const int w = canvas.TextWidth(text), h = canvas.TextHeight();
    canvas.TextOut(std::max(0, std::min(x, visible.width - w)), std::max(0, std::min(y, visible.height - h)), text);
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

void DrawXTicks(Canvas& canvas, Visible visible, const PlotMap& map, int row0)
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
            TextInside(canvas, visible, px - 5, row0 + 15, Label(v));
    };
    const long long limit = TickLimit(map.PlotWidth());
    if (f.XMin < 0.0)
        ForEachTick(NegativeTicks(f.XMin, f.XMax, tick), limit,
                    [&](long long i) { draw(-static_cast<double>(i) * tick, i); });
    if (f.XMax > 0.0)
        ForEachTick(PositiveTicks(f.XMin, f.XMax, tick), limit,
                    [&](long long i) { draw(static_cast<double>(i) * tick, i); });
}

void DrawYTicks(Canvas& canvas, Visible visible, const PlotMap& map, int col0)
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
            TextInside(canvas, visible, col0 + 5, py - 3, Label(v));
    };
    const long long limit = TickLimit(map.PlotHeight());
    if (f.YMin < 0.0)
        ForEachTick(NegativeTicks(f.YMin, f.YMax, tick), limit,
                    [&](long long i) { draw(-static_cast<double>(i) * tick, i); });
    if (f.YMax > 0.0)
        ForEachTick(PositiveTicks(f.YMin, f.YMax, tick), limit,
                    [&](long long i) { draw(static_cast<double>(i) * tick, i); });
}

// f as PlotCurve draws it: once at CurveStart (where the pen is moved to),
// then once per column from pxStart to pxEnd - 1, except that columns beyond
// the window (left of -1, right of its width) are skipped. A skipped column
// draws no pixel, so nothing changes on screen, and a curve interval far
// outside the x range costs no more than the window is wide. Every frame of
// the plot windows keeps its curve inside the window and is sampled in full.
// In the fitted layout a column's x is kept inside the curve interval: the
// first column can lie left of CurveStart, where a function of 0 .. 1 may
// take values that are no part of its curve. A stride above 1 takes every
// stride-th column only: a coarse look at the curve.
struct CurvePoint {
    int px;
    double y;
};

std::vector<CurvePoint> CurvePoints(const PlotMap& map, const PlotFunction& f, int stride = 1)
{
    const PlotFrame& frame = map.Frame();
    const int pxStart = map.WorldToPixelX(frame.CurveStart);
    const int pxEnd = map.WorldToPixelX(frame.CurveEnd);
    const bool inside = frame.Layout == AxesLayout::Fitted && frame.CurveStart <= frame.CurveEnd;
    const int first = std::max(pxStart, -1);
    const int end = std::min(pxEnd, map.CanvasWidth() + 1);
    std::vector<CurvePoint> points;
    points.reserve(static_cast<std::size_t>(std::max(0, end - first) / stride + 1));
    points.push_back({pxStart, f(frame.CurveStart)});
    for (int px = first; px < end; px += stride) {
        const double x = map.PixelToWorldX(px);
        points.push_back({px, f(inside ? std::clamp(x, frame.CurveStart, frame.CurveEnd) : x)});
    }
    return points;
}

// A curve in `color` through its points; rows kept within rowMin .. rowMax.
void DrawPoints(Canvas& canvas, const PlotMap& map, const std::vector<CurvePoint>& points, pen::Color color,
                int rowMin = INT_MIN, int rowMax = INT_MAX)
{
    canvas.SetPenColor(color);
    canvas.MoveTo(points.front().px, std::clamp(map.WorldToPixelY(points.front().y), rowMin, rowMax));
    for (std::size_t i = 1; i < points.size(); ++i)
        canvas.LineTo(points[i].px, std::clamp(map.WorldToPixelY(points[i].y), rowMin, rowMax));
}

void DrawOriginal(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f, const PlotFunction* beneath)
{
    Canvas& canvas = w.GetCanvas();
    const PlotMap map(frame, w.Width(), w.Height());
    // A label the right edge would cut moves left into the window. One that
    // reaches below the window stays where it is: the lowest tick's label of
    // the original frames does, and the strip a window's frame hides from a
    // canvas of the outer size is the original's picture too.
    const Visible visible{w.VisibleWidth(), INT_MAX / 2};

    const int row0 = map.WorldToPixelY(0.0);
    canvas.SetPenColor(pen::Black);
    canvas.MoveTo(map.MarginX, row0);
    canvas.LineTo(map.CanvasWidth() - map.MarginX, row0);
    DrawXTicks(canvas, visible, map, row0);

    const int col0 = map.WorldToPixelX(0.0);
    canvas.MoveTo(col0, map.MarginY);
    canvas.LineTo(col0, map.CanvasHeight() - map.MarginY);
    DrawYTicks(canvas, visible, map, col0);

    if (beneath)
        DrawPoints(canvas, map, CurvePoints(map, *beneath), pen::Reference);
    DrawPoints(canvas, map, CurvePoints(map, f), pen::Red);
}

// The fitted layout: the y labels right-aligned in a gutter left of the plot,
// the x labels centred under their ticks, each axis's ticks TickLength long
// outside the plot area and LabelGap from their labels.
constexpr int Pad = 5;  // from the canvas's edges
constexpr int TickLength = 4;
constexpr int LabelGap = 3;
constexpr int LabelSpacing = 8;  // the least room between two labels of one axis

std::vector<AxisTick> YTicks(const PlotFrame& f, std::size_t limit)
{
    std::vector<AxisTick> ticks;
    for (const double v : TicksIn(std::min(f.YMin, f.YMax), std::max(f.YMin, f.YMax), f.YTick, limit))
        ticks.push_back({v, TickLabel(v, f.YTick)});
    return ticks;
}

std::size_t FittedTickLimit(const PlotSurface& w)
{
    return static_cast<std::size_t>(std::max({w.Width(), w.Height(), 0})) + 1;
}

// The fitted layout fills what of the canvas shows (a window's client), not
// the outer size the original plotter sizes itself by.
PlotMap FittedMap(const PlotSurface& w, const PlotFrame& frame, PlotMargins margins)
{
    return PlotMap(frame, w.VisibleWidth(), w.VisibleHeight(), margins);
}

int Widest(Canvas& canvas, const std::vector<AxisTick>& ticks)
{
    int widest = 0;
    for (const AxisTick& t : ticks)
        widest = std::max(widest, canvas.TextWidth(t.label));
    return widest;
}

// How far below the plot the x labels begin: below the ticks, and below the
// lowest y label, which is centred on the plot's bottom edge.
int XLabelOffset(int textHeight) { return std::max(TickLength + LabelGap, (textHeight + 1) / 2 + 1); }

PlotMargins FittedMargins(Canvas& canvas, int gutter, int widestXLabel)
{
    const int h = canvas.TextHeight();
    return {Pad + gutter + LabelGap + TickLength, Pad + (h + 1) / 2, Pad + (widestXLabel + 1) / 2,
            Pad + XLabelOffset(h) + h};
}

struct FittedAxes {
    std::vector<AxisTick> x, y;
    PlotMargins margins;
};

FittedAxes LayOutFitted(PlotSurface& w, const PlotFrame& frame)
{
    Canvas& canvas = w.GetCanvas();
    FittedAxes axes{XAxisTicks(frame.XMin, frame.XMax, frame.XLabel, frame.XTick, FittedTickLimit(w)),
                    YTicks(frame, FittedTickLimit(w)), {}};
    axes.margins = FittedMargins(canvas, std::max(frame.LabelGutter, Widest(canvas, axes.y)), Widest(canvas, axes.x));
    return axes;
}

void DrawFittedYAxis(Canvas& canvas, Visible visible, const PlotMap& map, const std::vector<AxisTick>& ticks)
{
    const int left = map.Margins().left, h = canvas.TextHeight();
    std::vector<std::pair<int, const AxisTick*>> rows;
    for (const AxisTick& t : ticks)
        rows.emplace_back(map.WorldToPixelY(t.at), &t);
    // From the bottom up; a label that would touch the one below it is left out.
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    int freeAbove = INT_MAX;
    for (const auto& [py, t] : rows) {
        canvas.MoveTo(left - TickLength, py);
        canvas.LineTo(left, py);
        const int top = py - h / 2;
        if (top + h < freeAbove) {
            TextInside(canvas, visible, left - TickLength - LabelGap - canvas.TextWidth(t->label), top, t->label);
            freeAbove = top;
        }
    }
}

void DrawFittedXAxis(Canvas& canvas, Visible visible, const PlotMap& map, const std::vector<AxisTick>& ticks)
{
    const int bottom = map.CanvasHeight() - map.Margins().bottom, h = canvas.TextHeight();
    std::vector<std::pair<int, const AxisTick*>> columns;
    for (const AxisTick& t : ticks)
        columns.emplace_back(map.WorldToPixelX(t.at), &t);
    // From the left; a label that would come too near the one before is left out.
    std::sort(columns.begin(), columns.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    int freeFrom = INT_MIN / 2;
    for (const auto& [px, t] : columns) {
        canvas.MoveTo(px, bottom + 1);
        canvas.LineTo(px, bottom + TickLength + 1);
        const int width = canvas.TextWidth(t->label);
        const int x = std::max(0, std::min(px - width / 2, visible.width - width));
        if (x >= freeFrom) {
            TextInside(canvas, visible, x, bottom + XLabelOffset(h), t->label);
            freeFrom = x + width + LabelSpacing;
        }
    }
}

// Draws the frame in the fitted layout, the curve through `points` where
// they are given (sampled on this very map), else through f's values; a
// reference beneath it where one is given.
void DrawFitted(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f, const std::vector<CurvePoint>* points,
                const PlotFunction* beneath)
{
    Canvas& canvas = w.GetCanvas();
    const FittedAxes axes = LayOutFitted(w, frame);
    const PlotMap map = FittedMap(w, frame, axes.margins);
    const Visible visible{w.VisibleWidth(), w.VisibleHeight()};
    const int left = axes.margins.left, top = axes.margins.top;
    const int right = map.CanvasWidth() - axes.margins.right, bottom = map.CanvasHeight() - axes.margins.bottom;

    canvas.SetPenColor(pen::Black);
    canvas.MoveTo(left, top);
    canvas.LineTo(left, bottom);
    canvas.MoveTo(left, bottom);
    canvas.LineTo(right + 1, bottom);
    DrawFittedYAxis(canvas, visible, map, axes.y);
    DrawFittedXAxis(canvas, visible, map, axes.x);

    // Where the range holds 0, a grey line marks it.
    if (const int row0 = map.WorldToPixelY(0.0); std::min(frame.YMin, frame.YMax) < 0.0
                                                 && std::max(frame.YMin, frame.YMax) > 0.0 && row0 > top && row0 < bottom) {
        canvas.SetPenColor(pen::ZeroLine);
        canvas.MoveTo(left + 1, row0);
        canvas.LineTo(right + 1, row0);
    }
    if (beneath)
        DrawPoints(canvas, map, CurvePoints(map, *beneath), pen::Reference, top, bottom);
    DrawPoints(canvas, map, points ? *points : CurvePoints(map, f), pen::Red, top, bottom);
}

// The least and greatest finite value among the points; low > high when
// there is none.
std::pair<double, double> Range(const std::vector<CurvePoint>& points)
{
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (const CurvePoint& p : points)
        if (std::isfinite(p.y)) {
            low = std::min(low, p.y);
            high = std::max(high, p.y);
        }
    return {low, high};
}

// y from low to high, at least leastSpan wide, with a margin of 6 % each side,
// and as many ticks as plotHeight has room for.
void SetYRange(PlotFrame& frame, double low, double high, double leastSpan, int plotHeight, int textHeight)
{
    if (!(low <= high))
        low = high = 0.0;
    if (!(leastSpan > 0.0) || !std::isfinite(leastSpan))
        leastSpan = 1.0;
    if (!(high - low >= leastSpan)) {
        const double middle = low + (high - low) / 2.0;
        low = middle - leastSpan / 2.0;
        high = middle + leastSpan / 2.0;
    }
    const double margin = (high - low) * 0.06;
    frame.YMin = low - margin;
    frame.YMax = high + margin;
    frame.YTick = NiceStep(frame.YMax - frame.YMin, std::max(2, plotHeight / (textHeight + 4)));
}

// Clears the window; false when the frame cannot be drawn: an empty (or
// infinite or NaN) range cannot be scaled, so the window stays blank and f is
// not called.
bool ClearForPlot(PlotSurface& w, const PlotFrame& frame)
{
    Canvas& canvas = w.GetCanvas();
    canvas.SetPenColor(pen::White);
    canvas.Rectangle(0, 0, w.Width(), w.Height());
    if (!IsUsableRange(frame.XMin, frame.XMax) || !IsUsableRange(frame.YMin, frame.YMax)) {
        canvas.SetPenColor(pen::Red);
        return false;
    }
    return true;
}

// A function window's frame fitted to its curve, and the values it was
// fitted to.
struct FittedCurve {
    PlotFrame frame;
    std::vector<CurvePoint> points;  // sampled on the frame's own map
};

FittedCurve FitCurve(PlotSurface& w, const XLabels& labels, const PlotFunction& f, double leastSpan,
                     const PlotFunction* beneath = nullptr)
{
    Canvas& canvas = w.GetCanvas();
    FittedCurve fit{{-0.02, 1.02, -1.0, 1.0, 0.0, 0.5, 0.0, 1.0, AxesLayout::Fitted, labels, 0}, {}};
    PlotFrame& frame = fit.frame;
    // The x ticks need the plot's width, which the y labels narrow: a first
    // guess of 40 pixels for them is near enough for the spacing.
    frame.XTick = XTickStep(frame.XMin, frame.XMax, labels, w.VisibleWidth() - 2 * Pad - 40, canvas);
    const int widestX = Widest(canvas, XAxisTicks(frame.XMin, frame.XMax, labels, frame.XTick, FittedTickLimit(w)));
    auto sample = [&](int stride) {
        const PlotMap map = FittedMap(w, frame, FittedMargins(canvas, frame.LabelGutter, widestX));
        fit.points = CurvePoints(map, f, stride);
        auto [low, high] = Range(fit.points);
        if (beneath) {
            const auto [belowLow, belowHigh] = Range(CurvePoints(map, *beneath, stride));
            low = std::min(low, belowLow);
            high = std::max(high, belowHigh);
        }
        SetYRange(frame, low, high, leastSpan, map.PlotHeight(), canvas.TextHeight());
        return Widest(canvas, YTicks(frame, FittedTickLimit(w)));
    };
    // The columns the curve is sampled at depend on the room the y labels
    // take, and the labels on the values sampled. A look at every eighth
    // column guesses that room; the room only grows from there, so this ends
    // with a range sampled at the very columns the plot draws (mostly after
    // one full pass; after four the last range is kept).
    frame.LabelGutter = sample(8);
    for (int pass = 0; pass < 4; ++pass) {
        const int needed = sample(1);
        if (needed <= frame.LabelGutter)
            return fit;
        frame.LabelGutter = needed;
    }
    fit.points.clear();  // sampled on another map: the plot samples its own
    return fit;
}

}  // namespace

double XTickStep(double xMin, double xMax, const XLabels& labels, int plotWidth, Canvas& canvas)
{
    const double span = std::fabs(labels.At(xMax) - labels.At(xMin));
    const std::size_t limit = static_cast<std::size_t>(std::max(plotWidth, 0)) + 1;
    // About a tick per 70 pixels, fewer where the labels need more room.
    for (int n = std::max(1, plotWidth / 70); n > 1; --n) {
        const double step = NiceStep(span, n);
        const double spacing = plotWidth * step / span;
        if (spacing >= Widest(canvas, XAxisTicks(xMin, xMax, labels, step, limit)) + 2 * LabelSpacing)
            return step;
    }
    return NiceStep(span, 1);
}

int ScaleMap::Pixel(double s) const
{
    const double v = Transform(s);
    if (std::isnan(v) || v > PixelLimit)
        return PixelLimit;
    if (v < -PixelLimit)
        return -PixelLimit;
    return static_cast<int>(v);
}

PlotMap::PlotMap(const PlotFrame& frame, int width, int height, PlotMargins margins)
    : frame(frame), canvasWidth(width), canvasHeight(height), margins(margins),
      x(ScaleMap::Forward(frame.XMin, frame.XMax, margins.left, PlotWidth())),
      y(ScaleMap::Flipped(frame.YMin, frame.YMax, margins.bottom, PlotHeight(), height))
{
}

PlotMap MapOf(PlotSurface& w, const PlotFrame& frame)
{
    if (frame.Layout == AxesLayout::Original)
        return PlotMap(frame, w.Width(), w.Height());
    return FittedMap(w, frame, LayOutFitted(w, frame).margins);
}

namespace {

void Plot(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f, const PlotFunction* beneath)
{
    if (!ClearForPlot(w, frame))
        return;
    if (frame.Layout == AxesLayout::Original)
        DrawOriginal(w, frame, f, beneath);
    else
        DrawFitted(w, frame, f, nullptr, beneath);
}

}  // namespace

void PlotCurve(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f) { Plot(w, frame, f, nullptr); }

void PlotCurve(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f, const PlotFunction& beneath)
{
    Plot(w, frame, f, &beneath);
}

PlotFrame FitFunctionFrame(PlotSurface& w, const XLabels& labels, const PlotFunction& f, double leastSpan,
                           const PlotFunction* beneath)
{
    return FitCurve(w, labels, f, leastSpan, beneath).frame;
}

PlotFrame PlotFittedCurve(PlotSurface& w, const XLabels& labels, const PlotFunction& f, double leastSpan)
{
    const FittedCurve fit = FitCurve(w, labels, f, leastSpan);
    if (ClearForPlot(w, fit.frame))
        DrawFitted(w, fit.frame, f, fit.points.empty() ? nullptr : &fit.points, nullptr);
    return fit.frame;
}
