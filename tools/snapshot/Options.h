#pragma once

#include <optional>
#include <string>
#include <vector>

// One user action of a scripted run, in the order given.
struct SnapshotAction {
    enum Kind { Scroll, Go, Level, ZoomSkal, ZoomWavelet, Load, Save } kind = Go;
    int number = 0;      // the scroll position or the level
    bool on = false;     // a zoom box's wanted state
    std::string file = {};  // the file to load or save
};

struct SnapshotOptions {
    std::vector<SnapshotAction> actions;
    std::optional<std::string> outFolder;
    std::optional<std::string> koeffCsv;
};

// Parses the whole command line before anything runs; on a fault, `error`
// says what is wrong and nothing is returned.
std::optional<SnapshotOptions> ParseSnapshotOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const SnapshotUsage;
