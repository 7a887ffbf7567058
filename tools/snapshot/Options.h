#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/Pictures.h"
#include "app/ScriptedRun.h"
#include "toolkit/Language.h"

// One user action of a scripted run, in the order given.
using SnapshotAction = ScriptedAction;

struct SnapshotOptions {
    std::vector<SnapshotAction> actions;
    std::optional<std::string> outFolder;
    PictureFormat format = DefaultPictureFormat;  // of --out
    std::optional<std::string> koeffCsv;
    std::optional<Language> language;  // German where none is given
};

// Parses the whole command line before anything runs; on a fault, `error`
// says what is wrong and nothing is returned.
std::optional<SnapshotOptions> ParseSnapshotOptions(const std::vector<std::string>& args, std::string& error);

// The usage text, made from the table of options.
std::string SnapshotUsage();
