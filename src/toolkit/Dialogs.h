#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QFileDialog;

enum class DialogKind { Open, Save };

// A file chosen in a dialog, and which of its filters was selected (from 0).
struct DialogAnswer {
    DialogAnswer(std::string file, int filter = 0) : File(std::move(file)), Filter(filter) {}
    std::string File;
    int Filter;
};

// The answer of a file dialog: a file, or nothing when cancelled. Tests replace
// it with a scripted answer; the default asks through QFileDialog.
extern std::function<std::optional<DialogAnswer>(DialogKind kind, const std::string& filter)> FileDialogAnswer;

// The dialog that the default answer runs: Qt's own, in German, starting in
// the folder of the last file opened or saved.
std::unique_ptr<QFileDialog> MakeFileDialog(DialogKind kind, const std::string& filter);

class TOpenDialog {
public:
    explicit TOpenDialog(std::string filter) : Filter(std::move(filter)) {}
    // True when a file was chosen; its name is then in FileName (local bytes).
    bool Execute();
    std::string Filter;
    std::string FileName;
    int FilterIndex = 0;
};

// No default suffix, no question before an existing file is replaced.
class TSaveDialog {
public:
    explicit TSaveDialog(std::string filter) : Filter(std::move(filter)) {}
    bool Execute();
    std::string Filter;
    std::string FileName;
    int FilterIndex = 0;  // the filter selected when the file was chosen
};
