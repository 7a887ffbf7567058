#pragma once

#include "plot/AxisTicks.h"

// How a plot lays out its axes.
enum class AxesLayout {
    // The axes through world 0, each tick labelled beside it in "%g" (0 never).
    Original,
    // The axes along the plot's left and bottom edge, every tick labelled
    // outside the plot area with the digits its step needs; the curve stays
    // inside the plot area.
    Fitted,
};

// The ranges, tick spacings and curve interval of one plot.
struct PlotFrame {
    double XMin, XMax, YMin, YMax, XTick, YTick;
    double CurveStart, CurveEnd;
    AxesLayout Layout = AxesLayout::Original;
    // Fitted layout: what the x labels read (XTick is in their units), and
    // the pixels kept left of the plot for the y labels (at least what they
    // need): a frame fitted to its curve keeps the columns it was fitted on.
    XLabels XLabel{};
    int LabelGutter = 0;
};

// The function windows on the scale s = MaxAbsKoeff: `height` is 1.7 after a
// computation and 1.5 when a window repaints itself (the error window keeps 1.7).
PlotFrame FunctionFrame(double s, double height);

// The scaling-function windows at level L, zoomed to the support or on 0..1.
PlotFrame ScalingFrame(bool zoom, int L);

// The wavelet window at level L; w is WaveletKoeff[2].
PlotFrame WaveletFrame(bool zoom, int L, double w);

// A frame drawn in the fitted layout: its ranges, its ticks.
PlotFrame InFittedLayout(PlotFrame frame);
