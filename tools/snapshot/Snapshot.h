#pragma once

#include "Options.h"

#include <QImage>

#include <optional>
#include <string>
#include <vector>

class TForm;

// What a window shows on screen: its picture inside the client area, with its
// controls drawn over it.
QImage ScreenImage(TForm& form);

// All windows composed at their outer bounds on the 1024 x 740 area, each with
// a simple title bar inside its bounds.
QImage Desktop();

// Writes the PNGs of --out and the CSV of --koeff-csv, each through the safe
// writer; a message for each file that could not be written.
std::vector<std::string> WriteOutputs(const SnapshotOptions& options);
