#include "app/ScriptedRun.h"

#include "analysis/Compression.h"
#include "analysis/Numbers.h"
#include "app/Calcmatrixfortschritt.h"
#include "app/Haupt.h"
#include "app/WerkzeugeCommands.h"
#include "io/CsvExport.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

std::string Printf(const char* format, double value)
{
    if (std::isnan(value))
        return "\u2014";
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The analysis the details, function and error windows draw.
const Analysis& ShownAnalysis() { return MainWindow()->Session().Shown(); }

void SetZoom(TCheckBox& box, bool on)
{
    if (box.Checked() != on)
        box.click();
}

// The dialogs of one action answer with its file.
void Choose(const std::string& file)
{
    FileDialogAnswer = [file](DialogKind, const std::string&) { return std::optional<std::string>(file); };
}

// The comparison's best Delta by the RMS distance to the samples, -1 while there is none.
int BestRmsDelta() { return BestDelta(MainWindow()->Werkzeuge().Comparison().CurrentRows(), SweepMeasure::DistanceRms); }

// An action the program refused, with what it said in "Meldung".
bool Refused(const std::string& option, std::string& error)
{
    error = option + ": " + MainWindow()->Werkzeuge().Window().LastMessage();
    return false;
}

// The comparison of the state the program is in.
DeltaSweepInput ComparisonInput()
{
    return MainWindow()->Session().ComparisonInput();
}

}  // namespace

void StartScriptedProgram()
{
    TfrmHaupt* haupt = CreateMainForm();
    // Scripted pictures come out the same on every run, the tools window's too.
    TfrmWerkzeuge& werkzeuge = haupt->Werkzeuge().Window();
    werkzeuge.Clock = [] { return QTime(12, 0, 0); };
    werkzeuge.ShowMessage(haupt->Caption());
    haupt->Werkzeuge().ShowWerkzeuge();
    haupt->Werkzeuge().ShowKoeffizienten();
    haupt->Show();  // last, the active window, as after a start
    haupt->activateWindow();
}

std::vector<TForm*> ProgramWindows()
{
    TfrmHaupt* haupt = MainWindow();
    std::vector<TForm*> all = {haupt};
    for (TPlotWindow* w : haupt->Plots().windows)
        all.push_back(w);
    all.push_back(&haupt->Werkzeuge().Window());
    all.push_back(&haupt->Werkzeuge().Koeffizienten());
    all.push_back(haupt->CalcInfo());
    std::erase(all, nullptr);
    return all;
}

bool Apply(const ScriptedAction& action, std::string& error)
{
    TfrmHaupt* frmHaupt = MainWindow();
    switch (action.kind) {
    case ScriptedAction::Scroll:
        frmHaupt->scrDelta.SetPosition(action.number);
        break;
    case ScriptedAction::Go:
        frmHaupt->butGo.click();
        break;
    case ScriptedAction::Level:
        if (action.number > frmHaupt->trbLevel.Max()) {
            error = "--level " + std::to_string(action.number) + " is above the track bar's maximum "
                    + std::to_string(frmHaupt->trbLevel.Max()) + " at that point";
            return false;
        }
        frmHaupt->trbLevel.SetPosition(action.number);
        break;
    case ScriptedAction::ZoomSkal:
        SetZoom(frmHaupt->cbxSkal, action.on);
        break;
    case ScriptedAction::ZoomWavelet:
        SetZoom(frmHaupt->cbxWavelet, action.on);
        break;
    case ScriptedAction::Load:
        Choose(action.file);
        frmHaupt->butOpen.click();
        break;
    case ScriptedAction::Save:
        Choose(action.file);
        frmHaupt->butSave.click();
        break;
    case ScriptedAction::MaxLevel:
        Dispatch([&] { frmHaupt->Werkzeuge().ChooseMaxLevel(action.number); });
        break;
    case ScriptedAction::DeltaSweep:
        Dispatch([&] { frmHaupt->Werkzeuge().Comparison().ComputeNow(ComparisonInput()); });
        break;
    case ScriptedAction::KeepBy:
        Dispatch([&] { frmHaupt->Werkzeuge().ChooseKeepRanking(action.on ? KeepBy::Magnitude : KeepBy::Contribution); });
        break;
    case ScriptedAction::TakeBestDelta:
        CompleteDeltaComparison();
        if (const int best = BestRmsDelta(); best >= 0)
            Dispatch([&] { frmHaupt->Werkzeuge().TakeDelta(best); });
        break;
    case ScriptedAction::Keep:
        Dispatch([&] { frmHaupt->Werkzeuge().ChooseKeepPercent(action.number); });
        break;
    case ScriptedAction::Axes:
        Dispatch([&] { frmHaupt->Werkzeuge().ChooseAxes(action.on ? AxesChoice::Fitted : AxesChoice::Original); });
        break;
    case ScriptedAction::OneScale:
        Dispatch([&] { frmHaupt->Werkzeuge().ChooseOneScale(action.on); });
        break;
    case ScriptedAction::Noise: {
        bool added = false;
        const auto seed = static_cast<std::uint32_t>(action.number);
        Dispatch([&] { added = frmHaupt->Werkzeuge().AddNoise(action.value, seed); });
        if (!added)
            return Refused("--noise", error);
        break;
    }
    case ScriptedAction::Denoise: {
        const auto rule = static_cast<ThresholdRule>(action.number);
        bool chosen = true;
        Dispatch([&] {
            WerkzeugeCommands& werkzeuge = frmHaupt->Werkzeuge();
            chosen = (rule != ThresholdRule::Manual || werkzeuge.ChooseLambda(action.value))
                     && werkzeuge.ChooseDenoiseRule(rule);
        });
        if (!chosen)
            return Refused("--denoise", error);
        break;
    }
    case ScriptedAction::Threshold:
        Dispatch([&] {
            frmHaupt->Werkzeuge().ChooseThresholdKind(action.on ? ThresholdKind::Soft : ThresholdKind::Hard);
        });
        break;
    case ScriptedAction::Signal: {
        // A name of the list, or else a file of samples.
        if (const std::optional<int> listIndex = FindSignal(action.file)) {
            Dispatch([&] { frmHaupt->Werkzeuge().ChooseSignal(*listIndex); });
        } else {
            Choose(action.file);
            Dispatch([&] { frmHaupt->Werkzeuge().ChooseSignalFile(); });
        }
        break;
    }
    }
    return true;
}

std::optional<std::string> FileFailure(const ScriptedAction& action)
{
    const std::string caption = MainWindow()->Caption();
    // The captions of a failure, in the language in use, begin as their texts before the reason.
    auto begins = [&caption](const std::string& text) { return caption.starts_with(text.substr(0, text.find("%1"))); };
    const bool failed = action.kind == ScriptedAction::Load
                            ? caption == Tr("KoeffFile", "Konnte Datei nicht öffnen!")
                                  || begins(Tr("KoeffFile", "Ungültige Datei: %1"))
                        : action.kind == ScriptedAction::Save ? begins(Tr("KoeffFile", "Konnte Datei nicht sichern: %1"))
                        : action.kind == ScriptedAction::Signal && begins(Tr("Werkzeuge", "Ungültiges Signal: %1"));
    if (!failed)
        return std::nullopt;
    return caption;
}

void CompleteDeltaComparison()
{
    MainWindow()->Werkzeuge().CompleteComparison();
}

std::string DeltaSweepCsv()
{
    const DeltaComparison& comparison = MainWindow()->Werkzeuge().Comparison();
    return DeltaTableCsv(comparison.CurrentRows(), comparison.Input().noise.has_value(), CsvStyle::International);
}

std::string KoeffCsv()
{
    const Analysis& State = MainWindow()->Session().State();
    const Analysis& Shown = ShownAnalysis();
    std::string csv;
    for (int i = 0; i <= LevelSize[State.MaxLevel]; ++i)
        csv += std::to_string(i) + ',' + Printf("%.17g", State.Koeff[i]) + ',' + Printf("%.17g", Shown.Koeff[i]) + '\n';
    return csv;
}

namespace {

// The lines of "Rauschen" and "Entrauschen", when either is in use: the
// noise added, the rule, sigma-hat, lambda per level, the details that stay,
// the ratios against the clean samples.
std::string DenoiseLines(const AnalysisSession& session, bool withBestDelta)
{
    const DenoiseSettings& denoise = session.Denoise();
    if (!session.Noise() && denoise.rule == ThresholdRule::Off)
        return {};
    auto list = [](const std::vector<double>& values) {
        std::string line;
        for (const double v : values)
            line += ' ' + Printf("%.17g", v);
        return line;
    };
    const Analysis& State = session.State();
    std::string report;
    report += "Noise: " + (session.Noise() ? Printf("%g", session.Noise()->sigma) + " seed "
                                                 + std::to_string(session.Noise()->seed)
                                           : std::string("none")) + "\n";
    report += std::string("Denoise: ") + ThresholdRuleWord(denoise.rule)
              + (denoise.kind == ThresholdKind::Soft ? " weich" : " hart") + (session.Denoised() ? "" : " (not applied)")
              + "\n";
    const Thresholds universal = ChooseThresholds(State, {ThresholdRule::Universal});
    report += "Sigma: " + Printf("%.17g", universal.sigmaHat) + "\n";
    report += "Lambda:" + (session.Denoised() ? list(session.CurrentThresholds().lambda) : std::string()) + "\n";
    const int N = DetailCount(State);
    report += "DenoisedKept: " + std::to_string(session.Denoised() ? session.CurrentThresholds().Kept() : N) + " of "
              + std::to_string(N) + "\n";
    if (!session.CleanSamples().empty()) {
        const CleanNumbers clean = CompareWithClean(session.Shown(), session.CleanSamples());
        report += "SnrNoisy: " + Printf("%.17g", clean.SnrNoisy) + "\n";
        report += "SnrDenoised: " + Printf("%.17g", clean.SnrDenoised) + "\n";
        report += "RmsNoisy: " + Printf("%.17g", clean.RmsNoisy) + "\n";
        report += "RmsDenoised: " + Printf("%.17g", clean.RmsDenoised) + "\n";
        const int best = BestDelta(MainWindow()->Werkzeuge().Comparison().CurrentRows(), SweepMeasure::Denoised);
        if (withBestDelta && best >= 0)
            report += "BestDeltaDenoised: " + Printf("%g", SweepDelta(best)) + "\n";
    }
    return report;
}

}  // namespace

std::string StateReport(bool withBestDelta)
{
    const TfrmHaupt* frmHaupt = MainWindow();
    const AnalysisSession& session = frmHaupt->Session();
    const Analysis& State = session.State();
    std::string report;
    report += "Delta: " + Printf("%g", State.Delta) + "\n";
    report += "aktDelta: " + Printf("%g", State.aktDelta) + "\n";
    report += "Level: " + std::to_string(State.Level) + "\n";
    report += "MaxLevel: " + std::to_string(State.MaxLevel) + "\n";
    report += "MaxAbsKoeff: " + Printf("%.17g", State.MaxAbsKoeff) + "\n";
    report += "Signal: " + SignalShownName(session.CurrentSignal()) + "\n";
    report += std::string("Axes: ") + AxesWord(session.Axes()) + "\n";
    report += std::string("KoeffScale: ") + (frmHaupt->Werkzeuge().Koeffizienten().OneScale() ? "alle" : "zeile") + "\n";
    // Without a reference there are no error numbers: "—", as the tools window shows.
    const ErrorNumbers numbers = session.HasReference() ? ComputeErrorNumbers(ShownAnalysis())
                                                        : ErrorNumbers{NAN, NAN, NAN, NAN, NAN};
    report += "MaxError: " + Printf("%.17g", numbers.MaxError) + "\n";
    report += "RmsError: " + Printf("%.17g", numbers.RmsError) + "\n";
    report += "DistanceMax: " + Printf("%.17g", numbers.DistanceMax) + "\n";
    report += "DistanceRms: " + Printf("%.17g", numbers.DistanceRms) + "\n";
    // The smooth part of Level, then each detail level, in that order.
    const PartEnergies energies = LevelEnergies(State);
    auto list = [](const std::vector<double>& values) {
        std::string line;
        for (const double v : values)
            line += ' ' + Printf("%.17g", v);
        return line;
    };
    report += "Energies:" + list(energies.energy) + "\n";
    report += "EnergyShares:" + list(energies.share) + "\n";
    const int N = DetailCount(State);
    const auto kept = std::count(session.KeptDetails().begin(), session.KeptDetails().end(), 1);
    report += "KeptDetails: " + std::to_string(kept) + " of " + std::to_string(N)
              + (session.KeepRanking() == KeepBy::Magnitude ? " by magnitude" : " by contribution") + "\n";
    if (const int best = BestRmsDelta(); withBestDelta && best >= 0)
        report += "BestDelta: " + Printf("%g", SweepDelta(best)) + "\n";
    report += DenoiseLines(session, withBestDelta);
    report += "labDelta: " + frmHaupt->labDelta.Caption() + "\n";
    report += "labaktDelta: " + frmHaupt->labaktDelta.Caption() + "\n";
    report += "labLevel: " + frmHaupt->labLevel.Caption() + "\n";
    for (TForm* form : ProgramWindows())
        report += form->Name() + ": " + form->Caption() + "\n";
    return report;
}

