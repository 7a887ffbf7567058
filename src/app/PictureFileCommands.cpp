#include "app/PictureFileCommands.h"

#include "io/SafeWrite.h"
#include "toolkit/Form.h"
#include "toolkit/Dialogs.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cctype>

namespace {

bool EndsInPng(const std::string& name)
{
    const std::string suffix = ".png";
    return name.size() >= suffix.size()
           && std::equal(suffix.rbegin(), suffix.rend(), name.rbegin(),
                         [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

std::string EncodePng(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return {};
    return png.toStdString();
}

std::string PictureFileName(const std::string& chosen) { return EndsInPng(chosen) ? chosen : chosen + ".png"; }

void SavePlotPicture(const TForm& window, TForm& report)
{
    auto ReportInCaption = [&report](const std::string& text) { report.SetCaption(text); };
    TSaveDialog dialog("PNG-Bild (*.png)");
    if (!dialog.Execute()) {
        ReportInCaption("Bild nicht gespeichert!");
        return;
    }
    const std::string png = EncodePng(window.ClientPicture());
    if (png.empty() || !WriteWholeFile(PictureFileName(dialog.FileName), png)) {
        ReportInCaption("Konnte Bild nicht speichern!");
        return;
    }
    ReportInCaption("Bild gespeichert!");
}
