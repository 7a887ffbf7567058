#pragma once

#include "analysis/Phrase.h"
#include "analysis/Signals.h"
#include "io/SafeRead.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A signal file: the user's samples as text, in UTF-8 (or single bytes such as
// Windows-1252), or in UTF-16 with its byte-order mark; lines end in CR, LF or
// CR LF. Empty lines and lines that begin with "#" are skipped, and a first
// line with any word that is not a number is a header.
//
// How the rest is read is decided once for the whole file:
// - Words are separated by ";" where any line has one (a comma in a word is
//   then a decimal comma), else by commas where a comma cannot be a decimal
//   comma (next to a blank or a point, or two in one word), else by blanks and
//   tabs. A column of words like "0,25" has decimal commas, unless every line
//   is one such pair whose first parts rise strictly over all lines, or a
//   header separated by commas names two columns: then they are time and value.
// - One number a line is a column of values. Two a line whose first rises
//   strictly is a time column and its values; two a line whose first does not
//   rise is refused as ambiguous. Any other shape (one line, or lines of
//   different or of three and more numbers) is a sequence in reading order,
//   unless a header names three or more columns: a table, refused.
// - A time column counts when its times lie within a quarter step of a
//   regular grid; otherwise the values are read without it, and the reading
//   says so.

inline constexpr std::size_t SignalFileLimit = std::size_t{64} << 20;
inline constexpr std::size_t SignalValueLimit = 4'000'000;

struct SignalFileContent {
    // The values as the program samples them: the file's, and for 2^m of them
    // (2 <= m <= 12) the last once more, so that each stays a sample of level m.
    std::vector<double> values;
    std::size_t count = 0;              // how many values the file holds
    std::optional<TimeRange> times;   // of a regular time column, the repeated value's step included
    std::string timeName;               // the time column's name in the header, or empty
    std::string reading;                // how the file was read: "1 Spalte, Dezimalkomma"
    std::vector<Phrase> readingParts;   // the same, a phrase for each part between the commas
};

// Why a file is refused: a short reason, for the windows to translate, and
// its German text.
struct SignalFileRefusal {
    SignalFileRefusal(Phrase phrase) : said(std::move(phrase)), reason(said.German()) {}
    Phrase said;
    std::string reason;
};

// At least 4 values, at most SignalValueLimit, each a finite number. Memory
// grows with the values kept, not with the words read; a failed allocation
// is a refusal.
std::variant<SignalFileContent, SignalFileRefusal> ParseSignalFile(std::string_view bytes);

// What a loaded file became, for the message: "2048 Werte; der letzte Wert
// für Stelle 2049 wiederholt (1 Spalte)", "1000 Werte, linear auf 1025
// interpoliert (2 Spalten (Jahr; Wert))".
std::string SignalFileMessage(const SignalFileContent& content);
// The same as a phrase whose last word is `reading`, the parts of how the
// file was read as the caller shows them.
Phrase SignalFileSummary(const SignalFileContent& content, std::string reading);

// Whether a file's count of values is 2^m (m <= 12): they keep their places as
// samples of level m, the last taken once more for place 2^m + 1.
bool RepeatsLastValue(std::size_t count);

// The finest level for n values: m where n is 2^m + 1 (2 <= m <= 12), else the
// smallest m with 2^m + 1 >= n, and 12 beyond 4097 values.
int SignalLevel(std::size_t n);

// Reads the whole file (at most SignalFileLimit bytes), never blocking.
ReadResult ReadSignalFile(const std::string& path, std::string& bytes);
