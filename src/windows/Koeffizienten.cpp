#include "windows/Koeffizienten.h"

#include "plot/ScaleMap.h"
#include "windows/PlotWindow.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr pen::Color Gray = 0x808080;
constexpr int LabelWidth = 44;
constexpr int Margin = 8;

}  // namespace

double StemX(int i, int j) { return (i + 0.5) * Pow2Inv[j]; }

TfrmKoeffizienten::TfrmKoeffizienten()
    : TForm(136, 170, 752, 400, "Koeffizienten", clWhite), pmnKoeffizienten(this)
{
    SetName("frmKoeffizienten");
    PopupMenu = &pmnKoeffizienten;
}

void TfrmKoeffizienten::ShowCoefficients(const Analysis& A, std::vector<char> keptDetails)
{
    analysis = &A;
    kept = std::move(keptDetails);
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
    double largest = 0.0;
    for (int i = 0; i <= LevelSize[A.MaxLevel]; ++i)
        largest = std::max(largest, std::fabs(A.Koeff[static_cast<std::size_t>(i)]));
    const double rowHeight = static_cast<double>(h - 2 * Margin) / rows;
    const int left = LabelWidth, right = w - Margin;
    // From -0.15: the smooth coefficient of shift -1 stands at -0.5 / 2^Level >= -0.125.
    const ScaleMap columns = ScaleMap::Forward(-0.15, 1.0, left, right - left);
    auto column = [&](double x) { return static_cast<int>(std::lround(columns.Transform(x))); };

    for (int row = 0; row < rows; ++row) {
        // Row 0 is the lowest: the smooth coefficients of Level.
        const int baseline = h - Margin - static_cast<int>(std::lround((row + 0.5) * rowHeight));
        const int reach = std::max(1, static_cast<int>(rowHeight / 2) - 2);
        const int j = A.Level + row - 1;
        c.SetPenColor(pen::Black);
        c.MoveTo(left, baseline);
        c.LineTo(right, baseline);
        c.TextOut(6, baseline - 7, row == 0 ? "G " + std::to_string(A.Level) : std::to_string(j));
        const int count = row == 0 ? LevelSize[A.Level] + 1 : LevelSize[j];
        const int first = row == 0 ? 0 : LevelSize[j] + 1;
        for (int i = 0; i < count; ++i) {
            const double v = A.Koeff[static_cast<std::size_t>(first + i)];
            const bool isKept = row == 0 || kept[static_cast<std::size_t>(first + i - LevelSize[A.Level] - 1)];
            // The smooth coefficient i belongs to the shift i - 1.
            const int x = column(row == 0 ? StemX(i - 1, A.Level) : StemX(i, j));
            const int top = baseline - (largest > 0.0 ? static_cast<int>(std::lround(v / largest * reach)) : 0);
            c.SetPenColor(isKept ? pen::Red : Gray);
            c.MoveTo(x, baseline);
            c.LineTo(x, top == baseline ? baseline - 1 : top);
        }
    }
}
