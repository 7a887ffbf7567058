#include "app/WerkzeugeCommands.h"

#include "analysis/Compression.h"
#include "analysis/Numbers.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Samples.h"
#include "app/CsvFileCommands.h"
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

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

std::string SignalNameShown(const Signal& signal)
{
    return signal.IsFile() ? signal.fileName : Tr("Signal", SignalList()[static_cast<std::size_t>(signal.listIndex)].shown);
}

WerkzeugeCommands::WerkzeugeCommands(TfrmHaupt& haupt) : haupt(haupt)
{
    std::vector<std::string> names;
    for (int i = 0; i < static_cast<int>(SignalList().size()); ++i)
        names.push_back(SignalNameShown(Signal::Listed(i)));
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
    frmWerkzeuge->OnNoiseAdded = [this](double sigma, std::uint32_t seed) { AddNoise(sigma, seed); };
    frmWerkzeuge->OnNoiseRemoved = [this] { RemoveNoise(); };
    frmWerkzeuge->OnRuleChosen = [this](ThresholdRule rule) { ChooseDenoiseRule(rule); };
    frmWerkzeuge->OnKindChosen = [this](ThresholdKind kind) { ChooseThresholdKind(kind); };
    frmWerkzeuge->OnLambdaChosen = [this](double lambda) { ChooseLambda(lambda); };
    frmWerkzeuge->pltDelta.OnDeltaChosen = [this](int position) { TakeDelta(position); };
    frmKoeffizienten = Application->Own(std::make_unique<TfrmKoeffizienten>());
    frmKoeffizienten->SetIcon(ProgramIcon());
    frmKoeffizienten->mniSavePicture = frmKoeffizienten->pmnKoeffizienten.AddItem(
        Tr("Menus", "Bild speichern…"), [this] { SaveWindowPicture(*frmKoeffizienten, VectorDrawingOf(*frmKoeffizienten), this->haupt); });
    frmKoeffizienten->mniSaveCsv =
        frmKoeffizienten->pmnKoeffizienten.AddItem(Tr("Menus", "Als CSV speichern…"), [this] { SaveCoefficientsCsv(this->haupt); });
    frmWerkzeuge->OnDeltaCsv = [this] { SaveDeltaTableCsv(this->haupt); };
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

bool WerkzeugeCommands::CannotSample()
{
    const Signal& signal = haupt.Session().CurrentSignal();
    if (!signal.IsFile() || !signal.values.empty())
        return false;
    frmWerkzeuge->ShowMessage(Fill(
        Tr("Werkzeuge", "Nicht abgetastet: die Datei nennt das Dateisignal „%1“ ohne seine Werte; erst ein Signal wählen"),
        {signal.fileName}));
    ShowSignal();
    ShowDenoiseNumbers();
    return true;
}

void WerkzeugeCommands::SampleAnew()
{
    if (CannotSample())
        return;
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
    const std::vector<double>& clean = session.CleanSamples();
    double largest = 0.0;
    for (const double v : clean)
        largest = std::max(largest, std::fabs(v));
    frmWerkzeuge->ShowNoise(session.Noise(), session.Noise() ? session.Noise()->sigma * largest : 0.0);
}

void WerkzeugeCommands::ChooseSignal(int listIndex)
{
    haupt.Session().NameSignal(Signal::Listed(listIndex));
    haupt.Session().SetAxes(DefaultAxes(haupt.Session().CurrentSignal()));
    SampleAnew();
}

void WerkzeugeCommands::ChooseSignalFile()
{
    TOpenDialog dialog(Tr("Werkzeuge", "Signaldateien (*.txt *.csv *.dat);;Alle Dateien (*)"));
    if (!dialog.Execute()) {
        haupt.SetCaption(Tr("Werkzeuge", "Kein Signal geladen..."));
        return;
    }
    std::string bytes;
    const ReadResult read = ReadSignalFile(dialog.FileName, bytes);
    if (read != ReadResult::Read) {
        haupt.SetCaption(read == ReadResult::TooLarge ? Tr("Werkzeuge", "Ungültiges Signal: größer als 64 MiB")
                         : read == ReadResult::OutOfMemory
                             ? Tr("Werkzeuge", "Ungültiges Signal: zu wenig Speicher für die Datei")
                             : Tr("Werkzeuge", "Ungültiges Signal: Datei nicht lesbar"));
        return;
    }
    Application->RememberFolderOf(dialog.FileName);
    const auto parsed = ParseSignalFile(bytes);
    if (const auto* refusal = std::get_if<SignalFileRefusal>(&parsed)) {
        haupt.SetCaption(Fill(Tr("Werkzeuge", "Ungültiges Signal: %1"), {Shown(refusal->said)}));
        return;
    }
    const SignalFileContent& content = std::get<SignalFileContent>(parsed);
    // A time column's first and last time label the x axis.
    haupt.Session().NameSignal(
        Signal::File(content.values, std::filesystem::path(dialog.FileName).filename().string(), content.times));
    haupt.Session().SetAxes(DefaultAxes(haupt.Session().CurrentSignal()));
    SetMaxLevel(haupt.Session().State(), SignalLevel(content.values.size()));
        std::string reading;
    for (const Phrase& part : content.readingParts)
        reading += (reading.empty() ? "" : ", ") + Shown(part);
    haupt.SetCaption(Fill(Tr("Werkzeuge", "Signal geladen: %1"), {Shown(SignalFileSummary(content, reading))}));
    SampleAnew();
}

void WerkzeugeCommands::ChooseMaxLevel(int maxLevel)
{
    if (CannotSample())
        return;
    SetMaxLevel(haupt.Session().State(), maxLevel);
    SampleAnew();
    // A file's values change when the level asks for another count of them.
    if (const Signal& signal = haupt.Session().CurrentSignal(); signal.IsFile()) {
        const std::size_t samples = static_cast<std::size_t>(LevelSize[maxLevel]) + 1;
        if (signal.values.size() == samples)
            frmWerkzeuge->ShowMessage(Fill(Tr("Werkzeuge", "Feinste Stufe %1: die Werte der Datei, wie sie sind"),
                                           {std::to_string(maxLevel)}));
        else
            frmWerkzeuge->ShowMessage(
                Fill(Tr("Werkzeuge", "Feinste Stufe %1: die Werte der Datei linear auf %2 interpoliert"),
                     {std::to_string(maxLevel), std::to_string(samples)}));
    }
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

void WerkzeugeCommands::TakeSamplesDownTo(int level)
{
    haupt.Session().TakeSamples();
    haupt.UpdateLevelControls();
    // At MaxLevel the track bar does not move: the function windows show the
    // new samples all the same.
    if (level == haupt.Session().State().MaxLevel)
        haupt.RedrawFunctionWindows();
    else
        haupt.trbLevel.SetPosition(level);
    ShowSignal();
}

void WerkzeugeCommands::TakeDelta(int position)
{
    if (CannotSample())
        return;
    const int level = haupt.Session().State().Level;
    haupt.scrDelta.SetPosition(position);
    haupt.butGo.click();
    TakeSamplesDownTo(level);
    char delta[32];
    std::snprintf(delta, sizeof delta, "%g", SweepDelta(position));
    const std::string text =
        haupt.Session().CurrentSignal().IsFile()
            ? Tr("Werkzeuge", "Delta %1 übernommen: Go!, die Werte der Datei auf Stufe %2, zerlegt bis Level %3")
            : Tr("Werkzeuge", "Delta %1 übernommen: Go!, neu abgetastet auf Stufe %2, zerlegt bis Level %3");
    frmWerkzeuge->ShowMessage(Fill(text, {delta, std::to_string(haupt.Session().State().MaxLevel), std::to_string(level)}));
}

bool WerkzeugeCommands::Refuse(const std::string& message)
{
    frmWerkzeuge->ShowMessage(message);
    ShowDenoiseNumbers();
    return false;
}

bool WerkzeugeCommands::AddNoise(double sigma, std::uint32_t seed)
{
    if (CannotSample())
        return false;
    if (!(sigma >= 0.0 && sigma <= 1.0))
        return Refuse(Tr("Werkzeuge", "Rauschen nicht hinzugefügt: σ muss eine Zahl von 0 bis 1 sein (Anteil am "
                                      "größten Betrag des Signals)"));
    haupt.Session().SetNoise(NoiseSettings{sigma, seed});
    TakeSamplesDownTo(haupt.Session().State().Level);
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", sigma);
    frmWerkzeuge->ShowMessage(Fill(Tr("Werkzeuge", "Rauschen hinzugefügt: σ = %1 des größten Betrags, Startwert %2; "
                                                   "das saubere Signal bleibt die Referenz"),
                                   {shown, std::to_string(seed)}));
    return true;
}

void WerkzeugeCommands::RemoveNoise()
{
    if (CannotSample())
        return;
    haupt.Session().SetNoise(std::nullopt);
    TakeSamplesDownTo(haupt.Session().State().Level);
    frmWerkzeuge->ShowMessage(Tr("Werkzeuge", "Rauschen entfernt: das Signal ist wieder sauber abgetastet"));
}

bool WerkzeugeCommands::ChooseDenoiseRule(ThresholdRule rule)
{
    AnalysisSession& session = haupt.Session();
    const Analysis& State = session.State();
    if (rule != ThresholdRule::Off) {
        if (State.Level >= State.MaxLevel)
            return Refuse(Fill(Tr("Werkzeuge", "Entrauschen nicht möglich: auf der feinsten Stufe (Level = %1) gibt es "
                                               "keine Details; erst den Level senken"),
                               {std::to_string(State.MaxLevel)}));
        if (!EnoughSamples(State, session.CurrentSignal()))
            return Refuse(Fill(Tr("Werkzeuge", "Entrauschen nicht möglich: das Signal hat weniger als %1 Abtastwerte"),
                               {std::to_string(DenoiseMinSamples)}));
    }
    DenoiseSettings settings = session.Denoise();
    settings.rule = rule;
    if (rule == ThresholdRule::Manual && !lambdaChosen) {
        const Thresholds universal = ChooseThresholds(State, {ThresholdRule::Universal});
        settings.lambda = std::isfinite(universal.lambda.front()) ? universal.lambda.front() : 0.0;
    }
    session.SetDenoise(settings);
    RedrawCompressedWindows();
    ShowDenoiseMessage();
    return true;
}

void WerkzeugeCommands::ChooseThresholdKind(ThresholdKind kind)
{
    DenoiseSettings settings = haupt.Session().Denoise();
    settings.kind = kind;
    haupt.Session().SetDenoise(settings);
    RedrawCompressedWindows();
    ShowDenoiseMessage();
}

void WerkzeugeCommands::ShowDenoiseMessage()
{
    const DenoiseSettings& settings = haupt.Session().Denoise();
    const std::string rules[] = {Tr("Werkzeuge", "aus"), Tr("Werkzeuge", "universelle Schwelle"), Tr("Werkzeuge", "SURE"),
                                 Tr("Werkzeuge", "manuelle Schwelle")};
    const std::string& rule = rules[static_cast<int>(settings.rule)];
    const std::string kind = settings.kind == ThresholdKind::Soft ? Tr("Werkzeuge", "weich") : Tr("Werkzeuge", "hart");
    char lambda[48];
    std::snprintf(lambda, sizeof lambda, "%g", settings.lambda);
    if (settings.rule == ThresholdRule::Off)
        frmWerkzeuge->ShowMessage(Fill(Tr("Werkzeuge", "Entrauschen: %1"), {rule}));
    else if (settings.rule == ThresholdRule::Manual)
        frmWerkzeuge->ShowMessage(Fill(Tr("Werkzeuge", "Entrauschen: %1, %2, λ = %3"), {rule, kind, lambda}));
    else
        frmWerkzeuge->ShowMessage(Fill(Tr("Werkzeuge", "Entrauschen: %1, %2"), {rule, kind}));
}

bool WerkzeugeCommands::ChooseLambda(double lambda)
{
    if (!(lambda >= 0.0 && std::isfinite(lambda)))
        return Refuse(Tr("Werkzeuge", "λ nicht übernommen: λ muss eine Zahl ≥ 0 sein"));
    lambdaChosen = true;
    DenoiseSettings settings = haupt.Session().Denoise();
    settings.lambda = lambda;
    haupt.Session().SetDenoise(settings);
    RedrawCompressedWindows();
    ShowDenoiseMessage();  // in place of an earlier refusal
    return true;
}

void WerkzeugeCommands::ShowDenoiseNumbers()
{
    const AnalysisSession& session = haupt.Session();
    const Analysis& State = session.State();
    // The universal threshold gives the noise estimate and the slider's scale
    // (twice it) whatever the rule.
    const Thresholds universal = ChooseThresholds(State, {ThresholdRule::Universal});
    const double reference = universal.lambda.empty() ? NAN : universal.lambda.front();
    frmWerkzeuge->ShowDenoise(session.Denoise(), reference > 0.0 && std::isfinite(reference) ? 2.0 * reference : 1.0);
    DenoiseReport report;
    report.sigmaHat = universal.sigmaHat;
    report.level = State.Level;
    report.detailCount = DetailCount(State);
    report.kept = report.detailCount;
    report.keepPercent = session.KeepPercent();
    if (session.Denoised()) {
        report.rule = session.Denoise().rule;
        report.lambda = session.CurrentThresholds().lambda;
        report.kept = session.CurrentThresholds().Kept();
    }
    if (!session.CleanSamples().empty())
        report.clean = CompareWithClean(session.Shown(), session.CleanSamples());
    frmWerkzeuge->ShowDenoiseNumbers(report);
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
                                                        : ErrorNumbers{NAN, NAN, NAN, NAN, NAN};
    const auto kept = std::count(session.KeptDetails().begin(), session.KeptDetails().end(), 1);
    ShowDenoiseNumbers();
    // Said once when the numbers stop being numbers, not over every later message.
    const bool finite = frmWerkzeuge->ShowNumbers(numbers, static_cast<int>(kept), N, LevelEnergies(State), State.Level)
                        || !session.HasReference();
    if (!finite && numbersFinite)
        frmWerkzeuge->ShowMessage(Tr("Werkzeuge", "Kennzahlen: ein Wert ist keine endliche Zahl (—): die Werte des "
                                                  "Signals sind zu groß oder keine Zahlen"));
    numbersFinite = finite;
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

void WerkzeugeCommands::CompleteComparison()
{
    const DeltaSweepInput input = haupt.Session().ComparisonInput();
    if (comparison->Input() != input || !comparison->Complete())
        comparison->ComputeNow(input);
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
