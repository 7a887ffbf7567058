#include "app/WerkzeugeCommands.h"

#include "analysis/Compression.h"
#include "analysis/Numbers.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Samples.h"
#include "app/Haupt.h"
#include "app/ProgramIcon.h"
#include "app/PictureFileCommands.h"
#include "app/Pictures.h"
#include "io/SignalFile.h"
#include "toolkit/Application.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <QGuiApplication>
#include <QSignalBlocker>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

WerkzeugeCommands::WerkzeugeCommands(TfrmHaupt& haupt) : haupt(haupt)
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
    frmWerkzeuge->OnKeepByChanged = [this](bool byMagnitude) {
        ChooseKeepRanking(byMagnitude ? KeepBy::Magnitude : KeepBy::Contribution);
    };
    frmWerkzeuge->OnKoeffizienten = [this] { ShowKoeffizienten(); };
    frmWerkzeuge->OnAxesChosen = [this](bool fitted) { ChooseAxes(fitted ? AxesChoice::Fitted : AxesChoice::Original); };
    frmWerkzeuge->OnOneScaleChosen = [this](bool one) { ChooseOneScale(one); };
    frmWerkzeuge->pltDelta.OnDeltaChosen = [this](int position) { TakeDelta(position); };
    frmKoeffizienten = Application->Own(std::make_unique<TfrmKoeffizienten>());
    frmKoeffizienten->SetIcon(ProgramIcon());
    frmKoeffizienten->mniSavePicture = frmKoeffizienten->pmnKoeffizienten.AddItem(
        "Bild speichern…", [this] { SaveWindowPicture(*frmKoeffizienten, VectorDrawingOf(*frmKoeffizienten), this->haupt); });
    frmWerkzeuge->ShowMaxLevel(haupt.Session().State().MaxLevel);
    frmWerkzeuge->ShowMessage(haupt.Caption());
    haupt.OnCaption = [this](const std::string& caption) { frmWerkzeuge->ShowMessage(caption); };
    comparison = std::make_unique<DeltaComparison>([this] { ShowRows(); });
}

WerkzeugeCommands::~WerkzeugeCommands() = default;

void WerkzeugeCommands::ReleaseWindows()
{
    comparison.reset();
    haupt.OnCaption = nullptr;
    Application->Release(frmWerkzeuge);
    Application->Release(frmKoeffizienten);
    frmWerkzeuge = nullptr;
    frmKoeffizienten = nullptr;
}

void WerkzeugeCommands::SampleAnew()
{
    haupt.Session().TakeSamples();
    haupt.UpdateLevelControls();
    haupt.ComputeLevelMatrices();
    ComputeWaveletKoeff(haupt.Session().State());
    haupt.RedrawBasisWindows();
    ShowSignal();
}

void WerkzeugeCommands::ShowSignal()
{
    const AnalysisSession& session = haupt.Session();
    const Signal& signal = session.CurrentSignal();
    frmWerkzeuge->ShowSignal(signal.listIndex, signal.fileName);
    frmWerkzeuge->ShowMaxLevel(session.State().MaxLevel);
    frmWerkzeuge->ShowKeep(session.KeepPercent(), session.KeepRanking() == KeepBy::Magnitude);
    frmWerkzeuge->ShowAxes(session.Axes() == AxesChoice::Fitted);
}

void WerkzeugeCommands::ChooseSignal(int listIndex)
{
    haupt.Session().NameSignal(Signal::Listed(listIndex));
    haupt.Session().SetAxes(DefaultAxes(haupt.Session().CurrentSignal()));
    SampleAnew();
}

void WerkzeugeCommands::ChooseSignalFile()
{
    TOpenDialog dialog("Signaldateien (*.txt *.csv *.dat);;Alle Dateien (*)");
    if (!dialog.Execute()) {
        haupt.SetCaption("Kein Signal geladen...");
        return;
    }
    std::string bytes;
    const ReadResult read = ReadSignalFile(dialog.FileName, bytes);
    if (read != ReadResult::Read) {
        haupt.SetCaption(read == ReadResult::TooLarge      ? "Ungültiges Signal: größer als 64 MiB"
                         : read == ReadResult::OutOfMemory ? "Ungültiges Signal: zu wenig Speicher für die Datei"
                                                           : "Ungültiges Signal: Datei nicht lesbar");
        return;
    }
    const auto parsed = ParseSignalFile(bytes);
    if (const auto* refusal = std::get_if<SignalFileRefusal>(&parsed)) {
        haupt.SetCaption("Ungültiges Signal: " + refusal->reason);
        return;
    }
    const SignalFileContent& content = std::get<SignalFileContent>(parsed);
    // A time column's first and last time label the x axis.
    const std::optional<TimeRange> times =
        content.times ? std::optional(TimeRange{content.times->first, content.times->last}) : std::nullopt;
    haupt.Session().NameSignal(
        Signal::File(content.values, std::filesystem::path(dialog.FileName).filename().string(), times));
    haupt.Session().SetAxes(DefaultAxes(haupt.Session().CurrentSignal()));
    SetMaxLevel(haupt.Session().State(), SignalLevel(content.values.size()));
    haupt.SetCaption("Signal geladen: " + SignalFileMessage(content));
    SampleAnew();
}

void WerkzeugeCommands::ChooseMaxLevel(int maxLevel)
{
    SetMaxLevel(haupt.Session().State(), maxLevel);
    SampleAnew();
}

void WerkzeugeCommands::ChooseKeepPercent(int percent)
{
    haupt.Session().SetKeepPercent(percent);
    RedrawCompressedWindows();
}

void WerkzeugeCommands::ChooseKeepRanking(KeepBy by)
{
    haupt.Session().SetKeepRanking(by);
    RedrawCompressedWindows();
}

void WerkzeugeCommands::ChooseAxes(AxesChoice choice)
{
    haupt.Session().SetAxes(choice);
    frmWerkzeuge->ShowAxes(choice == AxesChoice::Fitted);
    haupt.RedrawBasisWindows();
    ::RedrawFunctionWindows(haupt.Plots());
}

void WerkzeugeCommands::ChooseOneScale(bool one)
{
    const QSignalBlocker quiet(&frmWerkzeuge->cbxEinMassstab);
    frmWerkzeuge->cbxEinMassstab.setChecked(one);
    frmKoeffizienten->SetOneScale(one);
}

void WerkzeugeCommands::RedrawCompressedWindows()
{
    const AnalysisSession& session = haupt.Session();
    frmWerkzeuge->ShowKeep(session.KeepPercent(), session.KeepRanking() == KeepBy::Magnitude);
    for (TPlotWindow* w : haupt.Plots().windows)
        if (w->Row.compressed && w->isVisible())
            w->Redraw();
    ShowNumbers();
    RequestComparison();
}

void WerkzeugeCommands::TakeDelta(int position)
{
    const int level = haupt.Session().State().Level;
    haupt.scrDelta.SetPosition(position);
    haupt.butGo.click();
    haupt.Session().TakeSamples();
    haupt.UpdateLevelControls();
    haupt.trbLevel.SetPosition(level);
    ShowSignal();
    char text[160];
    std::snprintf(text, sizeof text, "Delta %g übernommen: Go!, neu abgetastet auf Stufe %d, zerlegt bis Level %d",
                  SweepDelta(position), haupt.Session().State().MaxLevel, level);
    frmWerkzeuge->ShowMessage(text);
}

void WerkzeugeCommands::ShowNumbers()
{
    const AnalysisSession& session = haupt.Session();
    const Analysis& State = session.State();
    frmWerkzeuge->pltDelta.SetMarker(State.aktDelta);
    // Nobody sees the numbers while both windows are closed: they are brought
    // up to date when one of them opens.
    numbersOwed = !frmWerkzeuge->isVisible() && !frmKoeffizienten->isVisible();
    if (numbersOwed)
        return;
    const int N = DetailCount(State);
    // Without a reference there is nothing to measure the error against.
    const ErrorNumbers numbers = session.HasReference() ? ComputeErrorNumbers(session.Shown())
                                                        : ErrorNumbers{NAN, NAN, NAN, NAN};
    if (!frmWerkzeuge->ShowNumbers(numbers, KeptCount(session.KeepPercent(), N), N, LevelEnergies(State), State.Level)
        && session.HasReference())
        frmWerkzeuge->ShowMessage("Kennzahlen: ein Wert ist keine endliche Zahl (—): die Werte des Signals sind zu groß "
                                  "oder keine Zahlen");
    frmKoeffizienten->ShowCoefficients(State, session.KeptDetails(), XLabelsOf(session.CurrentSignal()));
}

void WerkzeugeCommands::RequestComparison()
{
    // Nobody sees the comparison while the tools window is closed: it is
    // asked for when the window opens.
    comparisonOwed = !frmWerkzeuge->isVisible();
    if (comparisonOwed || comparisonAsked)
        return;
    // Once the event loop is free (a burst of changes asks once) and no
    // handler runs.
    comparisonAsked = true;
    QTimer::singleShot(0, frmWerkzeuge, [this] {
        WhenHandlersEnd(frmWerkzeuge, [this] {
            comparisonAsked = false;
            if (!haupt.Session().HasReference())
                comparison->Stop();  // no rows without samples to compare with
            else
                comparison->Request(haupt.Session().ComparisonInput());
        });
    });
}

void WerkzeugeCommands::ShowRows()
{
    if (frmWerkzeuge)
        frmWerkzeuge->ShowDeltaRows(comparison->CurrentRows());
}

void WerkzeugeCommands::ShowWerkzeuge()
{
    frmWerkzeuge->Show();
    if (numbersOwed)
        ShowNumbers();
    if (comparisonOwed)
        RequestComparison();
    frmWerkzeuge->raise();
    frmWerkzeuge->activateWindow();
}

void WerkzeugeCommands::ShowKoeffizienten()
{
    frmKoeffizienten->Open();
    if (numbersOwed)
        ShowNumbers();
}

void WerkzeugeCommands::ShowBesideTheWindowsWhereThereIsRoom()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->availableGeometry().width() >= frmWerkzeuge->Left() + frmWerkzeuge->Width())
        ShowWerkzeuge();
}
