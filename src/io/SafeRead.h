#pragma once

#include <cstddef>
#include <string>

enum class ReadResult { Read, CannotOpen, TooLarge, OutOfMemory };

// Reads a whole regular file of at most `limit` bytes, in binary. The file is
// opened without blocking and checked on the open descriptor, so a FIFO or a
// device is refused at once instead of waiting for a writer for ever. A file
// that does not fit in the memory left is OutOfMemory.
ReadResult ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes);
