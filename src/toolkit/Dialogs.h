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

// The name a save dialog's answer will be written under, for a dialog that
// asks before a file is replaced.
using WrittenNameOf = std::function<std::string(const DialogAnswer& answer)>;

// What a dialog is opened with beyond its kind and filters.
struct DialogRequest {
    DialogKind kind = DialogKind::Open;
    std::string filter;
    std::string suggestedName;  // in the last folder; none when empty
    WrittenNameOf writtenName;  // none: no question before a file is replaced
};

// A replaced answer of the file dialogs, for tests that need no dialog at
// all and for scripted runs: a file, or nothing for a cancel. While it is
// empty (the default), Qt's dialog asks the user.
extern std::function<std::optional<DialogAnswer>(DialogKind kind, const std::string& filter)> FileDialogAnswer;

// Qt's own dialog, in German, starting in the folder of the last file opened
// or saved, with the suggested name; a save dialog with a written name asks
// (Qt's own question) before that file is replaced.
std::unique_ptr<QFileDialog> MakeFileDialog(const DialogRequest& request);

class TOpenDialog {
public:
    explicit TOpenDialog(std::string filter) : Filter(std::move(filter)) {}
    // True when a file was chosen; its name is then in FileName (local bytes).
    bool Execute();
    std::string Filter;
    std::string FileName;
    int FilterIndex = 0;
};

// By default no suggested name, no default suffix, no question before an
// existing file is replaced.
class TSaveDialog {
public:
    explicit TSaveDialog(std::string filter) : Filter(std::move(filter)) {}
    bool Execute();
    std::string Filter;
    std::string FileName;     // as chosen: typed, and in the folder shown
    int FilterIndex = 0;      // the filter selected when the file was chosen
    std::string SuggestedName;
    WrittenNameOf WrittenName;  // set: asks before that file is replaced
};
