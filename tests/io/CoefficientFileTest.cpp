#include "io/CoefficientFile.h"

#include "analysis/AnalysisState.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF";
    return lines;
}

KoeffArray Counting()
{
    KoeffArray k{};
    for (int i = 0; i < KoeffCount; ++i)
        k[i] = i;
    return k;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class TempFolder : public testing::Test {
protected:
    fs::path folder;
    void SetUp() override
    {
        InitPowerTables();
        char name[] = "/tmp/vexlor-io-XXXXXX";
        folder = mkdtemp(name);
    }
    void TearDown() override
    {
        FailFileStep = nullptr;
        fs::remove_all(folder);
    }
};

TEST(KoeffFileWriter, SevenAndThreeLayout)
{
    InitPowerTables();
    const std::vector<std::string> lines = Lines(FormatKoeffFile("/home/u/daten.mdt", 7, 3, Counting()));
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[0], ";/home/u/daten.mdt");
    EXPECT_EQ(lines[1], ";MaxLevel:");
    EXPECT_EQ(lines[2], "7");
    EXPECT_EQ(lines[3], ";Level: ");
    EXPECT_EQ(lines[4], "3");
    EXPECT_EQ(lines[5], ";********Daten********");
    EXPECT_EQ(lines[6], ";");
    EXPECT_EQ(lines[7], ";Gl\xE4ttekoeffizienten:");
    // 9 smooth values, then the sections of the levels 3 to 6.
    std::size_t l = 8;
    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(lines[l++], std::to_string(i));
    EXPECT_EQ(lines[l++], ";");
    EXPECT_EQ(lines[l++], ";Waveletkoeffizienten:");
    int index = 9;
    for (int j = 3; j <= 6; ++j) {
        EXPECT_EQ(lines[l++], ";");
        EXPECT_EQ(lines[l++], ";Level:" + std::to_string(j));
        for (int i = 0; i < (1 << j); ++i)
            EXPECT_EQ(lines[l++], std::to_string(index++));
    }
    EXPECT_EQ(index, 129);
    EXPECT_EQ(l, lines.size());
}

TEST(KoeffFileWriter, LevelAtMaxLevelWritesHeadersOnly)
{
    InitPowerTables();
    const std::vector<std::string> lines = Lines(FormatKoeffFile("/x.mdt", 5, 5, Counting()));
    ASSERT_EQ(lines.size(), 8u + 33u + 2u);
    EXPECT_EQ(lines[8 + 32], "32");
    EXPECT_EQ(lines[8 + 33], ";");
    EXPECT_EQ(lines.back(), ";Waveletkoeffizienten:");
}

TEST(KoeffFileWriter, NumbersInSixSignificantDigits)
{
    InitPowerTables();
    KoeffArray k{};
    k[0] = 0.1234567891;
    k[1] = -2.5;
    k[2] = 0.0;
    k[3] = 1234567;
    k[4] = 0.00001234;
    const std::vector<std::string> lines = Lines(FormatKoeffFile("/x.mdt", 2, 2, k));
    EXPECT_EQ(lines[8], "0.123457");
    EXPECT_EQ(lines[9], "-2.5");
    EXPECT_EQ(lines[10], "0");
    EXPECT_EQ(lines[11], "1.23457e+06");
    EXPECT_EQ(lines[12], "1.234e-05");
}

TEST(KoeffFileWriter, ExtensionRuleComparesBytes)
{
    EXPECT_EQ(KoeffFileName("daten"), "daten.mdt");
    EXPECT_EQ(KoeffFileName("daten.mdt"), "daten.mdt");
    EXPECT_EQ(KoeffFileName("daten.MDT"), "daten.MDT.mdt");
    EXPECT_EQ(KoeffFileName("mdt"), "mdt.mdt");
}

TEST(KoeffFileWriter, PathStaysOneWordInWindows1252)
{
    InitPowerTables();
    const std::string path = "/home/u/Meine Daten/\xC3\xA4nderung\t1 \xE2\x82\xAC \xE2\x86\x92.mdt";
    const std::vector<std::string> lines = Lines(FormatKoeffFile(path, 2, 2, Counting()));
    EXPECT_EQ(lines[0], ";/home/u/Meine_Daten/\xE4nderung_1_\x80_?.mdt");
    // And the reader takes 2 and 2 as the levels, not words of the path.
    const auto parsed = ParseKoeffFile(FormatKoeffFile(path, 2, 2, Counting()));
    ASSERT_TRUE(std::holds_alternative<KoeffFileContent>(parsed));
    EXPECT_EQ(std::get<KoeffFileContent>(parsed).maxLevel, 2);
    EXPECT_EQ(std::get<KoeffFileContent>(parsed).values.size(), 5u);
}

TEST(KoeffFileWriter, GermanLocaleChangesNeitherBytesNorReading)
{
    InitPowerTables();
    KoeffArray k{};
    k[0] = 0.5;
    k[1] = -1.25e-7;
    const std::string before = FormatKoeffFile("/x.mdt", 2, 2, k);
    const std::string old = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 is not generated";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    std::locale::global(std::locale("de_DE.UTF-8"));
    const std::string german = FormatKoeffFile("/x.mdt", 2, 2, k);
    const auto parsed = ParseKoeffFile(german);
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, old.c_str());
    EXPECT_EQ(german, before);
    ASSERT_TRUE(std::holds_alternative<KoeffFileContent>(parsed));
    EXPECT_EQ(std::get<KoeffFileContent>(parsed).values[0], 0.5);
    EXPECT_EQ(std::get<KoeffFileContent>(parsed).values[1], -1.25e-7);
}

KoeffFileContent Content(const std::variant<KoeffFileContent, KoeffFileRefusal>& parsed)
{
    if (const auto* refusal = std::get_if<KoeffFileRefusal>(&parsed)) {
        ADD_FAILURE() << refusal->reason;
        return {};
    }
    return std::get<KoeffFileContent>(parsed);
}

std::string Reason(const std::variant<KoeffFileContent, KoeffFileRefusal>& parsed)
{
    return std::holds_alternative<KoeffFileRefusal>(parsed) ? std::get<KoeffFileRefusal>(parsed).reason : "";
}

TEST(KoeffFileReader, HandWrittenFiles)
{
    const KoeffFileContent one = Content(ParseKoeffFile(";x 5 3 1.0 2.0"));
    EXPECT_EQ(one.maxLevel, 5);
    EXPECT_EQ(one.level, 3);
    EXPECT_EQ(one.values, (std::vector<double>{1.0, 2.0}));

    // Comment words anywhere, several values a line, any white space.
    const KoeffFileContent two = Content(ParseKoeffFile("4\r\n;c 2 ;d\n0.5 ;e 7\t-3\f1e2\v;end"));
    EXPECT_EQ(two.maxLevelWord, "4");
    EXPECT_EQ(two.levelWord, "2");
    EXPECT_EQ(two.values, (std::vector<double>{0.5, 7, -3, 100}));
}

TEST(KoeffFileReader, WordsThatAreNoNumbersGiveZero)
{
    const KoeffFileContent c = Content(ParseKoeffFile("3 2 abc 0x1A inf nan -nan 1.5x .5 5. 1e 2e+ -"));
    EXPECT_EQ(c.values, (std::vector<double>{0, 0, 0, 0, 0, 1.5, 0.5, 5, 1, 2, 0}));
    EXPECT_EQ(ParseLong("7abc"), 7);
    EXPECT_EQ(ParseLong("-x"), 0);
    EXPECT_EQ(ParseLong("+4"), 4);
    EXPECT_EQ(ParseLong("99999999999999999999999"), LONG_MAX);
    EXPECT_EQ(ParseDecimal("1e-400"), 0.0);
}

TEST(KoeffFileReader, RefusesWhatTheProgramCannotServe)
{
    EXPECT_EQ(Reason(ParseKoeffFile(";nur ;Kommentare")), "MaxLevel fehlt");
    EXPECT_EQ(Reason(ParseKoeffFile(";a 7 ;b")), "Level fehlt");
    EXPECT_EQ(Reason(ParseKoeffFile("9 3 1")), "MaxLevel nicht zwischen 2 und 8");
    EXPECT_EQ(Reason(ParseKoeffFile("1 1 1")), "MaxLevel nicht zwischen 2 und 8");
    EXPECT_EQ(Reason(ParseKoeffFile("x 5 3 1")), "MaxLevel nicht zwischen 2 und 8");  // x gives 0
    EXPECT_EQ(Reason(ParseKoeffFile("5 6 1")), "Level nicht zwischen 2 und MaxLevel");
    EXPECT_EQ(Reason(ParseKoeffFile("5 1 1")), "Level nicht zwischen 2 und MaxLevel");
    EXPECT_EQ(Reason(ParseKoeffFile("5 3 1e999")), "Wert zu groß für eine Zahl");
    std::string many = "8 2";
    for (int i = 0; i < 513; ++i)
        many += " 1";
    EXPECT_EQ(Reason(ParseKoeffFile(many)), "");
    EXPECT_EQ(Reason(ParseKoeffFile(many + " 1")), "mehr als 513 Werte");
}

TEST(KoeffFileReader, ReadsBackWhatTheWriterWrote)
{
    InitPowerTables();
    KoeffArray k{};
    for (int i = 0; i <= 256; ++i)
        k[i] = std::sin(i * 0.37) * 1.000001;
    const KoeffFileContent c = Content(ParseKoeffFile(FormatKoeffFile("/p/f.mdt", 8, 4, k)));
    ASSERT_EQ(c.values.size(), 257u);
    for (int i = 0; i <= 256; ++i)
        EXPECT_NEAR(c.values[i], k[i], 5e-6 * std::fabs(k[i]) + 1e-300) << i;
}

TEST(KoeffFileReader, CaptionsDecodeFromWindows1252)
{
    EXPECT_EQ(FromWindows1252("Gl\xE4tte \x80"), "Glätte €");
    EXPECT_EQ(ToWindows1252("Glätte €"), "Gl\xE4tte \x80");
}

TEST_F(TempFolder, ReadsWholeFilesUpToOneMebibyte)
{
    std::string bytes;
    EXPECT_EQ(ReadKoeffFile((folder / "missing.mdt").string(), bytes), ReadResult::CannotOpen);
    WriteAll(folder / "big.mdt", std::string(KoeffFileLimit + 1, ' '));
    EXPECT_EQ(ReadKoeffFile((folder / "big.mdt").string(), bytes), ReadResult::TooLarge);
    WriteAll(folder / "ok.mdt", "3 2 1");
    EXPECT_EQ(ReadKoeffFile((folder / "ok.mdt").string(), bytes), ReadResult::Read);
    EXPECT_EQ(bytes, "3 2 1");
}

TEST_F(TempFolder, WritesNewFilesAndReplacesOldOnes)
{
    const fs::path file = folder / "daten.mdt";
    ASSERT_TRUE(WriteKoeffFile(file.string(), "first"));
    EXPECT_EQ(ReadAll(file), "first");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteKoeffFile(file.string(), "second"));
    EXPECT_EQ(ReadAll(file), "second");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(TempFolder, AFailedStepReportsAndLeavesTheOldFile)
{
    const fs::path file = folder / "daten.mdt";
    WriteAll(file, "old contents");
    for (FileStep failing : {FileStep::Write, FileStep::Close, FileStep::Rename}) {
        FailFileStep = [failing](FileStep step) { return step == failing; };
        EXPECT_FALSE(WriteKoeffFile(file.string(), "new contents"));
        EXPECT_EQ(ReadAll(file), "old contents");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
            << "no temporary file is left";
    }
}

TEST_F(TempFolder, WithoutATemporaryFileItWritesInPlace)
{
    const fs::path file = folder / "daten.mdt";
    WriteAll(file, "old");
    FailFileStep = [](FileStep step) { return step == FileStep::CreateTemporary; };
    EXPECT_TRUE(WriteKoeffFile(file.string(), "new"));
    EXPECT_EQ(ReadAll(file), "new");
    // A failure in place is still reported.
    FailFileStep = [](FileStep step) { return step == FileStep::CreateTemporary || step == FileStep::Close; };
    EXPECT_FALSE(WriteKoeffFile(file.string(), "newer"));
    // And a file that does not exist cannot be written in place.
    FailFileStep = [](FileStep step) { return step == FileStep::CreateTemporary; };
    EXPECT_FALSE(WriteKoeffFile((folder / "none.mdt").string(), "x"));
}

TEST_F(TempFolder, ASymbolicLinkStaysALink)
{
    fs::create_directory(folder / "real");
    const fs::path real = folder / "real" / "daten.mdt";
    WriteAll(real, "old");
    const fs::path link = folder / "link.mdt";
    fs::create_symlink(fs::path("real") / "daten.mdt", link);
    ASSERT_TRUE(WriteKoeffFile(link.string(), "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(real), "new");
}

TEST_F(TempFolder, APathUnderARegularFileFails)
{
    WriteAll(folder / "plain", "x");
    EXPECT_FALSE(WriteKoeffFile((folder / "plain" / "daten.mdt").string(), "y"));
}

}  // namespace
