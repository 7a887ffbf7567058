#include "app/Pictures.h"

#include "app/Haupt.h"
#include "windows/Koeffizienten.h"
#include "windows/PainterSurface.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

constexpr int TitleHeight = 18;

// The main window and the plot windows that are shown, the main window last
// (on top).
std::vector<TForm*> Arrangement()
{
    std::vector<TForm*> windows;
    TfrmHaupt* haupt = MainWindow();
    for (TPlotWindow* w : haupt->Plots().windows)
        if (w && w->isVisible())
            windows.push_back(w);
    if (haupt->isVisible())
        windows.push_back(haupt);
    return windows;
}

// The frame and title bar of a window at its outer bounds; the client's area.
QRect PaintFrame(QPainter& painter, const TForm& form)
{
    const QRect outer(form.Left(), form.Top(), form.Width(), form.Height());
    painter.setClipRect(outer);
    painter.fillRect(outer, QColor(0xC0, 0xC0, 0xC0));
    const QRect title(outer.left() + 1, outer.top() + 1, outer.width() - 2, TitleHeight);
    painter.fillRect(title, QColor(0x00, 0x00, 0x80));
    painter.setPen(Qt::white);
    painter.setFont(ShownFont(form.font()));
    painter.drawText(title.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromStdString(form.Caption()));
    return QRect(QPoint(outer.left() + 2, title.bottom() + 1), form.size());
}

}  // namespace

PictureFormat PictureFormatOf(int filterIndex)
{
    return filterIndex == 1 ? PictureFormat::Svg : filterIndex == 2 ? PictureFormat::Pdf : PictureFormat::Png;
}

const char* PictureSuffix(PictureFormat format)
{
    return format == PictureFormat::Svg ? ".svg" : format == PictureFormat::Pdf ? ".pdf" : ".png";
}

std::string PictureFileName(const std::string& chosen, PictureFormat format)
{
    const std::string suffix = PictureSuffix(format);
    const bool ends = chosen.size() >= suffix.size()
                      && std::equal(suffix.rbegin(), suffix.rend(), chosen.rbegin(), [](char a, char b) {
                             return a == std::tolower(static_cast<unsigned char>(b));
                         });
    return ends ? chosen : chosen + suffix;
}

std::string EncodePng(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return {};
    return png.toStdString();
}

std::string EncodeVector(PictureFormat format, QSize size, const std::function<void(QPainter&)>& paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Vexlor"));
        QPainter painter;
        if (!painter.begin(&svg))
            return {};
        paint(painter);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Vexlor"));
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf))
            return {};
        paint(painter);
    }
    buffer.close();
    return bytes.toStdString();
}

QImage ScreenImage(TForm& form)
{
    QImage image(form.size(), QImage::Format_RGB32);
    image.fill(ToQColor(form.Color()));
    QPainter painter(&image);
    painter.drawImage(0, 0, form.Picture());
    for (QObject* child : form.children())
        if (auto* control = qobject_cast<QWidget*>(child); control && control->isVisibleTo(&form))
            control->render(&painter, control->pos());
    return image;
}

std::function<void(PlotSurface&)> VectorDrawingOf(TForm& form)
{
    if (auto* plot = dynamic_cast<TPlotWindow*>(&form))
        return [plot](PlotSurface& s) { plot->DrawPicture(s); };
    if (auto* stems = dynamic_cast<TfrmKoeffizienten*>(&form))
        return [stems](PlotSurface& s) { stems->DrawOn(s.GetCanvas(), stems->width(), stems->height()); };
    return {};
}

std::string WindowPicture(TForm& form, PictureFormat format, const QImage& png,
                          const std::function<void(PlotSurface&)>& vector)
{
    if (format == PictureFormat::Png)
        return EncodePng(png);
    return EncodeVector(format, form.size(), [&](QPainter& painter) {
        if (!vector) {
            painter.drawImage(0, 0, ScreenImage(form));
            return;
        }
        PainterPlotSurface surface(painter, form.Width(), form.Height(), form.font());
        vector(surface);
    });
}

namespace {

const QColor DesktopColor(0x3A, 0x6E, 0xA5);
const QSize DesktopSize(1024, 740);

// The arrangement with each window's frame; a window with a drawing of its own
// as vectors where asked for, else as the screen shows it.
void PaintDesktop(QPainter& painter, bool vectors)
{
    painter.fillRect(QRect(QPoint(0, 0), DesktopSize), DesktopColor);
    for (TForm* form : Arrangement()) {
        painter.save();
        const QRect client = PaintFrame(painter, *form);
        // An SVG has no clipping: what lies outside the frame is left out here.
        const QRect visible = client.intersected(QRect(form->Left(), form->Top(), form->Width(), form->Height()));
        painter.translate(client.topLeft());
        if (const auto vector = vectors ? VectorDrawingOf(*form) : nullptr) {
            PainterPlotSurface surface(painter, form->Width(), form->Height(), form->font());
            vector(surface);
        } else {
            painter.drawImage(QPoint(0, 0), ScreenImage(*form), QRect(QPoint(0, 0), visible.size()));
        }
        painter.restore();
    }
}

}  // namespace

QImage DesktopImage()
{
    QImage desktop(DesktopSize, QImage::Format_RGB32);
    QPainter painter(&desktop);
    PaintDesktop(painter, false);
    return desktop;
}

std::string DesktopPicture(PictureFormat format)
{
    if (format == PictureFormat::Png)
        return EncodePng(DesktopImage());
    return EncodeVector(format, DesktopSize, [](QPainter& painter) { PaintDesktop(painter, true); });
}
