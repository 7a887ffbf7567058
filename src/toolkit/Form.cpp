#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/Controls.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QResizeEvent>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

QColor ToQColor(TColor color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

void PaintRectangle(QPainter& p, int x1, int y1, int x2, int y2, QColor fill, QColor outline)
{
    p.fillRect(x1, y1, x2 - x1, y2 - y1, fill);
    if (!outline.isValid())
        return;
    p.setPen(QPen(outline, 1));
    p.setBrush(Qt::NoBrush);
    // A QRect of width w outlines w + 1 columns: this one covers x1 .. x2 - 1.
    p.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
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

void DrawToolkitLine(QImage& image, QLine line, QRgb color)
{
    const int dx = line.x2() - line.x1();
    const int dy = line.y2() - line.y1();
    const bool steep = std::abs(dy) > std::abs(dx);
    // One pixel per step along the major axis: the start pixel, never the end.
    const long long n = steep ? std::abs(dy) : std::abs(dx);
    const long long dMinor = steep ? std::abs(dx) : std::abs(dy);
    const int majorStart = steep ? line.y1() : line.x1();
    const int minorStart = steep ? line.x1() : line.y1();
    const int majorStep = (steep ? dy : dx) < 0 ? -1 : 1;
    const int minorStep = (steep ? dx : dy) < 0 ? -1 : 1;
    const int majorSize = steep ? image.height() : image.width();
    const int minorSize = steep ? image.width() : image.height();
    // Only the steps whose major coordinate lies in the picture: a segment
    // that leaves the window by a million rows costs no more than its height.
    long long first = 0, last = n - 1;
    if (majorStep > 0) {
        first = std::max(first, -static_cast<long long>(majorStart));
        last = std::min(last, static_cast<long long>(majorSize) - 1 - majorStart);
    } else {
        first = std::max(first, static_cast<long long>(majorStart) - (majorSize - 1));
        last = std::min(last, static_cast<long long>(majorStart));
    }
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (long long i = first; i <= last; ++i) {
        // The minor offset is i * dMinor / n rounded to the nearer pixel; a tie
        // (exactly half-way) rounds toward the start point.
        const long long offset = (2 * i * dMinor + n - 1) / (2 * n);
        const long long minor = minorStart + minorStep * offset;
        if (minor < 0 || minor >= minorSize)
            continue;
        const long long major = majorStart + majorStep * i;
        const long long x = steep ? minor : major;
        const long long y = steep ? major : minor;
        reinterpret_cast<QRgb*>(bits + y * stride)[x] = color;
    }
}

void TCanvas::FlushLines()
{
    if (lines.empty())
        return;
    if (form.picture.devicePixelRatio() == 1.0) {
        // Qt's rasteriser leaves out the start pixel of steep segments and
        // floors them toward one column; the old toolkit's lines are drawn here.
        form.MarkDrawn();
        const QRgb color = ToQColor(linesPen).rgb();
        for (const QLine& line : lines)
            DrawToolkitLine(form.picture, line, color);
    } else {
        // At higher densities Qt scales the line crisply; a flat cap leaves
        // out the end pixel, so consecutive segments join without overdrawing.
        QPainter& p = Painter();
        p.setPen(QPen(ToQColor(linesPen), 1, Qt::SolidLine, Qt::FlatCap));
        p.drawLines(lines.data(), static_cast<int>(lines.size()));
    }
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
    // An outline in the fill's colour changes no pixel of the picture (at
    // device pixel ratio 1, where it lies on the filled pixels): every plot
    // starts by clearing its window this way, and stroking costs more than
    // filling.
    const bool outlined = pen != brush || form.picture.devicePixelRatio() != 1.0;
    PaintRectangle(Painter(), x1, y1, x2, y2, ToQColor(brush), outlined ? ToQColor(pen) : QColor());
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
    handledSize = size();
    ResizePicture();
}

TForm::~TForm() { canvas.EndPainting(); }

void TForm::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
    if (OnCaption)
        OnCaption(caption);
}

std::string TForm::Caption() const { return windowTitle().toStdString(); }

void TForm::SetBounds(int newLeft, int newTop, int width, int height)
{
    left = newLeft;
    top = newTop;
    move(left, top);
    resize(std::max(width - frame.left() - frame.right(), 1), std::max(height - frame.top() - frame.bottom(), 1));
}

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
    // While another handler of the program computes (showing the progress
    // window lets window-system events through), a paint only shows the
    // stored picture: no handler runs inside another.
    if (!picturePending && !InsideHandler()) {
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
        handledSize = size();
        return;
    }
    if (InsideHandler()) {
        DeferResize();
        return;
    }
    handledSize = size();
    Dispatch([this] { FormResize(); });
}

void TForm::DeferResize()
{
    if (resizeDeferred)
        return;
    resizeDeferred = true;
    WhenHandlersEnd([self = QPointer<TForm>(this)] {
        if (!self)
            return;
        self->resizeDeferred = false;
        // A resize that only announced the size the window already had (its
        // first showing, during start-up) leaves nothing to draw.
        if (self->size() == self->handledSize)
            return;
        self->handledSize = self->size();
        self->FormResize();
    });
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
