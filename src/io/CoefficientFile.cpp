#include "io/CoefficientFile.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <iomanip>
#include <locale>
#include <new>
#include <sstream>
#include <string_view>

namespace {

const char* const LineEnd = "\r\n";
constexpr std::string_view DeltaWord = ";Delta:";
constexpr std::string_view SignalWord = ";Signal:";
constexpr std::string_view FileWord = ";Datei:";
constexpr std::string_view TimeFromWord = ";Zeitvon:";
constexpr std::string_view TimeToWord = ";Zeitbis:";
constexpr std::string_view KeepWord = ";Behalten:";
constexpr std::string_view RankingWord = ";Rang:";
constexpr std::string_view AxesWord = ";Achsen:";
constexpr std::string_view ReferenceWord = ";Ref:";
constexpr std::string_view ScaleWord = ";Skala:";
constexpr std::string_view NoiseWord = ";Rauschen:";
constexpr std::string_view SeedWord = ";Startwert:";
constexpr std::string_view DenoiseWord = ";Entrauschen:";
constexpr std::string_view ThresholdWord = ";Schwelle:";
constexpr std::string_view LambdaWord = ";Lambda:";
constexpr std::string_view ExactWord = ";Genau:";

bool IsBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Windows-1252 bytes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

std::optional<unsigned char> Windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] != 0 && HighControls[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

bool IsWhiteSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
           || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F
           || c == 0x3000;
}

// The next code point of UTF-8 text, or nullopt for a byte that starts none.
std::optional<char32_t> NextCodePoint(std::string_view s, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > s.size()) {
        ++i;
        return std::nullopt;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return c;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The path as one comment word of the file.
std::string PathWord(const std::string& path)
{
    std::string out;
    for (std::size_t i = 0; i < path.size();) {
        const std::optional<char32_t> c = NextCodePoint(path, i);
        if (c && IsWhiteSpace(*c))
            out += '_';
        else if (const auto b = c ? Windows1252Byte(*c) : std::nullopt)
            out += static_cast<char>(*b);
        else
            out += '?';
    }
    return out;
}

std::vector<std::string_view> Words(std::string_view bytes)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < bytes.size()) {
        while (i < bytes.size() && IsBlankByte(bytes[i]))
            ++i;
        const std::size_t start = i;
        while (i < bytes.size() && !IsBlankByte(bytes[i]))
            ++i;
        if (i > start)
            words.push_back(bytes.substr(start, i - start));
    }
    return words;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Parses numbers in the C locale, whatever the process's locale is.
locale_t ClassicLocale()
{
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return classic;
}

// A file name as one ASCII word: each byte outside the printable ASCII, and
// "%", as %XX.
std::string PercentEncoded(const std::string& name)
{
    std::string out;
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b > 0x20 && b < 0x7F && c != '%') {
            out += c;
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", b);
            out += escape;
        }
    }
    return out;
}

int HexDigit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string PercentDecoded(std::string_view word)
{
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int high = word[i] == '%' && i + 2 < word.size() ? HexDigit(word[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(word[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += word[i];
        }
    }
    return out;
}

// The lesson's words, one a line, numbers in all digits; each only where the
// lesson has it.
void WriteLesson(std::ostream& out, const KoeffFileLesson& lesson)
{
    out << std::setprecision(17);
    const auto line = [&](std::string_view key, const auto& value) { out << key << value << LineEnd; };
    const auto given = [&](std::string_view key, const auto& value) {
        if (value)
            line(key, *value);
    };
    const auto named = [&](std::string_view key, const std::string& word) {
        if (!word.empty())
            line(key, word);
    };
    if (!lesson.signal.empty()) {
        std::string word = ToWindows1252(lesson.signal);
        std::replace_if(word.begin(), word.end(), IsBlankByte, '_');
        line(SignalWord, word);
    }
    named(FileWord, lesson.fileName.empty() ? "" : PercentEncoded(lesson.fileName));
    if (lesson.times) {
        line(TimeFromWord, lesson.times->first);
        line(TimeToWord, lesson.times->last);
    }
    given(KeepWord, lesson.keepPercent);
    named(RankingWord, lesson.ranking);
    named(AxesWord, lesson.axes);
    given(ScaleWord, lesson.scale);
    if (lesson.noise) {
        line(NoiseWord, lesson.noise->sigma);
        line(SeedWord, lesson.noise->seed);
    }
    named(DenoiseWord, lesson.denoise);
    named(ThresholdWord, lesson.threshold);
    given(LambdaWord, lesson.lambda);
    for (const double v : lesson.reference)
        line(ReferenceWord, v);
}

// A coefficient as the file's values hold it: six significant digits.
std::string SixDigits(double v)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << v;
    return out.str();
}

// Every coefficient in all digits, where six digits lose any of one.
void WriteExactValues(std::ostream& out, const std::vector<double>& koeff, int count)
{
    const auto lossless = [](double v) { return ParseDecimal(SixDigits(v)) == v; };
    if (std::all_of(koeff.begin(), koeff.begin() + count, lossless))
        return;
    out << std::setprecision(17);
    for (int i = 0; i < count; ++i)
        out << ExactWord << koeff[static_cast<std::size_t>(i)] << LineEnd;
}

}  // namespace

std::string KoeffFileName(const std::string& chosen)
{
    const std::string extension = ".mdt";
    if (chosen.size() >= extension.size()
        && chosen.compare(chosen.size() - extension.size(), extension.size(), extension) == 0)
        return chosen;
    return chosen + extension;
}

std::optional<std::string> FormatKoeffFile(const std::string& path, const Analysis& A, const KoeffFileLesson& lesson)
{
    const int maxLevel = A.MaxLevel;
    const int level = A.Level;
    const std::vector<double>& koeff = A.Koeff;
    const auto finite = [](double v) { return std::isfinite(v); };
    if (!std::all_of(koeff.begin(), koeff.begin() + LevelSize[maxLevel] + 1, finite)
        || !std::all_of(lesson.reference.begin(), lesson.reference.end(), finite)
        || (lesson.times && !(finite(lesson.times->first) && finite(lesson.times->last)))
        || (lesson.keepPercent && !finite(*lesson.keepPercent)) || (lesson.scale && !finite(*lesson.scale))
        || (lesson.noise && !finite(lesson.noise->sigma)) || (lesson.lambda && !finite(*lesson.lambda)))
        return std::nullopt;
    // The stream's default conversion (six significant digits) in the
    // classic locale: the same bytes under any desktop language.
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << ';' << PathWord(path) << LineEnd;
    out << ";MaxLevel:" << LineEnd << maxLevel << LineEnd;
    out << ";Level: " << LineEnd << level << LineEnd;
    out << ";********Daten********" << LineEnd << ';' << LineEnd;
    out << ";Gl\xE4ttekoeffizienten:" << LineEnd;  // "ä" as its Windows-1252 byte
    for (int i = 0; i <= LevelSize[level]; ++i)
        out << koeff[i] << LineEnd;
    out << ';' << LineEnd << ";Waveletkoeffizienten:" << LineEnd;
    for (int j = level; j <= maxLevel - 1; ++j) {
        out << ';' << LineEnd << ";Level:" << j << LineEnd;
        for (int i = LevelSize[j] + 1; i <= LevelSize[j + 1]; ++i)
            out << koeff[i] << LineEnd;
    }
    WriteLesson(out, lesson);
    WriteExactValues(out, koeff, LevelSize[maxLevel] + 1);
    // All digits: a load rebuilds the function with exactly this Delta.
    out << DeltaWord << std::setprecision(17) << A.aktDelta << LineEnd;
    return out.str();
}

std::optional<long> ParseWholeNumber(std::string_view word)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-'))
        negative = word[i++] == '-';
    if (i == word.size())
        return std::nullopt;
    long value = 0;
    for (; i < word.size(); ++i) {
        if (!IsDigit(word[i]))
            return std::nullopt;
        const int digit = word[i] - '0';
        // Saturates as strtol does; any such level is refused anyway.
        if (!negative && value > (LONG_MAX - digit) / 10)
            value = LONG_MAX;
        else if (negative && value < (LONG_MIN + digit) / 10)
            value = LONG_MIN;
        else
            value = negative ? value * 10 - digit : value * 10 + digit;
    }
    return value;
}

bool IsDecimal(std::string_view word)
{
    // [sign] digits [(. or ,) digits] [(e or E) [sign] digits], with at least
    // one digit before the exponent, and nothing after it.
    std::size_t i = 0;
    if (i < word.size() && (word[i] == '+' || word[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < word.size() && IsDigit(word[i]); ++i)
        ++digits;
    if (i < word.size() && (word[i] == '.' || word[i] == ','))
        for (++i; i < word.size() && IsDigit(word[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < word.size() && (word[i] == 'e' || word[i] == 'E')) {
        ++i;
        if (i < word.size() && (word[i] == '+' || word[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        for (; i < word.size() && IsDigit(word[i]); ++i)
            ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == word.size();
}

std::optional<double> ParseDecimal(std::string_view word)
{
    if (!IsDecimal(word))
        return std::nullopt;
    // strtod wants a terminated copy with a point: on the stack for every
    // word but the longest. Below the double range it rounds toward 0; above
    // it, infinity.
    char small[64];
    std::string large;
    char* text = small;
    if (word.size() < sizeof small) {
        std::memcpy(small, word.data(), word.size());
        small[word.size()] = '\0';
    } else {
        large.assign(word);
        text = large.data();
    }
    if (char* comma = std::strchr(text, ','))
        *comma = '.';
    return strtod_l(text, nullptr, ClassicLocale());
}

namespace {

// What the lesson's words give beyond the lesson: the time axis's two ends,
// checked together, and the coefficients in all digits.
struct LessonExtras {
    std::optional<double> timeFrom, timeTo;
    std::vector<double> exact;
    std::optional<double> noiseSigma;
    std::optional<std::uint32_t> noiseSeed;
};

// One of the lesson's words into the lesson, or why it cannot be read.
std::optional<KoeffFileRefusal> ReadLessonWord(std::string_view word, KoeffFileLesson& lesson, LessonExtras& extras)
{
    const auto after = [&](std::string_view key) { return word.substr(key.size()); };
    const auto badWord = [&] {
        return KoeffFileRefusal{{Marked("Meldung", "ungültige Angabe „%1“"), {FromWindows1252(std::string(word.substr(0, 30)))}}};
    };
    const auto finiteAfter = [&](std::string_view key) {
        const std::optional<double> v = ParseDecimal(after(key));
        return v && std::isfinite(*v) ? v : std::nullopt;
    };
    // One value more of a list of at most one per coefficient.
    const auto append = [&](std::vector<double>& list, std::string_view key,
                            const char* tooMany) -> std::optional<KoeffFileRefusal> {
        const std::optional<double> v = finiteAfter(key);
        if (!v)
            return badWord();
        if (list.size() == MaxKoeffCount)
            return KoeffFileRefusal{tooMany};
        list.push_back(*v);
        return std::nullopt;
    };
    // A word of two choices, and a number from low to high, into its field.
    const auto either = [&](std::string_view key, std::string_view one, std::string_view other,
                            std::string& field) -> std::optional<KoeffFileRefusal> {
        if (after(key) != one && after(key) != other)
            return badWord();
        field = after(key);
        return std::nullopt;
    };
    const auto within = [&](std::string_view key, double low, double high,
                            std::optional<double>& field) -> std::optional<KoeffFileRefusal> {
        const std::optional<double> v = finiteAfter(key);
        if (!v || *v < low || *v > high)
            return badWord();
        field = *v;
        return std::nullopt;
    };
    if (word.starts_with(SignalWord)) {
        lesson.signal = FromWindows1252(std::string(after(SignalWord)));
        std::replace(lesson.signal.begin(), lesson.signal.end(), '_', ' ');
    } else if (word.starts_with(FileWord)) {
        lesson.fileName = PercentDecoded(after(FileWord));
    } else if (word.starts_with(TimeFromWord) || word.starts_with(TimeToWord)) {
        const bool from = word.starts_with(TimeFromWord);
        const std::optional<double> t = finiteAfter(from ? TimeFromWord : TimeToWord);
        if (!t)
            return badWord();
        (from ? extras.timeFrom : extras.timeTo) = *t;
    } else if (word.starts_with(KeepWord)) {
        return within(KeepWord, 0.0, 100.0, lesson.keepPercent);
    } else if (word.starts_with(RankingWord)) {
        return either(RankingWord, "beitrag", "betrag", lesson.ranking);
    } else if (word.starts_with(AxesWord)) {
        return either(AxesWord, "original", "angepasst", lesson.axes);
    } else if (word.starts_with(ReferenceWord)) {
        return append(lesson.reference, ReferenceWord, Marked("Meldung", "mehr als 4097 Referenzwerte"));
    } else if (word.starts_with(ExactWord)) {
        return append(extras.exact, ExactWord, Marked("Meldung", "mehr als 4097 genaue Werte"));
    } else if (word.starts_with(ScaleWord)) {
        return within(ScaleWord, 0.0, HUGE_VAL, lesson.scale);
    } else if (word.starts_with(NoiseWord)) {
        return within(NoiseWord, 0.0, 1.0, extras.noiseSigma);
    } else if (word.starts_with(SeedWord)) {
        const std::optional<long> seed = ParseWholeNumber(after(SeedWord));
        if (!seed || *seed < 0 || *seed > 0xFFFFFFFFL)
            return badWord();
        extras.noiseSeed = static_cast<std::uint32_t>(*seed);
    } else if (word.starts_with(DenoiseWord)) {
        if (!FindThresholdRule(after(DenoiseWord)))
            return badWord();
        lesson.denoise = after(DenoiseWord);
    } else if (word.starts_with(ThresholdWord)) {
        return either(ThresholdWord, "hart", "weich", lesson.threshold);
    } else if (word.starts_with(LambdaWord)) {
        return within(LambdaWord, 0.0, HUGE_VAL, lesson.lambda);
    }
    return std::nullopt;
}

// The whole lesson is read before it is checked against the levels.
std::optional<KoeffFileRefusal> CheckLesson(KoeffFileContent& content, const LessonExtras& extras)
{
    const auto& [timeFrom, timeTo, exact, noiseSigma, noiseSeed] = extras;
    if (noiseSigma)
        content.lesson.noise = NoiseSettings{*noiseSigma, noiseSeed.value_or(DefaultNoiseSeed)};
    if (timeFrom || timeTo) {
        if (!timeFrom || !timeTo || !(*timeFrom < *timeTo))
            return KoeffFileRefusal{Marked("Meldung", "Zeitachse ungültig")};
        content.lesson.times = TimeRange{*timeFrom, *timeTo};
    }
    const auto standsFor = [](double v, double value) { return ParseDecimal(SixDigits(v)) == value; };
    if (exact.size() == content.values.size()
        && std::equal(exact.begin(), exact.end(), content.values.begin(), standsFor))
        content.values = exact;
    const std::size_t samples = static_cast<std::size_t>(LevelSize[content.maxLevel]) + 1;
    const std::size_t given = content.lesson.reference.size();
    if (given != 0 && given != samples)
        return KoeffFileRefusal{{Marked("Meldung", "%1 statt %2 Referenzwerte"), {std::to_string(given), std::to_string(samples)}}};
    return std::nullopt;
}

std::variant<KoeffFileContent, KoeffFileRefusal> ParseWords(std::string_view bytes)
{
    const std::vector<std::string_view> words = Words(WithoutByteOrderMark(bytes));
    KoeffFileContent content;
    LessonExtras extras;
    std::vector<std::string_view> valueWords;
    for (const std::string_view word : words) {
        if (word[0] != ';') {
            valueWords.push_back(word);
        } else if (word.starts_with(DeltaWord)) {
            const std::optional<double> delta = ParseDecimal(word.substr(DeltaWord.size()));
            if (delta && *delta > 0.0 && *delta < SmallestDelta)
                return KoeffFileRefusal{Marked("Meldung", "Delta zu klein zum Rechnen (zwischen 0 und 1e-300)")};
            if (delta && *delta >= 0.0 && *delta <= 1.0)
                content.delta = *delta;
        } else if (auto refusal = ReadLessonWord(word, content.lesson, extras)) {
            return *refusal;
        }
    }
    // Words are counted from 1 among those that are no comments.
    auto notANumber = [&](std::size_t k) {
        const std::string shown = FromWindows1252(std::string(valueWords[k].substr(0, 20)));
        return KoeffFileRefusal{{Marked("Meldung", "kein Zahlwert „%1“ an Stelle %2"), {shown, std::to_string(k + 1)}}};
    };

    if (valueWords.empty())
        return KoeffFileRefusal{Marked("Meldung", "MaxLevel fehlt")};
    if (valueWords.size() < 2)
        return KoeffFileRefusal{Marked("Meldung", "Level fehlt")};
    const std::optional<long> maxLevel = ParseWholeNumber(valueWords[0]);
    if (!maxLevel)
        return notANumber(0);
    const std::optional<long> level = ParseWholeNumber(valueWords[1]);
    if (!level)
        return notANumber(1);
    if (*maxLevel < MinLevel || *maxLevel > LevelLimit)
        return KoeffFileRefusal{Marked("Meldung", "MaxLevel nicht zwischen 2 und 12")};
    if (*level < 2 || *level > *maxLevel)
        return KoeffFileRefusal{Marked("Meldung", "Level nicht zwischen 2 und MaxLevel")};
    content.maxLevelWord = valueWords[0];
    content.levelWord = valueWords[1];
    content.maxLevel = static_cast<int>(*maxLevel);
    content.level = static_cast<int>(*level);

    for (std::size_t k = 2; k < valueWords.size(); ++k) {
        if (content.values.size() == MaxKoeffCount)
            return KoeffFileRefusal{Marked("Meldung", "mehr als 4097 Werte")};
        const std::optional<double> value = ParseDecimal(valueWords[k]);
        if (!value)
            return notANumber(k);
        if (!std::isfinite(*value))
            return KoeffFileRefusal{Marked("Meldung", "Wert zu groß für eine Zahl")};
        content.values.push_back(*value);
    }
    if (auto refusal = CheckLesson(content, extras))
        return *refusal;
    return content;
}

}  // namespace

std::variant<KoeffFileContent, KoeffFileRefusal> ParseKoeffFile(const std::string& bytes)
{
    try {
        return ParseWords(bytes);
    } catch (const std::bad_alloc&) {
        return KoeffFileRefusal{Marked("Meldung", "zu wenig Speicher")};
    }
}

void StoreKoeffFile(const KoeffFileContent& content, Analysis& A)
{
    SetMaxLevel(A, content.maxLevel);
    A.Level = content.level;
    if (A.Koeff.size() < content.values.size())
        A.Koeff.resize(content.values.size(), 0.0);
    for (std::size_t i = 0; i < content.values.size(); ++i)
        A.Koeff[i] = content.values[i];
    if (content.delta) {
        A.Delta = *content.delta;
        A.aktDelta = *content.delta;
    }
}

std::string_view WithoutByteOrderMark(std::string_view bytes)
{
    const std::string_view bom = "\xEF\xBB\xBF";
    return bytes.starts_with(bom) ? bytes.substr(bom.size()) : bytes;
}

ReadResult ReadKoeffFile(const std::string& path, std::string& bytes)
{
    return ReadWholeFile(path, KoeffFileLimit, bytes);
}

WriteResult WriteKoeffFile(const std::string& path, const std::string& bytes, const FileStepFault& fault)
{
    return WriteWholeFile(path, bytes, fault);
}

std::string ToWindows1252(const std::string& utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> c = NextCodePoint(utf8, i);
        const std::optional<unsigned char> b = c ? Windows1252Byte(*c) : std::nullopt;
        out += b ? static_cast<char>(*b) : '?';
    }
    return out;
}

std::string FromWindows1252(const std::string& bytes)
{
    std::string out;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        char32_t c = b;
        if (b >= 0x80 && b <= 0x9F)
            c = HighControls[b - 0x80] != 0 ? HighControls[b - 0x80] : 0xFFFD;
        AppendUtf8(out, c);
    }
    return out;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian)
{
    const auto unit = [&](std::size_t i) {
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;  // half of a pair
        }
        AppendUtf8(out, c);
    }
    return out;
}

bool IsUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();)
        if (!NextCodePoint(bytes, i))
            return false;
    return true;
}
