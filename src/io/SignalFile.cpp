#include "io/SignalFile.h"

#include "io/CoefficientFile.h"

#include <cmath>
#include <limits>
#include <new>

namespace {

constexpr char NoSeparator = '\0';  // words between blanks only (the text holds no NUL)

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// NUL bytes at one place in two, as ASCII text in UTF-16 has them: here at
// least every other one of them.
bool LooksLikeUtf16(std::string_view bytes)
{
    const std::size_t n = std::min<std::size_t>(bytes.size(), 4096);
    std::size_t nul[2] = {0, 0};
    for (std::size_t i = 0; i < n; ++i)
        nul[i % 2] += bytes[i] == '\0';
    return std::max(nul[0], nul[1]) * 4 >= n;
}

// The file's text: UTF-16 decoded into `decoded`, the UTF-8 byte-order mark dropped.
std::variant<std::string_view, SignalFileRefusal> Decode(std::string_view bytes, std::string& decoded)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        decoded = FromUtf16(bytes.substr(2), bytes[0] == '\xFE');
        return std::string_view(decoded);
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (bytes.find('\0') != std::string_view::npos)
        return SignalFileRefusal{LooksLikeUtf16(bytes) ? Marked("Meldung", "UTF-16: bitte als UTF-8 speichern")
                                                          : Marked("Meldung", "keine Textdatei")};
    return bytes;
}

// The lines of a text, ended by CR, LF or CR LF, counted from 1.
struct LineReader {
    std::string_view text;
    std::size_t at = 0;
    std::size_t number = 0;

    bool Next(std::string_view& line)
    {
        if (at >= text.size())
            return false;
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos)
            end = text.size();
        line = text.substr(at, end - at);
        at = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
        ++number;
        return true;
    }
};

// Calls take(word) for each word of a line, the words being separated by
// blanks and the separator; an empty field (a separator at the start or two
// with nothing between) is the word "", a separator at the end is allowed.
// Stops where take returns false, and says whether it ran to the end.
template <typename Take> bool ForEachWord(std::string_view line, char separator, Take take)
{
    bool wordSinceSeparator = false;
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == separator) {
            if (!wordSinceSeparator && !take(std::string_view{}))
                return false;
            wordSinceSeparator = false;
            ++i;
        } else if (IsBlank(line[i])) {
            ++i;
        } else {
            const std::size_t start = i;
            while (i < line.size() && line[i] != separator && !IsBlank(line[i]))
                ++i;
            if (!take(line.substr(start, i - start)))
                return false;
            wordSinceSeparator = true;
        }
    }
    return true;
}

// A header: the first line that holds anything, with a word that is no number.
bool IsHeader(std::string_view line)
{
    return !ForEachWord(line, ';', [](std::string_view word) {
        return ForEachWord(word, ',', [](std::string_view part) { return part.empty() || IsDecimal(part); });
    });
}

// The header's fields: separated by ";", "," or tabs where it has them
// ("Messung 2024" is one name), each without blanks and quotes around it.
std::vector<std::string_view> HeaderFields(std::string_view header)
{
    const char separator = header.find(';') != std::string_view::npos   ? ';'
                           : header.find(',') != std::string_view::npos ? ','
                           : header.find('\t') != std::string_view::npos ? '\t'
                                                                          : NoSeparator;
    std::vector<std::string_view> fields;
    for (std::size_t start = 0; start <= header.size();) {
        std::size_t end = separator == NoSeparator ? std::string_view::npos : header.find(separator, start);
        if (end == std::string_view::npos)
            end = header.size();
        std::string_view field = Trimmed(header.substr(start, end - start));
        if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
            field = field.substr(1, field.size() - 2);
        if (!field.empty())
            fields.push_back(field);
        start = end + 1;
    }
    return fields;
}

// A name to show: decoded where it is no UTF-8, at most 24 bytes.
std::string ShownName(std::string_view name)
{
    std::string text = IsUtf8(name) ? std::string(name) : FromWindows1252(std::string(name));
    if (text.size() > 24) {
        std::size_t cut = 24;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;  // not inside a character
        text = text.substr(0, cut) + "…";
    }
    return text;
}

// The lines that hold data, each with its number: neither empty, nor a
// comment, nor the header. Stops where visit returns false.
template <typename Visit> bool ForEachDataLine(std::string_view text, bool hasHeader, Visit visit)
{
    LineReader lines{text};
    bool headerToSkip = hasHeader;
    for (std::string_view line; lines.Next(line);) {
        line = Trimmed(line);
        if (line.empty() || line.front() == '#')
            continue;
        if (headerToSkip) {
            headerToSkip = false;
            continue;
        }
        if (!visit(line, lines.number))
            return false;
    }
    return true;
}

// How commas stand in the data, for the one decision per file.
struct CommaUse {
    bool any = false;
    bool mustSeparate = false;  // one next to a blank, sign or point, or two in a word
    bool pairLines = true;      // every line one word "digits,digits"
    bool firstPartsRise = true;
    double previous = -std::numeric_limits<double>::infinity();
    std::size_t lines = 0;

    void Line(std::string_view line)
    {
        ++lines;
        if (line.find(',') == std::string_view::npos) {
            pairLines = false;
            return;
        }
        std::size_t words = 0;
        bool pair = false;
        ForEachWord(line, NoSeparator, [&](std::string_view word) {
            ++words;
            const std::size_t comma = word.find(',');
            if (comma == std::string_view::npos)
                return true;
            any = true;
            const bool between = comma > 0 && comma + 1 < word.size() && IsDigit(word[comma - 1])
                                 && IsDigit(word[comma + 1]);
            if (!between || word.find(',', comma + 1) != std::string_view::npos
                || word.find('.') != std::string_view::npos) {
                mustSeparate = true;
                return true;
            }
            pair = true;
            const std::optional<double> first = ParseDecimal(word.substr(0, comma));
            firstPartsRise = firstPartsRise && first && *first > previous;
            previous = first.value_or(previous);
            return true;
        });
        pairLines = pairLines && words == 1 && pair;
    }
};

// The separator besides blanks: ";" where a line has one; "," where a comma
// cannot be a decimal comma, where a header separated by commas (or ";")
// names two columns, or where every line is a pair whose first parts rise
// (and no header says otherwise); else none, and commas are decimal commas.
char ChooseSeparator(std::string_view text, const std::optional<std::string_view>& header)
{
    bool semicolon = false;
    CommaUse commas;
    ForEachDataLine(text, header.has_value(), [&](std::string_view line, std::size_t) {
        semicolon = line.find(';') != std::string_view::npos;
        commas.Line(line);
        return !semicolon;
    });
    if (semicolon)
        return ';';
    if (!commas.any)
        return NoSeparator;
    if (commas.mustSeparate)
        return ',';
    if (header) {
        const bool namesTwo = header->find_first_of(",;") != std::string_view::npos && HeaderFields(*header).size() >= 2;
        return namesTwo ? ',' : NoSeparator;
    }
    return commas.pairLines && commas.firstPartsRise && commas.lines >= 2 ? ',' : NoSeparator;
}

// What the data lines hold under the chosen separator.
struct Shape {
    std::size_t lines = 0;
    std::size_t values = 0;
    std::size_t perLine = 0;    // the count of the first line
    bool even = true;           // every line holds as many
    std::size_t unevenLine = 0;   // the first line that holds another count than the first, or 0
    std::size_t unevenCount = 0;  // and its count
    std::size_t fallingLine = 0;  // the first line whose first number does not rise, or 0
    double firstTime = 0.0;
    double lastTime = 0.0;
    bool decimalComma = false;
};

Phrase NotANumber(std::string_view word, std::size_t line)
{
    if (word.empty())
        return {Marked("Meldung", "leeres Feld in Zeile %1"), {std::to_string(line)}};
    return {Marked("Meldung", "kein Zahlwert „%1“ in Zeile %2"), {ShownName(word.substr(0, 20)), std::to_string(line)}};
}

// Checks every word and measures the data; nothing is kept but the counts.
std::variant<Shape, SignalFileRefusal> Measure(std::string_view text, bool hasHeader, char separator)
{
    Shape shape;
    std::optional<SignalFileRefusal> refusal;
    ForEachDataLine(text, hasHeader, [&](std::string_view line, std::size_t number) {
        std::size_t count = 0;
        ForEachWord(line, separator, [&](std::string_view word) {
            const std::optional<double> value = ParseDecimal(word);
            if (!value || !std::isfinite(*value)) {
                refusal = SignalFileRefusal{value ? Phrase{Marked("Meldung", "kein endlicher Zahlwert in Zeile %1"),
                                                           {std::to_string(number)}}
                                                  : NotANumber(word, number)};
                return false;
            }
            if (++shape.values > SignalValueLimit) {
                refusal = SignalFileRefusal{{Marked("Meldung", "mehr als %1 Werte"), {std::to_string(SignalValueLimit)}}};
                return false;
            }
            shape.decimalComma = shape.decimalComma || word.find(',') != std::string_view::npos;
            if (count++ == 0) {
                if (shape.lines > 0 && !(*value > shape.lastTime) && shape.fallingLine == 0)
                    shape.fallingLine = number;
                shape.firstTime = shape.lines == 0 ? *value : shape.firstTime;
                shape.lastTime = *value;
            }
            return true;
        });
        if (refusal)
            return false;
        if (shape.lines++ == 0)
            shape.perLine = count;
        if (shape.even && count != shape.perLine) {
            shape.even = false;
            shape.unevenLine = number;
            shape.unevenCount = count;
        }
        return true;
    });
    if (refusal)
        return *refusal;
    return shape;
}

enum class Arrangement { Column, TimeAndValue, Sequence };

// The values in a last pass, `count` of them; of a time column only whether
// each time lies within a quarter step of the regular grid from the first to
// the last time: times rounded in print stay regular, a single missing time
// (half a step off at least) does not.
struct Reading {
    std::vector<double> values;
    bool regularTimes = true;
};

Reading ReadValues(std::string_view text, bool hasHeader, char separator, Arrangement arrangement, std::size_t count,
                   const TimeRange& times)
{
    Reading reading;
    reading.values.reserve(count + 1);  // room for a repeated last value
    const double step = count > 1 ? (times.last - times.first) / static_cast<double>(count - 1) : 0.0;
    std::size_t row = 0;
    ForEachDataLine(text, hasHeader, [&](std::string_view line, std::size_t) {
        std::size_t column = 0;
        ForEachWord(line, separator, [&](std::string_view word) {
            const double value = *ParseDecimal(word);
            if (arrangement == Arrangement::TimeAndValue && column++ == 0) {
                const double onGrid = times.first + static_cast<double>(row) * step;
                reading.regularTimes = reading.regularTimes && std::fabs(value - onGrid) <= step / 4;
            } else {
                reading.values.push_back(value);
            }
            return true;
        });
        ++row;
        return true;
    });
    return reading;
}

std::variant<SignalFileContent, SignalFileRefusal> Parse(std::string_view bytes)
{
    std::string decoded;
    const auto text = Decode(bytes, decoded);
    if (const auto* refusal = std::get_if<SignalFileRefusal>(&text))
        return *refusal;
    const std::string_view data = std::get<std::string_view>(text);

    std::optional<std::string_view> header;
    ForEachDataLine(data, false, [&](std::string_view line, std::size_t) {
        if (IsHeader(line))
            header = line;
        return false;
    });
    const char separator = ChooseSeparator(data, header);
    const auto measured = Measure(data, header.has_value(), separator);
    if (const auto* refusal = std::get_if<SignalFileRefusal>(&measured))
        return *refusal;
    const Shape& shape = std::get<Shape>(measured);
    const std::vector<std::string_view> names = header ? HeaderFields(*header) : std::vector<std::string_view>{};

    // Columns that a header names, or pairs split by a separator, lose their
    // order with a field left out ("1800;"): never a sequence of years and values.
    if (!shape.even && (names.size() >= 2 || (separator != NoSeparator && shape.perLine == 2)))
        return SignalFileRefusal{
            {shape.unevenCount == 1 ? Marked("Meldung", "Zeile %1 hat %2 Wert statt %3 (ein leeres Feld?)")
                                    : Marked("Meldung", "Zeile %1 hat %2 Werte statt %3 (ein leeres Feld?)"),
             {std::to_string(shape.unevenLine), std::to_string(shape.unevenCount),
              std::to_string(std::max(names.size(), shape.perLine))}}};
    Arrangement arrangement = Arrangement::Sequence;
    if (shape.lines > 1 && shape.even && shape.perLine == 1) {
        arrangement = Arrangement::Column;
    } else if (shape.lines > 1 && shape.even && shape.perLine == 2) {
        if (shape.fallingLine != 0)
            return SignalFileRefusal{{Marked("Meldung", "zwei Spalten, aber die erste steigt nicht (Zeile %1): keine Zeitspalte"),
                                      {std::to_string(shape.fallingLine)}}};
        arrangement = Arrangement::TimeAndValue;
    } else if (shape.lines > 1 && shape.even && names.size() >= 3 && names.size() == shape.perLine) {
        return SignalFileRefusal{{Marked("Meldung", "%1 Spalten: erwartet wird eine Spalte, Zeit und Wert oder eine Folge"),
                                  {std::to_string(shape.perLine)}}};
    }
    const std::size_t count = arrangement == Arrangement::TimeAndValue ? shape.lines : shape.values;
    if (count < 4)
        return SignalFileRefusal{Marked("Meldung", "weniger als 4 Werte")};

    const TimeRange times{shape.firstTime, shape.lastTime};
    Reading reading = ReadValues(data, header.has_value(), separator, arrangement, count, times);
    SignalFileContent content;
    content.count = count;
    content.values = std::move(reading.values);
    const bool named = names.size() == 2;
    auto read = [&content](Phrase part) {
        content.reading += (content.reading.empty() ? "" : ", ") + part.German();
        content.readingParts.push_back(std::move(part));
    };
    switch (arrangement) {
    case Arrangement::Column: read(Marked("Meldung", "1 Spalte")); break;
    case Arrangement::TimeAndValue:
        read(named ? Phrase{Marked("Meldung", "2 Spalten (%1; %2)"), {ShownName(names[0]), ShownName(names[1])}}
                   : Phrase{Marked("Meldung", "2 Spalten (Zeit; Wert)")});
        break;
    case Arrangement::Sequence:
        // A sequence over several lines has two of them at least.
        read(shape.lines == 1 ? Phrase{Marked("Meldung", "Folge in einer Zeile")}
             : shape.even     ? Phrase{Marked("Meldung", "Folge, %1 Werte je Zeile"), {std::to_string(shape.perLine)}}
                              : Phrase{Marked("Meldung", "Folge über %1 Zeilen"), {std::to_string(shape.lines)}});
        break;
    }
    if (shape.decimalComma)
        read(Marked("Meldung", "Dezimalkomma"));
    if (header)
        read(Marked("Meldung", "mit Kopfzeile"));
    if (!decoded.empty())
        read(Marked("Meldung", "UTF-16"));

    const bool powerOfTwo = RepeatsLastValue(count);
    if (powerOfTwo)
        content.values.push_back(content.values.back());
    const double step = (times.last - times.first) / static_cast<double>(count - 1);
    const double last = powerOfTwo ? times.last + step : times.last;
    if (arrangement == Arrangement::TimeAndValue && reading.regularTimes && std::isfinite(last)) {
        content.times = TimeRange{times.first, last};
        content.timeName = named ? ShownName(names[0]) : "";
    } else if (arrangement == Arrangement::TimeAndValue) {
        read(Marked("Meldung", "Zeiten ungleichmäßig: ohne Zeitachse"));
    }
    return content;
}

}  // namespace

std::variant<SignalFileContent, SignalFileRefusal> ParseSignalFile(std::string_view bytes)
{
    try {
        return Parse(bytes);
    } catch (const std::bad_alloc&) {
        return SignalFileRefusal{Marked("Meldung", "zu wenig Speicher für die Werte")};
    }
}

Phrase SignalFileSummary(const SignalFileContent& content, std::string reading)
{
    // A file of fewer than 4 values is refused: the count is always plural.
    const std::size_t samples = (std::size_t{1} << SignalLevel(content.values.size())) + 1;
    const std::string count = std::to_string(content.count);
    if (content.values.size() > content.count)
        return {Marked("Meldung", "%1 Werte; der letzte Wert für Stelle %2 wiederholt (%3)"),
                {count, std::to_string(content.values.size()), std::move(reading)}};
    if (samples != content.count)
        return {Marked("Meldung", "%1 Werte, linear auf %2 interpoliert (%3)"),
                {count, std::to_string(samples), std::move(reading)}};
    return {Marked("Meldung", "%1 Werte (%2)"), {count, std::move(reading)}};
}

std::string SignalFileMessage(const SignalFileContent& content)
{
    return SignalFileSummary(content, content.reading).German();
}

bool RepeatsLastValue(std::size_t count) { return count <= (std::size_t{1} << 12) && (count & (count - 1)) == 0; }

int SignalLevel(std::size_t n)
{
    for (int m = 2; m < 12; ++m)
        if ((std::size_t{1} << m) + 1 >= n)
            return m;
    return 12;
}

ReadResult ReadSignalFile(const std::string& path, std::string& bytes)
{
    return ReadWholeFile(path, SignalFileLimit, bytes);
}
