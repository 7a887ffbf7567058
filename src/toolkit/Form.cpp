#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/Controls.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QResizeEvent>
#include <QWindow>

#include <algorithm>

QColor ToQColor(TColor color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QPainter& TCanvas::Painter()
{
    if (!painter) {
        painter.emplace(&form.picture);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setFont(font);
    }
    form.MarkDrawn();
    return *painter;
}

void TCanvas::SetPenColor(TColor color) { pen = color; }

void TCanvas::MoveTo(int x, int y)
{
    penX = x;
    penY = y;
}

void TCanvas::LineTo(int x, int y)
{
    if (!lines.empty() && pen != linesPen)
        FlushLines();
    linesPen = pen;
    lines.emplace_back(penX, penY, x, y);
    form.MarkDrawn();
    penX = x;
    penY = y;
}

void TCanvas::FlushLines()
{
    if (lines.empty())
        return;
    QPainter& p = Painter();
    // A flat cap leaves out the end pixel, so consecutive segments join
    // without overdrawing their shared point.
    p.setPen(QPen(ToQColor(linesPen), 1, Qt::SolidLine, Qt::FlatCap));
    p.drawLines(lines.data(), static_cast<int>(lines.size()));
    lines.clear();
}

void TCanvas::EndPainting()
{
    FlushLines();
    painter.reset();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    FlushLines();
    QPainter& p = Painter();
    p.fillRect(x1, y1, x2 - x1, y2 - y1, ToQColor(brush));
    // An outline in the fill's colour changes no pixel of the picture (at
    // device pixel ratio 1, where it lies on the filled pixels): every plot
    // starts by clearing its window this way, and stroking costs more than
    // filling.
    if (pen == brush && form.picture.devicePixelRatio() == 1.0)
        return;
    p.setPen(QPen(ToQColor(pen), 1));
    p.setBrush(Qt::NoBrush);
    // A QRect of width w outlines w + 1 columns: this one covers x1 .. x2 - 1.
    p.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    FlushLines();
    QPainter& p = Painter();
    const LaidOutText& t = LaidOut(text);
    p.fillRect(x, y, t.width, metrics.height(), ToQColor(brush));
    p.setPen(ToQColor(pen));
    p.drawStaticText(x, y, t.text);
}

const TCanvas::LaidOutText& TCanvas::LaidOut(const std::string& text)
{
    // Changing texts (the progress window's) must not grow the cache forever.
    constexpr std::size_t MaxTexts = 256;
    if (const auto found = texts.find(text); found != texts.end())
        return found->second;
    if (texts.size() >= MaxTexts)
        texts.clear();
    QStaticText laidOut(QString::fromStdString(text));
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.prepare(QTransform(), font);
    // The layout's width is the text's advance: no second layout for it.
    const int width = qRound(laidOut.size().width());
    return texts.emplace(text, LaidOutText{laidOut, width}).first->second;
}

TForm::TForm(int left, int top, int width, int height, const std::string& caption, TColor color)
    : left(left), top(top), outerWidth(width), outerHeight(height), color(color), canvas(*this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(ProgramFont(11));
    canvas.SetFont(font());
    canvas.SetBrushColor(color);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    setPalette(palette);
    SetCaption(caption);
    move(left, top);
    resize(width, height);
    ResizePicture();
}

TForm::~TForm() { canvas.EndPainting(); }

void TForm::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

std::string TForm::Caption() const { return windowTitle().toStdString(); }

void TForm::Show()
{
    show();
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < 400)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    AdoptFrameMargins();
}

void TForm::AdoptFrameMargins()
{
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (margins == frame)
        return;
    frame = margins;
    // The documented size is the outer one: the client gets what the frame
    // leaves. The outer size stays, and so does the picture: this is no resize
    // of the program's, and the next paint only copies the picture.
    adoptingFrame = true;
    resize(std::max(outerWidth - frame.left() - frame.right(), 1),
           std::max(outerHeight - frame.top() - frame.bottom(), 1));
    adoptingFrame = false;
}

void TForm::ResizePicture()
{
    const qreal ratio = devicePixelRatioF();
    QImage resized(QSize(outerWidth, outerHeight) * ratio, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(ToQColor(color));
    if (!picture.isNull()) {
        canvas.EndPainting();
        QPainter p(&resized);
        p.drawImage(0, 0, picture);
    }
    picture = std::move(resized);
}

QImage TForm::ClientPicture() const
{
    const QImage& all = Picture();
    const QSize client = size() * all.devicePixelRatio();
    return all.copy(QRect(QPoint(0, 0), client.boundedTo(all.size())));
}

void TForm::Present()
{
    canvas.EndPainting();
    // Inside its own paint event the form copies the picture at the end.
    if (!insidePaint && isVisible())
        repaint();
}

void TForm::paintEvent(QPaintEvent*)
{
    canvas.EndPainting();
    if (!picturePending) {
        insidePaint = true;
        Dispatch([this] { FormPaint(); });
        insidePaint = false;
        canvas.EndPainting();
    }
    QPainter screen(this);
    screen.drawImage(0, 0, picture);
    picturePending = false;
}

void TForm::resizeEvent(QResizeEvent* event)
{
    outerWidth = event->size().width() + frame.left() + frame.right();
    outerHeight = event->size().height() + frame.top() + frame.bottom();
    if (picture.size() != QSize(outerWidth, outerHeight) * devicePixelRatioF())
        ResizePicture();
    if (adoptingFrame) {
        picturePending = true;
        return;
    }
    Dispatch([this] { FormResize(); });
}

void TForm::closeEvent(QCloseEvent* event)
{
    bool handled = false;
    Dispatch([&] { handled = FormClose(); });
    if (handled)
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void TForm::contextMenuEvent(QContextMenuEvent* event)
{
    if (!PopupMenu) {
        QWidget::contextMenuEvent(event);
        return;
    }
    PopupMenu->popup(event->globalPos());
}
