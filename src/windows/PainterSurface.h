#pragma once

#include "plot/PlotSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

// The plotter's surface over any QPainter (an SVG generator, a PDF writer):
// the same drawing as a window's canvas, in the window's pixel geometry, with
// lines as paths (a run of LineTo from one MoveTo is one path), texts as text
// in the font the screen shows, and the screen's colours.
class PainterPlotSurface : public PlotSurface, public Canvas {
public:
    // `visible`: what of it shows where another window covers a part; by
    // default all of it.
    PainterPlotSurface(QPainter& painter, int width, int height, const QFont& font, QSize visible = {});
    ~PainterPlotSurface() override { FlushPath(); }

    int Width() const override { return width; }
    int Height() const override { return height; }
    int VisibleWidth() const override { return visible.isValid() ? visible.width() : width; }
    int VisibleHeight() const override { return visible.isValid() ? visible.height() : height; }
    Canvas& GetCanvas() override { return *this; }

    void SetPenColor(pen::Color color) override;
    void SetBrushColor(pen::Color color) { brush = color; }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override { return metrics.horizontalAdvance(QString::fromStdString(text)); }
    int TextHeight() override { return metrics.height(); }

private:
    void FlushPath();

    QPainter& painter;
    int width;
    int height;
    QSize visible;
    QFont font;
    QFontMetrics metrics;
    pen::Color pen = pen::Black;
    pen::Color brush = pen::White;
    QPainterPath path;
    int penX = 0;
    int penY = 0;
};

// The family the screen shows for a font ("MS Sans Serif" is drawn in
// Liberation Sans): vector pictures name it, so that viewers find it.
QFont ShownFont(const QFont& font);
