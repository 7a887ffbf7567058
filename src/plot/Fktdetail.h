#pragma once

#include "plot/PlotWindow.h"

class TfrmDetails : public TPlotWindow {
public:
    TfrmDetails() : TPlotWindow(272, 202, 752, 171, "Die Details der Funktion", 2) { SetName("frmDetails"); }

protected:
    void FormPaint() override;
    void FormResize() override;
};

extern TfrmDetails* frmDetails;
