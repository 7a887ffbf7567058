// The signal-file reader on arbitrary bytes: it answers with values or a
// refusal; what it accepts holds 4 to SignalValueLimit finite values (2^m of
// them with the last repeated), a reading, and a rising time range where it
// has one; and its values, written as one column in all digits, read back
// as they are.
#include "io/SignalFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <variant>

namespace {

void Expect(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckAccepted(const SignalFileContent& c)
{
    Expect(c.count >= 4 && c.count <= SignalValueLimit);
    const bool powerOfTwo = c.count <= 4096 && (c.count & (c.count - 1)) == 0;
    Expect(c.values.size() == (powerOfTwo ? c.count + 1 : c.count));
    Expect(!powerOfTwo || c.values[c.count] == c.values[c.count - 1]);
    for (const double v : c.values)
        Expect(std::isfinite(v));
    Expect(!c.reading.empty());
    if (c.times)
        Expect(std::isfinite(c.times->first) && std::isfinite(c.times->last) && c.times->first < c.times->last);
    Expect(c.timeName.empty() || c.times);

    std::string column;
    for (std::size_t i = 0; i < c.count; ++i) {
        char number[32];
        std::snprintf(number, sizeof number, "%.17g\n", c.values[i]);
        column += number;
    }
    const auto again = ParseSignalFile(column);
    const auto* reread = std::get_if<SignalFileContent>(&again);
    Expect(reread != nullptr && reread->values == c.values);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parsed = ParseSignalFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* content = std::get_if<SignalFileContent>(&parsed))
        CheckAccepted(*content);
    else
        Expect(!std::get<SignalFileRefusal>(parsed).reason.empty());
    return 0;
}
