#pragma once

#include "plot/PlotWindow.h"

class TfrmApprREQ : public TPlotWindow {
public:
    TfrmApprREQ() : TPlotWindow(0, 373, 272, 169, "Approximierte  Sk.-Fkt.", 5) { SetName("frmApprREQ"); }

protected:
    void FormPaint() override;
    void FormResize() override;
};

extern TfrmApprREQ* frmApprREQ;
