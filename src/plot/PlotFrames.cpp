#include "plot/PlotFrames.h"

#include "analysis/Tables.h"

namespace {

// A vertical range that the scale has made empty (all coefficients 0, a wavelet
// coefficient w of 0, or -1 unzoomed) would leave the window blank; it is drawn
// on -1..1 instead, so the flat curve shows on the x axis between visible ticks.
PlotFrame WithUsableHeight(PlotFrame frame)
{
    if (frame.YMin == frame.YMax) {
        frame.YMin = -1.0;
        frame.YMax = 1.0;
        frame.YTick = 0.5;
    }
    return frame;
}

}  // namespace

PlotFrame FunctionFrame(double s, double height)
{
    return WithUsableHeight({-0.1, 1.2, -height * s, height * s, 0.2, 0.5 * s, 0.0, 1.0});
}

PlotFrame ScalingFrame(bool zoom, int L)
{
    if (!zoom)
        return {-0.1, 1.2, -1.0, 1.5, 0.5, 0.5, 0.0, 1.0};
    const double p = Pow2[L];
    return {-0.3 / p, 2.5 / p, -1.0, 1.5, 2.0 / p, 0.5, 0.0, 2.0 / p};
}

PlotFrame WaveletFrame(bool zoom, int L, double w)
{
    if (!zoom)
        return WithUsableHeight({-0.1, 1.2, -(w + 1.0), w + 1.0, 1.0, 0.5, 0.0, 1.2});
    const double p = Pow2[L + 1];
    return WithUsableHeight({-0.3 / p, 7.0 / p, -1.5 * w, 1.5 * w, 2.0 / Pow2[L], 0.5 * w, 0.0, 6.0 / p});
}

PlotFrame InFittedLayout(PlotFrame frame)
{
    frame.Layout = AxesLayout::Fitted;
    return frame;
}
