#include "app/KoeffFileCommands.h"

#include "app/Haupt.h"
#include "io/CoefficientFile.h"

#include <algorithm>
#include <string>
#include <variant>

namespace {

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
void TakeOverSignal(TfrmHaupt& haupt, const std::optional<std::string>& name)
{
    const std::optional<int> listed = name ? FindSignal(*name) : std::nullopt;
    if (!listed || *listed == haupt.CurrentSignal.listIndex)
        return;
    haupt.CurrentSignal = Signal::Listed(*listed);
    Analysis& A = haupt.State;
    const std::vector<double> samples = SampleSignal(haupt.CurrentSignal, A.MaxLevel, A.aktDelta);
    std::copy(samples.begin(), samples.end(), A.KoeffOrig.begin());
}

// A file that was read and checked: its levels and values become the state's,
// and its Delta, where it records one, with the level matrices of that Delta.
// True when the level matrices were computed.
bool TakeOver(TfrmHaupt& haupt, const KoeffFileContent& content)
{
    haupt.SetCaption(OpenedCaption(content));
    haupt.Plot(Details).SetCaption(FromWindows1252(content.maxLevelWord));
    StoreKoeffFile(content, haupt.State);
    TakeOverSignal(haupt, content.signal);
    haupt.ShowSignalInWerkzeuge();  // the file's finest level
    haupt.Plot(Glaette).SetCaption(FromWindows1252(content.levelWord));
    haupt.UpdateLevelControls();
    if (!content.delta)
        return false;
    haupt.TakeOverDelta();
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
    const std::string signal =
        haupt.CurrentSignal.IsFile() ? "Datei" : SignalShownName(haupt.CurrentSignal);
    const std::optional<std::string> bytes = FormatKoeffFile(name, haupt.State, signal);
    if (!bytes || !WriteKoeffFile(name, *bytes)) {
        haupt.SetCaption("Konnte Datei nicht sichern!");
        return;
    }
    haupt.SetCaption("Datei gespeichert!");
    RedrawAllWindows(haupt);
}
