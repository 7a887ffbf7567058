#pragma once

#include "Options.h"

#include <string>
#include <vector>

// Writes the pictures of --out (in the --format chosen) and the CSV of
// --koeff-csv, each through the safe writer; a message for each file that
// could not be written.
std::vector<std::string> WriteOutputs(const SnapshotOptions& options);
