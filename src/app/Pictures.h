#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <string>

class PlotSurface;
class QPainter;
class TForm;

// Pictures of the program's windows for slides and papers: PNG as the screen
// shows them, SVG and PDF drawn anew by the same drawing code on a vector
// painter, in the windows' pixel geometry.

enum class PictureFormat { Png, Svg, Pdf };

// The save dialog's filters, in the order of PictureFormat.
inline constexpr const char* PictureFilters = "PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)";
PictureFormat PictureFormatOf(int filterIndex);
const char* PictureSuffix(PictureFormat format);  // ".png", ".svg", ".pdf"

// The chosen name, with the format's suffix appended unless it ends in it
// (in any case).
std::string PictureFileName(const std::string& chosen, PictureFormat format);

// The bytes of a PNG of the image; of an SVG or PDF of `size` pixels (a page of
// that size, at 96 pixels per inch) painted by `paint`. Empty when they cannot
// be made.
std::string EncodePng(const QImage& picture);
std::string EncodeVector(PictureFormat format, QSize size, const std::function<void(QPainter&)>& paint);

// What a window shows: its picture inside the client area, its controls over it.
QImage ScreenImage(TForm& form);

// The window's drawing on another surface, where it has one (the plot windows
// and the coefficient window); nothing for the others.
std::function<void(PlotSurface&)> VectorDrawingOf(TForm& form);

// A window's picture in a format: PNG as `png` gives it; SVG and PDF from
// `vector` (its drawing on a surface of the client's size) where it has one,
// else from the screen image.
std::string WindowPicture(TForm& form, PictureFormat format, const QImage& png,
                          const std::function<void(PlotSurface&)>& vector);

// The original arrangement of the main window and the seven plot windows on
// 1024 x 740, each with a simple title bar.
QImage DesktopImage();
std::string DesktopPicture(PictureFormat format);
