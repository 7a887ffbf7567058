#pragma once

#include "plot/PlotFrames.h"
#include "plot/PlotSurface.h"

#include <functional>

// The plotted function of x; whatever else it depends on, it carries itself.
using PlotFunction = std::function<double(double x)>;

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
