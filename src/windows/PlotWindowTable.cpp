#include "windows/PlotWindowTable.h"

#include "analysis/Phrase.h"

// The seven plot windows tile 1024 x 740 with the main window (0, 0, 272, 202):
// the basis windows in a column under it, the function windows to its right.
const std::array<PlotWindowRow, PlotWindowCount> PlotWindowTable = {{
    // TfrmSkalfunktion (unit Skalierungsfunktion): the scaling function of Delta at Level.
    {"frmSkalfunktion", Marked("Plotfenster", "Skalierungsfunktion"), {0, 202, 272, 171}, EvaluateOn<fnSkalfunktion>, FrameKind::Scaling, false, false,
     OwnDraw::BasisWindows, OwnDraw::BasisWindows, 0.0, 0, false},
    // TfrmApprREQ (unit Apprreq): the scaling function rebuilt by the refinement
    // equation. Two blanks in the caption, as the original has them.
    {"frmApprREQ", Marked("Plotfenster", "Approximierte  Sk.-Fkt."), {0, 373, 272, 169}, EvaluateOn<fnApprREQ>, FrameKind::Scaling, false, false,
     OwnDraw::BasisWindows, OwnDraw::BasisWindows, 0.0, 2, false},
    // TfrmWavelet (unit Wavelet): a paint of this window alone keeps its picture,
    // which every change of Delta, level or zoom and every paint of the other two
    // basis windows renews, so it is current.
    {"frmWavelet", Marked("Plotfenster", "Wavelet"), {0, 542, 272, 198}, EvaluateOn<fnWavelet>, FrameKind::Wavelet, false, false, OwnDraw::Nothing,
     OwnDraw::BasisWindows, 0.0, 1, false},
    // TfrmGlaette (unit Fktglatt): the smooth part of Level; its own repaint uses +-1.5 s.
    {"frmGlaette", Marked("Plotfenster", "Die Glätteanteile der Funktion"), {272, -1, 751, 203}, EvaluateOn<fnGlaette>, FrameKind::Function, false, false,
     OwnDraw::OwnFrame, OwnDraw::OwnFrame, 1.5, 3, false},
    // TfrmDetails (unit Fktdetail): the details of the levels Level .. MaxLevel - 1.
    {"frmDetails", Marked("Plotfenster", "Die Details der Funktion"), {272, 202, 752, 171}, EvaluateOn<fnDetails>, FrameKind::Function, true, false,
     OwnDraw::OwnFrame, OwnDraw::OwnFrame, 1.5, 4, false},
    // TfrmFunktion (unit Funktion): smooth part plus details; with noise added
    // the clean signal beneath.
    {"frmFunktion", Marked("Plotfenster", "Die approximierte Funktion"), {272, 372, 752, 198}, EvaluateOn<fnFunktion>, FrameKind::Function, true, false,
     OwnDraw::OwnFrame, OwnDraw::OwnFrame, 1.5, 5, true},
    // TfrmError (unit Error): the rebuilt function minus the samples; it repaints
    // on the same +-1.7 s frame as a full redraw.
    {"frmError", Marked("Plotfenster", "Fehler zwischen Funktion und Approximation"), {272, 570, 752, 170},
     EvaluateOn<fnError>, FrameKind::Function, true, true, OwnDraw::OwnFrame, OwnDraw::OwnFrame, 1.7, 6, false},
}};
