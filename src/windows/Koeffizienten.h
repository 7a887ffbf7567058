#pragma once

#include "analysis/Analysis.h"
#include "plot/AxisTicks.h"
#include "plot/PlotSurface.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"

#include <vector>

// "Koeffizienten": the detail coefficients as stems, a row per level from
// Level (low) to MaxLevel - 1 (high), with the smooth coefficients of Level as
// the lowest row. Coefficient i of level j stands at x = (i + 0.5) / 2^j over
// an x axis labelled as the function windows' (times for a signal that has
// them). Each row is scaled to its own largest magnitude, written beside it
// ("±0.012"), or all rows to the largest of all ("ein Maßstab für alle"); the
// details that compression keeps are red, the others grey.
class TfrmKoeffizienten : public TForm {
public:
    TfrmKoeffizienten();

    // What the window shows from now on (the analysis must outlive it).
    void ShowCoefficients(const Analysis& A, std::vector<char> kept, XLabels labels);
    // "ein Maßstab für alle": every row on the largest magnitude of all.
    void SetOneScale(bool one);
    bool OneScale() const { return oneScale; }
    // Shows the window, centred on the screen the first time.
    void Open();

    // The stems onto a canvas of the client's size: the window's own picture,
    // or a vector picture of it.
    void DrawOn(Canvas& canvas, int width, int height) const;

    int Draws = 0;
    TPopupMenu pmnKoeffizienten;
    QAction* mniSavePicture = nullptr;
    QAction* mniSaveCsv = nullptr;

protected:
    void FormPaint() override { Draw(); }
    void FormResize() override { Draw(); }

private:
    void Draw();

    const Analysis* analysis = nullptr;
    std::vector<char> kept;
    XLabels labels;
    bool oneScale = false;
    bool opened = false;
};
