#include "app/PictureFileCommands.h"

#include "app/Haupt.h"
#include "app/Pictures.h"
#include "app/SaveFault.h"
#include "app/WerkzeugeCommands.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "windows/Werkzeuge.h"

#include <filesystem>
#include <string>

namespace {

// The short text in the main window's caption, the one that names the file
// in the tools window's "Meldung".
void Report(TfrmHaupt& haupt, const std::string& caption, const std::string& message)
{
    haupt.SetCaption(caption);
    haupt.Werkzeuge().Window().ShowMessage(message);
}

// The dialog, offering `name` with the suffix of its first file type; the
// picture's bytes in the format chosen, the safe writer, and the report.
void SavePicture(TfrmHaupt& haupt, const std::string& name, const std::function<std::string(PictureFormat)>& picture)
{
    TSaveDialog dialog(PictureFilters());
    dialog.SuggestedName = name + PictureFormats.front().suffix;
    dialog.WrittenName = [](const DialogAnswer& answer) { return ChosenPicture(answer.File, answer.Filter).file; };
    if (!dialog.Execute()) {
        haupt.SetCaption(Tr("Bilddatei", "Bild nicht gespeichert!"));
        return;
    }
    const PictureChoice chosen = ChosenPicture(dialog.FileName, dialog.FilterIndex);
    const std::string bytes = picture(chosen.format);
    const std::string file = std::filesystem::path(chosen.file).filename().string();
    if (bytes.empty()) {
        Report(haupt, Tr("Bilddatei", "Konnte Bild nicht speichern!"),
               Fill(Tr("Bilddatei", "Konnte Bild nicht speichern: %1"), {file}));
        return;
    }
    if (const WriteResult written = WriteWholeFile(chosen.file, bytes, FailFileStep); !written) {
        Report(haupt, Tr("Bilddatei", "Konnte Bild nicht speichern!"),
               Fill(Tr("Bilddatei", "Konnte Bild nicht speichern: %1: %2"), {file, Shown(WriteFailurePhrase(written))}));
        return;
    }
    Application->RememberFolderOf(chosen.file);
    Report(haupt, Tr("Bilddatei", "Bild gespeichert!"), Fill(Tr("Bilddatei", "Bild gespeichert: %1"), {file}));
}

}  // namespace

void SaveWindowPicture(TForm& window, const std::function<void(PlotSurface&)>& vector, TfrmHaupt& haupt)
{
    SavePicture(haupt, window.Name(),
                [&](PictureFormat format) { return WindowPicture(window, format, window.ClientPicture(), vector); });
}

void SaveDesktopPicture(TfrmHaupt& haupt)
{
    SavePicture(haupt, DesktopPictureName, [](PictureFormat format) { return DesktopPicture(format); });
}
