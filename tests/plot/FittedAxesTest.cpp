#include "plot/AxisTicks.h"
#include "plot/PlotFrames.h"
#include "plot/Plotter.h"

#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(NiceTicks, StepsOfOneTwoOrFiveTimesAPowerOfTen)
{
    EXPECT_EQ(NiceStep(1.04, 10), 0.2);   // 0.104 per tick rounds up to 0.2
    EXPECT_EQ(NiceStep(1.0, 10), 0.1);    // exactly 0.1 stays
    EXPECT_EQ(NiceStep(299.52, 10), 50.0);
    EXPECT_EQ(NiceStep(108.0, 6), 20.0);
    EXPECT_EQ(NiceStep(3e-9, 3), 1e-9);
    EXPECT_EQ(NiceStep(7.0, 0), 10.0);    // fewer than one tick asked: one part
    // Nothing to divide, or a span that the division takes below the doubles.
    for (const double span : {0.0, -1.0, std::numeric_limits<double>::infinity(), std::nan(""),
                              std::numeric_limits<double>::denorm_min()})
        EXPECT_TRUE(std::isnan(NiceStep(span, 5))) << span;
}

TEST(NiceTicks, MultiplesWithinTheRangeEndsIncluded)
{
    EXPECT_EQ(TicksIn(1694.24, 1993.76, 50.0, 100), (std::vector<double>{1700, 1750, 1800, 1850, 1900, 1950}));
    const std::vector<double> unit = TicksIn(0.0, 1.0, 0.2, 100);
    ASSERT_EQ(unit.size(), 6u);  // 1.0 / 0.2 is a hair below 5: the end still counts
    EXPECT_NEAR(unit.back(), 1.0, 1e-15);
    EXPECT_EQ(TicksIn(-0.31, 0.2, 0.1, 100).front(), -0.30000000000000004);
    EXPECT_TRUE(TicksIn(0.0, 1.0, 0.0, 100).empty());
    EXPECT_TRUE(TicksIn(1.0, 0.0, 0.1, 100).empty());
    EXPECT_TRUE(TicksIn(0.0, 1.0, 1e-12, 1000).empty());  // more than the limit: none
    EXPECT_TRUE(TicksIn(1e300, 1e300, 1e-300, 10).empty());
}

TEST(NiceTicks, LabelsCarryTheDigitsTheStepNeeds)
{
    EXPECT_EQ(TickLabel(1750.0, 50.0), "1750");
    EXPECT_EQ(TickLabel(2000000.0, 1e6), "2000000");
    EXPECT_EQ(TickLabel(150.5, 0.5), "150.5");
    EXPECT_EQ(TickLabel(151.0, 0.5), "151");
    EXPECT_EQ(TickLabel(3 * 0.1, 0.1), "0.3");
    EXPECT_EQ(TickLabel(-0.4, 0.2), "-0.4");
    EXPECT_EQ(TickLabel(1e-17, 0.1), "0");
    EXPECT_EQ(TickLabel(3e-9, 1e-9), "3e-09");
    // Steps that are no decimal fraction: a ten-thousandth of the step decides.
    EXPECT_EQ(TickLabel(0.015625, 0.015625), "0.015625");
    EXPECT_EQ(TickLabel(0.00048828125, 0.00048828125), "0.0004883");
    EXPECT_EQ(MagnitudeLabel(0.0123), "0.012");
    EXPECT_EQ(MagnitudeLabel(178.447265625), "178");
    EXPECT_EQ(MagnitudeLabel(1.2345e-5), "1.2e-05");
}

TEST(NiceTicks, TimesStandWhereTheirShareOfTheRangeIs)
{
    const std::vector<AxisTick> ticks = XAxisTicks(-0.02, 1.02, {1700.0, 1988.0}, 50.0, 100);
    ASSERT_EQ(ticks.size(), 6u);
    EXPECT_EQ(ticks[0].label, "1700");
    EXPECT_EQ(ticks[0].at, 0.0);
    EXPECT_EQ(ticks[5].label, "1950");
    EXPECT_EQ(ticks[5].at, 250.0 / 288.0);
    // Times that span nothing fall back to x itself.
    EXPECT_EQ(XAxisTicks(0.0, 1.0, {5.0, 5.0}, 0.5, 100).back().label, "1");
}

// A fitted plot on a recording surface: its frame and its labels.
struct FittedPlot {
    RecordingSurface s{752, 171};
    PlotFrame frame;

    FittedPlot(const XLabels& labels, const PlotFunction& f, double leastSpan = 1e-6)
        : frame(FitFunctionFrame(s, labels, f, leastSpan))
    {
        PlotCurve(s, frame, f);
    }
    std::vector<std::string> Labels() const
    {
        std::vector<std::string> out;
        for (const auto& t : s.OfKind("text"))
            out.push_back(t.text);
        return out;
    }
};

// Every operation but pen colours, one line each.
std::string Drawing(const RecordingSurface& s)
{
    std::string text;
    for (const auto& op : s.ops)
        text += op.kind + " " + std::to_string(op.x) + " " + std::to_string(op.y) + " " + op.text + "\n";
    return text;
}

double Wiggles(double x) { return 150.0 + 0.8 * std::sin(40.0 * x) + 0.3 * std::sin(7.0 * x); }

TEST(FittedAxes, AnOffsetSignalIsFramedAroundItsRange)
{
    FittedPlot plot({}, Wiggles);
    const PlotMap map = MapOf(plot.s, plot.frame);
    // The range of the values drawn, as the curve reaches them, plus 6 % each side.
    double low = 1e9, high = -1e9;
    for (int px = map.WorldToPixelX(0.0); px < map.WorldToPixelX(1.0); ++px) {
        low = std::min(low, Wiggles(std::max(0.0, map.PixelToWorldX(px))));
        high = std::max(high, Wiggles(std::max(0.0, map.PixelToWorldX(px))));
    }
    EXPECT_LT(low, 149.0);
    EXPECT_GT(high, 151.0);
    EXPECT_DOUBLE_EQ(plot.frame.YMin, low - 0.06 * (high - low));
    EXPECT_DOUBLE_EQ(plot.frame.YMax, high + 0.06 * (high - low));
    EXPECT_EQ(plot.frame.YTick, 0.5);
    EXPECT_EQ(plot.frame.XTick, 0.2);
    EXPECT_EQ(plot.Labels(), (std::vector<std::string>{"149", "149.5", "150", "150.5", "151", "0", "0.2", "0.4", "0.6",
                                                       "0.8", "1"}));
    // Fitting and drawing at once gives that very picture, each value computed once.
    RecordingSurface once(752, 171);
    int calls = 0;
    const auto counted = [&calls](double x) { return ++calls, Wiggles(x); };
    const PlotFrame frame = PlotFittedCurve(once, {}, counted, 1e-6);
    EXPECT_EQ(frame.YMin, plot.frame.YMin);
    EXPECT_EQ(frame.LabelGutter, plot.frame.LabelGutter);
    EXPECT_EQ(Drawing(once), Drawing(plot.s));
    EXPECT_LT(calls, 1.2 * static_cast<double>(once.OfKind("line").size()));
}

TEST(FittedAxes, RoundingNoiseStaysAFlatLineAndNoNumberIsSafe)
{
    const FittedPlot noise({}, [](double x) { return 1e-15 * std::sin(50.0 * x); }, 1e-6);
    EXPECT_NEAR(noise.frame.YMax - noise.frame.YMin, 1.12e-6, 1e-9);
    EXPECT_EQ(noise.Labels().front(), "-4e-07");
    const FittedPlot nothing({}, [](double) { return std::nan(""); });
    EXPECT_TRUE(std::isfinite(nothing.frame.YMin) && std::isfinite(nothing.frame.YMax));
    EXPECT_LT(nothing.frame.YMin, nothing.frame.YMax);
}

TEST(OriginalAxes, ALabelTheRightEdgeWouldCutMovesIntoTheWindow)
{
    // The zoomed scaling function at level 12: the label of 2 / 4096 reaches
    // past the window's right edge at column 215.
    RecordingSurface s(272, 171);
    PlotCurve(s, ScalingFrame(true, 12), [](double) { return 0.0; });
    bool found = false;
    for (const auto& t : s.OfKind("text"))
        if (t.text == "0.000488281") {
            found = true;
            EXPECT_EQ(t.x, 272 - 6 * 11);
            EXPECT_EQ(t.y, MapOf(s, ScalingFrame(true, 12)).WorldToPixelY(0.0) + 15);
        }
    EXPECT_TRUE(found);
}

}  // namespace
