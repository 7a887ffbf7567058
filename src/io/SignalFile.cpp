#include "io/SignalFile.h"

#include "io/CoefficientFile.h"

#include <cmath>
#include <sstream>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }

// The words of one line between its separators.
std::vector<std::string> Tokens(const std::string& line)
{
    const char separator = line.find(';') != std::string::npos ? ';' : ',';
    std::vector<std::string> tokens;
    std::string word;
    for (const char c : line + ' ') {
        if (IsSpace(c) || c == separator) {
            if (!word.empty())
                tokens.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return tokens;
}

}  // namespace

std::variant<std::vector<double>, SignalFileRefusal> ParseSignalFile(const std::string& bytes)
{
    std::istringstream lines(WithoutByteOrderMark(bytes));
    std::vector<double> values;
    bool headerPossible = true;
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        const std::vector<std::string> tokens = Tokens(line);
        if (tokens.empty() || tokens.front().front() == '#')
            continue;
        if (headerPossible) {
            headerPossible = false;
            bool anyNumber = false;
            for (const std::string& token : tokens)
                anyNumber = anyNumber || ParseDecimal(token).has_value();
            if (!anyNumber)
                continue;
        }
        const std::optional<double> value = ParseDecimal(tokens.back());
        if (!value || !std::isfinite(*value))
            return SignalFileRefusal{"kein endlicher Zahlwert in Zeile " + std::to_string(number)};
        values.push_back(*value);
    }
    if (values.size() < 5)
        return SignalFileRefusal{"weniger als 5 Werte"};
    return values;
}

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
