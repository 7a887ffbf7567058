#pragma once

#include "plot/PlotSurface.h"

// A plotted function reads whatever else it needs from the analysis state.
using PlotFunction = double (*)(double x);

// The one set of plot parameters that every window sets before it draws.
struct PlotState {
    double XMin = 0.0, XMax = 0.0;
    double YMin = 0.0, YMax = 0.0;
    double XTick = 0.0, YTick = 0.0;
    double CurveStart = 0.0, CurveEnd = 1.0;
    int MarginX = 5, MarginY = 5;
    int CanvasWidth = 0, CanvasHeight = 0;
    int PlotWidth = 0, PlotHeight = 0;
};

extern PlotState Plot;

void SetPlotRange(double XMin, double XMax, double YMin, double YMax, double XTick, double YTick);
void SetCurveRange(double CurveStart, double CurveEnd);

// Clears the window, draws the axes with their ticks and labels, then f in red
// with one vertex per pixel column. Leaves the pen red.
void PlotCurve(PlotSurface& w, PlotFunction f);

int WorldToPixelX(double x);
int WorldToPixelY(double y);
double PixelToWorldX(int px);

// Pixel values are clamped to +-PixelLimit before they become ints, so huge,
// infinite or NaN values (NaN counts as +PixelLimit) draw a line that leaves
// the window instead of an undefined conversion.
inline constexpr int PixelLimit = 1 << 20;
