#pragma once

#include <functional>
#include <string>

// Writes a whole file so that it is never half written: into a temporary file
// in the target's folder, renamed over the target (the real file behind a
// symbolic link, keeping its permissions) once all was written and closed.
// Where no temporary file can be made but the target is writable, it is
// written in place. False when any step failed.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// The steps of writing, which tests can make fail (root ignores permissions).
enum class FileStep { CreateTemporary, Write, Close, Rename };
extern std::function<bool(FileStep)> FailFileStep;
