#include "app/Haupt.h"

#include "analysis/Compression.h"
#include "analysis/Decomposition.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Samples.h"
#include "app/About.h"
#include "app/Calcmatrixfortschritt.h"
#include "app/KoeffFileCommands.h"
#include "app/PictureFileCommands.h"
#include "app/Pictures.h"
#include "app/ProgramIcon.h"
#include "io/SignalFile.h"
#include "toolkit/Application.h"
#include "windows/Hilfe.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

namespace {

// A label text in C's printf conventions ("%g", "%d").
template <typename T> std::string Format(const char* format, T value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A plot window, created owned by the application object and shown at once,
// with the program's icon and its "Bild speichern…".
TPlotWindow* CreatePlotWindow(TfrmHaupt& haupt, const PlotWindowRow& row)
{
    TPlotWindow* w = Application->Own(std::make_unique<TPlotWindow>(row, haupt.Plots));
    w->SetIcon(ProgramIcon());
    w->mniSavePicture = w->pmnPlot.AddItem("Bild speichern…", [&haupt, w] { SaveWindowPicture(*w, VectorDrawingOf(*w), haupt); });
    w->pmnPlot.AddItem("Werkzeuge", [&haupt] { haupt.ShowWerkzeuge(); });
    w->pmnPlot.AddItem("Koeffizienten", [&haupt] { haupt.ShowKoeffizienten(); });
    w->pmnPlot.AddItem("Alle Fenster speichern…", [&haupt] { SaveDesktopPicture(haupt); });
    w->Show();
    return w;
}

// The Delta comparison takes every core: its workers run below the window thread.
int SweepThreads() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

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
      butExit(this, {184, 140, 65, 25}, "Beenden"),
      pmnHaupt(this),
      mniWerkzeuge(pmnHaupt.AddItem("Werkzeuge", [this] { ShowWerkzeuge(); })),
      mniKoeffizienten(pmnHaupt.AddItem("Koeffizienten", [this] { ShowKoeffizienten(); })),
      mnuFenster(pmnHaupt.addMenu(QStringLiteral("Fenster"))),
      mniFensterAnordnen(nullptr),
      mniAlleFensterSpeichern(pmnHaupt.AddItem("Alle Fenster speichern…", [this] { SaveDesktopPicture(*this); })),
      mniHilfe(pmnHaupt.AddItem("Hilfe (F1)", [this] { ShowHilfe(); })),
      shcHilfe(QKeySequence(Qt::Key_F1), this)
{
    shcHilfe.setContext(Qt::ApplicationShortcut);
    QObject::connect(&shcHilfe, &QShortcut::activated, this, [this] { Dispatch([this] { ShowHilfe(); }); });
    PopupMenu = &pmnHaupt;
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

    Plots.analysis = &State;
    Plots.compressed = &State;
    Plots.ZoomSkal = [this] { return cbxSkal.Checked(); };
    Plots.ZoomWavelet = [this] { return cbxWavelet.Checked(); };

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
    // In the order of creation, which differs from the table's in one place.
    for (int created = 0; created < PlotWindowCount; ++created)
        for (const PlotWindowRow& row : PlotWindowTable)
            if (row.created == created)
                Plots.windows[&row - PlotWindowTable.data()] = CreatePlotWindow(*this, row);
    frmCalcInfo = Application->Own(std::make_unique<TfrmCalcInfo>());
    CreateWerkzeuge();

    SampleFunction(State, State.MaxLevel);
    Plots.PlotsReady = true;
    SaveOriginal(State);
    labaktDelta.SetCaption(Format("Aktuelles Delta: %g", State.aktDelta));
    UpdateLevelControls();
    ComputeLevelMatrices();
    ComputeWaveletKoeff(State);
    RedrawBasisWindows();
    // Beside the original arrangement, where the screen has room for it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->availableGeometry().width() >= frmWerkzeuge->Left() + frmWerkzeuge->Width())
        ShowWerkzeuge();
}

void TfrmHaupt::CreateWerkzeuge()
{
    std::vector<std::string> names;
    for (const SignalRow& row : SignalList())
        names.emplace_back(row.shown);
    frmWerkzeuge = Application->Own(std::make_unique<TfrmWerkzeuge>(names));
    frmWerkzeuge->SetIcon(ProgramIcon());
    frmWerkzeuge->OnSignalChosen = [this](int index) { ChooseSignal(index); };
    frmWerkzeuge->OnSignalFile = [this] { ChooseSignalFile(); };
    frmWerkzeuge->OnMaxLevelChosen = [this](int maxLevel) { ChooseMaxLevel(maxLevel); };
    frmWerkzeuge->OnResample = [this] { SampleAnew(); };
    frmWerkzeuge->OnKeepChanged = [this](int percent) { ChooseKeepPercent(percent); };
    frmWerkzeuge->OnKoeffizienten = [this] { ShowKoeffizienten(); };
    frmWerkzeuge->pltDelta.OnDeltaChosen = [this](int position) { ChooseDelta(position); };
    frmKoeffizienten = Application->Own(std::make_unique<TfrmKoeffizienten>());
    frmKoeffizienten->SetIcon(ProgramIcon());
    frmKoeffizienten->mniSavePicture =
        frmKoeffizienten->pmnKoeffizienten.AddItem(
            "Bild speichern…", [this] { SaveWindowPicture(*frmKoeffizienten, VectorDrawingOf(*frmKoeffizienten), *this); });
    CreateFensterMenu();
    frmWerkzeuge->ShowMaxLevel(State.MaxLevel);
    frmWerkzeuge->ShowMessage(Caption());
    OnCaption = [this](const std::string& caption) { frmWerkzeuge->ShowMessage(caption); };
}

void TfrmHaupt::scrDeltaChange()
{
    State.Delta = scrDelta.Position() / 100.0;
    labDelta.SetCaption(Format("Delta: %g", State.Delta));
    ComputeWaveletKoeff(State);
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
        DecomposeStep(State);
        RedrawFunctionWindows();
    }
    while (trbLevel.Position() > State.Level) {
        ReconstructStep(State);
        State.Level = State.Level + 1;
        RedrawFunctionWindows();
    }
    State.Level = trbLevel.Position();
    labLevel.SetCaption(Format("Level: %d", State.Level));
    ComputeWaveletKoeff(State);
    RedrawBasisWindows();
}

void TfrmHaupt::cbxSkalClick() { RedrawBasisWindows(); }

void TfrmHaupt::cbxWaveletClick() { RedrawBasisWindows(); }

void TfrmHaupt::butOpenClick()
{
    const int before = State.MaxLevel;
    const bool computed = LoadKoeffFile(*this);
    if (State.MaxLevel > before && !computed)
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
    trbLevel.SetMaxAndPosition(State.MaxLevel, State.Level);
    labLevel.SetCaption(Format("Level: %d", State.Level));
}

void TfrmHaupt::ComputeLevelMatrices()
{
    ProgressDisplay display(*frmCalcInfo);
    FillLevelMatrices(State, display);
    RedrawFunctionWindows();
}

void TfrmHaupt::TakeOverDelta()
{
    {
        const QSignalBlocker quiet(&scrDelta);
        scrDelta.SetPosition(static_cast<int>(std::lround(State.Delta * 100.0)));
    }
    labDelta.SetCaption(Format("Delta: %g", State.Delta));
    labaktDelta.SetCaption(Format("Aktuelles Delta: %g", State.aktDelta));
    ComputeWaveletKoeff(State);
    ComputeLevelMatrices();
}

void TfrmHaupt::SampleAnew()
{
    TakeSamples(State, CurrentSignal);
    UpdateLevelControls();
    ComputeLevelMatrices();
    ComputeWaveletKoeff(State);
    RedrawBasisWindows();
    ShowSignalInWerkzeuge();
}

void TfrmHaupt::ShowSignalInWerkzeuge()
{
    frmWerkzeuge->ShowSignal(CurrentSignal.listIndex, CurrentSignal.fileName);
    frmWerkzeuge->ShowMaxLevel(State.MaxLevel);
}

void TfrmHaupt::ChooseSignal(int listIndex)
{
    CurrentSignal = Signal::Listed(listIndex);
    SampleAnew();
}

void TfrmHaupt::ChooseSignalFile()
{
    TOpenDialog dialog("Signaldateien (*.txt *.csv *.dat);;Alle Dateien (*)");
    if (!dialog.Execute()) {
        SetCaption("Kein Signal geladen...");
        return;
    }
    std::string bytes;
    const ReadResult read = ReadSignalFile(dialog.FileName, bytes);
    if (read != ReadResult::Read) {
        SetCaption(read == ReadResult::TooLarge ? "Ungültiges Signal: größer als 64 MiB"
                                                : "Ungültiges Signal: Datei nicht lesbar");
        return;
    }
    const auto parsed = ParseSignalFile(bytes);
    if (const auto* refusal = std::get_if<SignalFileRefusal>(&parsed)) {
        SetCaption("Ungültiges Signal: " + refusal->reason);
        return;
    }
    const std::vector<double>& values = std::get<std::vector<double>>(parsed);
    CurrentSignal = Signal::File(values, std::filesystem::path(dialog.FileName).filename().string());
    SetMaxLevel(State, SignalLevel(values.size()));
    SetCaption("Signal geladen: " + std::to_string(values.size()) + " Werte");
    SampleAnew();
}

void TfrmHaupt::ChooseMaxLevel(int maxLevel)
{
    SetMaxLevel(State, maxLevel);
    SampleAnew();
}

void TfrmHaupt::RedrawFunctionWindows()
{
    UpdateCompressed();
    ::RedrawFunctionWindows(Plots);
    ShowNumbers();
}

void TfrmHaupt::UpdateCompressed()
{
    if (KeepPercent == 100) {
        KeptDetails.assign(static_cast<std::size_t>(DetailCount(State)), 1);
        Plots.compressed = &State;
        return;
    }
    KeptDetails = ::KeptDetails(State, KeepPercent, KeepBy::Contribution);
    Compressed = State;
    Compress(Compressed, KeptDetails);
    Plots.compressed = &Compressed;
}

void TfrmHaupt::ShowNumbers()
{
    frmWerkzeuge->pltDelta.SetMarker(State.aktDelta);
    ScheduleDeltaSweep();
    // Nobody sees the numbers while both windows are closed: they are brought
    // up to date when one of them opens.
    numbersOwed = !frmWerkzeuge->isVisible() && !frmKoeffizienten->isVisible();
    if (numbersOwed)
        return;
    const ErrorNumbers numbers = ComputeErrorNumbers(*Plots.compressed);
    const int N = DetailCount(State);
    frmWerkzeuge->ShowNumbers(numbers.MaxError, numbers.RmsError, KeptCount(KeepPercent, N), N, LevelEnergies(State).energy,
                              State.Level);
    frmKoeffizienten->ShowCoefficients(State, KeptDetails);
}

void TfrmHaupt::ScheduleDeltaSweep()
{
    if (deltaSweepScheduled)
        return;
    deltaSweepScheduled = true;
    QTimer::singleShot(0, this, [this] { StartDeltaSweepWhenFree(); });
}

void TfrmHaupt::StartDeltaSweepWhenFree()
{
    // A zero timer fires when the event loop is free; but showing the progress
    // window lets timers through too, so inside a handler it waits once more.
    if (InsideHandler()) {
        QTimer::singleShot(0, this, [this] { StartDeltaSweepWhenFree(); });
        return;
    }
    deltaSweepScheduled = false;
    Dispatch([this] { StartDeltaSweep(); });
}

void TfrmHaupt::StartDeltaSweep()
{
    DeltaSweepInput input = DeltaSweepInputOf(State, CurrentSignal, KeepPercent, KeepBy::Contribution);
    if (DeltaRun && input == DeltaInput)
        return;  // "Go!" alone moves only the marker: the table stays
    DeltaRun.reset();  // cancels the sweep under way and waits for its rows in hand
    DeltaInput = std::move(input);
    DeltaRows.assign(DeltaSweepPoints, std::nullopt);
    frmWerkzeuge->ShowDeltaRows(DeltaRows);
    const unsigned generation = ++DeltaGeneration;
    // Each row comes back to the window thread as a value; rows of an older
    // sweep are dropped there.
    DeltaRun = std::make_unique<DeltaSweepRun>(
        DeltaInput, SweepThreads(), [this, generation](int i, ErrorNumbers numbers) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, i, numbers] {
                    if (generation != DeltaGeneration)
                        return;
                    DeltaRows[static_cast<std::size_t>(i)] = numbers;
                    // Rows that arrive together are shown together.
                    if (!deltaRowsPending) {
                        deltaRowsPending = true;
                        QTimer::singleShot(0, this, [this] {
                            deltaRowsPending = false;
                            frmWerkzeuge->ShowDeltaRows(DeltaRows);
                        });
                    }
                },
                Qt::QueuedConnection);
        });
}

void TfrmHaupt::ComputeDeltaSweepNow()
{
    DeltaRun.reset();
    ++DeltaGeneration;
    DeltaInput = DeltaSweepInputOf(State, CurrentSignal, KeepPercent, KeepBy::Contribution);
    DeltaRows.assign(DeltaSweepPoints, std::nullopt);
    {
        // Distinct rows from distinct threads: no row is written twice.
        DeltaSweepRun run(DeltaInput, SweepThreads(),
                          [this](int i, ErrorNumbers numbers) { DeltaRows[static_cast<std::size_t>(i)] = numbers; });
        run.Wait();
    }
    frmWerkzeuge->ShowDeltaRows(DeltaRows);
}

void TfrmHaupt::ChooseDelta(int position)
{
    scrDelta.SetPosition(position);
    butGo.click();
}

void TfrmHaupt::ChooseKeepPercent(int percent)
{
    KeepPercent = percent;
    frmWerkzeuge->ShowKeep(percent);
    UpdateCompressed();
    for (TPlotWindow* w : Plots.windows)
        if (w->Row.compressed)
            w->Draw(w->RedrawFrame());
    ShowNumbers();
}

void TfrmHaupt::ShowKoeffizienten()
{
    frmKoeffizienten->Open();
    if (numbersOwed)
        ShowNumbers();
}

void TfrmHaupt::CreateFensterMenu()
{
    std::vector<TForm*> windows(Plots.windows.begin(), Plots.windows.end());
    windows.push_back(frmWerkzeuge);
    windows.push_back(frmKoeffizienten);
    for (TForm* window : windows) {
        QAction* entry = mnuFenster->addAction(QString::fromStdString(window->Caption()));
        entry->setCheckable(true);
        QObject::connect(entry, &QAction::triggered, this,
                         [this, window](bool checked) { Dispatch([this, window, checked] { ShowWindow(*window, checked); }); });
        // The checks say which windows are shown when the menu opens.
        QObject::connect(mnuFenster, &QMenu::aboutToShow, entry, [entry, window] { entry->setChecked(window->isVisible()); });
    }
    mnuFenster->addSeparator();
    mniFensterAnordnen = mnuFenster->addAction(QStringLiteral("Fenster anordnen"));
    QObject::connect(mniFensterAnordnen, &QAction::triggered, this, [this] { Dispatch([this] { ArrangeWindows(); }); });
}

void TfrmHaupt::ShowWindow(TForm& window, bool shown)
{
    if (!shown) {
        window.Hide();
        return;
    }
    if (&window == frmKoeffizienten) {
        ShowKoeffizienten();
        return;
    }
    if (&window == frmWerkzeuge) {
        ShowWerkzeuge();
        return;
    }
    window.Show();
    window.raise();
    if (auto* plot = dynamic_cast<TPlotWindow*>(&window))
        plot->Draw(plot->RedrawFrame());
}

void TfrmHaupt::ArrangeWindows()
{
    SetBounds(0, 0, 272, 202);
    for (TPlotWindow* w : Plots.windows) {
        const Bounds& b = w->Row.bounds;
        w->SetBounds(b.left, b.top, b.width, b.height);
        ShowWindow(*w, true);
    }
    frmWerkzeuge->SetBounds(1024, 0, 300, 740);
    Show();
}

void TfrmHaupt::ShowHilfe()
{
    if (!frmHilfe) {
        QFile text(QStringLiteral(":/vexlor/hilfe.html"));
        text.open(QIODevice::ReadOnly);
        frmHilfe = Application->Own(std::make_unique<TfrmHilfe>(QString::fromUtf8(text.readAll())));
        frmHilfe->SetIcon(ProgramIcon());
    }
    frmHilfe->Show();
    frmHilfe->raise();
    frmHilfe->activateWindow();
}

void TfrmHaupt::ShowWerkzeuge()
{
    frmWerkzeuge->Show();
    if (numbersOwed)
        ShowNumbers();
    frmWerkzeuge->raise();
    frmWerkzeuge->activateWindow();
}

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
    haupt->OnCaption = nullptr;
    Release(haupt->frmCalcInfo);
    Release(haupt->frmAbout);
    Release(haupt->frmWerkzeuge);
    Release(haupt->frmKoeffizienten);
    Release(haupt->frmHilfe);
    for (TPlotWindow*& w : haupt->Plots.windows)
        Release(w);
    Application->Release(haupt);
}
