#pragma once

#include "plot/PlotWindow.h"

class TfrmWavelet : public TPlotWindow {
public:
    TfrmWavelet() : TPlotWindow(0, 542, 272, 198, "Wavelet", 4) { SetName("frmWavelet"); }

protected:
    void FormPaint() override;
    void FormResize() override;
};

extern TfrmWavelet* frmWavelet;
