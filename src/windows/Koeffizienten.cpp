#include "windows/Koeffizienten.h"

#include "analysis/CoefficientTable.h"
#include "plot/Plotter.h"
#include "plot/ScaleMap.h"
#include "windows/PlotWindow.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

namespace {

constexpr pen::Color Gray = 0x808080;
constexpr int Margin = 8;
constexpr int TickLength = 4;
constexpr int LabelGap = 3;

// Row 0 is the smooth coefficients of Level, row r > 0 the details of level
// Level + r - 1: where they begin in Koeff, and how many.
struct CoefficientRow {
    int first, count;
    int stemLevel;  // the level whose positions StemX gives
    int shift;      // added to the index for StemX: the smooth coefficient i is of shift i - 1
    std::string name;
};

CoefficientRow RowOf(const Analysis& A, int row)
{
    if (row == 0)
        return {0, LevelSize[A.Level] + 1, A.Level, -1, Fill(Tr("Koeffizienten", "G %1"), {std::to_string(A.Level)})};
    const int j = A.Level + row - 1;
    return {LevelSize[j] + 1, LevelSize[j], j, 0, std::to_string(j)};
}

double LargestMagnitude(const Analysis& A, int first, int count)
{
    double largest = 0.0;
    for (int i = first; i < first + count; ++i)
        largest = std::max(largest, std::fabs(A.Koeff[static_cast<std::size_t>(i)]));
    return largest;
}

// The x axis under the rows: ticks over the samples' range 0 .. 1, labels
// centred below them where they do not crowd the one before.
void DrawXAxis(Canvas& c, const ScaleMap& columns, const XLabels& labels, int row, int left, int right, int width)
{
    c.SetPenColor(pen::Black);
    c.MoveTo(left, row);
    c.LineTo(right + 1, row);
    const double step = XTickStep(0.0, 1.0, labels, right - left, c);
    int freeFrom = INT_MIN / 2;
    for (const AxisTick& tick : XAxisTicks(0.0, 1.0, labels, step, static_cast<std::size_t>(width) + 1)) {
        const int x = static_cast<int>(std::lround(columns.Transform(tick.at)));
        c.MoveTo(x, row + 1);
        c.LineTo(x, row + TickLength + 1);
        const int w = c.TextWidth(tick.label);
        const int at = std::clamp(x - w / 2, 0, std::max(0, width - w));
        if (at >= freeFrom) {
            c.TextOut(at, row + TickLength + LabelGap, tick.label);
            freeFrom = at + w + 8;
        }
    }
}

}  // namespace

TfrmKoeffizienten::TfrmKoeffizienten()
    : TForm(136, 170, 752, 400, Tr("Koeffizienten", "Koeffizienten"), clWhite), pmnKoeffizienten(this)
{
    SetName("frmKoeffizienten");
    PopupMenu = &pmnKoeffizienten;
}

void TfrmKoeffizienten::ShowCoefficients(const Analysis& A, std::vector<char> keptDetails, XLabels xLabels)
{
    analysis = &A;
    kept = std::move(keptDetails);
    labels = xLabels;
    if (isVisible())
        Draw();
}

void TfrmKoeffizienten::SetOneScale(bool one)
{
    oneScale = one;
    if (isVisible())
        Draw();
}

void TfrmKoeffizienten::Open()
{
    if (!opened) {
        opened = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.left() + (area.width() - Width()) / 2, area.top() + (area.height() - Height()) / 2);
        }
    }
    Show();
    raise();
    Draw();
}

void TfrmKoeffizienten::Draw()
{
    FormPlotSurface surface(*this);
    DrawOn(surface, width(), height());
    Present();
    ++Draws;
}

void TfrmKoeffizienten::DrawOn(Canvas& c, int w, int h) const
{
    c.SetPenColor(pen::White);
    c.Rectangle(0, 0, w, h);
    if (!analysis)
        return;
    const Analysis& A = *analysis;
    const int rows = A.MaxLevel - A.Level + 1;  // the smooth row, then a row per detail level
    std::vector<CoefficientRow> layout;
    std::vector<double> scales;
    int nameWidth = 0, scaleWidth = 0;
    for (int row = 0; row < rows; ++row) {
        layout.push_back(RowOf(A, row));
        scales.push_back(LargestMagnitude(A, layout.back().first, layout.back().count));
    }
    if (oneScale)
        std::fill(scales.begin(), scales.end(), *std::max_element(scales.begin(), scales.end()));
    for (int row = 0; row < rows; ++row) {
        nameWidth = std::max(nameWidth, c.TextWidth(layout[static_cast<std::size_t>(row)].name));
        scaleWidth = std::max(scaleWidth, c.TextWidth("±" + MagnitudeLabel(scales[static_cast<std::size_t>(row)])));
    }
    const int th = c.TextHeight();
    const int left = 6 + nameWidth + 8 + scaleWidth + 6, right = w - Margin;
    const int axisRow = h - Margin - TickLength - LabelGap - th;
    const double rowHeight = static_cast<double>(axisRow - 4 - Margin) / rows;
    // From -0.15: the smooth coefficient of shift -1 stands at -0.5 / 2^Level >= -0.125.
    const ScaleMap columns = ScaleMap::Forward(-0.15, 1.0, left, right - left);
    DrawXAxis(c, columns, labels, axisRow, left, right, w);

    int freeAbove = INT_MAX;
    for (int row = 0; row < rows; ++row) {
        const CoefficientRow& r = layout[static_cast<std::size_t>(row)];
        const double scale = scales[static_cast<std::size_t>(row)];
        // Row 0 is the lowest.
        const int baseline = axisRow - 4 - static_cast<int>(std::lround((row + 0.5) * rowHeight));
        const int reach = std::max(1, static_cast<int>(rowHeight / 2) - 2);
        const ScaleMap heights = ScaleMap::Flipped(-scale, scale, 0.0, 2.0 * reach, baseline + reach);
        c.SetPenColor(pen::Black);
        c.MoveTo(left, baseline);
        c.LineTo(right, baseline);
        // Names and scales from the bottom up, where a row has room for them.
        if (const int top = baseline - th / 2; top + th < freeAbove && top >= 0) {
            const std::string magnitude = "±" + MagnitudeLabel(scale);
            c.TextOut(6, top, r.name);
            c.TextOut(left - 6 - c.TextWidth(magnitude), top, magnitude);
            freeAbove = top;
        }
        for (int i = 0; i < r.count; ++i) {
            const double v = A.Koeff[static_cast<std::size_t>(r.first + i)];
            const bool isKept = row == 0 || kept[static_cast<std::size_t>(r.first + i - LevelSize[A.Level] - 1)];
            const int x = static_cast<int>(std::lround(columns.Transform(StemX(i + r.shift, r.stemLevel))));
            const int top = scale > 0.0 ? static_cast<int>(std::lround(heights.Transform(v))) : baseline;
            c.SetPenColor(isKept ? pen::Red : Gray);
            c.MoveTo(x, baseline);
            c.LineTo(x, top == baseline ? baseline - 1 : top);
        }
    }
}
