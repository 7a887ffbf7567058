#pragma once

#include "io/SafeRead.h"

#include <string>
#include <variant>
#include <vector>

// A signal file: the user's samples as text. Numbers are separated by white
// space, commas or semicolons; lines that begin with "#" and one leading
// header line without numbers are skipped; a line with several numbers gives
// its last one (a "time,value" or "index;value" table gives its values); in
// lines separated by semicolons a decimal comma is accepted.

inline constexpr std::size_t SignalFileLimit = std::size_t{64} << 20;

struct SignalFileRefusal {
    std::string reason;  // a short German reason
};

// At least 5 values, each a finite number.
std::variant<std::vector<double>, SignalFileRefusal> ParseSignalFile(const std::string& bytes);

// The finest level for n values: m where n is 2^m + 1 (2 <= m <= 12), else the
// smallest m with 2^m + 1 >= n, and 12 beyond 4097 values.
int SignalLevel(std::size_t n);

// Reads the whole file (at most SignalFileLimit bytes), never blocking.
ReadResult ReadSignalFile(const std::string& path, std::string& bytes);
