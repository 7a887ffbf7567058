#include "io/CoefficientFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <algorithm>
#include <climits>
#include <clocale>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
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
    KoeffArray k(MaxKoeffCount);
    for (int i = 0; i < MaxKoeffCount; ++i)
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

// The writer on an analysis that holds just these levels, values and Delta.
std::optional<std::string> FormatKoeffFile(const std::string& path, int maxLevel, int level, const KoeffArray& koeff,
                                           double aktDelta)
{
    const auto A = std::make_unique<Analysis>();
    SetMaxLevel(*A, maxLevel);
    A->Level = level;
    A->Koeff = koeff;
    A->aktDelta = aktDelta;
    return FormatKoeffFile(path, *A);
}

// The bytes the writer makes with aktDelta 0.4, whose last line records it.
std::string Formatted(const std::string& path, int maxLevel, int level, const KoeffArray& koeff)
{
    const std::optional<std::string> bytes = FormatKoeffFile(path, maxLevel, level, koeff, 0.4);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or("");
}

class TempFolder : public testing::Test {
protected:
    fs::path folder;
    void SetUp() override
    {
        char name[] = "/tmp/vexlor-io-XXXXXX";
        folder = mkdtemp(name);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::size_t FileCount() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }
};

TEST(KoeffFileWriter, SevenAndThreeLayout)
{
    const std::vector<std::string> lines = Lines(Formatted("/home/u/daten.mdt", 7, 3, Counting()));
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
    EXPECT_EQ(lines[l++], ";Delta:0.40000000000000002");
    EXPECT_EQ(l, lines.size());
}

TEST(KoeffFileWriter, LevelAtMaxLevelWritesHeadersOnly)
{
    const std::vector<std::string> lines = Lines(Formatted("/x.mdt", 5, 5, Counting()));
    ASSERT_EQ(lines.size(), 8u + 33u + 3u);
    EXPECT_EQ(lines[8 + 32], "32");
    EXPECT_EQ(lines[8 + 33], ";");
    EXPECT_EQ(lines[8 + 34], ";Waveletkoeffizienten:");
}

TEST(KoeffFileWriter, NumbersInSixSignificantDigits)
{
    KoeffArray k(MaxKoeffCount);
    k[0] = 0.1234567891;
    k[1] = -2.5;
    k[2] = 0.0;
    k[3] = 1234567;
    k[4] = 0.00001234;
    const std::vector<std::string> lines = Lines(Formatted("/x.mdt", 2, 2, k));
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
    const std::string path = "/home/u/Meine Daten/\xC3\xA4nderung\t1 \xE2\x82\xAC \xE2\x86\x92.mdt";
    const std::vector<std::string> lines = Lines(Formatted(path, 2, 2, Counting()));
    EXPECT_EQ(lines[0], ";/home/u/Meine_Daten/\xE4nderung_1_\x80_?.mdt");
    // And the reader takes 2 and 2 as the levels, not words of the path.
    const auto parsed = ParseKoeffFile(Formatted(path, 2, 2, Counting()));
    ASSERT_TRUE(std::holds_alternative<KoeffFileContent>(parsed));
    EXPECT_EQ(std::get<KoeffFileContent>(parsed).maxLevel, 2);
    EXPECT_EQ(std::get<KoeffFileContent>(parsed).values.size(), 5u);
}

TEST(KoeffFileWriter, GermanLocaleChangesNeitherBytesNorReading)
{
    KoeffArray k(MaxKoeffCount);
    k[0] = 0.5;
    k[1] = -1.25e-7;
    const std::string before = Formatted("/x.mdt", 2, 2, k);
    const std::string old = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 is not generated";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    std::locale::global(std::locale("de_DE.UTF-8"));
    const std::string german = Formatted("/x.mdt", 2, 2, k);
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

TEST(KoeffFileReader, NumbersAreWholeWordsWithPointOrComma)
{
    const KoeffFileContent c = Content(ParseKoeffFile("3 2 .5 5. -1,5 +2e3 1,5E-1 0,5 0,25 1,75"));
    EXPECT_EQ(c.values, (std::vector<double>{0.5, 5, -1.5, 2000, 0.15, 0.5, 0.25, 1.75}));
    EXPECT_EQ(ParseDecimal("1e-400"), 0.0);
    for (const char* word : {"1,5x", "1.2.3", "1,2,3", "abc", "0x1A", "inf", "nan", "-nan", "1e", "2e+", "-", ".",
                             "e5", "1 "})
        EXPECT_FALSE(ParseDecimal(word)) << word;
    EXPECT_EQ(ParseWholeNumber("+4"), 4);
    EXPECT_EQ(ParseWholeNumber("99999999999999999999999"), LONG_MAX);
    for (const char* word : {"7abc", "7.9", "-x", "", "+"})
        EXPECT_FALSE(ParseWholeNumber(word)) << word;
}

TEST(KoeffFileReader, AWordThatIsNoNumberRefusesTheFile)
{
    EXPECT_EQ(Reason(ParseKoeffFile("3 2 0.5 1.2.3")), "kein Zahlwert \u201E1.2.3\u201C an Stelle 4");
    EXPECT_EQ(Reason(ParseKoeffFile(";x 7abc 3")), "kein Zahlwert \u201E7abc\u201C an Stelle 1");
    EXPECT_EQ(Reason(ParseKoeffFile("7 7.9")), "kein Zahlwert \u201E7.9\u201C an Stelle 2");
    // Cut to 20 characters, decoded from the file's code page.
    EXPECT_EQ(Reason(ParseKoeffFile("3 2 \xE4" "bcdefghijklmnopqrstuvwxyz")),
              "kein Zahlwert \u201E\u00E4bcdefghijklmnopqrst\u201C an Stelle 3");
}

// The refusal keeps the file's word apart from its text, for the windows to
// translate; a word that looks like a place-holder is not filled in again.
TEST(KoeffFileReader, ARefusalKeepsTheWordApartFromItsText)
{
    const auto parsed = ParseKoeffFile("3 2 %2%1");
    ASSERT_TRUE(std::holds_alternative<KoeffFileRefusal>(parsed));
    const KoeffFileRefusal& refusal = std::get<KoeffFileRefusal>(parsed);
    EXPECT_EQ(refusal.reason, "kein Zahlwert \u201E%2%1\u201C an Stelle 3");
    EXPECT_EQ(refusal.said.words, (std::vector<std::string>{"%2%1", "3"}));
    EXPECT_EQ(Fill("%1 statt %2 (%3)", {"%2", "5"}), "%2 statt 5 (%3)");
}

TEST(KoeffFileReader, ByteOrderMarkAndDeltaWord)
{
    EXPECT_EQ(Content(ParseKoeffFile("\xEF\xBB\xBF" "5 3 1")).maxLevel, 5);
    EXPECT_FALSE(Content(ParseKoeffFile("5 3 1")).delta);
    EXPECT_EQ(Content(ParseKoeffFile("5 3 1 ;Delta:0.25")).delta, 0.25);
    EXPECT_EQ(Content(ParseKoeffFile("5 3 ;Delta:1 1")).delta, 1.0);
    for (const char* bytes : {"5 3 ;Delta:1.5", "5 3 ;Delta:-0.1", "5 3 ;Delta:x", "5 3 ;Delta: 0.3"})
        EXPECT_FALSE(Content(ParseKoeffFile(bytes)).delta) << bytes;
}

TEST(KoeffFileWriter, WritesOnlyFiniteValuesAndDeltaInFull)
{
    KoeffArray k(MaxKoeffCount);
    const std::optional<std::string> bytes = FormatKoeffFile("/x.mdt", 2, 2, k, 0.57);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->ends_with("\r\n;Delta:0.56999999999999995\r\n"));
    EXPECT_EQ(Content(ParseKoeffFile(*bytes)).delta, 0.57);
    k[4] = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(FormatKoeffFile("/x.mdt", 2, 2, k, 0.4));
    k[4] = std::nan("");
    EXPECT_FALSE(FormatKoeffFile("/x.mdt", 2, 2, k, 0.4));
    k[5] = k[4];  // beyond the values in use: not written, no matter
    k[4] = 0.0;
    EXPECT_TRUE(FormatKoeffFile("/x.mdt", 2, 2, k, 0.4));
}

TEST(KoeffFileReader, RefusesWhatTheProgramCannotServe)
{
    EXPECT_EQ(Reason(ParseKoeffFile(";nur ;Kommentare")), "MaxLevel fehlt");
    EXPECT_EQ(Reason(ParseKoeffFile(";a 7 ;b")), "Level fehlt");
    EXPECT_EQ(Reason(ParseKoeffFile("13 3 1")), "MaxLevel nicht zwischen 2 und 12");
    EXPECT_EQ(Reason(ParseKoeffFile("1 1 1")), "MaxLevel nicht zwischen 2 und 12");
    EXPECT_EQ(Reason(ParseKoeffFile("5 6 1")), "Level nicht zwischen 2 und MaxLevel");
    EXPECT_EQ(Reason(ParseKoeffFile("5 1 1")), "Level nicht zwischen 2 und MaxLevel");
    EXPECT_EQ(Reason(ParseKoeffFile("5 3 1e999")), "Wert zu groß für eine Zahl");
    std::string many = "12 2";
    for (int i = 0; i < 4097; ++i)
        many += " 1";
    EXPECT_EQ(Reason(ParseKoeffFile(many)), "");
    EXPECT_EQ(Reason(ParseKoeffFile(many + " 1")), "mehr als 4097 Werte");
}

TEST(KoeffFileReader, ReadsBackWhatTheWriterWroteInAllDigitsUnlessAValueWasEdited)
{
    KoeffArray k(MaxKoeffCount);
    for (int i = 0; i <= 256; ++i)
        k[i] = std::sin(i * 0.37) * 1.000001;
    const std::string bytes = Formatted("/p/f.mdt", 8, 4, k);
    const KoeffFileContent c = Content(ParseKoeffFile(bytes));
    ASSERT_EQ(c.values.size(), 257u);
    for (int i = 0; i <= 256; ++i)
        EXPECT_EQ(c.values[i], k[i]) << i;

    // The first value edited by hand: the six digits count, every one of them.
    std::string edited = bytes;
    const std::string written = "\r\n0.361616\r\n";  // k[1] in six digits
    const std::size_t at = edited.find(written);
    ASSERT_NE(at, std::string::npos);
    edited.replace(at, written.size(), "\r\n0.38\r\n");
    const KoeffFileContent e = Content(ParseKoeffFile(edited));
    EXPECT_EQ(e.values[1], 0.38);
    for (int i = 2; i <= 256; ++i)
        EXPECT_NEAR(e.values[i], k[i], 5e-6 * std::fabs(k[i]) + 1e-300) << i;
    EXPECT_NE(e.values[2], k[2]);
}

TEST(KoeffFileLesson, AFileSignalsLessonReopensAsSaved)
{
    // An offset signal at MaxLevel 4, its reference in all digits.
    KoeffFileLesson lesson{"Datei",  "EKG Übung 100%.txt", TimeRange{1700, 1988}, 5.0, "beitrag", "angepasst", {}, 154.6,
                           NoiseSettings{0.05, 7}, "manuell", "weich", 0.25};
    for (int i = 0; i <= 16; ++i)
        lesson.reference.push_back(150.0 + std::sin(i * 0.7) / 3.0);
    const auto A = std::make_unique<Analysis>();
    SetMaxLevel(*A, 4);
    A->Level = 2;
    const std::string bytes = FormatKoeffFile("/x.mdt", *A, lesson).value_or("");
    const KoeffFileContent c = Content(ParseKoeffFile(bytes));
    EXPECT_EQ(c.lesson, lesson);
    EXPECT_EQ(c.values.size(), 17u);

    // One comment word a line, after the coefficients and before the Delta,
    // so that readers of the classic format skip them.
    const std::vector<std::string> lines = Lines(bytes);
    const auto first = std::find(lines.begin(), lines.end(), ";Signal:Datei");
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(*(first + 1), ";Datei:EKG%20%C3%9Cbung%20100%25.txt");
    EXPECT_EQ(std::vector<std::string>(first + 2, first + 13),
              (std::vector<std::string>{";Zeitvon:1700", ";Zeitbis:1988", ";Behalten:5", ";Rang:beitrag",
                                        ";Achsen:angepasst", ";Skala:154.59999999999999", ";Rauschen:0.050000000000000003",
                                        ";Startwert:7", ";Entrauschen:manuell", ";Schwelle:weich", ";Lambda:0.25"}));
    EXPECT_EQ(lines.end() - first, 13 + 17 + 1);
    for (auto line = first; line != lines.end(); ++line)
        EXPECT_TRUE(line->starts_with(";") && line->find_first_of(" \t") == std::string::npos) << *line;
    EXPECT_TRUE(Content(ParseKoeffFile("4 2 1 2 3")).lesson == KoeffFileLesson{});
}

TEST(KoeffFileLesson, MalformedWordsAndTinyDeltasAreRefused)
{
    EXPECT_EQ(Reason(ParseKoeffFile("2 2 1 1 1 1 1 ;Ref:1 ;Ref:2 ;Ref:3")), "3 statt 5 Referenzwerte");
    EXPECT_EQ(Reason(ParseKoeffFile("2 2 ;Ref:x")), "ungültige Angabe \u201E;Ref:x\u201C");
    for (const char* word : {";Ref:1e999", ";Behalten:101", ";Rang:gross", ";Achsen:schief", ";Zeitvon:abc", ";Skala:-1",
                             ";Genau:nan", ";Rauschen:2", ";Startwert:-1", ";Entrauschen:grob", ";Schwelle:mittel",
                             ";Lambda:-1"})
        EXPECT_EQ(Reason(ParseKoeffFile(std::string("2 2 ") + word)), std::string("ungültige Angabe \u201E") + word + "\u201C");
    EXPECT_EQ(Reason(ParseKoeffFile("2 2 ;Zeitvon:5")), "Zeitachse ungültig");
    EXPECT_EQ(Reason(ParseKoeffFile("2 2 ;Zeitvon:5 ;Zeitbis:5")), "Zeitachse ungültig");
    for (const char* delta : {";Delta:1e-301", ";Delta:4.9e-324"})
        EXPECT_EQ(Reason(ParseKoeffFile(std::string("2 2 ") + delta)), "Delta zu klein zum Rechnen (zwischen 0 und 1e-300)");
    EXPECT_EQ(Content(ParseKoeffFile("2 2 ;Delta:1e-300")).delta, 1e-300);
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
    for (FileStep failing : {FileStep::Write, FileStep::Sync, FileStep::Close, FileStep::Rename}) {
        const WriteResult result =
            WriteKoeffFile(file.string(), "new contents", [failing](FileStep step) { return step == failing ? EIO : 0; });
        EXPECT_FALSE(result);
        EXPECT_EQ(result.step, failing);
        EXPECT_EQ(WriteFailureReason(result), "Ein-/Ausgabefehler des Datenträgers");
        EXPECT_EQ(ReadAll(file), "old contents");
        EXPECT_EQ(FileCount(), 1u) << "no temporary file is left";
    }
}

TEST_F(TempFolder, NothingIsEverWrittenInPlace)
{
    // A name near the system's limit: the temporary name does not grow with it.
    const fs::path file = folder / (std::string(246, 'n') + ".mdt");
    const std::string old(2000, 'o');
    WriteAll(file, old);
    ASSERT_TRUE(WriteKoeffFile(file.string(), "new"));
    EXPECT_EQ(ReadAll(file), "new");

    // Beyond the file-size limit the write fails; the old file stays whole.
    WriteAll(file, old);
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const WriteResult written = WriteKoeffFile(file.string(), std::string(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, ignored);
    EXPECT_EQ(WriteFailureReason(written), "die Datei wäre zu groß");
    EXPECT_EQ(ReadAll(file), old);

    // Without a temporary file the save fails, and says why: a folder the
    // user may not write, although the file itself is writable.
    const WriteResult refused =
        WriteKoeffFile(file.string(), "newer", [](FileStep step) { return step == FileStep::CreateTemporary ? EACCES : 0; });
    EXPECT_EQ(WriteFailureReason(refused),
              "kein Schreibrecht im Ordner (die Datei wird über eine Kopie im selben Ordner ersetzt)");
    EXPECT_EQ(ReadAll(file), old);
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(TempFolder, SpecialFilesAreRefusedAndLeftAsTheyAre)
{
    const fs::path fifo = folder / "fifo.mdt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const fs::path link = folder / "link.mdt";
    fs::create_symlink(fifo, link);
    EXPECT_FALSE(WriteKoeffFile(fifo.string(), "x"));
    EXPECT_FALSE(WriteKoeffFile(link.string(), "x"));
    EXPECT_TRUE(fs::is_fifo(fifo));
    // Reading one answers at once instead of waiting for a writer.
    std::string bytes;
    EXPECT_EQ(ReadKoeffFile(fifo.string(), bytes), ReadResult::CannotOpen);
    EXPECT_EQ(ReadKoeffFile(link.string(), bytes), ReadResult::CannotOpen);
    EXPECT_EQ(ReadKoeffFile(folder.string(), bytes), ReadResult::CannotOpen);
    if (geteuid() == 0) {  // a device of our own, like /dev/null
        const fs::path device = folder / "null.mdt";
        ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        const fs::path deviceLink = folder / "null-link.mdt";
        fs::create_symlink(device, deviceLink);
        EXPECT_FALSE(WriteKoeffFile(deviceLink.string(), "x"));
        EXPECT_TRUE(fs::is_character_file(device));
    }
}

TEST_F(TempFolder, TheReplacedFileKeepsOwnerAndModeWithoutSetIds)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file away";
    const fs::path file = folder / "daten.mdt";
    WriteAll(file, "old");
    ASSERT_EQ(chown(file.c_str(), 1234, 5678), 0);
    ASSERT_EQ(chmod(file.c_str(), 06750), 0);
    ASSERT_TRUE(WriteKoeffFile(file.string(), "new"));
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 5678u);
    EXPECT_EQ(info.st_mode & 07777, 0750u);
}

TEST_F(TempFolder, ASaveKilledHalfWayLeavesTheOldFileAndTheNextSaveItsCopy)
{
    const fs::path file = folder / "daten.mdt";
    WriteAll(file, "old");
    for (int kill = 0; kill < 2; ++kill) {  // the second finds the first one's leftover
        const pid_t child = fork();
        if (child == 0) {
            WriteKoeffFile(file.string(), "new", [](FileStep step) -> int {
                if (step == FileStep::Sync)
                    _exit(9);  // killed after the write, before the rename
                return 0;
            });
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_EQ(WEXITSTATUS(status), 9);
        EXPECT_EQ(ReadAll(file), "old");
        EXPECT_EQ(ReadAll(folder / ".daten.mdt.vexlor.tmp"), "new");
        EXPECT_EQ(FileCount(), 2u);
    }
    ASSERT_TRUE(WriteKoeffFile(file.string(), "newer"));
    EXPECT_EQ(ReadAll(file), "newer");
    EXPECT_EQ(FileCount(), 1u);

    // A long name gets a short temporary name of its own.
    const std::string longName = std::string(150, 'l') + ".mdt";
    EXPECT_EQ(TemporaryFileName(longName).size(), 28u);
    EXPECT_NE(TemporaryFileName(longName), TemporaryFileName(std::string(150, 'k') + ".mdt"));
}

TEST_F(TempFolder, ASaveOfTheSameFileRunningElsewhereIsLeftAlone)
{
    const fs::path file = folder / "daten.mdt";
    WriteAll(file, "old");
    const fs::path running = folder / ".daten.mdt.vexlor.tmp";
    WriteAll(running, "half");
    const int held = open(running.c_str(), O_RDONLY);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    const WriteResult result = WriteKoeffFile(file.string(), "new");
    close(held);
    EXPECT_EQ(WriteFailureReason(result), "dieselbe Datei wird gerade von einem anderen Programm gesichert");
    EXPECT_EQ(ReadAll(file), "old");
    EXPECT_EQ(ReadAll(running), "half");
}

TEST_F(TempFolder, TheSizeLimitIsCheckedOnTheOpenFile)
{
    std::string bytes;
    WriteAll(folder / "big.mdt", std::string(KoeffFileLimit + 1, ' '));
    fs::create_symlink(folder / "big.mdt", folder / "big-link");
    EXPECT_EQ(ReadKoeffFile((folder / "big-link").string(), bytes), ReadResult::TooLarge);
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
