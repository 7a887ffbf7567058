#pragma once

#include <string>

class TForm;

// The chosen name, with ".png" appended unless it ends in ".png" (any case).
std::string PictureFileName(const std::string& chosen);

// Asks for a file and saves what the window shows as a PNG picture; the
// result goes to the main window's caption. Nothing is written on failure.
void SavePlotPicture(const TForm& window);
