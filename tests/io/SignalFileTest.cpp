#include "io/SignalFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<double> Values(const std::string& bytes)
{
    const auto parsed = ParseSignalFile(bytes);
    if (const auto* refusal = std::get_if<SignalFileRefusal>(&parsed)) {
        ADD_FAILURE() << refusal->reason;
        return {};
    }
    return std::get<std::vector<double>>(parsed);
}

std::string Refusal(const std::string& bytes)
{
    const auto parsed = ParseSignalFile(bytes);
    return std::holds_alternative<SignalFileRefusal>(parsed) ? std::get<SignalFileRefusal>(parsed).reason : "";
}

std::string Lines(int n, const std::string& format)
{
    std::string out;
    for (int i = 0; i < n; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, format.c_str(), i, i * 0.5);
        out += line;
    }
    return out;
}

TEST(SignalFile, TablesHeadersAndComments)
{
    // A line gives its last number.
    EXPECT_EQ(Values("1 2 3\n4\t5\n6\n7\n8\n"), (std::vector<double>{3, 5, 6, 7, 8}));
    EXPECT_EQ(Values("# Messung\nzeit,wert\n0,1\n1,2\n2,3\n# Pause\n3,4\n4,5\n"), (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Values("index;wert\r\n0;0,5\r\n1;1,5\r\n2;-2,25\r\n3;1e1\r\n4;3\r\n"),
              (std::vector<double>{0.5, 1.5, -2.25, 10, 3}));
    EXPECT_EQ(Values("\xEF\xBB\xBF" "1\n2\n\n3\n4\n5\n"), (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Values(Lines(129, "%d %g\n")).size(), 129u);
    EXPECT_EQ(Values("t,x\n" + Lines(4097, "%d,%g\n")).back(), 2048.0);
    EXPECT_EQ(Values(Lines(10000, "%d;%g\n")).size(), 10000u);
}

TEST(SignalFile, TheFinestLevelFollowsTheCount)
{
    EXPECT_EQ(SignalLevel(5), 2);
    EXPECT_EQ(SignalLevel(6), 3);
    EXPECT_EQ(SignalLevel(129), 7);
    EXPECT_EQ(SignalLevel(130), 8);
    EXPECT_EQ(SignalLevel(4097), 12);
    EXPECT_EQ(SignalLevel(10000), 12);
}

TEST(SignalFile, Refusals)
{
    EXPECT_EQ(Refusal("1\n2\n3\n4\n"), "weniger als 5 Werte");
    EXPECT_EQ(Refusal("kopf\n1\n2\n3\n4\n"), "weniger als 5 Werte");  // the header is no value
    EXPECT_EQ(Refusal("1\n2\nx\n4\n5\n6\n"), "kein endlicher Zahlwert in Zeile 3");
    EXPECT_EQ(Refusal("1\n2\n3\ninf\n5\n6\n"), "kein endlicher Zahlwert in Zeile 4");
    EXPECT_EQ(Refusal("1\n2\n3\n4\n1e999\n"), "kein endlicher Zahlwert in Zeile 5");
    EXPECT_EQ(Refusal("a\nb\n1\n2\n3\n4\n5\n"), "kein endlicher Zahlwert in Zeile 2");  // one header only

    char name[] = "/tmp/vexlor-signal-XXXXXX";
    const fs::path folder = mkdtemp(name);
    std::string bytes;
    EXPECT_EQ(ReadSignalFile((folder / "fehlt.txt").string(), bytes), ReadResult::CannotOpen);
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
    EXPECT_EQ(ReadSignalFile((folder / "fifo").string(), bytes), ReadResult::CannotOpen);
    std::ofstream(folder / "gross.txt").close();
    fs::resize_file(folder / "gross.txt", SignalFileLimit + 1);  // sparse: no disk used
    EXPECT_EQ(ReadSignalFile((folder / "gross.txt").string(), bytes), ReadResult::TooLarge);
    fs::remove_all(folder);
}

}  // namespace
