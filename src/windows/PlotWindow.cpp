#include "windows/PlotWindow.h"

#include "plot/PlotFrames.h"

#include <cmath>

TPlotWindow::TPlotWindow(const PlotWindowRow& row, PlotContext& context)
    : TForm(row.bounds.left, row.bounds.top, row.bounds.width, row.bounds.height, Tr("Plotfenster", row.caption), clWhite),
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

bool TPlotWindow::DrawsClean() const { return Row.clean && !context.session->CleanSamples().empty(); }

// The clean samples' function, made from this window (which outlives a plot).
PlotFunction TPlotWindow::CleanCurve() const
{
    return PlotFunction(
        [](const void* window, double x) {
            const AnalysisSession& session = *static_cast<const TPlotWindow*>(window)->context.session;
            return ExpandPhi(session.State(), x, session.State().MaxLevel, session.CleanSamples());
        },
        this);
}

void TPlotWindow::PlotOn(PlotSurface& target, const PlotFrame& frame) const
{
    const PlotFunction f(Row.plotted, DrawnAnalysis());
    if (!DrawsClean())
        PlotCurve(target, CurveFrame(frame), f);
    else
        PlotCurve(target, CurveFrame(frame), f, CleanCurve());
}

void TPlotWindow::Draw(const PlotFrame& frame)
{
    PlotOn(surface, frame);
    Shown(frame);
}

void TPlotWindow::Shown(const PlotFrame& frame)
{
    Present();
    ++Draws;
    LastFrame = frame;
}

void TPlotWindow::Redraw()
{
    if (Row.frame == FrameKind::Function)
        DrawFunctionWindow(1.7);
    else
        Draw(RedrawFrame());
}

void TPlotWindow::DrawPicture(PlotSurface& target) const
{
    if (Draws > 0)
        PlotOn(target, LastFrame);
}

XLabels XLabelsOf(const Signal& signal)
{
    return signal.times.value_or(XLabels{});
}

PlotFrame TPlotWindow::RedrawFrame()
{
    const Analysis& A = context.session->State();
    const bool fitted = context.session->Axes() == AxesChoice::Fitted;
    switch (Row.frame) {
    case FrameKind::Scaling: {
        const PlotFrame frame = ScalingFrame(context.ZoomSkal(), A.Level);
        return fitted ? InFittedLayout(frame) : frame;
    }
    case FrameKind::Wavelet: {
        const PlotFrame frame = WaveletFrame(context.ZoomWavelet(), A.Level, A.WaveletKoeff[2]);
        return fitted ? InFittedLayout(frame) : frame;
    }
    case FrameKind::Function: break;
    }
    return FunctionWindowFrame(1.7);
}

namespace {

double NoCurve(double) { return std::nan(""); }

}  // namespace

// Without a curve (the error window without reference samples) the fitted
// frame is the least span around 0.
PlotFunction TPlotWindow::FittedCurve() const
{
    if (Row.reference && !context.session->HasReference())
        return NoCurve;
    return PlotFunction(Row.plotted, DrawnAnalysis());
}

PlotFrame TPlotWindow::FunctionWindowFrame(double height)
{
    const AnalysisSession& session = *context.session;
    if (session.Axes() == AxesChoice::Original)
        return FunctionFrame(session.State().MaxAbsKoeff, height);
    const PlotFunction clean = CleanCurve();
    return FitFunctionFrame(surface, XLabelsOf(session.CurrentSignal()), FittedCurve(), LeastSpan(),
                            DrawsClean() ? &clean : nullptr);
}

void TPlotWindow::DrawFunctionWindow(double height)
{
    const AnalysisSession& session = *context.session;
    // The clean samples drawn beneath take a second pass over the columns.
    if (session.Axes() == AxesChoice::Original || (Row.reference && !session.HasReference()) || DrawsClean())
        Draw(FunctionWindowFrame(height));
    else
        Shown(PlotFittedCurve(surface, XLabelsOf(session.CurrentSignal()), FittedCurve(), LeastSpan()));
}

// A millionth of the signal's scale: what lies below is rounding, drawn flat.
double TPlotWindow::LeastSpan() const { return 1e-6 * context.session->State().MaxAbsKoeff; }

void TPlotWindow::DrawOwn(OwnDraw what)
{
    if (!context.PlotsReady)
        return;
    switch (what) {
    case OwnDraw::Nothing: break;
    case OwnDraw::BasisWindows: RedrawBasisWindows(context); break;
    case OwnDraw::OwnFrame: DrawFunctionWindow(Row.ownHeight); break;
    }
}

namespace {

// A hidden window is left as it is: it draws when it is shown again.
void RedrawGroup(const PlotContext& context, bool basis)
{
    for (TPlotWindow* w : context.windows)
        if (w && w->isVisible() && (w->Row.frame != FrameKind::Function) == basis)
            w->Redraw();
}

}  // namespace

void RedrawFunctionWindows(const PlotContext& context) { RedrawGroup(context, false); }

void RedrawBasisWindows(const PlotContext& context) { RedrawGroup(context, true); }
