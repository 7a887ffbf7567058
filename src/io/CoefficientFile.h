#pragma once

#include "analysis/Analysis.h"
#include "analysis/Denoising.h"
#include "analysis/Phrase.h"
#include "io/SafeRead.h"
#include "io/SafeWrite.h"
#include "io/SignalFile.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The ".mdt" coefficient file: Windows-1252 text with CR LF line ends. The
// writer puts one value a line between comment lines; the reader takes the
// words between the six ASCII white-space bytes and skips every word that
// begins with ";".

// The chosen name, with ".mdt" appended unless its last four bytes are ".mdt".
std::string KoeffFileName(const std::string& chosen);

// What a file keeps besides the coefficients, so that it reopens as it was
// saved: comment words of one line each, which readers of the classic format
// skip. Each is written only where it is given, so a session that uses none of
// them writes what older versions wrote:
//   ;Signal:NAME      the signal's name as the list shows it, blanks as "_"
//                     ("Datei" for a file's samples)
//   ;Datei:NAME       a file signal's file name, every byte outside the
//                     printable ASCII and "%" as %XX
//   ;Zeitvon:T ;Zeitbis:T   the time axis of the samples, in all 17 digits
//   ;Behalten:P       the compression: P % of the details kept
//   ;Rang:beitrag     its ranking ("beitrag" or "betrag")
//   ;Achsen:original  the axes ("original" or "angepasst")
//   ;Skala:V          the function windows' scale MaxAbsKoeff, where not 1
//   ;Rauschen:S ;Startwert:N   noise added (sigma, seed); ;Ref: then holds
//                     the clean samples, and the noisy ones are made anew
//   ;Entrauschen:R    the denoising rule ("universell", "sure", "manuell")
//   ;Schwelle:hart    its kind ("hart" or "weich"); ;Lambda:V its manual lambda
//   ;Ref:V            one for each sample of the finest level, in order and in
//                     all 17 digits: the error window's reference
// And, written by FormatKoeffFile itself where six digits lose any:
//   ;Genau:V          one for each coefficient, in order and in all 17 digits.
//                     The reader takes them instead of the values only when
//                     each, written with six digits, reads as the value it
//                     stands for: a value edited by hand wins.
struct KoeffFileLesson {
    std::string signal;
    std::string fileName;
    std::optional<TimeRange> times;
    std::optional<double> keepPercent;
    std::string ranking;
    std::string axes;
    std::vector<double> reference;
    std::optional<double> scale;
    std::optional<NoiseSettings> noise;
    std::string denoise;
    std::string threshold;
    std::optional<double> lambda;
    bool operator==(const KoeffFileLesson&) const = default;
};

// The file's bytes for the state given. Line 1 holds the path as one comment
// word: each white-space character becomes "_", and each character that
// Windows-1252 cannot hold (or that is no valid UTF-8) becomes "?". Then the
// levels and coefficients, the lesson's words, and last the comment word
// ";Delta:" with aktDelta in all 17 digits. Nothing when a value to be written
// is not a finite number: such a file could not be read back.
std::optional<std::string> FormatKoeffFile(const std::string& path, const Analysis& A,
                                           const KoeffFileLesson& lesson = {});

// What a readable file holds.
struct KoeffFileContent {
    std::string maxLevelWord;  // as they stand in the file (Windows-1252)
    std::string levelWord;
    int maxLevel = 0;
    int level = 0;
    std::vector<double> values;
    // The Delta of the ";Delta:" word, when the file has one in [0, 1].
    std::optional<double> delta;
    // The lesson's words that the file has; the reference holds 2^MaxLevel + 1
    // values or none.
    KoeffFileLesson lesson;
};

// Why a file is refused: a short reason, for the windows to translate, and
// its German text.
struct KoeffFileRefusal {
    KoeffFileRefusal(Phrase phrase) : said(std::move(phrase)), reason(said.German()) {}
    Phrase said;
    std::string reason;
};

// Checks the whole file before anything is taken from it: both level words
// whole numbers, MaxLevel in 2..12, Level in 2..MaxLevel, every value word a
// decimal number (a decimal comma counts as the point) within the double
// range, at most 4097 values; a Delta other than 0 from 1e-300 up (smaller
// ones cannot be computed); the lesson's words well-formed, with as many
// reference values as samples. A UTF-8 byte-order mark at the start is
// skipped.
std::variant<KoeffFileContent, KoeffFileRefusal> ParseKoeffFile(const std::string& bytes);

inline constexpr std::size_t KoeffFileLimit = 1 << 20;
// The smallest Delta other than 0 that the level matrices can be computed for.
inline constexpr double SmallestDelta = 1e-300;

// What a file brings into the analysis: MaxLevel, Level and its values (the
// entries after them keep theirs), and its Delta as both Deltas where it has
// one. The level matrices are the caller's.
void StoreKoeffFile(const KoeffFileContent& content, Analysis& A);

// Reads the whole file (at most KoeffFileLimit bytes), never blocking.
ReadResult ReadKoeffFile(const std::string& path, std::string& bytes);

// Writes the file with WriteWholeFile: never half written.
WriteResult WriteKoeffFile(const std::string& path, const std::string& bytes, const FileStepFault& fault = {});

// Text conversions between UTF-8 (the program's) and Windows-1252 (the file's).
std::string ToWindows1252(const std::string& utf8);
std::string FromWindows1252(const std::string& bytes);
// UTF-16 text (without its byte-order mark) as UTF-8; a lone half of a
// surrogate pair becomes U+FFFD.
std::string FromUtf16(std::string_view bytes, bool bigEndian);
// Whether the bytes are valid UTF-8.
bool IsUtf8(std::string_view bytes);
// The bytes without the UTF-8 byte-order mark that some editors put first.
std::string_view WithoutByteOrderMark(std::string_view bytes);

// The conversions of the reader, without the locale; each takes the whole
// word or nothing. A whole number: optional sign and decimal digits (a long,
// saturating). A decimal number as C reads one: optional sign, digits with an
// optional fraction (".5" and "5." included) after a point or a comma, and an
// optional exponent; beyond the double range it is infinite. Hexadecimal, inf
// and nan are no numbers.
std::optional<long> ParseWholeNumber(std::string_view word);
std::optional<double> ParseDecimal(std::string_view word);
// Whether ParseDecimal takes the word, without converting it.
bool IsDecimal(std::string_view word);
