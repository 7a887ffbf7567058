#include "app/KoeffFileCommands.h"

#include "analysis/AnalysisState.h"
#include "analysis/Tables.h"
#include "app/Haupt.h"
#include "io/CoefficientFile.h"
#include "plot/Fktdetail.h"
#include "plot/Fktglatt.h"
#include "plot/PlotWindow.h"

#include <string>
#include <variant>

namespace {

void RedrawAllWindows()
{
    RedrawFunctionWindows();
    RedrawBasisWindows();
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

// A file that was read and checked: its levels and values become the state's,
// and its Delta, where it records one, with the level matrices of that Delta.
// True when the level matrices were computed.
bool TakeOver(const KoeffFileContent& content)
{
    frmHaupt->SetCaption(OpenedCaption(content));
    frmDetails->SetCaption(FromWindows1252(content.maxLevelWord));
    State.MaxLevel = content.maxLevel;
    State.Level = content.level;
    frmGlaette->SetCaption(FromWindows1252(content.levelWord));
    UpdateLevelControls();
    // Fewer values leave the rest of Koeff as it was.
    for (std::size_t i = 0; i < content.values.size(); ++i)
        Koeff[i] = content.values[i];
    if (!content.delta)
        return false;
    frmHaupt->TakeOverDelta(*content.delta);
    return true;
}

}  // namespace

bool LoadKoeffFile()
{
    if (!frmHaupt->odgOpen.Execute()) {
        frmHaupt->SetCaption("Keine Datei geladen...");
        return false;
    }
    bool computed = false;
    std::string bytes;
    const ReadResult read = ReadKoeffFile(frmHaupt->odgOpen.FileName, bytes);
    if (read == ReadResult::CannotOpen) {
        frmHaupt->SetCaption("Konnte Datei nicht öffnen!");
    } else if (read == ReadResult::TooLarge) {
        frmHaupt->SetCaption("Ungültige Datei: größer als 1 MiB");
    } else {
        const auto parsed = ParseKoeffFile(bytes);
        if (const auto* refusal = std::get_if<KoeffFileRefusal>(&parsed))
            frmHaupt->SetCaption("Ungültige Datei: " + refusal->reason);
        else
            computed = TakeOver(std::get<KoeffFileContent>(parsed));
    }
    RedrawAllWindows();
    return computed;
}

void SaveKoeffFile()
{
    if (!frmHaupt->sdgSave.Execute()) {
        frmHaupt->SetCaption("Datei nicht gesichert!");
        return;
    }
    const std::string name = KoeffFileName(frmHaupt->sdgSave.FileName);
    const std::optional<std::string> bytes = FormatKoeffFile(name, State.MaxLevel, State.Level, Koeff, State.aktDelta);
    if (!bytes || !WriteKoeffFile(name, *bytes)) {
        frmHaupt->SetCaption("Konnte Datei nicht sichern!");
        return;
    }
    frmHaupt->SetCaption("Datei gespeichert!");
    RedrawAllWindows();
}
