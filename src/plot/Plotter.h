#pragma once

#include "plot/PlotFrames.h"
#include "plot/PlotSurface.h"
#include "plot/ScaleMap.h"

#include <type_traits>

// The plotted function of x: one call through one pointer a point, with what
// it reads besides x as its context. It refers to what it is made from, which
// must outlive the plotting call.
class PlotFunction {
public:
    using Evaluate = double (*)(const void* context, double x);
    PlotFunction(Evaluate evaluate, const void* context) : evaluate(evaluate), context(context) {}

    // Any callable of x (a lambda, a function object, a plain function).
    template <typename F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, PlotFunction> && std::is_invocable_r_v<double, F&, double>)
    PlotFunction(F&& f)
    {
        using Target = std::remove_reference_t<F>;
        if constexpr (std::is_function_v<Target>) {
            evaluate = [](const void* c, double x) { return reinterpret_cast<Target*>(const_cast<void*>(c))(x); };
            context = reinterpret_cast<const void*>(&f);
        } else {
            evaluate = [](const void* c, double x) { return (*static_cast<const Target*>(c))(x); };
            context = &f;
        }
    }

    double operator()(double x) const { return evaluate(context, x); }

private:
    Evaluate evaluate;
    const void* context;
};

// The pixels between a plot's area and the edges of its canvas.
struct PlotMargins {
    int left = 5, top = 5, right = 5, bottom = 5;
};

// One plot's mapping from world to pixels: its frame on a canvas of the
// window's outer size, with the original's margins of 5 pixels or those a
// fitted layout gives it.
class PlotMap {
public:
    static constexpr int MarginX = 5, MarginY = 5;

    PlotMap(const PlotFrame& frame, int width, int height, PlotMargins margins = {});

    const PlotFrame& Frame() const { return frame; }
    const PlotMargins& Margins() const { return margins; }
    const ScaleMap& X() const { return x; }
    const ScaleMap& Y() const { return y; }
    int CanvasWidth() const { return canvasWidth; }
    int CanvasHeight() const { return canvasHeight; }
    int PlotWidth() const { return canvasWidth - margins.left - margins.right; }
    int PlotHeight() const { return canvasHeight - margins.top - margins.bottom; }

    int WorldToPixelX(double wx) const { return x.Pixel(wx); }
    int WorldToPixelY(double wy) const { return y.Pixel(wy); }
    double PixelToWorldX(int px) const { return x.InvTransform(px); }

private:
    PlotFrame frame;
    int canvasWidth, canvasHeight;
    PlotMargins margins;
    ScaleMap x, y;
};

// Clears the window, draws the axes with their ticks and labels, then f over
// the frame's curve interval in red with one vertex per pixel column. Leaves
// the pen red. Nothing of a plot outlives the call. A label that would leave
// the visible part of the window is moved into it.
void PlotCurve(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f);
// The same with a reference drawn first, in grey on the same columns, so
// that the red curve lies over it.
void PlotCurve(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f, const PlotFunction& beneath);

// The pixel geometry PlotCurve gives a frame on the surface.
PlotMap MapOf(PlotSurface& w, const PlotFrame& frame);

// The x tick step for labels over xMin .. xMax on plotWidth pixels: about one
// tick per 70 pixels, fewer where the labels need more room.
double XTickStep(double xMin, double xMax, const XLabels& labels, int plotWidth, Canvas& canvas);

// A function window's frame fitted to its curve, in the fitted layout: x a
// little beyond the curve interval 0 .. 1, labelled by `labels`; y the range
// of the values PlotCurve would draw on this surface, with a margin, and never
// narrower than `leastSpan` (so that rounding noise stays a flat line); ticks
// of 1, 2 or 5 times a power of ten, as many as the window has room for.
// With a reference drawn beneath, the frame holds its values too.
PlotFrame FitFunctionFrame(PlotSurface& w, const XLabels& labels, const PlotFunction& f, double leastSpan,
                           const PlotFunction* beneath = nullptr);

// Fits the frame so and draws it, as PlotCurve would, each value of f
// computed once for both; the frame it drew.
PlotFrame PlotFittedCurve(PlotSurface& w, const XLabels& labels, const PlotFunction& f, double leastSpan);
