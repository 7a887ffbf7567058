#include "windows/DeltaPlot.h"

#include "analysis/DeltaSweep.h"
#include "toolkit/Application.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

TDeltaPlot::TDeltaPlot()
{
    setMinimumHeight(120);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void TDeltaPlot::SetRows(const std::vector<std::optional<ErrorNumbers>>& newRows)
{
    rows = newRows;
    update();
}

void TDeltaPlot::SetMeasure(SweepMeasure value)
{
    measure = value;
    update();
}

void TDeltaPlot::SetMarker(double aktDelta)
{
    marker = aktDelta;
    cursor = static_cast<int>(std::lround(aktDelta * 100.0));
    update();
}

QFont TDeltaPlot::LabelFont() const
{
    QFont small = font();
    small.setPixelSize(9);
    return small;
}

namespace {

QString ScaleEnd(double v) { return QString::number(v, 'g', 2); }

}  // namespace

// Left of the area the wider of the scale's two labels, below it a line of
// the Deltas' labels, and half a line above it for the top label.
QRect TDeltaPlot::PlotArea() const
{
    const QFontMetrics metrics(LabelFont());
    const auto [least, top] = ShownRange();
    const int labels = std::max(metrics.horizontalAdvance(ScaleEnd(top)), metrics.horizontalAdvance(ScaleEnd(least)));
    return rect().adjusted(labels + 8, metrics.height() / 2 + 2, -8, -(metrics.height() + 5));
}

std::vector<TDeltaPlot::Text> TDeltaPlot::Texts() const
{
    const QFontMetrics metrics(LabelFont());
    const QRect area = PlotArea();
    const auto [least, top] = ShownRange();
    const ScaleMap deltaScale = DeltaScale();
    const int h = metrics.height();
    std::vector<Text> texts;
    // The scale's ends right-aligned beside the axis, each centred on its edge.
    for (const auto& [value, row] : {std::pair{top, area.top()}, std::pair{least, area.bottom()}}) {
        const QString text = ScaleEnd(value);
        const int w = metrics.horizontalAdvance(text);
        texts.push_back({QRect(area.left() - 5 - w, row - h / 2, w, h), text});
    }
    for (const double d : {0.0, 0.5, 1.0}) {
        const QString text = QString::number(d);
        const int w = metrics.horizontalAdvance(text);
        const int x = static_cast<int>(std::lround(deltaScale.Transform(d)));
        texts.push_back({QRect(x - w / 2, area.bottom() + 4, w, h), text});
    }
    return texts;
}

ScaleMap TDeltaPlot::DeltaScale() const
{
    const QRect area = PlotArea();
    return ScaleMap::Forward(0.0, 1.0, area.left(), std::max(1, area.width()));
}

int TDeltaPlot::PositionAt(int x) const
{
    return std::clamp(static_cast<int>(std::lround(DeltaScale().InvTransform(x) * 100.0)), 0, 100);
}

std::pair<double, double> TDeltaPlot::ShownRange() const
{
    std::vector<double> values;
    for (const auto& row : rows)
        if (row && std::isfinite(ErrorMeasure(*row, measure)))
            values.push_back(ErrorMeasure(*row, measure));
    if (values.empty())
        return {0.0, 1.0};
    std::sort(values.begin(), values.end());
    const double least = values.front();
    const double ninth = values[(values.size() - 1) * 9 / 10];
    // One spike (Delta 0 of a smooth signal, say) must not flatten the rest.
    double top = std::min(values.back(), least + 2.0 * (ninth - least));
    // All equal (every Delta rebuilds the samples exactly, at MaxLevel): a flat
    // line on a scale of at least 1, not a scale of 1e-300.
    if (!(top > least))
        top = values.back() > least ? values.back() : least + std::max(1.0, std::fabs(least));
    return {least, top};
}

void TDeltaPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRect area = PlotArea();
    const auto [least, top] = ShownRange();
    const ScaleMap deltaScale = DeltaScale();
    const ScaleMap measureScale = ScaleMap::Flipped(least, top, 0.0, area.height(), area.bottom());
    auto x = [&](double delta) { return deltaScale.Transform(delta); };
    auto y = [&](double e) { return std::max<double>(area.top(), measureScale.Transform(e)); };

    p.setPen(Qt::black);
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.setFont(LabelFont());
    for (const Text& t : Texts())
        p.drawText(t.box, Qt::AlignCenter, t.text);

    // The curve through the rows done, in the order of Delta; a value above
    // the top edge gets a small triangle there.
    p.setPen(QPen(Qt::red, 1.5));
    QPointF last;
    bool any = false;
    std::vector<QPointF> clipped;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const auto& row = rows[static_cast<std::size_t>(i)];
        if (!row || !std::isfinite(ErrorMeasure(*row, measure)))
            continue;
        const double e = ErrorMeasure(*row, measure);
        const QPointF point(x(SweepDelta(i)), y(e));
        if (e > top)
            clipped.push_back(point);
        if (any)
            p.drawLine(last, point);
        else
            p.drawPoint(point);
        last = point;
        any = true;
    }
    // Each triangle kept inside the area, clear of the labels beside it.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    for (QPointF c : clipped) {
        c.setX(std::clamp<double>(c.x(), area.left() + 3, area.right() - 3));
        p.drawPolygon(QPolygonF({c + QPointF(-3, 4), c + QPointF(3, 4), c + QPointF(0, 0)}));
    }
    // aktDelta, and the keyboard's choice when the plot has the focus.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::blue, 1, Qt::DashLine));
    p.drawLine(QPointF(x(marker), area.top()), QPointF(x(marker), area.bottom()));
    if (hasFocus()) {
        p.setPen(QPen(Qt::darkGreen, 1, Qt::DotLine));
        p.drawLine(QPointF(x(SweepDelta(cursor)), area.top()), QPointF(x(SweepDelta(cursor)), area.bottom()));
        // A frame says where the arrow keys go.
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TDeltaPlot::mouseMoveEvent(QMouseEvent* event)
{
    const int position = PositionAt(static_cast<int>(event->position().x()));
    const auto& row = rows.empty() ? std::nullopt : rows[static_cast<std::size_t>(position)];
    char delta[32], value[32];
    std::snprintf(delta, sizeof delta, "%g", SweepDelta(position));
    std::string text;
    if (row && std::isfinite(ErrorMeasure(*row, measure))) {
        std::snprintf(value, sizeof value, "%.4g", ErrorMeasure(*row, measure));
        text = Fill(Tr("DeltaPlot", "Delta %1: %2\nKlick: dieses Delta übernehmen"), {delta, value});
    } else {
        text = Fill(row ? Tr("DeltaPlot", "Delta %1: —") : Tr("DeltaPlot", "Delta %1: …"), {delta});
    }
    QToolTip::showText(event->globalPosition().toPoint(), QString::fromStdString(text), this);
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
