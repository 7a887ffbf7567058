#pragma once

#include "analysis/DeltaSweep.h"
#include "analysis/Numbers.h"
#include "plot/ScaleMap.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <utility>
#include <optional>
#include <vector>

// A measure of the comparison (the distance to the samples, or the denoised
// function's distance from the clean samples) against Delta = 0 .. 1 in 101
// points, the rows done so far as a curve, a marker at aktDelta. The vertical scale runs from
// the least value to twice the spread of the lower nine tenths above it, so
// that the curve fills the plot; a value above is drawn at the top edge with
// a small triangle. Hovering shows a Delta and its value; a click on the
// curve (or the arrow keys and Return) takes that Delta.
class TDeltaPlot : public QWidget {
public:
    TDeltaPlot();

    void SetRows(const std::vector<std::optional<ErrorNumbers>>& rows);
    void SetMeasure(SweepMeasure measure);
    void SetMarker(double aktDelta);

    const std::vector<std::optional<ErrorNumbers>>& Rows() const { return rows; }
    SweepMeasure Measure() const { return measure; }
    // The position of Delta (0 .. 100) under the horizontal pixel x.
    int PositionAt(int x) const;
    // The measure's range the plot shows: the least value and the top edge.
    std::pair<double, double> ShownRange() const;
    // Where the texts go, each with its box: the scale's two ends left of the
    // plot area, the Deltas 0, 0.5 and 1 under it. The curve stays in the area.
    struct Text {
        QRect box;
        QString text;
    };
    std::vector<Text> Texts() const;
    QRect PlotArea() const;

    std::function<void(int position)> OnDeltaChosen;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QFont LabelFont() const;
    // Delta 0 .. 1 across the plot area.
    ScaleMap DeltaScale() const;

    std::vector<std::optional<ErrorNumbers>> rows;
    SweepMeasure measure = SweepMeasure::DistanceRms;
    double marker = 0.4;
    int cursor = 40;  // the keyboard's choice
};
