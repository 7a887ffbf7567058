#pragma once

#include "plot/PlotWindow.h"

class TfrmGlaette : public TPlotWindow {
public:
    TfrmGlaette() : TPlotWindow(272, -1, 751, 203, "Die Glätteanteile der Funktion", 1) { SetName("frmGlaette"); }

protected:
    void FormPaint() override;
    void FormResize() override;
};

extern TfrmGlaette* frmGlaette;
