#include "app/CsvFileCommands.h"

#include "analysis/CoefficientTable.h"
#include "app/Haupt.h"
#include "app/SaveFault.h"
#include "app/WerkzeugeCommands.h"
#include "io/CsvExport.h"
#include "io/SafeWrite.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "windows/Werkzeuge.h"

#include <filesystem>
#include <functional>
#include <string>

namespace {

void SaveCsv(TfrmHaupt& haupt, const std::string& name, const std::function<std::string(CsvStyle)>& table)
{
    TSaveDialog dialog(Tr(PhraseContext, CsvFilters));
    dialog.SuggestedName = name + ".csv";
    dialog.WrittenName = [](const DialogAnswer& answer) { return CsvFileName(answer.File); };
    if (!dialog.Execute()) {
        haupt.SetCaption(Tr("Tabellendatei", "Tabelle nicht gespeichert!"));
        return;
    }
    const std::string file = CsvFileName(dialog.FileName);
    const std::string shown = std::filesystem::path(file).filename().string();
    TfrmWerkzeuge& werkzeuge = haupt.Werkzeuge().Window();
    if (const WriteResult written = WriteWholeFile(file, table(CsvStyleOfFilter(dialog.FilterIndex)), FailFileStep);
        !written) {
        haupt.SetCaption(Tr("Tabellendatei", "Konnte Tabelle nicht speichern!"));
        werkzeuge.ShowMessage(
            Fill(Tr("Tabellendatei", "Konnte Tabelle nicht speichern: %1: %2"), {shown, Shown(WriteFailurePhrase(written))}));
        return;
    }
    Application->RememberFolderOf(file);
    haupt.SetCaption(Tr("Tabellendatei", "Tabelle gespeichert!"));
    werkzeuge.ShowMessage(Fill(Tr("Tabellendatei", "Tabelle gespeichert: %1"), {shown}));
}

}  // namespace

void SaveCoefficientsCsv(TfrmHaupt& haupt)
{
    const AnalysisSession& session = haupt.Session();
    SaveCsv(haupt, "koeffizienten", [&](CsvStyle style) {
        return CoefficientsCsv(CoefficientTable(session.State(), session.KeptDetails()), session.CurrentSignal().times,
                               style);
    });
}

void SaveDeltaTableCsv(TfrmHaupt& haupt)
{
    WerkzeugeCommands& werkzeuge = haupt.Werkzeuge();
    if (!haupt.Session().HasReference()) {
        werkzeuge.Window().ShowMessage(
            Tr("Tabellendatei", "Kein Delta-Vergleich: ohne Abtastwerte gibt es nichts zu vergleichen"));
        return;
    }
    werkzeuge.CompleteComparison();
    const DeltaComparison& comparison = werkzeuge.Comparison();
    SaveCsv(haupt, "delta-vergleich", [&](CsvStyle style) {
        return DeltaTableCsv(comparison.CurrentRows(), comparison.Input().noise.has_value(), style);
    });
}
