#pragma once

#include <string>

class QImage;
class TForm;

// The picture as PNG bytes; empty if it cannot be encoded.
std::string EncodePng(const QImage& picture);

// The chosen name, with ".png" appended unless it ends in ".png" (any case).
std::string PictureFileName(const std::string& chosen);

// Asks for a file and saves what the window shows as a PNG picture; the
// result goes to the caption of `report` (the main window). Nothing is
// written on failure.
void SavePlotPicture(const TForm& window, TForm& report);
