#include "app/Haupt.h"

#include "analysis/Decomposition.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Samples.h"
#include "app/About.h"
#include "app/Calcmatrixfortschritt.h"
#include "app/KoeffFileCommands.h"
#include "app/Menus.h"
#include "app/ProgramIcon.h"
#include "app/WerkzeugeCommands.h"
#include "toolkit/Application.h"

#include <cstdio>
#include <string>

namespace {

// A label text: the number in C's printf conventions ("%g", "%d") in the text's %1.
template <typename T> std::string Format(const std::string& text, const char* format, T value)
{
    char number[64];
    std::snprintf(number, sizeof number, format, value);
    return Fill(text, {number});
}

template <typename T> void Release(T*& form)
{
    if (form)
        Application->Release(form);
    form = nullptr;
}

}  // namespace

TfrmHaupt::TfrmHaupt()
    : TForm(0, 0, 272, 202, Tr("Haupt", "Multiskalenanalyse"), clBtnFace),
      scrDelta(this, {71, 16, 122, 16}, 0, 100, 50),
      butGo(this, {214, 12, 35, 25}, Tr("Haupt", "Go!")),
      odgOpen(Tr("Haupt", "Multiscale Dat (*.mdt);;Alle Dateien (*)")),
      labaktDelta(this, {11, 48, 73, 13}, Tr("Haupt", "aktuelles Delta:")),
      labDelta(this, {11, 16, 46, 13}, Tr("Haupt", "Delta: 0.5")),
      labLevel(this, {11, 80, 38, 13}, Tr("Haupt", "Level: 6")),
      trbLevel(this, {64, 74, 137, 31}, 2, 7, 7),
      sdgSave(Tr("Haupt", "Multiscale-Dat (*.mdt);;Alle Dateien (*)")),
      cbxWavelet(this, {139, 112, 97, 17}, Tr("Haupt", "Zoom Wavelet"), true, 272 - 139),
      cbxSkal(this, {27, 112, 97, 17}, Tr("Haupt", "Zoom Skal-funktion"), true, 139 - 27),
      butAbout(this, {14, 140, 19, 25}, "?"),
      butOpen(this, {40, 140, 64, 25}, Tr("Haupt", "Öffnen")),
      butSave(this, {112, 140, 65, 25}, Tr("Haupt", "Sichern")),
      butExit(this, {184, 140, 65, 25}, Tr("Haupt", "Beenden"))
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

    plots.session = &session;
    plots.ZoomSkal = [this] { return cbxSkal.Checked(); };
    plots.ZoomWavelet = [this] { return cbxWavelet.Checked(); };

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

TfrmHaupt::~TfrmHaupt() = default;

void TfrmHaupt::FormCreate()
{
    menus = std::make_unique<Menus>(*this);
    // In the order of creation, which differs from the table's in one place.
    for (int created = 0; created < PlotWindowCount; ++created)
        for (const PlotWindowRow& row : PlotWindowTable)
            if (row.created == created)
                plots.windows[&row - PlotWindowTable.data()] = menus->CreatePlotWindow(row, plots);
    frmCalcInfo = Application->Own(std::make_unique<TfrmCalcInfo>());
    werkzeuge = std::make_unique<WerkzeugeCommands>(*this);
    menus->AddFensterEntries();

    Analysis& State = session.State();
    SampleFunction(State, State.MaxLevel);
    plots.PlotsReady = true;
    SaveOriginal(State);
    labaktDelta.SetCaption(Format(Tr("Haupt", "Aktuelles Delta: %1"), "%g", State.aktDelta));
    UpdateLevelControls();
    ComputeLevelMatrices();
    ComputeWaveletKoeff(State);
    RedrawBasisWindows();
    werkzeuge->ShowBesideTheWindowsWhereThereIsRoom();
}

void TfrmHaupt::scrDeltaChange()
{
    Analysis& State = session.State();
    State.Delta = scrDelta.Position() / 100.0;
    labDelta.SetCaption(Format(Tr("Haupt", "Delta: %1"), "%g", State.Delta));
    ComputeWaveletKoeff(State);
    RedrawBasisWindows();
}

void TfrmHaupt::butGoClick()
{
    Analysis& State = session.State();
    State.aktDelta = State.Delta;
    labaktDelta.SetCaption(Format(Tr("Haupt", "Aktuelles Delta: %1"), "%g", State.aktDelta));
    ComputeLevelMatrices();
}

void TfrmHaupt::trbLevelChange()
{
    Analysis& State = session.State();
    // One level at a time: the function windows show every level crossed.
    while (trbLevel.Position() < State.Level) {
        State.Level = State.Level - 1;
        DecomposeStep(State);
        RedrawFunctionWindows();
    }
    while (trbLevel.Position() > State.Level) {
        ReconstructStep(State);
        State.Level = State.Level + 1;
        RedrawFunctionWindows();
    }
    State.Level = trbLevel.Position();
    labLevel.SetCaption(Format(Tr("Haupt", "Level: %1"), "%d", State.Level));
    ComputeWaveletKoeff(State);
    RedrawBasisWindows();
}

void TfrmHaupt::cbxSkalClick() { RedrawBasisWindows(); }

void TfrmHaupt::cbxWaveletClick() { RedrawBasisWindows(); }

void TfrmHaupt::butOpenClick()
{
    const int before = session.State().MaxLevel;
    const bool computed = LoadKoeffFile(*this);
    if (session.State().MaxLevel > before && !computed)
        ComputeLevelMatrices();
}

void TfrmHaupt::butSaveClick() { SaveKoeffFile(*this); }

void TfrmHaupt::butAboutClick() { frmAbout = ShowAbout(); }

// The event loop ends; the program's entry then releases the windows.
void TfrmHaupt::butExitClick() { Application->Terminate(); }

bool TfrmHaupt::FormClose()
{
    Application->Terminate();
    return true;
}

void TfrmHaupt::UpdateLevelControls()
{
    const Analysis& State = session.State();
    trbLevel.SetMaxAndPosition(State.MaxLevel, State.Level);
    labLevel.SetCaption(Format(Tr("Haupt", "Level: %1"), "%d", State.Level));
}

void TfrmHaupt::ComputeLevelMatrices()
{
    ProgressDisplay display(*frmCalcInfo);
    FillLevelMatrices(session.State(), display);
    RedrawFunctionWindows();
}

void TfrmHaupt::RedrawFunctionWindows()
{
    session.Refresh();
    ::RedrawFunctionWindows(plots);
    werkzeuge->ShowNumbers();
    werkzeuge->RequestComparison();
}

void TfrmHaupt::RedrawBasisWindows() { ::RedrawBasisWindows(plots); }

TfrmHaupt* MainWindow() { return Application ? static_cast<TfrmHaupt*>(Application->MainForm()) : nullptr; }

TfrmHaupt* CreateMainForm()
{
    TfrmHaupt* haupt = Application->Own(std::make_unique<TfrmHaupt>());
    Application->SetMainForm(haupt);
    // The start-up is a handler: the windows' own handlers wait for its end.
    const HandlerScope startUp;
    haupt->FormCreate();
    return haupt;
}

void FreeAllWindows()
{
    TfrmHaupt* haupt = MainWindow();
    if (!haupt)
        return;
    Release(haupt->frmCalcInfo);
    Release(haupt->frmAbout);
    // The comparison stops before the windows it reports to go.
    if (haupt->werkzeuge)
        haupt->werkzeuge->ReleaseWindows();
    if (haupt->menus)
        haupt->menus->ReleaseWindows();
    for (TPlotWindow*& w : haupt->plots.windows)
        Release(w);
    Application->Release(haupt);
}
