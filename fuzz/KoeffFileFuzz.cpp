// The ".mdt" reader on arbitrary bytes: it must answer with a content or a
// refusal, and whatever it accepts must hold only finite values, levels the
// program can serve and a Delta it can compute, and be written back unchanged
// in its levels, Delta and lesson.
#include "io/CoefficientFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

namespace {

void Expect(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckAccepted(const KoeffFileContent& content)
{
    Expect(content.maxLevel >= MinLevel && content.maxLevel <= LevelLimit);
    Expect(content.level >= MinLevel && content.level <= content.maxLevel);
    Expect(content.values.size() <= static_cast<std::size_t>(MaxKoeffCount));
    for (const double value : content.values)
        Expect(std::isfinite(value));

    if (content.delta)
        Expect(*content.delta == 0.0 || (*content.delta >= SmallestDelta && *content.delta <= 1.0));
    const KoeffFileLesson& lesson = content.lesson;
    Expect(lesson.reference.empty() || lesson.reference.size() == (std::size_t{1} << content.maxLevel) + 1);

    // What the program would save of it is accepted, with the same levels and
    // exactly the same Delta.
    static Analysis A;  // values beyond the file's stay from earlier inputs: all finite
    A.aktDelta = 0.4;
    StoreKoeffFile(content, A);
    const double delta = A.aktDelta;
    const std::optional<std::string> written = FormatKoeffFile("/tmp/fuzz.mdt", A, lesson);
    Expect(written.has_value());
    const auto again = ParseKoeffFile(*written);
    const auto* reread = std::get_if<KoeffFileContent>(&again);
    Expect(reread != nullptr);
    Expect(reread->maxLevel == content.maxLevel && reread->level == content.level);
    Expect(reread->values.size() == (std::size_t{1} << content.maxLevel) + 1);
    Expect(reread->delta == delta);
    // The signal's name may lose what Windows-1252 cannot hold; the rest is exact.
    KoeffFileLesson before = lesson, after = reread->lesson;
    before.signal = after.signal = "";
    Expect(after == before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseKoeffFile(bytes);
    if (const auto* content = std::get_if<KoeffFileContent>(&parsed))
        CheckAccepted(*content);
    else
        Expect(!std::get<KoeffFileRefusal>(parsed).reason.empty());

    // The captions decode any bytes and encode back to them; the five bytes
    // that Windows-1252 leaves undefined come back as "?".
    std::string expected = bytes;
    for (char& b : expected)
        if (b == '\x81' || b == '\x8D' || b == '\x8F' || b == '\x90' || b == '\x9D')
            b = '?';
    Expect(ToWindows1252(FromWindows1252(bytes)) == expected);

    // Any chosen name becomes a path that the writer can put on line 1.
    static const Analysis small = [] {
        Analysis a;
        a.MaxLevel = a.Level = 2;
        return a;
    }();
    const std::optional<std::string> line1 = FormatKoeffFile(KoeffFileName(bytes), small);
    Expect(line1 && line1->size() > 2 && (*line1)[0] == ';');
    return 0;
}
