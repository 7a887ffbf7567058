#include "windows/PlotWindow.h"

#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Black = qRgb(0, 0, 0);

QRgb At(const TForm& form, int x, int y) { return form.Picture().pixel(x, y); }

double Wave(double x) { return std::sin(6.28 * x); }

TEST(FormPlotSurface, PlotCurveOnAFormMatchesTheRecordedVertices)
{
    TForm form(0, 0, 752, 171, "plot", clWhite);
    FormPlotSurface surface(form);
    const PlotFrame frame{-0.1, 1.2, -1.7, 1.7, 0.2, 0.5, 0.0, 1.0};
    PlotCurve(surface, frame, Wave);
    form.Present();
    RecordingSurface recorded(752, 171);
    PlotCurve(recorded, frame, Wave);

    // The curve's vertices (each segment's start) are red in the picture.
    const auto& ops = recorded.ops;
    std::size_t red = 0;
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (ops[i].kind == "pen" && ops[i].color == pen::Red)
            red = i;
    int checked = 0;
    for (std::size_t i = red + 1; i + 1 < ops.size(); ++i) {
        EXPECT_EQ(At(form, ops[i].x, ops[i].y), Red) << ops[i].x << "," << ops[i].y;
        ++checked;
    }
    EXPECT_EQ(checked, 570);
    // The x axis in black where the curve is away from it.
    EXPECT_EQ(At(form, 700, 85), Black);
    EXPECT_EQ(At(form, 62, 10), Black);  // the y axis
}

}  // namespace
