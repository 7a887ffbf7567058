#pragma once

// The ranges, tick spacings and curve interval of one plot.
struct PlotFrame {
    double XMin, XMax, YMin, YMax, XTick, YTick;
    double CurveStart, CurveEnd;
};

// The function windows on the scale s = MaxAbsKoeff: `height` is 1.7 after a
// computation and 1.5 when a window repaints itself (the error window keeps 1.7).
PlotFrame FunctionFrame(double s, double height);

// The scaling-function windows at level L, zoomed to the support or on 0..1.
PlotFrame ScalingFrame(bool zoom, int L);

// The wavelet window at level L; w is WaveletKoeff[2].
PlotFrame WaveletFrame(bool zoom, int L, double w);
