#pragma once

#include "plot/PlotFrames.h"
#include "plot/PlotSurface.h"

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

// One plot's mapping from world to pixels: its frame on a canvas of the
// window's outer size, with the margins of 5 pixels (as a scale map of Qwt).
struct PlotMap {
    PlotMap(const PlotFrame& frame, int width, int height);

    PlotFrame frame;
    int MarginX = 5, MarginY = 5;
    int CanvasWidth, CanvasHeight;
    int PlotWidth, PlotHeight;

    int WorldToPixelX(double x) const;
    int WorldToPixelY(double y) const;
    double PixelToWorldX(int px) const;
};

// Clears the window, draws the axes with their ticks and labels, then f over
// the frame's curve interval in red with one vertex per pixel column. Leaves
// the pen red. Nothing of a plot outlives the call.
void PlotCurve(PlotSurface& w, const PlotFrame& frame, const PlotFunction& f);

// Pixel values are clamped to +-PixelLimit before they become ints, so huge,
// infinite or NaN values (NaN counts as +PixelLimit) draw a line that leaves
// the window instead of an undefined conversion.
inline constexpr int PixelLimit = 1 << 20;
