#include "app/KoeffFileCommands.h"

#include "analysis/LevelMatrices.h"
#include "app/Haupt.h"
#include "app/WerkzeugeCommands.h"
#include "io/CoefficientFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <variant>

namespace {

// A label text in C's printf conventions.
std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
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
        return " Datei geöffnet!";
    return " Datei geöffnet! (" + std::to_string(content.values.size()) + " von " + std::to_string(expected)
           + " Werten)";
}

// A file that names another signal of the list brings it back as the error
// window's original, sampled at the file's finest level and Delta; otherwise
// the current signal stays the original.
void TakeOverSignal(AnalysisSession& session, const std::optional<std::string>& name)
{
    const std::optional<int> listed = name ? FindSignal(*name) : std::nullopt;
    if (!listed || *listed == session.CurrentSignal().listIndex)
        return;
    session.NameSignal(Signal::Listed(*listed));
    Analysis& A = session.State();
    const std::vector<double> samples = SampleSignal(session.CurrentSignal(), A.MaxLevel, A.aktDelta);
    std::copy(samples.begin(), samples.end(), A.KoeffOrig.begin());
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
    haupt.labDelta.SetCaption(Format("Delta: %g", A.Delta));
    haupt.labaktDelta.SetCaption(Format("Aktuelles Delta: %g", A.aktDelta));
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
    TakeOverSignal(haupt.Session(), content.signal);
    haupt.Werkzeuge().ShowSignal();  // the file's finest level
    haupt.Plot(Glaette).SetCaption(FromWindows1252(content.levelWord));
    haupt.UpdateLevelControls();
    if (!content.delta)
        return false;
    TakeOverDelta(haupt);
    return true;
}

}  // namespace

bool LoadKoeffFile(TfrmHaupt& haupt)
{
    if (!haupt.odgOpen.Execute()) {
        haupt.SetCaption("Keine Datei geladen...");
        return false;
    }
    bool computed = false;
    std::string bytes;
    const ReadResult read = ReadKoeffFile(haupt.odgOpen.FileName, bytes);
    if (read == ReadResult::CannotOpen) {
        haupt.SetCaption("Konnte Datei nicht öffnen!");
    } else if (read == ReadResult::TooLarge) {
        haupt.SetCaption("Ungültige Datei: größer als 1 MiB");
    } else {
        const auto parsed = ParseKoeffFile(bytes);
        if (const auto* refusal = std::get_if<KoeffFileRefusal>(&parsed))
            haupt.SetCaption("Ungültige Datei: " + refusal->reason);
        else
            computed = TakeOver(haupt, std::get<KoeffFileContent>(parsed));
    }
    RedrawAllWindows(haupt);
    return computed;
}

void SaveKoeffFile(TfrmHaupt& haupt)
{
    if (!haupt.sdgSave.Execute()) {
        haupt.SetCaption("Datei nicht gesichert!");
        return;
    }
    const std::string name = KoeffFileName(haupt.sdgSave.FileName);
    const Signal& current = haupt.Session().CurrentSignal();
    const std::string signal = current.IsFile() ? "Datei" : SignalShownName(current);
    const std::optional<std::string> bytes = FormatKoeffFile(name, haupt.Session().State(), signal);
    if (!bytes || !WriteKoeffFile(name, *bytes)) {
        haupt.SetCaption("Konnte Datei nicht sichern!");
        return;
    }
    haupt.SetCaption("Datei gespeichert!");
    RedrawAllWindows(haupt);
}
