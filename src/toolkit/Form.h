#pragma once

#include "toolkit/Colors.h"
#include "toolkit/Language.h"

#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class TForm;
class TPopupMenu;

// A form's canvas: every operation paints into the form's picture (a QImage at
// device pixels). The picture reaches the screen when the form presents it.
class TCanvas {
public:
    explicit TCanvas(TForm& form) : form(form) {}

    void SetPenColor(TColor color);
    void SetBrushColor(TColor color) { brush = color; }
    void SetFont(const QFont& f)
    {
        font = f;
        metrics = QFontMetrics(f);
        texts.clear();
    }
    void MoveTo(int x, int y);
    // A line from the pen position to (x, y), leaving out the end pixel.
    void LineTo(int x, int y);
    // Outline with the pen, inside with the brush, over x1..x2-1 and y1..y2-1.
    void Rectangle(int x1, int y1, int x2, int y2);
    // The text's top-left corner at (x, y), on the brush colour.
    void TextOut(int x, int y, const std::string& text);
    // The box TextOut fills for the text.
    int TextWidth(const std::string& text) { return LaidOut(text).width; }
    int TextHeight() const { return metrics.height(); }

    TColor PenColor() const { return pen; }
    TColor BrushColor() const { return brush; }

    // Puts the lines still collected into the picture.
    void FlushLines();
    // Ends the series of operations that share one painter.
    void EndPainting();

private:
    QPainter& Painter();

    TForm& form;
    std::optional<QPainter> painter;
    TColor pen = clBlack;
    TColor brush = clWhite;
    QFont font;
    QFontMetrics metrics{font};
    // Consecutive lines of one colour go to the painter in one call: a curve
    // has a segment per pixel column, and each call has a fixed cost.
    std::vector<QLine> lines;
    TColor linesPen = clBlack;
    // Laid-out texts: the tick labels come back with every redraw, and laying
    // out a text costs more than drawing it.
    struct LaidOutText {
        QStaticText text;
        int width;
    };
    const LaidOutText& LaidOut(const std::string& text);
    std::unordered_map<std::string, LaidOutText> texts;
    int penX = 0;
    int penY = 0;
};

QColor ToQColor(TColor color);

// Fills x1..x2-1 by y1..y2-1 and, with a valid outline colour, strokes the
// border pixels of that area.
void PaintRectangle(QPainter& p, int x1, int y1, int x2, int y2, QColor fill, QColor outline);

// The old toolkit's one-pixel line into an image at device pixel ratio 1: its
// start pixel, never its end pixel, and between them a Bresenham line with one
// pixel per step along the major axis. Pixels outside the image are skipped.
void DrawToolkitLine(QImage& image, QLine line, QRgb color);

// A top-level window with documented outer bounds and a canvas.
//
// Drawing model: the program draws outside paint events straight onto the
// canvas and calls Present(), which puts the picture on screen at once with
// repaint(). FormPaint runs only for the system's paint requests (exposure,
// resize) and never over a picture that the screen has not shown yet; inside
// its own paint event a form's drawing only goes into the picture, which the
// paint event then copies.
class TForm : public QWidget {
public:
    TForm(int left, int top, int width, int height, const std::string& caption, TColor color);
    ~TForm() override;

    // Outer size, frame and caption included: what the plotter sizes itself by.
    int Width() const { return outerWidth; }
    int Height() const { return outerHeight; }
    int Left() const { return left; }
    int Top() const { return top; }
    TCanvas& FormCanvas() { return canvas; }

    // The instance name (frmHaupt, frmDetails, ...).
    std::string Name() const { return objectName().toStdString(); }
    void SetName(const std::string& name) { setObjectName(QString::fromStdString(name)); }

    void SetCaption(const std::string& caption);
    // Told of every caption the program gives the window.
    std::function<void(const std::string& caption)> OnCaption;
    std::string Caption() const;
    TColor Color() const { return color; }
    void SetIcon(const QIcon& icon) { setWindowIcon(icon); }

    // Puts the window at outer bounds again: the frame's position, and the
    // client the frame leaves of the outer size.
    void SetBounds(int left, int top, int width, int height);

    // Shows the window and returns once it is on screen (bounded wait that
    // handles window-system events but no user input).
    void Show();
    // Closing a window hides it.
    void Hide() { hide(); }

    // Puts what the canvas holds on screen now.
    void Present();

    // The picture as drawn, at device pixels.
    const QImage& Picture() const
    {
        canvas.FlushLines();
        return picture;
    }
    bool PictureIsPending() const { return picturePending; }
    // What the window shows: the client's part of the picture, at device pixels.
    QImage ClientPicture() const;

    // Opened by a right click or the keyboard's menu key; none by default.
    TPopupMenu* PopupMenu = nullptr;

    void MarkDrawn() { picturePending = true; }

protected:
    virtual void FormPaint() {}
    virtual void FormResize() {}
    // Returns true when the program handled the close itself.
    virtual bool FormClose() { return false; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class TCanvas;

    void AdoptFrameMargins();
    void ResizePicture();
    // A resize during another handler: its handler runs once that one ended.
    void DeferResize();

    int left;
    int top;
    int outerWidth;
    int outerHeight;
    QMargins frame;
    TColor color;
    QImage picture;
    // Lines the canvas still collects belong to the picture already.
    mutable TCanvas canvas;
    bool picturePending = false;
    bool insidePaint = false;
    bool adoptingFrame = false;
    bool resizeDeferred = false;
    QSize handledSize;  // the client size the resize handler last saw
};
