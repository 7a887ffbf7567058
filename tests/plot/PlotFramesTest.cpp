#include "plot/PlotFrames.h"

#include "analysis/Tables.h"

#include <gtest/gtest.h>

namespace {

TEST(PlotFrames, FunctionWindowsScaleWithMaxAbsKoeff)
{
    const PlotFrame redraw = FunctionFrame(2.0, 1.7);
    EXPECT_EQ(redraw.YMin, -3.4);
    EXPECT_EQ(redraw.YMax, 3.4);
    EXPECT_EQ(redraw.YTick, 1.0);
    EXPECT_EQ(redraw.XMin, -0.1);
    EXPECT_EQ(redraw.XMax, 1.2);
    EXPECT_EQ(redraw.XTick, 0.2);
    EXPECT_EQ(redraw.CurveStart, 0.0);
    EXPECT_EQ(redraw.CurveEnd, 1.0);
    const double s = 0.3;
    EXPECT_EQ(FunctionFrame(s, 1.5).YMax, 1.5 * s);
    EXPECT_EQ(FunctionFrame(s, 1.7).YMin, -1.7 * s);
}

TEST(PlotFrames, ZoomedFramesAtLevelsSevenAndTwo)
{
    const PlotFrame skal7 = ScalingFrame(true, 7);
    EXPECT_EQ(skal7.XMin, -0.00234375);
    EXPECT_EQ(skal7.XMax, 0.01953125);
    EXPECT_EQ(skal7.XTick, 0.015625);
    EXPECT_EQ(skal7.CurveEnd, 0.015625);
    EXPECT_EQ(skal7.YMin, -1.0);
    EXPECT_EQ(skal7.YMax, 1.5);
    const PlotFrame wav7 = WaveletFrame(true, 7, 0.8);
    EXPECT_EQ(wav7.XMin, -0.001171875);
    EXPECT_EQ(wav7.XMax, 0.02734375);
    EXPECT_EQ(wav7.XTick, 0.015625);
    EXPECT_EQ(wav7.CurveEnd, 0.0234375);
    EXPECT_EQ(wav7.YMax, 1.5 * 0.8);
    EXPECT_EQ(wav7.YTick, 0.5 * 0.8);

    const PlotFrame skal2 = ScalingFrame(true, 2);
    EXPECT_EQ(skal2.XMin, -0.075);
    EXPECT_EQ(skal2.XMax, 0.625);
    EXPECT_EQ(skal2.XTick, 0.5);
    EXPECT_EQ(skal2.CurveEnd, 0.5);
    const PlotFrame wav2 = WaveletFrame(true, 2, 1.0);
    EXPECT_EQ(wav2.XMin, -0.0375);
    EXPECT_EQ(wav2.XMax, 0.875);
    EXPECT_EQ(wav2.XTick, 0.5);
    EXPECT_EQ(wav2.CurveEnd, 0.75);
}

TEST(PlotFrames, UnzoomedFrames)
{
    const PlotFrame skal = ScalingFrame(false, 5);
    EXPECT_EQ(skal.XMin, -0.1);
    EXPECT_EQ(skal.XMax, 1.2);
    EXPECT_EQ(skal.XTick, 0.5);
    EXPECT_EQ(skal.CurveEnd, 1.0);
    const PlotFrame wav = WaveletFrame(false, 5, 0.8);
    EXPECT_EQ(wav.YMin, -(0.8 + 1.0));
    EXPECT_EQ(wav.YMax, 1.8);
    EXPECT_EQ(wav.XTick, 1.0);
    EXPECT_EQ(wav.CurveStart, 0.0);
    EXPECT_EQ(wav.CurveEnd, 1.2);
}

TEST(PlotFrames, EmptyVerticalRangesAreDrawnOnMinusOneToOne)
{
    for (const PlotFrame& f : {FunctionFrame(0.0, 1.7), FunctionFrame(0.0, 1.5),
                               WaveletFrame(true, 4, 0.0), WaveletFrame(false, 4, -1.0)}) {
        EXPECT_EQ(f.YMin, -1.0);
        EXPECT_EQ(f.YMax, 1.0);
        EXPECT_EQ(f.YTick, 0.5);
    }
    // A negative w keeps its inverted zoomed range: that is what it computes.
    const PlotFrame inverted = WaveletFrame(true, 4, -0.5);
    EXPECT_GT(inverted.YMin, inverted.YMax);
}


}  // namespace
