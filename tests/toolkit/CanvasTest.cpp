#include "toolkit/Form.h"


#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Black = qRgb(0, 0, 0);

QRgb At(const TForm& form, int x, int y) { return form.Picture().pixel(x, y); }

TEST(Canvas, RectangleOutlineFillAndExclusiveEdges)
{
    TForm form(0, 0, 100, 80, "canvas", clWhite);
    TCanvas& c = form.FormCanvas();
    c.SetPenColor(clRed);
    c.SetBrushColor(0xFF0000);  // blue as 0x00BBGGRR
    c.Rectangle(10, 20, 30, 40);
    form.Present();
    EXPECT_EQ(At(form, 10, 20), Red);  // outline corners
    EXPECT_EQ(At(form, 29, 39), Red);
    EXPECT_EQ(At(form, 29, 25), Red);
    EXPECT_EQ(At(form, 15, 25), Blue);  // inside
    EXPECT_EQ(At(form, 30, 25), White);  // right edge excluded
    EXPECT_EQ(At(form, 15, 40), White);  // bottom edge excluded
    EXPECT_EQ(At(form, 9, 20), White);
}

TEST(Canvas, LineToLeavesOutTheEndPixelAndJoins)
{
    TForm form(0, 0, 100, 80, "canvas", clWhite);
    TCanvas& c = form.FormCanvas();
    c.SetPenColor(clRed);
    c.MoveTo(10, 10);
    c.LineTo(20, 10);
    EXPECT_EQ(At(form, 10, 10), Red);
    EXPECT_EQ(At(form, 19, 10), Red);
    EXPECT_EQ(At(form, 20, 10), White);
    // The next segment starts where the last one stopped: no gap.
    c.LineTo(20, 20);
    EXPECT_EQ(At(form, 20, 10), Red);
    EXPECT_EQ(At(form, 20, 19), Red);
    EXPECT_EQ(At(form, 20, 20), White);
    // A diagonal covers one pixel per column.
    c.MoveTo(40, 40);
    c.LineTo(50, 50);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(At(form, 40 + i, 40 + i), Red) << i;
    EXPECT_EQ(At(form, 50, 50), White);
}

// The old toolkit's line, written out by hand for the first octant and the
// steep one beside it: a half-way minor offset stays on the start's side.
struct Segment {
    int dx, dy;
    std::vector<std::pair<int, int>> pixels;
};
const Segment Slopes[] = {
    {3, 0, {{0, 0}, {1, 0}, {2, 0}}},                                  // slope 0
    {4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},                          // 1/2
    {3, 3, {{0, 0}, {1, 1}, {2, 2}}},                                  // 1
    {2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},                          // 2
    {1, 3, {{0, 0}, {0, 1}, {1, 2}}},                                  // 3
    {1, 10, {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {1, 6}, {1, 7}, {1, 8}, {1, 9}}},  // 10
};

TEST(Canvas, LinesAreTheOldToolkitsInEveryOctant)
{
    // Mirroring keeps the start, so each octant's pixels are the mirrored list.
    for (const Segment& segment : Slopes) {
        for (const int sx : {1, -1}) {
            for (const int sy : {1, -1}) {
                TForm form(0, 0, 40, 40, "canvas", clWhite);
                TCanvas& c = form.FormCanvas();
                c.SetPenColor(clRed);
                c.MoveTo(20, 20);
                c.LineTo(20 + sx * segment.dx, 20 + sy * segment.dy);
                std::set<std::pair<int, int>> expected, drawn;
                for (const auto& [x, y] : segment.pixels)
                    expected.insert({20 + sx * x, 20 + sy * y});
                const QImage& picture = form.Picture();
                for (int y = 0; y < 40; ++y)
                    for (int x = 0; x < 40; ++x)
                        if (picture.pixel(x, y) == Red)
                            drawn.insert({x, y});
                EXPECT_EQ(drawn, expected) << segment.dx * sx << ", " << segment.dy * sy;
            }
        }
    }
}

TEST(Canvas, LinesFarOutsideThePictureAreCut)
{
    TForm form(0, 0, 40, 30, "canvas", clWhite);
    TCanvas& c = form.FormCanvas();
    c.SetPenColor(clRed);
    c.MoveTo(10, -(1 << 20));
    c.LineTo(11, 1 << 20);  // a million rows, one column: only the picture's rows are visited
    c.MoveTo(-5, 5);
    c.LineTo(45, 5);
    EXPECT_EQ(At(form, 10, 0), Red);
    EXPECT_EQ(At(form, 11, 29), Red);
    EXPECT_EQ(At(form, 0, 5), Red);
    EXPECT_EQ(At(form, 39, 5), Red);
}

// Lines are collected and drawn together: the picture must still show every
// operation in the order the program made it.
TEST(Canvas, CollectedLinesKeepTheOrderOfDrawing)
{
    TForm form(0, 0, 100, 80, "canvas", clWhite);
    TCanvas& c = form.FormCanvas();
    c.SetPenColor(clRed);
    c.MoveTo(10, 10);
    c.LineTo(30, 10);
    c.SetPenColor(clBlack);  // a later colour over the same pixels
    c.MoveTo(20, 5);
    c.LineTo(20, 15);
    EXPECT_EQ(At(form, 20, 10), Black);
    EXPECT_EQ(At(form, 25, 10), Red);

    c.MoveTo(40, 40);
    c.LineTo(60, 40);
    c.SetBrushColor(0xFF0000);
    c.Rectangle(45, 35, 55, 45);  // covers the middle of the line drawn before it
    c.SetPenColor(clRed);
    c.MoveTo(50, 30);
    c.LineTo(50, 50);  // and is crossed by the one after it
    EXPECT_EQ(At(form, 42, 40), Black);
    EXPECT_EQ(At(form, 47, 40), Blue);
    EXPECT_EQ(At(form, 50, 40), Red);

    // A picture kept past a resize holds the lines too.
    c.MoveTo(5, 70);
    c.LineTo(15, 70);
    form.Show();
    form.resize(120, 90);
    ASSERT_GT(form.Picture().width(), 100);
    EXPECT_EQ(At(form, 10, 70), Red);
}

TEST(Canvas, TextOutAtItsTopLeftOnTheBrushColour)
{
    TForm form(0, 0, 120, 60, "canvas", clWhite);
    TCanvas& c = form.FormCanvas();
    c.SetBrushColor(0x00FF00);  // green background
    c.SetPenColor(clBlack);
    c.TextOut(10, 20, "0.5");
    const QImage& img = form.Picture();
    int top = img.height(), left = img.width(), dark = 0;
    bool greenAtCorner = img.pixel(10, 20) == qRgb(0, 255, 0);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != White) {
                top = std::min(top, y);
                left = std::min(left, x);
                if (qGray(img.pixel(x, y)) < 100)
                    ++dark;
            }
    EXPECT_TRUE(greenAtCorner);
    EXPECT_EQ(top, 20);
    EXPECT_EQ(left, 10);
    EXPECT_GT(dark, 5);  // some glyph pixels
}

// The background under a text is as wide as the text advances, also when the
// text is drawn again from the canvas's store of laid-out texts.
TEST(Canvas, TextBackgroundSpansTheAdvance)
{
    TForm form(0, 0, 200, 40, "canvas", clWhite);
    TCanvas& c = form.FormCanvas();
    const QFontMetrics metrics(form.font());
    for (const char* text : {"0.5", "-1.7", "0.499882", "1e-05", "-0.000123457", "Berechne P_8"}) {
        for (int again = 0; again < 2; ++again) {
            c.SetBrushColor(clWhite);
            c.Rectangle(0, 0, 200, 40);
            c.SetBrushColor(0x00FF00);
            c.TextOut(10, 10, text);
            const QImage& img = form.Picture();
            int right = 0;
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, 10) == qRgb(0, 255, 0))
                    right = x;
            EXPECT_EQ(right, 10 + metrics.horizontalAdvance(QString::fromUtf8(text)) - 1) << text;
        }
    }
}

}  // namespace
