#include "app/Calcmatrixfortschritt.h"

#include "analysis/LevelMatrices.h"
#include "plot/PlotWindow.h"

TfrmCalcInfo* frmCalcInfo = nullptr;

TfrmCalcInfo::TfrmCalcInfo()
    : TForm(293, 340, 461, 144, "Fortschritt", clBtnFace), proMatrix(this, {32, 62, 385, 27}, 0, 100)
{
    SetName("frmCalcInfo");
}

void ShowProgressText(const char* line1, const char* line2)
{
    frmCalcInfo->Lines = {line1, line2};
    TCanvas& canvas = frmCalcInfo->FormCanvas();
    canvas.Rectangle(8, 8, 400, 30);
    canvas.TextOut(10, 13, line1);
    canvas.Rectangle(8, 38, 400, 60);
    canvas.TextOut(10, 43, line2);
    frmCalcInfo->Present();
}

namespace {

// Shows the computation's progress on frmCalcInfo as it happens.
class ProgressDisplay : public LevelMatrixObserver {
public:
    void Begin(int maximum) override
    {
        frmCalcInfo->proMatrix.SetPosition(0);
        frmCalcInfo->proMatrix.SetMax(maximum);
        frmCalcInfo->Show();
    }
    void ShowText(const char* line1, const char* line2) override { ShowProgressText(line1, line2); }
    void Advance() override { frmCalcInfo->proMatrix.StepIt(); }
    void End() override { frmCalcInfo->Hide(); }
};

}  // namespace

void ComputeLevelMatrices()
{
    ProgressDisplay display;
    FillLevelMatrices(display);
    RedrawFunctionWindows();
}
