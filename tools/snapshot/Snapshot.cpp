#include "Snapshot.h"

#include "analysis/AnalysisState.h"
#include "analysis/Tables.h"
#include "app/Calcmatrixfortschritt.h"
#include "app/Haupt.h"
#include "app/PictureFileCommands.h"
#include "io/SafeWrite.h"
#include "plot/Apprreq.h"
#include "plot/Error.h"
#include "plot/Fktdetail.h"
#include "plot/Fktglatt.h"
#include "plot/Funktion.h"
#include "plot/Skalierungsfunktion.h"
#include "plot/Wavelet.h"
#include "toolkit/Dialogs.h"

#include <QPainter>

#include <cstdio>
#include <filesystem>

namespace {

// Every window of the program, the main window first, the progress window last.
std::vector<TForm*> Windows()
{
    std::vector<TForm*> all = {frmHaupt, frmSkalfunktion, frmApprREQ, frmWavelet, frmGlaette,
                               frmDetails, frmFunktion, frmError, frmCalcInfo};
    std::erase(all, nullptr);
    return all;
}

std::string Printf(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

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

constexpr int TitleHeight = 18;

}  // namespace

QImage ScreenImage(TForm& form)
{
    QImage image(form.size(), QImage::Format_RGB32);
    image.fill(ToQColor(form.Color()));
    QPainter painter(&image);
    painter.drawImage(0, 0, form.Picture());
    for (QObject* child : form.children())
        if (auto* control = qobject_cast<QWidget*>(child); control && control->isVisible())
            control->render(&painter, control->pos());
    return image;
}

QImage Desktop()
{
    QImage desktop(1024, 740, QImage::Format_RGB32);
    desktop.fill(QColor(0x3A, 0x6E, 0xA5));
    QPainter painter(&desktop);
    std::vector<TForm*> order = Windows();
    std::rotate(order.begin(), order.begin() + 1, order.end());  // the main window on top
    for (TForm* form : order) {
        if (!form->isVisible())
            continue;
        const QRect outer(form->Left(), form->Top(), form->Width(), form->Height());
        painter.save();
        painter.setClipRect(outer);
        painter.fillRect(outer, QColor(0xC0, 0xC0, 0xC0));
        const QRect title(outer.left() + 1, outer.top() + 1, outer.width() - 2, TitleHeight);
        painter.fillRect(title, QColor(0x00, 0x00, 0x80));
        painter.setPen(Qt::white);
        painter.setFont(form->font());
        painter.drawText(title.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::fromStdString(form->Caption()));
        painter.drawImage(outer.left() + 2, title.bottom() + 1, ScreenImage(*form));
        painter.restore();
    }
    return desktop;
}

bool Apply(const SnapshotAction& action, std::string& error)
{
    switch (action.kind) {
    case SnapshotAction::Scroll:
        frmHaupt->scrDelta.SetPosition(action.number);
        break;
    case SnapshotAction::Go:
        frmHaupt->butGo.click();
        break;
    case SnapshotAction::Level:
        if (action.number > frmHaupt->trbLevel.Max()) {
            error = "--level " + std::to_string(action.number) + " is above the track bar's maximum "
                    + std::to_string(frmHaupt->trbLevel.Max()) + " at that point";
            return false;
        }
        frmHaupt->trbLevel.SetPosition(action.number);
        break;
    case SnapshotAction::ZoomSkal:
        SetZoom(frmHaupt->cbxSkal, action.on);
        break;
    case SnapshotAction::ZoomWavelet:
        SetZoom(frmHaupt->cbxWavelet, action.on);
        break;
    case SnapshotAction::Load:
        Choose(action.file);
        frmHaupt->butOpen.click();
        break;
    case SnapshotAction::Save:
        Choose(action.file);
        frmHaupt->butSave.click();
        break;
    }
    return true;
}

std::optional<std::string> FileFailure(const SnapshotAction& action)
{
    const std::string caption = frmHaupt->Caption();
    const bool failed = action.kind == SnapshotAction::Load
                            ? caption == "Konnte Datei nicht öffnen!" || caption.starts_with("Ungültige Datei")
                            : action.kind == SnapshotAction::Save && caption == "Konnte Datei nicht sichern!";
    if (!failed)
        return std::nullopt;
    return caption;
}

std::string StateReport()
{
    std::string report;
    report += "Delta: " + Printf("%g", State.Delta) + "\n";
    report += "aktDelta: " + Printf("%g", State.aktDelta) + "\n";
    report += "Level: " + std::to_string(State.Level) + "\n";
    report += "MaxLevel: " + std::to_string(State.MaxLevel) + "\n";
    report += "MaxAbsKoeff: " + Printf("%.17g", State.MaxAbsKoeff) + "\n";
    report += "labDelta: " + frmHaupt->labDelta.Caption() + "\n";
    report += "labaktDelta: " + frmHaupt->labaktDelta.Caption() + "\n";
    report += "labLevel: " + frmHaupt->labLevel.Caption() + "\n";
    for (TForm* form : Windows())
        report += form->Name() + ": " + form->Caption() + "\n";
    return report;
}

std::vector<std::string> WriteOutputs(const SnapshotOptions& options)
{
    std::vector<std::string> failures;
    auto write = [&](const std::filesystem::path& file, const std::string& bytes) {
        if (bytes.empty() || !WriteWholeFile(file.string(), bytes))
            failures.push_back("cannot write " + file.string());
    };
    if (options.outFolder) {
        // The name's bytes as given: a folder name need not be UTF-8.
        const std::filesystem::path folder(*options.outFolder);
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (!std::filesystem::is_directory(folder, error))
            return {"cannot create the folder " + *options.outFolder};
        for (TForm* form : Windows())
            if (form->isVisible())
                write(folder / (form->Name() + ".png"), EncodePng(ScreenImage(*form)));
        write(folder / "desktop.png", EncodePng(Desktop()));
    }
    if (options.koeffCsv) {
        std::string csv;
        for (int i = 0; i <= LevelSize[State.MaxLevel]; ++i)
            csv += std::to_string(i) + ',' + Printf("%.17g", Koeff[i]) + '\n';
        write(*options.koeffCsv, csv);
    }
    return failures;
}
