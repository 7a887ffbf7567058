#include "io/CoefficientFile.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <locale>
#include <sstream>

namespace {

const char* const LineEnd = "\r\n";

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
std::optional<char32_t> NextCodePoint(const std::string& s, std::size_t& i)
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
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
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

std::vector<std::string> Words(const std::string& bytes)
{
    std::vector<std::string> words;
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

}  // namespace

std::string KoeffFileName(const std::string& chosen)
{
    const std::string extension = ".mdt";
    if (chosen.size() >= extension.size()
        && chosen.compare(chosen.size() - extension.size(), extension.size(), extension) == 0)
        return chosen;
    return chosen + extension;
}

std::string FormatKoeffFile(const std::string& path, int maxLevel, int level, const KoeffArray& koeff)
{
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
    return out.str();
}

long ParseLong(const std::string& word)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-'))
        negative = word[i++] == '-';
    long value = 0;
    for (; i < word.size() && IsDigit(word[i]); ++i) {
        const int digit = word[i] - '0';
        // Saturates as strtol does.
        if (!negative && value > (LONG_MAX - digit) / 10)
            return LONG_MAX;
        if (negative && value < (LONG_MIN + digit) / 10)
            return LONG_MIN;
        value = negative ? value * 10 - digit : value * 10 + digit;
    }
    return value;
}

std::optional<double> ParseDecimal(const std::string& word)
{
    // The longest prefix of the form [sign] digits [. digits] [e [sign] digits]
    // with at least one digit before the exponent.
    std::size_t i = 0;
    if (i < word.size() && (word[i] == '+' || word[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < word.size() && IsDigit(word[i]); ++i)
        ++digits;
    if (i < word.size() && word[i] == '.')
        for (++i; i < word.size() && IsDigit(word[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0.0;
    std::size_t end = i;
    if (i < word.size() && (word[i] == 'e' || word[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < word.size() && (word[k] == '+' || word[k] == '-'))
            ++k;
        if (k < word.size() && IsDigit(word[k])) {
            while (k < word.size() && IsDigit(word[k]))
                ++k;
            end = k;
        }
    }
    const std::string number = word.substr(0, end);
    errno = 0;
    const double value = strtod_l(number.c_str(), nullptr, ClassicLocale());
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;  // a value below the double range is taken as strtod rounds it
}

std::variant<KoeffFileContent, KoeffFileRefusal> ParseKoeffFile(const std::string& bytes)
{
    const std::vector<std::string> words = Words(bytes);
    std::size_t w = 0;
    auto nextValueWord = [&]() -> const std::string* {
        while (w < words.size() && words[w][0] == ';')
            ++w;
        return w < words.size() ? &words[w++] : nullptr;
    };

    KoeffFileContent content;
    const std::string* maxLevelWord = nextValueWord();
    if (!maxLevelWord)
        return KoeffFileRefusal{"MaxLevel fehlt"};
    const std::string* levelWord = nextValueWord();
    if (!levelWord)
        return KoeffFileRefusal{"Level fehlt"};
    const long maxLevel = ParseLong(*maxLevelWord);
    const long level = ParseLong(*levelWord);
    if (maxLevel < 2 || maxLevel > 8)
        return KoeffFileRefusal{"MaxLevel nicht zwischen 2 und 8"};
    if (level < 2 || level > maxLevel)
        return KoeffFileRefusal{"Level nicht zwischen 2 und MaxLevel"};
    content.maxLevelWord = *maxLevelWord;
    content.levelWord = *levelWord;
    content.maxLevel = static_cast<int>(maxLevel);
    content.level = static_cast<int>(level);

    while (const std::string* word = nextValueWord()) {
        if (content.values.size() == KoeffCount)
            return KoeffFileRefusal{"mehr als 513 Werte"};
        const std::optional<double> value = ParseDecimal(*word);
        if (!value)
            return KoeffFileRefusal{"Wert zu groß für eine Zahl"};
        content.values.push_back(*value);
    }
    return content;
}

ReadResult ReadKoeffFile(const std::string& path, std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return ReadResult::CannotOpen;
    std::string data(KoeffFileLimit + 1, '\0');
    const std::size_t count = std::fread(data.data(), 1, data.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return ReadResult::CannotOpen;
    if (count > KoeffFileLimit)
        return ReadResult::TooLarge;
    data.resize(count);
    bytes = std::move(data);
    return ReadResult::Read;
}

bool WriteKoeffFile(const std::string& path, const std::string& bytes) { return WriteWholeFile(path, bytes); }

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
