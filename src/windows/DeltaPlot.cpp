#include "windows/DeltaPlot.h"

#include "analysis/DeltaSweep.h"
#include "toolkit/Application.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

TDeltaPlot::TDeltaPlot()
{
    setMinimumHeight(120);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(QStringLiteral("Klick: dieses Delta einstellen und „Go!“"));
}

void TDeltaPlot::SetRows(const std::vector<std::optional<ErrorNumbers>>& newRows)
{
    rows = newRows;
    update();
}

void TDeltaPlot::SetByMaxError(bool value)
{
    byMaxError = value;
    update();
}

void TDeltaPlot::SetMarker(double aktDelta)
{
    marker = aktDelta;
    cursor = static_cast<int>(std::lround(aktDelta * 100.0));
    update();
}

QRect TDeltaPlot::PlotArea() const { return rect().adjusted(34, 6, -6, -16); }

ScaleMap TDeltaPlot::DeltaScale() const
{
    const QRect area = PlotArea();
    return ScaleMap::Forward(0.0, 1.0, area.left(), std::max(1, area.width()));
}

int TDeltaPlot::PositionAt(int x) const
{
    return std::clamp(static_cast<int>(std::lround(DeltaScale().InvTransform(x) * 100.0)), 0, 100);
}

void TDeltaPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRect area = PlotArea();
    double largest = 0.0;
    for (const auto& row : rows)
        if (row)
            largest = std::max(largest, ErrorMeasure(*row, byMaxError));
    const ScaleMap deltaScale = DeltaScale();
    const ScaleMap errorScale = ScaleMap::Flipped(0.0, largest > 0.0 ? largest : 1.0, 0.0, area.height(), area.bottom());
    auto x = [&](double delta) { return deltaScale.Transform(delta); };
    auto y = [&](double e) { return errorScale.Transform(e); };

    p.setPen(Qt::black);
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    for (const double d : {0.0, 0.5, 1.0})
        p.drawText(QPointF(x(d) - 6, area.bottom() + 12), QString::number(d));
    p.drawText(QPointF(2, area.top() + 8), QString::number(largest, 'g', 2));
    p.drawText(QPointF(2, area.bottom()), QStringLiteral("0"));

    // The curve through the rows done, in the order of Delta.
    p.setPen(QPen(Qt::red, 1.5));
    QPointF last;
    bool any = false;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (!rows[static_cast<std::size_t>(i)])
            continue;
        const QPointF point(x(SweepDelta(i)), y(ErrorMeasure(*rows[static_cast<std::size_t>(i)], byMaxError)));
        if (any)
            p.drawLine(last, point);
        else
            p.drawPoint(point);
        last = point;
        any = true;
    }
    // aktDelta, and the keyboard's choice when the plot has the focus.
    p.setPen(QPen(Qt::blue, 1, Qt::DashLine));
    p.drawLine(QPointF(x(marker), area.top()), QPointF(x(marker), area.bottom()));
    if (hasFocus()) {
        p.setPen(QPen(Qt::darkGreen, 1, Qt::DotLine));
        p.drawLine(QPointF(x(SweepDelta(cursor)), area.top()), QPointF(x(SweepDelta(cursor)), area.bottom()));
    }
}

void TDeltaPlot::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !OnDeltaChosen)
        return;
    const int position = PositionAt(static_cast<int>(event->position().x()));
    Dispatch([this, position] { OnDeltaChosen(position); });
}

void TDeltaPlot::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: cursor = std::max(0, cursor - 1); break;
    case Qt::Key_Right: cursor = std::min(100, cursor + 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (OnDeltaChosen)
            Dispatch([this] { OnDeltaChosen(cursor); });
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    update();
}
