#include "windows/PainterSurface.h"

#include "toolkit/Form.h"

#include <QFontInfo>

QFont ShownFont(const QFont& font)
{
    QFont shown = font;
    shown.setFamily(QFontInfo(font).family());
    return shown;
}

PainterPlotSurface::PainterPlotSurface(QPainter& painter, int width, int height, const QFont& font, QSize visible)
    : painter(painter), width(width), height(height), visible(visible), font(ShownFont(font)), metrics(this->font)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(this->font);
}

void PainterPlotSurface::SetPenColor(pen::Color color)
{
    FlushPath();
    pen = color;
}

void PainterPlotSurface::MoveTo(int x, int y)
{
    FlushPath();
    penX = x;
    penY = y;
}

void PainterPlotSurface::LineTo(int x, int y)
{
    if (path.isEmpty())
        path.moveTo(penX, penY);
    path.lineTo(x, y);
    penX = x;
    penY = y;
}

void PainterPlotSurface::FlushPath()
{
    if (path.isEmpty())
        return;
    painter.setPen(QPen(ToQColor(pen), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    path = QPainterPath();
}

void PainterPlotSurface::Rectangle(int x1, int y1, int x2, int y2)
{
    FlushPath();
    if (x2 <= x1 || y2 <= y1)
        return;
    // An outline in the fill's colour would only thicken the area's border.
    PaintRectangle(painter, x1, y1, x2, y2, ToQColor(brush), pen != brush ? ToQColor(pen) : QColor());
}

void PainterPlotSurface::TextOut(int x, int y, const std::string& text)
{
    FlushPath();
    const QString s = QString::fromStdString(text);
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), ToQColor(brush));
    painter.setPen(ToQColor(pen));
    painter.drawText(QPointF(x, y + metrics.ascent()), s);
}
