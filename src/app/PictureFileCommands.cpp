#include "app/PictureFileCommands.h"

#include "app/Pictures.h"
#include "app/SaveFault.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

#include <string>

namespace {

// The dialog, the picture's bytes for the format chosen, the safe writer, and
// the result in the caption.
void SavePicture(TForm& report, const std::function<std::string(PictureFormat)>& picture)
{
    TSaveDialog dialog(PictureFilters);
    if (!dialog.Execute()) {
        report.SetCaption("Bild nicht gespeichert!");
        return;
    }
    const PictureFormat format = PictureFormatOf(dialog.FilterIndex);
    const std::string bytes = picture(format);
    if (bytes.empty() || !WriteWholeFile(PictureFileName(dialog.FileName, format), bytes, FailFileStep)) {
        report.SetCaption("Konnte Bild nicht speichern!");
        return;
    }
    report.SetCaption("Bild gespeichert!");
}

}  // namespace

void SaveWindowPicture(TForm& window, const std::function<void(PlotSurface&)>& vector, TForm& report)
{
    SavePicture(report, [&](PictureFormat format) { return WindowPicture(window, format, window.ClientPicture(), vector); });
}

void SaveDesktopPicture(TForm& report)
{
    SavePicture(report, [](PictureFormat format) { return DesktopPicture(format); });
}
