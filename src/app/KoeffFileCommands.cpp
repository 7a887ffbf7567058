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

// A file that was read and checked: its levels and values become the state's.
void TakeOver(const KoeffFileContent& content)
{
    frmHaupt->SetCaption(" Datei geöffnet!");
    frmDetails->SetCaption(FromWindows1252(content.maxLevelWord));
    State.MaxLevel = content.maxLevel;
    State.Level = content.level;
    frmGlaette->SetCaption(FromWindows1252(content.levelWord));
    UpdateLevelControls();
    // Fewer values leave the rest of Koeff as it was.
    for (std::size_t i = 0; i < content.values.size(); ++i)
        Koeff[i] = content.values[i];
}

}  // namespace

void LoadKoeffFile()
{
    if (!frmHaupt->odgOpen.Execute()) {
        frmHaupt->SetCaption("Keine Datei geladen...");
        return;
    }
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
            TakeOver(std::get<KoeffFileContent>(parsed));
    }
    RedrawAllWindows();
}

void SaveKoeffFile()
{
    if (!frmHaupt->sdgSave.Execute()) {
        frmHaupt->SetCaption("Datei nicht gesichert!");
        return;
    }
    const std::string name = KoeffFileName(frmHaupt->sdgSave.FileName);
    if (!WriteKoeffFile(name, FormatKoeffFile(name, State.MaxLevel, State.Level, Koeff))) {
        frmHaupt->SetCaption("Konnte Datei nicht sichern!");
        return;
    }
    frmHaupt->SetCaption("Datei gespeichert!");
    RedrawAllWindows();
}
