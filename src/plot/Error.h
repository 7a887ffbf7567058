#pragma once

#include "plot/PlotWindow.h"

class TfrmError : public TPlotWindow {
public:
    TfrmError() : TPlotWindow(272, 570, 752, 170, "Fehler zwischen Funktion und Approximation", 8) { SetName("frmError"); }

protected:
    void FormPaint() override;
    void FormResize() override;
};

extern TfrmError* frmError;
