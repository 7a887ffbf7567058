#pragma once

#include "analysis/Phrase.h"

#include <functional>
#include <string>

// Writes a whole file so that it is never half written and never lost: into a
// temporary file beside the target, synced to disk, then renamed over the
// target (the real file behind a symbolic link) and the folder synced. The
// replaced file's owner and group are kept where the process may set them,
// and its permission bits without set-user-ID and set-group-ID. A target that
// exists and is not a regular file (a FIFO, a device) is refused, and nothing
// is ever written in place: on failure the old file is as it was.
//
// The temporary file is named after the target (TemporaryFileName) and held
// under a lock while the save runs, so a leftover of a killed save is known
// by its name and an absent lock, and removed by the next save of the target;
// a save of the same target running in another process refuses this one.

// The steps of a save.
enum class FileStep { Target, CreateTemporary, Write, Sync, Close, Rename };

// A fault that tests inject into a save (root ignores permissions): the errno
// a step fails with, or 0 where it runs as usual.
using FileStepFault = std::function<int(FileStep)>;

// How a save ended: on failure the step and its errno.
struct WriteResult {
    FileStep step = FileStep::Target;
    int error = 0;
    explicit operator bool() const { return error == 0; }
};

WriteResult WriteWholeFile(const std::string& path, const std::string& bytes, const FileStepFault& fault = {});

// Why a save failed, to follow "Konnte Datei nicht sichern: ": for the
// windows to translate, and in German.
Phrase WriteFailurePhrase(const WriteResult& result);
std::string WriteFailureReason(const WriteResult& result);

// The temporary file of a save of the file named `name` (without its folder):
// ".NAME.vexlor.tmp", or for a long name ".vexlor-HASH.tmp" with a hash of it.
std::string TemporaryFileName(const std::string& name);
