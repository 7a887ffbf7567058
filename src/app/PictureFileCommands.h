#pragma once

#include <functional>

class PlotSurface;
class TForm;
class TfrmHaupt;

// "Bild speichern…": asks for a file and a format (PNG, SVG, PDF), suggesting
// the window's name, and saves what the window shows; SVG and PDF come from
// `vector`, the window's drawing on another surface. The main window's caption
// says how it went, the tools window's "Meldung" names the file. Nothing is
// written on failure.
void SaveWindowPicture(TForm& window, const std::function<void(PlotSurface&)>& vector, TfrmHaupt& haupt);

// "Alle Fenster speichern…": the original arrangement of the eight windows as
// one picture, 1024 x 740, in the format chosen.
void SaveDesktopPicture(TfrmHaupt& haupt);
