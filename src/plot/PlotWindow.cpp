#include "plot/PlotWindow.h"

#include "analysis/AnalysisState.h"
#include "analysis/LevelMatrices.h"
#include "app/Haupt.h"
#include "app/PictureFileCommands.h"
#include "app/ProgramIcon.h"
#include "plot/Apprreq.h"
#include "plot/Error.h"
#include "plot/Fktdetail.h"
#include "plot/Fktglatt.h"
#include "plot/Funktion.h"
#include "plot/Skalierungsfunktion.h"
#include "plot/Wavelet.h"

std::array<PlotFunction, 9> PlotSlots{};

TPlotWindow::TPlotWindow(int left, int top, int width, int height, const std::string& caption, int slot)
    : TForm(left, top, width, height, caption, clWhite),
      pmnPlot(this),
      mniSavePicture(pmnPlot.AddItem("Bild speichern…", [this] { SavePlotPicture(*this); })),
      slot(slot)
{
    SetIcon(ProgramIcon());
    PopupMenu = &pmnPlot;
}

void TPlotWindow::Draw(const PlotFrame& frame)
{
    const PlotFunction f = PlotSlots[static_cast<std::size_t>(slot - 1)];
    if (!f)  // nothing is registered before start-up fills the slots
        return;
    ApplyFrame(frame);
    PlotCurve(*this, f);
    Present();
    ++Draws;
    LastFrame = frame;
}

void TPlotWindow::RedrawBasisWhenReady()
{
    if (State.PlotsReady)
        RedrawBasisWindows();
}

void TPlotWindow::DrawOwnFrameWhenReady(double height)
{
    if (State.PlotsReady)
        Draw(FunctionFrame(State.MaxAbsKoeff, height));
}

void RedrawFunctionWindows()
{
    const double s = State.MaxAbsKoeff;
    for (TPlotWindow* w : std::array<TPlotWindow*, 4>{frmGlaette, frmDetails, frmFunktion, frmError})
        if (w)
            w->Draw(FunctionFrame(s, 1.7));
}

void RedrawBasisWindows()
{
    const int L = State.Level;
    // The boxes are read anew for each window.
    if (frmSkalfunktion)
        frmSkalfunktion->Draw(ScalingFrame(frmHaupt->cbxSkal.Checked(), L));
    if (frmApprREQ)
        frmApprREQ->Draw(ScalingFrame(frmHaupt->cbxSkal.Checked(), L));
    if (frmWavelet)
        frmWavelet->Draw(WaveletFrame(frmHaupt->cbxWavelet.Checked(), L, WaveletKoeff[2]));
}
