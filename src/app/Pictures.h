#pragma once

#include "analysis/Phrase.h"

#include <QImage>
#include <QSize>

#include <array>
#include <functional>
#include <string>

class PlotSurface;
class QPainter;
class TForm;

// Pictures of the program's windows for slides and papers: PNG as the screen
// shows them, SVG and PDF drawn anew by the same drawing code on a vector
// painter, in the windows' pixel geometry.

// What a picture is made of: the pixels as the screen shows them, and the same
// drawing for a painter of `size` pixels.
struct PictureSource {
    std::function<QImage()> pixels;
    QSize size;
    std::function<void(QPainter&)> paint;
};

// The bytes of a PNG of the pixels; of an SVG or PDF of the drawing (a page of
// `size` pixels at 96 pixels per inch). Empty when they cannot be made.
std::string EncodePng(const PictureSource& source);
std::string EncodeSvg(const PictureSource& source);
std::string EncodePdf(const PictureSource& source);

// One row per format the program writes: the snapshot tool's word, the save
// dialog's file type, the suffix of its files (lower case), its writer.
struct PictureFormatRow {
    const char* word;
    const char* shown;
    const char* suffix;
    std::string (*write)(const PictureSource& source);
};

// In the order of the save dialog's file types; the first is the default.
inline constexpr auto PictureFormats = std::to_array<PictureFormatRow>({
    {"png", Marked("Bilddatei", "PNG-Bild"), ".png", EncodePng},
    {"svg", Marked("Bilddatei", "SVG-Grafik"), ".svg", EncodeSvg},
    {"pdf", Marked("Bilddatei", "PDF-Dokument"), ".pdf", EncodePdf},
});

// A format is its row.
using PictureFormat = const PictureFormatRow*;
inline constexpr PictureFormat DefaultPictureFormat = &PictureFormats[0];
// The row of a word of the snapshot tool; nothing for another word.
const PictureFormatRow* PictureFormatNamed(const std::string& word);

// The save dialog's file types: "PNG-Bild (*.png);;SVG-Grafik (*.svg);;…".
std::string PictureFilters();
// The file a save dialog's answer names, and its format: a suffix of a format
// we write (in any case) decides, and the name stays as typed; otherwise the
// file type chosen (by its index in PictureFilters) decides, and its suffix is
// appended. An index outside the table is a fault of the program, thrown as
// std::logic_error: never a picture in a format nobody chose.
struct PictureChoice {
    std::string file;
    PictureFormat format;
};
PictureChoice ChosenPicture(const std::string& typed, int filterIndex);

// The suggested name of the arrangement's picture (a window's is its name).
inline constexpr const char* DesktopPictureName = "desktop";

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
