#include "plot/Plotter.h"

#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <optional>

namespace {

std::vector<double> calls;

double Recorded(double x)
{
    calls.push_back(x);
    return std::sin(6.28 * x);
}

double Constant(double) { return 0.5; }
double Huge(double x) { return x < 0.5 ? 1e300 : -1e300; }
double Infinite(double x) { return x < 0.5 ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity(); }
double NotANumber(double) { return std::nan(""); }

// Each test builds its frame step by step, as the windows once did, plots it,
// and then reads the pixel mapping of that plot.
class PlotShim : public testing::Test {
protected:
    PlotFrame frame{0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0};
    std::optional<PlotMap> map;

    void SetPlotRange(double XMin, double XMax, double YMin, double YMax, double XTick, double YTick)
    {
        frame.XMin = XMin, frame.XMax = XMax, frame.YMin = YMin, frame.YMax = YMax;
        frame.XTick = XTick, frame.YTick = YTick;
    }
    void SetCurveRange(double CurveStart, double CurveEnd)
    {
        frame.CurveStart = CurveStart, frame.CurveEnd = CurveEnd;
    }
    void PlotCurve(RecordingSurface& s, const PlotFunction& f)
    {
        ::PlotCurve(s, frame, f);
        map.emplace(frame, s.width, s.height);
    }
    int WorldToPixelX(double x) const { return map->WorldToPixelX(x); }
    int WorldToPixelY(double y) const { return map->WorldToPixelY(y); }
    double PixelToWorldX(int px) const { return map->PixelToWorldX(px); }

    RecordingSurface PlotExample()
    {
        RecordingSurface s(752, 171);
        SetPlotRange(-0.1, 1.2, -1.7, 1.7, 0.2, 0.5);
        SetCurveRange(0.0, 1.0);
        calls.clear();
        PlotCurve(s, Recorded);
        return s;
    }
};

class Plotter : public PlotShim {};
class PlotterDegenerate : public PlotShim {};

// The tick marks: each a MoveTo and a LineTo from +-2 pixels around the axis.
std::vector<std::pair<int, int>> Ticks(const RecordingSurface& s, bool vertical)
{
    std::vector<std::pair<int, int>> ticks;
    for (std::size_t i = 0; i + 1 < s.ops.size(); ++i) {
        const auto& m = s.ops[i];
        const auto& l = s.ops[i + 1];
        if (m.kind != "move" || l.kind != "line")
            continue;
        if (vertical && m.x == l.x && l.y - m.y == 4)
            ticks.emplace_back(m.x, m.y + 2);
        if (!vertical && m.y == l.y && l.x - m.x == 4)
            ticks.emplace_back(m.x + 2, m.y);
    }
    return ticks;
}

TEST_F(Plotter, WorkedExampleFrameAndAxes)
{
    const RecordingSurface s = PlotExample();
    EXPECT_EQ(map->PlotWidth(), 742);
    EXPECT_EQ(map->PlotHeight(), 161);
    ASSERT_GE(s.ops.size(), 6u);
    EXPECT_EQ(s.ops[0].kind, "pen");
    EXPECT_EQ(s.ops[0].color, pen::White);
    EXPECT_EQ(s.ops[1].kind, "rect");
    EXPECT_EQ(s.ops[1].x2, 752);
    EXPECT_EQ(s.ops[1].y2, 171);
    EXPECT_EQ(s.ops[2].color, pen::Black);
    // x axis on row 85 from column 5 to 747.
    EXPECT_EQ(s.ops[3].kind, "move");
    EXPECT_EQ(s.ops[3].x, 5);
    EXPECT_EQ(s.ops[3].y, 85);
    EXPECT_EQ(s.ops[4].x, 747);
    EXPECT_EQ(s.ops[4].y, 85);
    // y axis on column 62 from row 5 to 166.
    bool yAxis = false;
    for (std::size_t i = 0; i + 1 < s.ops.size(); ++i)
        if (s.ops[i].kind == "move" && s.ops[i].x == 62 && s.ops[i].y == 5 && s.ops[i + 1].x == 62
            && s.ops[i + 1].y == 166)
            yAxis = true;
    EXPECT_TRUE(yAxis);
    EXPECT_EQ(WorldToPixelY(0.0), 85);
    EXPECT_EQ(WorldToPixelX(0.0), 62);
}

TEST_F(Plotter, WorkedExampleTicksAndLabels)
{
    const RecordingSurface s = PlotExample();
    const auto xTicks = Ticks(s, true);
    // Both halves start at 0, so the tick at 0 is drawn twice.
    const std::vector<std::pair<int, int>> expectedX = {
        {62, 85}, {62, 85}, {176, 85}, {290, 85}, {404, 85}, {518, 85}, {632, 85}};
    EXPECT_EQ(xTicks, expectedX);  // no tick at 1.2: 1.2 / 0.2 is just below 6

    const auto yTicks = Ticks(s, false);
    // Negative half first (0, -0.5, -1, -1.5), then the positive one.
    const std::vector<std::pair<int, int>> expectedY = {
        {62, 85}, {62, 109}, {62, 132}, {62, 156}, {62, 85}, {62, 61}, {62, 38}, {62, 14}};
    EXPECT_EQ(yTicks, expectedY);

    // Labels below the x axis (row 85 + 15) and right of the y axis (column 62 + 5).
    std::map<std::string, std::pair<int, int>> xLabels, yLabels;
    for (const auto& t : s.OfKind("text"))
        (t.y == 100 ? xLabels : yLabels)[t.text] = {t.x, t.y};
    EXPECT_EQ(xLabels.size(), 5u);  // 0.2 .. 1; none at 0 and none at 1.2
    EXPECT_EQ(xLabels["0.2"], std::make_pair(171, 100));
    EXPECT_EQ(xLabels["1"], std::make_pair(627, 100));
    EXPECT_EQ(xLabels.count("1.2"), 0u);
    EXPECT_EQ(yLabels.size(), 6u);
    EXPECT_EQ(yLabels["-1.5"], std::make_pair(67, 153));
    EXPECT_EQ(yLabels["-0.5"], std::make_pair(67, 106));  // ASCII minus, as "%g" writes it
    EXPECT_EQ(yLabels["1.5"], std::make_pair(67, 11));
    EXPECT_EQ(yLabels.count("0"), 0u);
}

TEST_F(Plotter, WorkedExampleCurve)
{
    const RecordingSurface s = PlotExample();
    ASSERT_EQ(calls.size(), 571u);
    EXPECT_EQ(calls[0], 0.0);
    EXPECT_EQ(calls[1], PixelToWorldX(62));
    EXPECT_NEAR(calls[1], -0.000135, 1e-6);
    EXPECT_EQ(calls.back(), PixelToWorldX(631));
    // The curve: pen red, a MoveTo at column 62, then one LineTo per column.
    std::size_t red = 0;
    for (std::size_t i = 0; i < s.ops.size(); ++i)
        if (s.ops[i].kind == "pen" && s.ops[i].color == pen::Red)
            red = i;
    ASSERT_GT(red, 0u);
    EXPECT_EQ(s.ops.size() - red, 1u + 1u + 570u);
    EXPECT_EQ(s.ops[red + 1].kind, "move");
    EXPECT_EQ(s.ops[red + 1].x, 62);
    EXPECT_EQ(s.ops[red + 1].y, WorldToPixelY(std::sin(0.0)));
    EXPECT_EQ(s.ops[red + 2].x, 62);
    EXPECT_EQ(s.ops.back().x, 631);
    EXPECT_EQ(s.ops.back().kind, "line");
    // The pen stays red; nothing but pen, lines, rectangle and text was used.
    EXPECT_EQ(s.OfKind("pen").back().color, pen::Red);
    EXPECT_EQ(s.OfKind("rect").size(), 1u);
}

TEST_F(Plotter, AReferenceGoesBeneathTheCurveInGrey)
{
    const RecordingSurface alone = PlotExample();
    RecordingSurface s(752, 171);
    ::PlotCurve(s, frame, Recorded, Constant);
    // The same operations as without it, with the grey curve on the same
    // columns just before the red one.
    std::size_t grey = 0;
    while (grey < s.ops.size() && !(s.ops[grey].kind == "pen" && s.ops[grey].color == pen::Reference))
        ++grey;
    const std::size_t red = alone.ops.size() - (1u + 1u + 570u);
    ASSERT_EQ(grey, red);
    ASSERT_EQ(s.ops.size(), alone.ops.size() + 572u);
    for (std::size_t i = 0; i < 572u; ++i) {
        EXPECT_EQ(s.ops[grey + i].x, alone.ops[red + i].x);
        EXPECT_EQ(s.ops[grey + i].kind, alone.ops[red + i].kind);
        if (i > 0) {
            EXPECT_EQ(s.ops[grey + i].y, WorldToPixelY(0.5));
        }
    }
    for (std::size_t i = 0; i < alone.ops.size(); ++i) {
        const std::size_t j = i < red ? i : i + 572u;
        EXPECT_EQ(s.ops[j].kind, alone.ops[i].kind);
        EXPECT_EQ(s.ops[j].y, alone.ops[i].y);
    }
}

TEST_F(Plotter, OneSidedTickRange)
{
    RecordingSurface s(300, 200);
    SetPlotRange(-0.1, 1.2, 0.25, 1.0, 0.2, 0.25);
    SetCurveRange(0.0, 1.0);
    PlotCurve(s, Constant);
    std::vector<std::string> labels;
    for (const auto& t : s.OfKind("text"))
        if (t.x == WorldToPixelX(0.0) + 5)
            labels.push_back(t.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"0.5", "0.75", "1"}));
    // No tick on the negative y half: three horizontal tick marks only.
    EXPECT_EQ(Ticks(s, false).size(), 3u);
}

TEST_F(Plotter, NegativeOnlyXRangeTicksBeyondItsNearEnd)
{
    RecordingSurface s(300, 200);
    SetPlotRange(-1.0, -0.3, -1.0, 1.0, 0.25, 0.5);
    SetCurveRange(-0.9, -0.4);
    PlotCurve(s, Constant);
    std::vector<std::string> labels;
    for (const auto& t : s.OfKind("text"))
        if (t.y == WorldToPixelY(0.0) + 15)
            labels.push_back(t.text);
    // first = trunc(1 - (-0.3)/0.25) = 2, last = 4.
    EXPECT_EQ(labels, (std::vector<std::string>{"-0.5", "-0.75", "-1"}));
}

TEST_F(Plotter, EmptyCurveIntervalCallsOnceAndDrawsNoLine)
{
    RecordingSurface s(752, 171);
    SetPlotRange(-0.1, 1.2, -1.7, 1.7, 0.2, 0.5);
    SetCurveRange(0.5, 0.5);
    calls.clear();
    PlotCurve(s, Recorded);
    EXPECT_EQ(calls, (std::vector<double>{0.5}));
    EXPECT_EQ(s.ops.back().kind, "move");
    SetCurveRange(0.8, 0.2);
    calls.clear();
    PlotCurve(s, Recorded);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(Plotter, InvertedYRangeHasNoYTicks)
{
    RecordingSurface s(300, 200);
    SetPlotRange(-0.1, 1.2, 1.0, -1.0, 0.2, 0.5);
    SetCurveRange(0.0, 1.0);
    PlotCurve(s, Constant);
    EXPECT_TRUE(Ticks(s, false).empty());
    // Upside down: 0.5 lies below the x axis.
    EXPECT_GT(WorldToPixelY(0.5), WorldToPixelY(0.0));
}

// --- degenerate frames: defined pictures, bounded work ---

TEST_F(PlotterDegenerate, EmptyRangesLeaveTheWindowBlank)
{
    for (int axis = 0; axis < 2; ++axis) {
        RecordingSurface s(300, 200);
        if (axis == 0)
            SetPlotRange(0.5, 0.5, -1.0, 1.0, 0.2, 0.5);
        else
            SetPlotRange(-0.1, 1.2, 0.0, 0.0, 0.2, 0.0);
        SetCurveRange(0.0, 1.0);
        calls.clear();
        PlotCurve(s, Recorded);
        EXPECT_TRUE(calls.empty());
        ASSERT_EQ(s.ops.size(), 3u);
        EXPECT_EQ(s.ops[1].kind, "rect");
        EXPECT_EQ(s.ops.back().color, pen::Red);
    }
    RecordingSurface s(300, 200);
    SetPlotRange(-0.1, std::nan(""), -1.0, 1.0, 0.2, 0.5);
    PlotCurve(s, Recorded);
    EXPECT_EQ(s.ops.size(), 3u);
}

TEST_F(PlotterDegenerate, TickSpacingZeroNegativeOrTiny)
{
    for (double tick : {0.0, -0.2, std::nan("")}) {
        RecordingSurface s(300, 200);
        SetPlotRange(-0.1, 1.2, -1.7, 1.7, tick, tick);
        SetCurveRange(0.0, 1.0);
        PlotCurve(s, Constant);
        EXPECT_TRUE(Ticks(s, true).empty());
        EXPECT_TRUE(Ticks(s, false).empty());
        EXPECT_TRUE(s.OfKind("text").empty());
    }
    // A spacing that would make billions of ticks draws at most one per pixel.
    RecordingSurface s(300, 200);
    SetPlotRange(-0.1, 1.2, -1.7, 1.7, 1e-12, 1e-12);
    SetCurveRange(0.0, 1.0);
    PlotCurve(s, Constant);
    EXPECT_LE(Ticks(s, true).size(), 2u * (290 + 1));
    EXPECT_LE(Ticks(s, false).size(), 2u * (190 + 1));
}

TEST_F(PlotterDegenerate, WindowNoLargerThanItsMargins)
{
    for (int size : {10, 5, 0}) {
        RecordingSurface s(size, size);
        SetPlotRange(-0.1, 1.2, -1.7, 1.7, 0.2, 0.5);
        SetCurveRange(0.0, 1.0);
        calls.clear();
        PlotCurve(s, Recorded);
        EXPECT_LE(calls.size(), 20u);
        EXPECT_LE(s.ops.size(), 100u);
    }
}

TEST_F(PlotterDegenerate, HugeInfiniteAndNaNValuesAreClamped)
{
    for (double (*f)(double) : {Huge, Infinite, NotANumber}) {
        RecordingSurface s(752, 171);
        SetPlotRange(-0.1, 1.2, -1.7, 1.7, 0.2, 0.5);
        SetCurveRange(0.0, 1.0);
        PlotCurve(s, f);
        for (const auto& op : s.ops) {
            EXPECT_LE(std::abs(op.y), PixelLimit);
            EXPECT_LE(std::abs(op.x), PixelLimit);
        }
    }
    EXPECT_EQ(WorldToPixelY(1e300), -PixelLimit);
    EXPECT_EQ(WorldToPixelY(-1e300), PixelLimit);
    EXPECT_EQ(WorldToPixelY(std::nan("")), PixelLimit);
}

TEST_F(PlotterDegenerate, CurveFarBeyondTheWindowIsSampledOnlyWhereVisible)
{
    RecordingSurface s(752, 171);
    SetPlotRange(-0.1, 1.2, -1.7, 1.7, 0.2, 0.5);
    SetCurveRange(-1e12, 1e12);
    calls.clear();
    PlotCurve(s, Recorded);
    EXPECT_LE(calls.size(), 752u + 3u);
    EXPECT_EQ(calls[0], -1e12);
}

}  // namespace
