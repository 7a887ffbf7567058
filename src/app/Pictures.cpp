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
#include <stdexcept>
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
    // Elided: an SVG does not clip a long caption at the window's edge.
    const QRect text = title.adjusted(4, 0, -4, 0);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                     painter.fontMetrics().elidedText(QString::fromStdString(form.Caption()), Qt::ElideRight, text.width()));
    return QRect(QPoint(outer.left() + 2, title.bottom() + 1), form.size());
}

bool EndsWithInAnyCase(const std::string& name, const std::string& suffix)
{
    return name.size() >= suffix.size()
           && std::equal(suffix.rbegin(), suffix.rend(), name.rbegin(),
                         [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// The source's drawing on a vector device that writes into `buffer`; the
// bytes once the painter has ended.
std::string Painted(QPaintDevice& device, QBuffer& buffer, const PictureSource& source)
{
    {
        QPainter painter;
        if (!painter.begin(&device))
            return {};
        source.paint(painter);
    }
    buffer.close();
    return buffer.data().toStdString();
}

}  // namespace

const PictureFormatRow* PictureFormatNamed(const std::string& word)
{
    for (const PictureFormatRow& row : PictureFormats)
        if (word == row.word)
            return &row;
    return nullptr;
}

std::string PictureFilters()
{
    std::string filters;
    for (const PictureFormatRow& row : PictureFormats)
        filters += (filters.empty() ? "" : ";;") + Tr("Bilddatei", row.shown) + " (*" + row.suffix + ")";
    return filters;
}

PictureChoice ChosenPicture(const std::string& typed, int filterIndex)
{
    for (const PictureFormatRow& row : PictureFormats)
        if (EndsWithInAnyCase(typed, row.suffix))
            return {typed, &row};
    if (filterIndex < 0 || filterIndex >= static_cast<int>(PictureFormats.size()))
        throw std::logic_error("the save dialog's file type " + std::to_string(filterIndex) + " names no picture format");
    const PictureFormatRow& chosen = PictureFormats[static_cast<std::size_t>(filterIndex)];
    return {typed + chosen.suffix, &chosen};
}

std::string EncodePng(const PictureSource& source)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !source.pixels().save(&buffer, "PNG"))
        return {};
    return png.toStdString();
}

std::string EncodeSvg(const PictureSource& source)
{
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(source.size);
    svg.setViewBox(QRect(QPoint(0, 0), source.size));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Vexlor"));
    return Painted(svg, buffer, source);
}

std::string EncodePdf(const PictureSource& source)
{
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Vexlor"));
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(source.size) * 72.0 / 96.0, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return Painted(pdf, buffer, source);
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
    auto paint = [&](QPainter& painter) {
        if (!vector) {
            painter.drawImage(0, 0, ScreenImage(form));
            return;
        }
        PainterPlotSurface surface(painter, form.Width(), form.Height(), form.font());
        vector(surface);
    };
    return format->write({[&png] { return png; }, form.size(), paint});
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
        // Axes fitted to the data are laid out anew in what shows of a window
        // here, so that the window below does not cover their labels; the
        // original's frames stay as the windows show them.
        const bool fitted = MainWindow()->Session().Axes() == AxesChoice::Fitted;
        if (const auto vector = vectors || fitted ? VectorDrawingOf(*form) : nullptr) {
            PainterPlotSurface surface(painter, form->Width(), form->Height(), form->font(),
                                       fitted ? visible.size() : QSize());
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
    return format->write({DesktopImage, DesktopSize, [](QPainter& painter) { PaintDesktop(painter, true); }});
}
