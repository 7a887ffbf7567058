#pragma once

#include "plot/PlotWindow.h"

class TfrmSkalfunktion : public TPlotWindow {
public:
    TfrmSkalfunktion() : TPlotWindow(0, 202, 272, 171, "Skalierungsfunktion", 3) { SetName("frmSkalfunktion"); }

protected:
    void FormPaint() override;
    void FormResize() override;
};

extern TfrmSkalfunktion* frmSkalfunktion;
