#include "app/Haupt.h"

#include "analysis/AnalysisState.h"
#include "analysis/Decomposition.h"
#include "analysis/LevelMatrices.h"
#include "analysis/ScalingFunctions.h"
#include "analysis/Tables.h"
#include "app/About.h"
#include "app/Calcmatrixfortschritt.h"
#include "app/KoeffFileCommands.h"
#include "app/ProgramIcon.h"
#include "plot/Apprreq.h"
#include "plot/Error.h"
#include "plot/Fktdetail.h"
#include "plot/Fktglatt.h"
#include "plot/Funktion.h"
#include "plot/Skalierungsfunktion.h"
#include "plot/Wavelet.h"
#include "toolkit/Application.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

TfrmHaupt* frmHaupt = nullptr;

namespace {

// A label text in C's printf conventions ("%g", "%d").
template <typename T> std::string Format(const char* format, T value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Created owned by the application object and shown at once.
template <typename T> T* CreateAndShow()
{
    T* form = Application->Own(std::make_unique<T>());
    form->Show();
    return form;
}

template <typename T> void Release(T*& form)
{
    if (form)
        Application->Release(form);
    form = nullptr;
}

}  // namespace

TfrmHaupt::TfrmHaupt()
    : TForm(0, 0, 272, 202, "Multiskalenanalyse", clBtnFace),
      scrDelta(this, {71, 16, 122, 16}, 0, 100, 50),
      butGo(this, {214, 12, 35, 25}, "Go!"),
      odgOpen("Multiscale Dat (*.mdt);;Alle Dateien (*)"),
      labaktDelta(this, {11, 48, 73, 13}, "aktuelles Delta:"),
      labDelta(this, {11, 16, 46, 13}, "Delta: 0.5"),
      labLevel(this, {11, 80, 38, 13}, "Level: 6"),
      trbLevel(this, {64, 74, 137, 31}, 2, 7, 7),
      sdgSave("Multiscale-Dat (*.mdt);;Alle Dateien (*)"),
      cbxWavelet(this, {139, 112, 97, 17}, "Zoom Wavelet", true, 272 - 139),
      cbxSkal(this, {27, 112, 97, 17}, "Zoom Skal-funktion", true, 139 - 27),
      butAbout(this, {14, 140, 19, 25}, "?"),
      butOpen(this, {40, 140, 64, 25}, "Öffnen"),
      butSave(this, {112, 140, 65, 25}, "Sichern"),
      butExit(this, {184, 140, 65, 25}, "Beenden")
{
    SetName("frmHaupt");
    SetIcon(ProgramIcon());
    QWidget::setTabOrder(&scrDelta, &butGo);
    QWidget::setTabOrder(&butGo, &trbLevel);
    QWidget::setTabOrder(&trbLevel, &cbxWavelet);
    QWidget::setTabOrder(&cbxWavelet, &cbxSkal);
    QWidget::setTabOrder(&cbxSkal, &butAbout);
    QWidget::setTabOrder(&butAbout, &butOpen);
    QWidget::setTabOrder(&butOpen, &butSave);
    QWidget::setTabOrder(&butSave, &butExit);

    // Connected only now: the laid-out values report nothing.
    scrDelta.OnChange = [this] { scrDeltaChange(); };
    butGo.OnClick = [this] { butGoClick(); };
    trbLevel.OnChange = [this] { trbLevelChange(); };
    cbxWavelet.OnClick = [this] { cbxWaveletClick(); };
    cbxSkal.OnClick = [this] { cbxSkalClick(); };
    butAbout.OnClick = [this] { butAboutClick(); };
    butOpen.OnClick = [this] { butOpenClick(); };
    butSave.OnClick = [this] { butSaveClick(); };
    butExit.OnClick = [this] { butExitClick(); };
}

void TfrmHaupt::FormCreate()
{
    frmSkalfunktion = CreateAndShow<TfrmSkalfunktion>();
    frmWavelet = CreateAndShow<TfrmWavelet>();
    frmApprREQ = CreateAndShow<TfrmApprREQ>();
    frmGlaette = CreateAndShow<TfrmGlaette>();
    frmDetails = CreateAndShow<TfrmDetails>();
    frmFunktion = CreateAndShow<TfrmFunktion>();
    frmError = CreateAndShow<TfrmError>();
    frmCalcInfo = Application->Own(std::make_unique<TfrmCalcInfo>());

    InitPowerTables();
    SampleFunction(State.MaxLevel);
    // The level-matrix store holds its matrices from program initialisation on.
    PlotSlots = {fnGlaette, fnDetails, fnSkalfunktion, fnWavelet, fnApprREQ,
                 fnPhiAktLevel, fnPsiAktLeft, fnError, fnFunktion};
    State.PlotsReady = true;
    SaveOriginal();
    labaktDelta.SetCaption(Format("Aktuelles Delta: %g", State.aktDelta));
    UpdateLevelControls();
    ComputeLevelMatrices();
    ComputeWaveletKoeff();
    RedrawBasisWindows();
}

void TfrmHaupt::scrDeltaChange()
{
    State.Delta = scrDelta.Position() / 100.0;
    labDelta.SetCaption(Format("Delta: %g", State.Delta));
    ComputeWaveletKoeff();
    RedrawBasisWindows();
}

void TfrmHaupt::butGoClick()
{
    State.aktDelta = State.Delta;
    labaktDelta.SetCaption(Format("Aktuelles Delta: %g", State.aktDelta));
    ComputeLevelMatrices();
}

void TfrmHaupt::trbLevelChange()
{
    // One level at a time: the function windows show every level crossed.
    while (trbLevel.Position() < State.Level) {
        State.Level = State.Level - 1;
        DecomposeStep();
        RedrawFunctionWindows();
    }
    while (trbLevel.Position() > State.Level) {
        ReconstructStep();
        State.Level = State.Level + 1;
        RedrawFunctionWindows();
    }
    State.Level = trbLevel.Position();
    labLevel.SetCaption(Format("Level: %d", State.Level));
    ComputeWaveletKoeff();
    RedrawBasisWindows();
}

void TfrmHaupt::cbxSkalClick() { RedrawBasisWindows(); }

void TfrmHaupt::cbxWaveletClick() { RedrawBasisWindows(); }

void TfrmHaupt::butOpenClick()
{
    const int before = State.MaxLevel;
    const bool computed = LoadKoeffFile();
    if (State.MaxLevel > before && !computed)
        ComputeLevelMatrices();
}

void TfrmHaupt::TakeOverDelta(double delta)
{
    State.Delta = delta;
    State.aktDelta = delta;
    {
        const QSignalBlocker quiet(&scrDelta);
        scrDelta.SetPosition(static_cast<int>(std::lround(delta * 100.0)));
    }
    labDelta.SetCaption(Format("Delta: %g", State.Delta));
    labaktDelta.SetCaption(Format("Aktuelles Delta: %g", State.aktDelta));
    ComputeWaveletKoeff();
    ComputeLevelMatrices();
}

void TfrmHaupt::butSaveClick() { SaveKoeffFile(); }

void TfrmHaupt::butAboutClick() { ShowAbout(); }

void TfrmHaupt::butExitClick() { FreeAllWindows(); }

bool TfrmHaupt::FormClose()
{
    FreeAllWindows();
    return true;
}

void UpdateLevelControls()
{
    frmHaupt->trbLevel.SetMaxAndPosition(State.MaxLevel, State.Level);
    frmHaupt->labLevel.SetCaption(Format("Level: %d", State.Level));
}

void ReleaseAllWindows()
{
    Release(frmCalcInfo);
    Release(frmAbout);
    Release(frmSkalfunktion);
    Release(frmApprREQ);
    Release(frmWavelet);
    Release(frmGlaette);
    Release(frmDetails);
    Release(frmFunktion);
    Release(frmError);
    Release(frmHaupt);
}

void FreeAllWindows()
{
    ReleaseAllWindows();
    std::exit(0);
}

void CreateMainForm()
{
    frmHaupt = Application->Own(std::make_unique<TfrmHaupt>());
    Application->SetMainForm(frmHaupt);
    // The start-up is a handler: the windows' own handlers wait for its end.
    const HandlerScope startUp;
    frmHaupt->FormCreate();
}
