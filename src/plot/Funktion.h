#pragma once

#include "plot/PlotWindow.h"

class TfrmFunktion : public TPlotWindow {
public:
    TfrmFunktion() : TPlotWindow(272, 372, 752, 198, "Die approximierte Funktion", 9) { SetName("frmFunktion"); }

protected:
    void FormPaint() override;
    void FormResize() override;
};

extern TfrmFunktion* frmFunktion;
