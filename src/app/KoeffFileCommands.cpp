#include "app/KoeffFileCommands.h"

#include "analysis/LevelMatrices.h"
#include "app/Haupt.h"
#include "app/SaveFault.h"
#include "app/WerkzeugeCommands.h"
#include "io/CoefficientFile.h"
#include "toolkit/Application.h"
#include "windows/Werkzeuge.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <variant>

namespace {

// A label text: the number in C's printf conventions in the text's %1.
std::string Format(const std::string& text, const char* format, double value)
{
    char number[64];
    std::snprintf(number, sizeof number, format, value);
    return Fill(text, {number});
}

void RedrawAllWindows(TfrmHaupt& haupt)
{
    haupt.RedrawFunctionWindows();
    haupt.RedrawBasisWindows();
}

// " Datei geöffnet!", and how many values came when they were not 2^MaxLevel + 1.
std::string OpenedCaption(const KoeffFileContent& content)
{
    const std::size_t expected = static_cast<std::size_t>(LevelSize[content.maxLevel]) + 1;
    if (content.values.size() == expected)
        return Tr("KoeffFile", " Datei geöffnet!");
    return Fill(Tr("KoeffFile", " Datei geöffnet! (%1 von %2 Werten)"),
                {std::to_string(content.values.size()), std::to_string(expected)});
}

// The signal and the error window's reference a loaded file brings: its
// samples where it stores them; else the signal it names (or the current one,
// where it names none) sampled anew at the file's finest level and Delta; a
// file signal named without its samples leaves no reference. What was taken
// goes to "Meldung".
std::string TakeOverReference(AnalysisSession& session, const KoeffFileLesson& lesson)
{
    const Analysis& A = session.State();
    const std::optional<int> listed = FindSignal(lesson.signal);
    const Signal& current = session.CurrentSignal();
    if (listed)
        session.NameSignal(Signal::Listed(*listed));
    else if (lesson.signal == "Datei" && !(current.IsFile() && current.fileName == lesson.fileName))
        session.NameSignal(Signal::File(lesson.reference, lesson.fileName, lesson.times));
    if (!lesson.reference.empty()) {
        // With noise the file holds the clean samples; the noisy ones are made anew.
        session.SetNoise(lesson.noise);
        session.SetCleanReference(lesson.reference);
        return lesson.noise ? Tr("KoeffFile", "Referenz aus der Datei, mit ihrem Rauschen")
                            : Tr("KoeffFile", "Referenz aus der Datei");
    }
    const Signal& named = session.CurrentSignal();
    if (named.IsFile() && named.values.empty()) {
        session.ForgetReference();
        return Fill(Tr("KoeffFile", "keine Referenz: die Datei nennt das Dateisignal „%1“ ohne seine Abtastwerte; "
                                    "Fehlerfenster und Kennzahlen bleiben leer"),
                    {lesson.fileName});
    }
    session.SetReference(SampleSignal(named, A.MaxLevel, A.aktDelta));
    return Fill(lesson.signal.empty() ? Tr("KoeffFile", "Referenz: das aktuelle Signal „%1“, neu abgetastet auf Stufe %2")
                                      : Tr("KoeffFile", "Referenz: das Signal „%1“, neu abgetastet auf Stufe %2"),
                {SignalNameShown(named), std::to_string(A.MaxLevel)});
}

// The compression, axes and scale a loaded file records, or the defaults. A
// file that names no signal (as older versions wrote) leaves the axes as they
// are, one without a scale the scale.
void TakeOverSettings(AnalysisSession& session, const KoeffFileLesson& lesson)
{
    session.SetKeepRanking(lesson.ranking == "betrag" ? KeepBy::Magnitude : KeepBy::Contribution);
    session.SetKeepPercent(lesson.keepPercent ? static_cast<int>(std::lround(*lesson.keepPercent)) : 100);
    if (!lesson.signal.empty()) {
        session.SetAxes(FindAxesChoice(lesson.axes).value_or(DefaultAxes(session.CurrentSignal())));
        session.SetDenoise({FindThresholdRule(lesson.denoise).value_or(ThresholdRule::Off),
                            lesson.threshold == "weich" ? ThresholdKind::Soft : ThresholdKind::Hard,
                            lesson.lambda.value_or(0.0)});
    }
    if (lesson.scale)
        session.State().MaxAbsKoeff = *lesson.scale;
}

// A loaded file's Delta: the scroll bar (without its own reaction, which
// would round Delta to the position), both labels, the wavelet coefficients
// and the level matrices, as "Go!" computes them.
void TakeOverDelta(TfrmHaupt& haupt)
{
    const Analysis& A = haupt.Session().State();
    {
        const QSignalBlocker quiet(&haupt.scrDelta);
        haupt.scrDelta.SetPosition(static_cast<int>(std::lround(A.Delta * 100.0)));
    }
    haupt.labDelta.SetCaption(Format(Tr("Haupt", "Delta: %1"), "%g", A.Delta));
    haupt.labaktDelta.SetCaption(Format(Tr("Haupt", "Aktuelles Delta: %1"), "%g", A.aktDelta));
    ComputeWaveletKoeff(haupt.Session().State());
    haupt.ComputeLevelMatrices();
}

// A file that was read and checked: its levels and values become the state's,
// and its Delta, where it records one, with the level matrices of that Delta.
// True when the level matrices were computed.
bool TakeOver(TfrmHaupt& haupt, const KoeffFileContent& content)
{
    haupt.SetCaption(OpenedCaption(content));
    haupt.Plot(Details).SetCaption(FromWindows1252(content.maxLevelWord));
    haupt.Session().ForgetNoise();  // the file's coefficients are not the noisy samples
    StoreKoeffFile(content, haupt.Session().State());
    const std::string reference = TakeOverReference(haupt.Session(), content.lesson);
    TakeOverSettings(haupt.Session(), content.lesson);
    haupt.Werkzeuge().ShowSignal();  // the file's signal, finest level, compression and axes
    haupt.Plot(Glaette).SetCaption(FromWindows1252(content.levelWord));
    haupt.UpdateLevelControls();
    haupt.Werkzeuge().Window().ShowMessage(haupt.Caption() + " \u2013 " + reference);
    if (!content.delta)
        return false;
    TakeOverDelta(haupt);
    return true;
}

// The reference every program starts with (the sine at level 7, sampled with
// the shift of Delta 0.4) needs no lines in the file.
bool IsStartUpReference(const Signal& signal, const Analysis& A)
{
    const Analysis start;
    if (signal != Signal::Listed(0) || A.MaxLevel != start.MaxLevel)
        return false;
    const std::vector<double> samples = SampleSignal(signal, start.MaxLevel, start.aktDelta);
    return std::equal(samples.begin(), samples.end(), A.KoeffOrig.begin());
}

// What the program knows of the lesson beyond the coefficients.
KoeffFileLesson LessonOf(const AnalysisSession& session)
{
    const Signal& signal = session.CurrentSignal();
    const Analysis& A = session.State();
    KoeffFileLesson lesson;
    lesson.signal = signal.IsFile() ? "Datei" : SignalShownName(signal);
    lesson.fileName = signal.IsFile() ? signal.fileName : "";
    lesson.times = signal.times;
    if (session.KeepPercent() != 100)
        lesson.keepPercent = session.KeepPercent();
    if (session.KeepPercent() != 100 || session.KeepRanking() == KeepBy::Magnitude)
        lesson.ranking = session.KeepRanking() == KeepBy::Magnitude ? "betrag" : "beitrag";
    if (session.Axes() != DefaultAxes(signal))
        lesson.axes = AxesWord(session.Axes());
    if (A.MaxAbsKoeff != 1.0)  // the start value needs no word
        lesson.scale = A.MaxAbsKoeff;
    if (session.Noise()) {
        lesson.noise = session.Noise();
        lesson.reference = session.CleanSamples();
    } else if (!IsStartUpReference(signal, A)) {
        lesson.reference.assign(A.KoeffOrig.begin(), A.KoeffOrig.begin() + LevelSize[A.MaxLevel] + 1);
    }
    const DenoiseSettings& denoise = session.Denoise();
    if (denoise.rule != ThresholdRule::Off) {
        lesson.denoise = ThresholdRuleWord(denoise.rule);
        lesson.threshold = denoise.kind == ThresholdKind::Soft ? "weich" : "hart";
        if (denoise.rule == ThresholdRule::Manual)
            lesson.lambda = denoise.lambda;
    }
    return lesson;
}

}  // namespace

bool LoadKoeffFile(TfrmHaupt& haupt)
{
    if (!haupt.odgOpen.Execute()) {
        haupt.SetCaption(Tr("KoeffFile", "Keine Datei geladen..."));
        return false;
    }
    bool computed = false;
    std::string bytes;
    const ReadResult read = ReadKoeffFile(haupt.odgOpen.FileName, bytes);
    if (read == ReadResult::CannotOpen) {
        haupt.SetCaption(Tr("KoeffFile", "Konnte Datei nicht öffnen!"));
    } else if (read == ReadResult::TooLarge) {
        haupt.SetCaption(Tr("KoeffFile", "Ungültige Datei: größer als 1 MiB"));
    } else if (read == ReadResult::OutOfMemory) {
        haupt.SetCaption(Tr("KoeffFile", "Ungültige Datei: zu wenig Speicher"));
    } else {
        Application->RememberFolderOf(haupt.odgOpen.FileName);
        const auto parsed = ParseKoeffFile(bytes);
        if (const auto* refusal = std::get_if<KoeffFileRefusal>(&parsed))
            haupt.SetCaption(Fill(Tr("KoeffFile", "Ungültige Datei: %1"), {Shown(refusal->said)}));
        else
            computed = TakeOver(haupt, std::get<KoeffFileContent>(parsed));
    }
    RedrawAllWindows(haupt);
    return computed;
}

void SaveKoeffFile(TfrmHaupt& haupt)
{
    if (!haupt.sdgSave.Execute()) {
        haupt.SetCaption(Tr("KoeffFile", "Datei nicht gesichert!"));
        return;
    }
    const std::string name = KoeffFileName(haupt.sdgSave.FileName);
    const std::optional<std::string> bytes = FormatKoeffFile(name, haupt.Session().State(), LessonOf(haupt.Session()));
    if (!bytes) {
        haupt.SetCaption(Tr("KoeffFile", "Konnte Datei nicht sichern: ein Koeffizient ist keine endliche Zahl"));
        return;
    }
    if (const WriteResult written = WriteKoeffFile(name, *bytes, FailFileStep); !written) {
        haupt.SetCaption(Fill(Tr("KoeffFile", "Konnte Datei nicht sichern: %1"), {Shown(WriteFailurePhrase(written))}));
        return;
    }
    Application->RememberFolderOf(name);
    haupt.SetCaption(Tr("KoeffFile", "Datei gespeichert!"));
    RedrawAllWindows(haupt);
}
