#include "windows/PlotWindow.h"

#include "plot/PlotFrames.h"

TPlotWindow::TPlotWindow(const PlotWindowRow& row, PlotContext& context)
    : TForm(row.bounds.left, row.bounds.top, row.bounds.width, row.bounds.height, row.caption, clWhite),
      Row(row),
      pmnPlot(this),
      context(context)
{
    SetName(row.name);
    PopupMenu = &pmnPlot;
}

const Analysis* TPlotWindow::DrawnAnalysis() const
{
    return Row.compressed ? &context.session->Shown() : &context.session->State();
}

// Without reference samples the error window keeps its frame and axes and
// draws no curve.
PlotFrame TPlotWindow::CurveFrame(const PlotFrame& frame) const
{
    PlotFrame shown = frame;
    if (Row.reference && !context.session->HasReference())
        shown.CurveEnd = shown.CurveStart;
    return shown;
}

void TPlotWindow::PlotOn(PlotSurface& target, const PlotFrame& frame) const
{
    const PlotFunction f(Row.plotted, DrawnAnalysis());
    const std::vector<double>& clean = context.session->CleanSamples();
    if (!Row.clean || clean.empty()) {
        PlotCurve(target, CurveFrame(frame), f);
        return;
    }
    const Analysis& A = context.session->State();
    PlotCurve(target, CurveFrame(frame), f, [&](double x) { return ExpandPhi(A, x, A.MaxLevel, clean); });
}

void TPlotWindow::Draw(const PlotFrame& frame)
{
    PlotOn(surface, frame);
    Present();
    ++Draws;
    LastFrame = frame;
}

void TPlotWindow::DrawPicture(PlotSurface& target) const
{
    if (Draws > 0)
        PlotOn(target, LastFrame);
}

PlotFrame TPlotWindow::RedrawFrame() const
{
    const Analysis& A = context.session->State();
    switch (Row.frame) {
    case FrameKind::Scaling: return ScalingFrame(context.ZoomSkal(), A.Level);
    case FrameKind::Wavelet: return WaveletFrame(context.ZoomWavelet(), A.Level, A.WaveletKoeff[2]);
    case FrameKind::Function: break;
    }
    return FunctionFrame(A.MaxAbsKoeff, 1.7);
}

void TPlotWindow::DrawOwn(OwnDraw what)
{
    if (!context.PlotsReady)
        return;
    switch (what) {
    case OwnDraw::Nothing: break;
    case OwnDraw::BasisWindows: RedrawBasisWindows(context); break;
    case OwnDraw::OwnFrame: Draw(FunctionFrame(context.session->State().MaxAbsKoeff, Row.ownHeight)); break;
    }
}

namespace {

// A hidden window is left as it is: it draws when it is shown again.
void RedrawGroup(const PlotContext& context, bool basis)
{
    for (TPlotWindow* w : context.windows)
        if (w && w->isVisible() && (w->Row.frame != FrameKind::Function) == basis)
            w->Draw(w->RedrawFrame());
}

}  // namespace

void RedrawFunctionWindows(const PlotContext& context) { RedrawGroup(context, false); }

void RedrawBasisWindows(const PlotContext& context) { RedrawGroup(context, true); }
