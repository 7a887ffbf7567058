#pragma once

#include <functional>
#include <string>

// Writes a whole file so that it is never half written and never lost: into a
// temporary file of a short fixed name in the target's folder, synced to disk,
// then renamed over the target (the real file behind a symbolic link) and the
// folder synced. The replaced file's owner and group are kept where the process
// may set them, and its permission bits without set-user-ID and set-group-ID.
// A target that exists and is not a regular file (a FIFO, a device) is refused,
// and nothing is ever written in place: false when any step failed, and the
// old file is then as it was.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// The steps of writing, which tests can make fail (root ignores permissions).
enum class FileStep { CreateTemporary, Write, Sync, Close, Rename };
extern std::function<bool(FileStep)> FailFileStep;

// The pattern of the temporary file: a leftover of a killed save is found by it.
inline constexpr const char* TemporaryFilePattern = ".vexlor-save-XXXXXX.tmp";
