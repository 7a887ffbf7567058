#include "ProgramFixture.h"

#include "RecordingSurface.h"
#include "analysis/ScalingFunctions.h"

namespace {

TEST_F(Program, StartUpLabelsAndTrackBar)
{
    EXPECT_EQ(frmHaupt->Caption(), "Multiskalenanalyse");
    EXPECT_EQ(frmHaupt->labDelta.Caption(), "Delta: 0.5");
    EXPECT_EQ(frmHaupt->labaktDelta.Caption(), "Aktuelles Delta: 0.4");
    EXPECT_EQ(frmHaupt->labLevel.Caption(), "Level: 7");
    EXPECT_EQ(frmHaupt->scrDelta.Position(), 50);
    EXPECT_EQ(frmHaupt->trbLevel.minimum(), 2);
    EXPECT_EQ(frmHaupt->trbLevel.Max(), 7);
    EXPECT_EQ(frmHaupt->trbLevel.Position(), 7);
    EXPECT_EQ(A->Delta, 0.4);
    EXPECT_EQ(A->aktDelta, 0.4);
    EXPECT_TRUE(frmHaupt->Plots().PlotsReady);
    EXPECT_TRUE(frmHaupt->cbxSkal.Checked());
    EXPECT_TRUE(frmHaupt->cbxWavelet.Checked());
}

TEST_F(Program, StartUpProgressRunsThroughLevelsSevenToTwo)
{
    FreeAllWindows();
    ProgressRecorder recorder;
    // The recorder watches the progress window from its creation on.
    struct Watch : QObject {
        ProgressRecorder& r;
        explicit Watch(ProgressRecorder& r) : r(r) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Show && MainWindow() && MainWindow()->CalcInfo())
                MainWindow()->CalcInfo()->installEventFilter(&r);
            return false;
        }
    } watch(recorder);
    qApp->installEventFilter(&watch);
    Start();
    qApp->removeEventFilter(&watch);
    // The window's first exposure may come before the first text.
    std::erase_if(recorder.shown, [](const ProgressRecorder::Shown& s) { return s.line1.empty(); });

    // Twelve texts, each followed by its advance.
    ASSERT_EQ(recorder.shown.size(), 24u);
    EXPECT_EQ(recorder.shown.front().line1, "Berechne Level 7 von 7");
    EXPECT_EQ(recorder.shown.front().line2, "Matrix P");
    EXPECT_EQ(recorder.shown.back().line1, "Berechne Level 2 von 7");
    EXPECT_EQ(recorder.shown.back().line2, "Matrix P...Q...");
    EXPECT_EQ(recorder.shown.front().maximum, 16);
    EXPECT_EQ(frmCalcInfo->proMatrix.Position(), 12);
    EXPECT_FALSE(frmCalcInfo->isVisible());
}

TEST_F(Program, StartUpPicturesAreTheRedrawFramesAndStay)
{
    for (TPlotWindow* w : FunctionWindows()) {
        EXPECT_EQ(w->Draws, 1) << w->Name();
        EXPECT_EQ(w->LastFrame.YMax, 1.7);
        EXPECT_EQ(w->LastFrame.YMin, -1.7);
    }
    for (TPlotWindow* w : BasisWindows())
        EXPECT_EQ(w->Draws, 1) << w->Name();
    // The first exposures copy the pictures; no paint handler replaces them.
    const Counts before = CountsNow();
    Settle();
    ExpectDraws(before, 0, 0);
    for (TPlotWindow* w : FunctionWindows())
        EXPECT_FALSE(w->PictureIsPending()) << w->Name();
}

TEST_F(Program, PaintAndResizeDrawNothingBeforePlotsReady)
{
    PlotContext starting = frmHaupt->Plots();
    starting.PlotsReady = false;
    TPlotWindow details(PlotWindowTable[Details], starting);
    TPlotWindow skal(PlotWindowTable[Skalfunktion], starting);
    starting.windows = {&skal, nullptr, nullptr, nullptr, &details, nullptr, nullptr};
    details.Show();
    skal.Show();
    details.resize(500, 100);
    skal.repaint();
    Settle();
    EXPECT_EQ(details.Draws, 0);
    EXPECT_EQ(skal.Draws, 0);
    EXPECT_EQ(frmSkalfunktion->Draws, 1);
}

TEST_F(Program, WindowsAtTheirBoundsWithTheirCaptions)
{
    struct Expected {
        TForm* form;
        const char* caption;
        int left, top, width, height;
    };
    const Expected windows[] = {
        {frmHaupt, "Multiskalenanalyse", 0, 0, 272, 202},
        {frmSkalfunktion, "Skalierungsfunktion", 0, 202, 272, 171},
        {frmApprREQ, "Approximierte  Sk.-Fkt.", 0, 373, 272, 169},
        {frmWavelet, "Wavelet", 0, 542, 272, 198},
        {frmGlaette, "Die Glätteanteile der Funktion", 272, -1, 751, 203},
        {frmDetails, "Die Details der Funktion", 272, 202, 752, 171},
        {frmFunktion, "Die approximierte Funktion", 272, 372, 752, 198},
        {frmError, "Fehler zwischen Funktion und Approximation", 272, 570, 752, 170},
        {frmCalcInfo, "Fortschritt", 293, 340, 461, 144},
    };
    for (const Expected& e : windows) {
        EXPECT_EQ(e.form->Caption(), e.caption);
        EXPECT_EQ(e.form->Left(), e.left) << e.caption;
        EXPECT_EQ(e.form->Top(), e.top) << e.caption;
        EXPECT_EQ(e.form->Width(), e.width) << e.caption;
        EXPECT_EQ(e.form->Height(), e.height) << e.caption;
    }
    for (TPlotWindow* w : FunctionWindows())
        EXPECT_EQ(w->Color(), clWhite);
    EXPECT_EQ(frmHaupt->Color(), clBtnFace);
    EXPECT_TRUE(frmCalcInfo->windowIcon().isNull());
    EXPECT_FALSE(frmDetails->windowIcon().isNull());
    EXPECT_FALSE(frmHaupt->windowIcon().isNull());
    EXPECT_EQ(frmHaupt->windowIcon().availableSizes().size(), 7);
}

// The curve replayed on a recording surface: the pixel of every vertex but the
// last (which the old toolkit's line leaves out) must be red in the window.
void ExpectEveryVertexRed(TPlotWindow* window, const Analysis& A)
{
    RecordingSurface surface(window->Width(), window->Height());
    PlotCurve(surface, window->LastFrame, [&](double x) { return window->Row.plotted(&A, x); });
    std::vector<RecordingSurface::Op> curve;
    for (auto op = surface.ops.rbegin(); op != surface.ops.rend() && op->kind != "pen"; ++op)
        curve.insert(curve.begin(), *op);
    ASSERT_GT(curve.size(), 2u);
    const QImage& picture = window->Picture();
    int missing = 0;
    for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
        const QPoint p(curve[i].x, curve[i].y);
        if (picture.rect().contains(p) && picture.pixel(p) != qRgb(255, 0, 0))
            ++missing;
    }
    EXPECT_EQ(missing, 0) << window->Name();
}

TEST_F(Program, EveryVertexOfEveryCurveIsRed)
{
    for (TPlotWindow* window : frmHaupt->Plots().windows)
        ExpectEveryVertexRed(window, *A);
    frmHaupt->scrDelta.SetPosition(30);
    frmHaupt->butGo.click();
    frmHaupt->trbLevel.SetPosition(4);
    for (TPlotWindow* window : frmHaupt->Plots().windows)
        ExpectEveryVertexRed(window, *A);
}

TEST_F(Program, CheckBoxTextsShowWholeBesideEachOther)
{
    for (const TCheckBox* box : {&frmHaupt->cbxSkal, &frmHaupt->cbxWavelet})
        EXPECT_GE(box->width(), box->sizeHint().width()) << box->text().toStdString();
    EXPECT_EQ(frmHaupt->cbxSkal.x(), 27);
    EXPECT_EQ(frmHaupt->cbxWavelet.x(), 139);
    EXPECT_LE(frmHaupt->cbxSkal.geometry().right() + 1, frmHaupt->cbxWavelet.x());
}

TEST_F(Program, EachPlotWindowDrawsItsOwnFunction)
{
    // At level 4 the seven curves differ: what each window draws is its function's curve.
    frmHaupt->trbLevel.SetPosition(4);
    const Analysis& A = frmHaupt->Session().State();
    const std::pair<TPlotWindow*, Evaluator> expected[] = {
        {frmSkalfunktion, fnSkalfunktion}, {frmApprREQ, fnApprREQ}, {frmWavelet, fnWavelet},
        {frmGlaette, fnGlaette}, {frmDetails, fnDetails}, {frmFunktion, fnFunktion}, {frmError, fnError}};
    for (const auto& [window, f] : expected) {
        RecordingSurface drawn(window->Width(), window->Height()), own(window->Width(), window->Height());
        window->DrawPicture(drawn);
        PlotCurve(own, window->LastFrame, [&, f = f](double x) { return f(A, x); });
        EXPECT_EQ(drawn.OfKind("line").size(), own.OfKind("line").size()) << window->Name();
        bool same = true;
        for (std::size_t i = 0; i < drawn.ops.size() && i < own.ops.size(); ++i)
            same = same && drawn.ops[i].y == own.ops[i].y;
        EXPECT_TRUE(same) << window->Name();
    }
}

TEST_F(Program, TabOrderOfTheMainWindow)
{
    std::vector<QWidget*> order;
    QWidget* w = &frmHaupt->scrDelta;
    for (int i = 0; i < 9; ++i) {
        order.push_back(w);
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
    }
    const std::vector<QWidget*> expected = {&frmHaupt->scrDelta, &frmHaupt->butGo, &frmHaupt->trbLevel,
                                            &frmHaupt->cbxWavelet, &frmHaupt->cbxSkal, &frmHaupt->butAbout,
                                            &frmHaupt->butOpen, &frmHaupt->butSave, &frmHaupt->butExit};
    EXPECT_EQ(order, expected);
}

}  // namespace
