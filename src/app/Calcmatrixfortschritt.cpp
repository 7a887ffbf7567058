#include "app/Calcmatrixfortschritt.h"

#include "toolkit/Language.h"

#include <string>

TfrmCalcInfo::TfrmCalcInfo()
    : TForm(293, 340, 461, 144, Tr("Fortschritt", "Fortschritt"), clBtnFace), proMatrix(this, {32, 62, 385, 27}, 0, 100)
{
    SetName("frmCalcInfo");
}

void TfrmCalcInfo::ShowProgressText(const char* line1, const char* line2)
{
    Lines = {line1, line2};
    TCanvas& canvas = FormCanvas();
    canvas.Rectangle(8, 8, 400, 30);
    canvas.TextOut(10, 13, line1);
    canvas.Rectangle(8, 38, 400, 60);
    canvas.TextOut(10, 43, line2);
    Present();
}

void ProgressDisplay::Begin(int maximum)
{
    window.proMatrix.SetPosition(0);
    window.proMatrix.SetMax(maximum);
    window.Show();
}

void ProgressDisplay::Computing(int j, int maxLevel, LevelMatrixKind kind)
{
    const std::string caption =
        Fill(Tr("Fortschritt", "Berechne Level %1 von %2"), {std::to_string(j), std::to_string(maxLevel)});
    const std::string matrix = kind == LevelMatrixKind::P ? Tr("Fortschritt", "Matrix P") : Tr("Fortschritt", "Matrix P...Q...");
    window.ShowProgressText(caption.c_str(), matrix.c_str());
}

void ProgressDisplay::Advance() { window.proMatrix.StepIt(); }

void ProgressDisplay::End() { window.Hide(); }
