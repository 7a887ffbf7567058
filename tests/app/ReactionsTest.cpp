#include "ProgramFixture.h"

#include "toolkit/Application.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

TEST_F(Program, ScrollBarSetsDeltaAndRedrawsTheBasisWindowsOnly)
{
    struct Case {
        int position;
        const char* label;
    };
    for (const Case c : {Case{0, "Delta: 0"}, Case{35, "Delta: 0.35"}, Case{100, "Delta: 1"}}) {
        const Counts before = CountsNow();
        frmHaupt->scrDelta.SetPosition(c.position);
        EXPECT_EQ(A->Delta, c.position / 100.0);
        EXPECT_EQ(frmHaupt->labDelta.Caption(), c.label);
        EXPECT_EQ(A->aktDelta, 0.4);
        ExpectDraws(before, 0, 1);
    }
    EXPECT_NE(35 / 100.0, 35 * 0.01);  // the division, not the product
}

TEST_F(Program, KeyboardMovesScrollBarAndTrackBar)
{
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&frmHaupt->scrDelta, &right);
    EXPECT_EQ(frmHaupt->scrDelta.Position(), 51);
    EXPECT_EQ(A->Delta, 0.51);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(&frmHaupt->trbLevel, &left);
    EXPECT_EQ(frmHaupt->trbLevel.Position(), 6);
    EXPECT_EQ(A->Level, 6);
    EXPECT_EQ(frmHaupt->labLevel.Caption(), "Level: 6");
}

TEST_F(Program, GoBeforeAnyScrollKeepsFourTenthsAndRecomputes)
{
    ProgressRecorder recorder;
    frmCalcInfo->installEventFilter(&recorder);
    const Counts before = CountsNow();
    const KoeffArray koeff = A->Koeff;
    frmHaupt->butGo.click();
    EXPECT_EQ(A->aktDelta, 0.4);
    EXPECT_EQ(frmHaupt->labaktDelta.Caption(), "Aktuelles Delta: 0.4");
    ExpectDraws(before, 1, 0);
    EXPECT_EQ(A->Koeff, koeff);
    ASSERT_FALSE(recorder.shown.empty());
    // The bar starts at 0 again, though the start-up left it at 12.
    EXPECT_EQ(recorder.shown.front().position, 0);
    EXPECT_EQ(recorder.shown.back().position, 12);
    EXPECT_EQ(frmCalcInfo->proMatrix.Position(), 12);
    EXPECT_FALSE(frmCalcInfo->isVisible());
}

TEST_F(Program, GoTakesTheScrollBarsDelta)
{
    frmHaupt->scrDelta.SetPosition(30);
    frmHaupt->butGo.click();
    EXPECT_EQ(A->aktDelta, 0.3);
    EXPECT_EQ(frmHaupt->labaktDelta.Caption(), "Aktuelles Delta: 0.3");
    EXPECT_EQ(A->LevelMatrices.P(8).Get(2, 1), 1.0 - (1.0 - 0.5 * 0.3));
}

TEST_F(Program, TrackBarStepsOneLevelAtATime)
{
    Counts before = CountsNow();
    frmHaupt->trbLevel.SetPosition(2);
    EXPECT_EQ(A->Level, 2);
    EXPECT_EQ(frmHaupt->labLevel.Caption(), "Level: 2");
    ExpectDraws(before, 5, 1);
    EXPECT_EQ(A->MaxAbsKoeff, 1.0);

    before = CountsNow();
    frmHaupt->trbLevel.SetPosition(7);
    EXPECT_EQ(A->Level, 7);
    ExpectDraws(before, 5, 1);
    double largest = 0.0;
    for (int i = 0; i <= 128; ++i)
        largest = std::max(largest, std::fabs(A->Koeff[i]));
    EXPECT_EQ(A->MaxAbsKoeff, largest);
    EXPECT_EQ(frmDetails->LastFrame.YMax, 1.7 * largest);
}

TEST_F(Program, ATrackBarReportOfTheCurrentLevelRunsNoStep)
{
    const KoeffArray koeff = A->Koeff;
    const Counts before = CountsNow();
    frmHaupt->labLevel.SetCaption("x");
    frmHaupt->trbLevelChange();
    ExpectDraws(before, 0, 1);
    EXPECT_EQ(frmHaupt->labLevel.Caption(), "Level: 7");
    EXPECT_EQ(A->Koeff, koeff);
}

TEST_F(Program, GoAtALowerLevelKeepsKoeffAndRebuildsWithTheNewMatrices)
{
    frmHaupt->trbLevel.SetPosition(5);
    const KoeffArray atFive = A->Koeff;
    frmHaupt->scrDelta.SetPosition(70);
    frmHaupt->butGo.click();
    EXPECT_EQ(A->Koeff, atFive);
    frmHaupt->trbLevel.SetPosition(7);
    EXPECT_EQ(A->aktDelta, 0.7);
    EXPECT_NE(A->Koeff[10], atFive[10]);
}

TEST_F(Program, ZoomBoxesRedrawTheBasisWindowsWithTheirFrames)
{
    // Level 7, both zoomed.
    EXPECT_EQ(frmSkalfunktion->LastFrame.XMin, -0.00234375);
    EXPECT_EQ(frmSkalfunktion->LastFrame.XMax, 0.01953125);
    EXPECT_EQ(frmApprREQ->LastFrame.XTick, 0.015625);
    EXPECT_EQ(frmWavelet->LastFrame.XMax, 0.02734375);
    EXPECT_EQ(frmWavelet->LastFrame.CurveEnd, 0.0234375);

    const int level = A->Level;
    const double delta = A->Delta;
    Counts before = CountsNow();
    frmHaupt->cbxSkal.click();
    ExpectDraws(before, 0, 1);
    EXPECT_EQ(frmSkalfunktion->LastFrame.XMin, -0.1);
    EXPECT_EQ(frmApprREQ->LastFrame.XMax, 1.2);
    EXPECT_EQ(frmApprREQ->LastFrame.CurveEnd, 1.0);
    EXPECT_EQ(frmWavelet->LastFrame.XMax, 0.02734375);  // keeps its own zoom

    before = CountsNow();
    frmHaupt->cbxWavelet.click();
    ExpectDraws(before, 0, 1);
    const PlotFrame wavelet = frmWavelet->LastFrame;
    EXPECT_EQ(wavelet.XMin, -0.1);
    EXPECT_EQ(wavelet.XMax, 1.2);
    EXPECT_EQ(wavelet.XTick, 1.0);
    EXPECT_EQ(wavelet.CurveStart, 0.0);
    EXPECT_EQ(wavelet.CurveEnd, 1.2);
    EXPECT_EQ(wavelet.YMax, A->WaveletKoeff[2] + 1.0);
    EXPECT_EQ(A->Level, level);
    EXPECT_EQ(A->Delta, delta);
}

TEST_F(Program, ZoomFramesAtLevelTwo)
{
    frmHaupt->trbLevel.SetPosition(2);
    EXPECT_EQ(frmSkalfunktion->LastFrame.XMin, -0.075);
    EXPECT_EQ(frmSkalfunktion->LastFrame.XMax, 0.625);
    EXPECT_EQ(frmSkalfunktion->LastFrame.CurveEnd, 0.5);
    EXPECT_EQ(frmWavelet->LastFrame.XMin, -0.0375);
    EXPECT_EQ(frmWavelet->LastFrame.XMax, 0.875);
    EXPECT_EQ(frmWavelet->LastFrame.XTick, 0.5);
    EXPECT_EQ(frmWavelet->LastFrame.CurveEnd, 0.75);
}

TEST_F(Program, OwnRepaintsUseOneAndAHalfExceptTheErrorWindow)
{
    frmHaupt->trbLevel.SetPosition(6);
    frmHaupt->trbLevel.SetPosition(7);  // an upward step sets MaxAbsKoeff
    const double s = A->MaxAbsKoeff;
    frmDetails->resize(600, 150);
    QCoreApplication::processEvents();
    EXPECT_EQ(frmDetails->LastFrame.YMax, 1.5 * s);
    EXPECT_EQ(frmDetails->LastFrame.YMin, -1.5 * s);
    frmError->resize(600, 150);
    QCoreApplication::processEvents();
    EXPECT_EQ(frmError->LastFrame.YMax, 1.7 * s);
    frmHaupt->trbLevel.SetPosition(6);
    EXPECT_EQ(frmDetails->LastFrame.YMax, 1.7 * s);
}

TEST_F(Program, APaintOfTheScalingFunctionRedrawsAllThreeBasisWindows)
{
    Counts before = CountsNow();
    frmSkalfunktion->repaint();
    ExpectDraws(before, 0, 1);
    before = CountsNow();
    frmApprREQ->repaint();
    ExpectDraws(before, 0, 1);
    // The wavelet window's own paint keeps its picture; its resize redraws all three.
    before = CountsNow();
    frmWavelet->repaint();
    ExpectDraws(before, 0, 0);
    frmWavelet->resize(300, 220);
    QCoreApplication::processEvents();
    EXPECT_GE(frmSkalfunktion->Draws - before.basis[0], 1);
    // A function window's paint draws itself only.
    before = CountsNow();
    frmGlaette->repaint();
    EXPECT_EQ(frmGlaette->Draws - before.function[0], 1);
    EXPECT_EQ(frmDetails->Draws - before.function[1], 0);
}

TEST_F(Program, NoWindowHandlerRunsInsideAnother)
{
    // A paint the system asks for just before "Go!": during it the window only
    // shows its picture; Go's own redraw is its one drawing.
    frmGlaette->update();
    const Counts before = CountsNow();
    frmHaupt->butGo.click();
    ExpectDraws(before, 1, 0);
    EXPECT_EQ(frmGlaette->LastFrame.YMax, 1.7);

    // A resize inside a handler waits for the handler's end, then draws once.
    int drawsInside = -1;
    const int drawsBefore = frmDetails->Draws;
    Dispatch([&] {
        frmDetails->resize(600, 150);
        drawsInside = frmDetails->Draws;
    });
    EXPECT_EQ(drawsInside, drawsBefore);
    EXPECT_EQ(frmDetails->Draws, drawsBefore + 1);
    EXPECT_EQ(frmDetails->LastFrame.YMax, 1.5);
}

TEST_F(Program, AllZeroCoefficientsDrawAFlatCurveOnMinusOneToOne)
{
    std::fill(A->Koeff.begin(), A->Koeff.end(), 0.0);
    frmHaupt->trbLevel.SetPosition(6);
    frmHaupt->trbLevel.SetPosition(7);
    EXPECT_EQ(A->MaxAbsKoeff, 0.0);
    EXPECT_EQ(frmGlaette->LastFrame.YMin, -1.0);
    EXPECT_EQ(frmGlaette->LastFrame.YMax, 1.0);
    // The axes are drawn: the x axis row holds black pixels.
    const QImage& picture = frmGlaette->Picture();
    const int row0 = picture.height() / 2;
    int black = 0;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = row0 - 1; y <= row0 + 1; ++y)
            black += picture.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_GT(black, 50);
}

TEST_F(Program, AboutWindowsAndTheReleaseOrder)
{
    const Counts before = CountsNow();
    for (int i = 0; i < 3; ++i)
        frmHaupt->butAbout.click();
    ExpectDraws(before, 0, 0);
    ASSERT_NE(frmHaupt->NewestAbout(), nullptr);
    EXPECT_EQ(frmHaupt->NewestAbout()->Caption(), "Info");
    EXPECT_EQ(frmHaupt->NewestAbout()->Color(), clSkyBlue);
    EXPECT_EQ(frmHaupt->NewestAbout()->Label1.Caption(), "Vexlor");
    EXPECT_EQ(frmHaupt->NewestAbout()->Label3.Caption(), "Multiskalenanalyse mit BLaC-Wavelets.");
    int aboutWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        aboutWindows += w->objectName() == "frmAbout" && w->isVisible();
    EXPECT_EQ(aboutWindows, 3);

    std::vector<std::string> released;
    QObject listening;  // the connections end with the test
    for (QWidget* w : QApplication::topLevelWidgets())
        if (dynamic_cast<TForm*>(w))  // the windows, not their menus
            QObject::connect(w, &QObject::destroyed, &listening,
                             [&released, name = w->objectName().toStdString()] { released.push_back(name); });
    FreeAllWindows();
    const std::vector<std::string> order = {"frmCalcInfo", "frmAbout", "frmWerkzeuge", "frmKoeffizienten", "frmSkalfunktion", "frmApprREQ",
                                            "frmWavelet", "frmGlaette", "frmDetails", "frmFunktion",
                                            "frmError", "frmHaupt"};
    EXPECT_EQ(released, order);
    EXPECT_EQ(MainWindow(), nullptr);
}

TEST_F(Program, ProgressTextLeavesOnlyTheNewestLine)
{
    frmCalcInfo->Show();
    frmCalcInfo->ShowProgressText("Berechne Level 3 von 7", "Matrix P...Q...");
    const QImage longer = frmCalcInfo->Picture().copy();
    frmCalcInfo->ShowProgressText("Berechne Level 3 von 7", "Matrix P");
    const QImage& now = frmCalcInfo->Picture();
    // Where the longer second line went beyond the shorter one, only the box's
    // inside is left.
    int inkLeft = 0, inkBefore = 0;
    for (int x = 60; x < 200; ++x)
        for (int y = 40; y < 58; ++y) {
            inkBefore += qGray(longer.pixel(x, y)) < 128;
            inkLeft += qGray(now.pixel(x, y)) < 128;
        }
    EXPECT_GT(inkBefore, 10);
    EXPECT_EQ(inkLeft, 0);
    EXPECT_EQ(now.pixel(8, 38), qRgb(0, 0, 0));  // the box's outline
    frmCalcInfo->Hide();
}

TEST_F(Program, BeendenAndClosingLeaveTheEventLoop)
{
    // The loop ends with 0; the windows stay for the entry to release them.
    frmHaupt->Show();  // before the loop runs: showing handles timers too
    QTimer::singleShot(0, [this] { frmHaupt->butExit.click(); });
    EXPECT_EQ(Application->Run(), 0);
    EXPECT_EQ(MainWindow(), frmHaupt);
    QTimer::singleShot(0, [this] { frmHaupt->close(); });
    EXPECT_EQ(Application->Run(), 0);
    EXPECT_EQ(MainWindow(), frmHaupt);
}

}  // namespace
