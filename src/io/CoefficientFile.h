#pragma once

#include "analysis/Tables.h"
#include "io/SafeWrite.h"

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The ".mdt" coefficient file: Windows-1252 text with CR LF line ends. The
// writer puts one value a line between comment lines; the reader takes the
// words between the six ASCII white-space bytes and skips every word that
// begins with ";".

// The chosen name, with ".mdt" appended unless its last four bytes are ".mdt".
std::string KoeffFileName(const std::string& chosen);

// The file's bytes for the state given. Line 1 holds the path as one comment
// word: each white-space character becomes "_", and each character that
// Windows-1252 cannot hold (or that is no valid UTF-8) becomes "?".
std::string FormatKoeffFile(const std::string& path, int maxLevel, int level, const KoeffArray& koeff);

// What a readable file holds.
struct KoeffFileContent {
    std::string maxLevelWord;  // as they stand in the file (Windows-1252)
    std::string levelWord;
    int maxLevel = 0;
    int level = 0;
    std::vector<double> values;
};

// Why a file is refused: a short German reason.
struct KoeffFileRefusal {
    std::string reason;
};

// Checks the whole file before anything is taken from it: both level words
// present, MaxLevel in 2..8, Level in 2..MaxLevel, at most 513 values, none
// too large for a double. Words that are no decimal number give 0.
std::variant<KoeffFileContent, KoeffFileRefusal> ParseKoeffFile(const std::string& bytes);

inline constexpr std::size_t KoeffFileLimit = 1 << 20;

enum class ReadResult { Read, CannotOpen, TooLarge };
// Reads the whole file (at most KoeffFileLimit bytes) in binary.
ReadResult ReadKoeffFile(const std::string& path, std::string& bytes);

// Writes the file with WriteWholeFile: never half written.
bool WriteKoeffFile(const std::string& path, const std::string& bytes);

// Text conversions between UTF-8 (the program's) and Windows-1252 (the file's).
std::string ToWindows1252(const std::string& utf8);
std::string FromWindows1252(const std::string& bytes);

// The conversions of the reader, without the locale: a C long of the leading
// decimal digits (saturating), and a leading decimal number (hexadecimal, inf
// and nan are no numbers); nullopt when the number is too large for a double.
long ParseLong(const std::string& word);
std::optional<double> ParseDecimal(const std::string& word);
