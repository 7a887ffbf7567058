#pragma once

#include <functional>

class PlotSurface;
class TForm;

// "Bild speichern…": asks for a file and a format (PNG, SVG, PDF) and saves
// what the window shows; SVG and PDF come from `vector`, the window's drawing
// on another surface. The result goes to the caption of `report` (the main
// window). Nothing is written on failure.
void SaveWindowPicture(TForm& window, const std::function<void(PlotSurface&)>& vector, TForm& report);

// "Alle Fenster speichern…": the original arrangement of the eight windows as
// one picture, 1024 x 740, in the format chosen.
void SaveDesktopPicture(TForm& report);
