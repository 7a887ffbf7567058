#include "windows/PainterSurface.h"

#include <QFontInfo>

namespace {

QColor ToColor(pen::Color c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace

QFont ShownFont(const QFont& font)
{
    QFont shown = font;
    shown.setFamily(QFontInfo(font).family());
    return shown;
}

PainterPlotSurface::PainterPlotSurface(QPainter& painter, int width, int height, const QFont& font)
    : painter(painter), width(width), height(height), font(ShownFont(font)), metrics(this->font)
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
    painter.setPen(QPen(ToColor(pen), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    path = QPainterPath();
}

void PainterPlotSurface::Rectangle(int x1, int y1, int x2, int y2)
{
    FlushPath();
    if (x2 <= x1 || y2 <= y1)
        return;
    painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToColor(brush));
    if (pen == brush)
        return;
    painter.setPen(QPen(ToColor(pen), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void PainterPlotSurface::TextOut(int x, int y, const std::string& text)
{
    FlushPath();
    const QString s = QString::fromStdString(text);
    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), ToColor(brush));
    painter.setPen(ToColor(pen));
    painter.drawText(QPointF(x, y + metrics.ascent()), s);
}
