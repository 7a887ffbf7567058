#include "io/SignalFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

SignalFileContent Content(std::string_view bytes)
{
    const auto parsed = ParseSignalFile(bytes);
    if (const auto* refusal = std::get_if<SignalFileRefusal>(&parsed)) {
        ADD_FAILURE() << refusal->reason;
        return {};
    }
    return std::get<SignalFileContent>(parsed);
}

std::string Refusal(std::string_view bytes)
{
    const auto parsed = ParseSignalFile(bytes);
    return std::holds_alternative<SignalFileRefusal>(parsed) ? std::get<SignalFileRefusal>(parsed).reason : "";
}

// An offset signal as a recorder writes it: around 150 with small wiggles.
std::vector<double> Offset(std::size_t n)
{
    std::vector<double> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = 150.0 + 2.0 * std::sin(static_cast<double>(i) / 7.0) + 0.5 * std::sin(static_cast<double>(i) / 1.3);
    return v;
}

// Each value in all digits, one a line, with the line end given.
std::string Column(const std::vector<double>& values, const std::string& end)
{
    std::string out;
    for (const double v : values) {
        char number[32];
        std::snprintf(number, sizeof number, "%.17g", v);
        out += number + end;
    }
    return out;
}

TEST(SignalFile, ColumnsOfRealDataKeepEveryValue)
{
    // 2048 values: the last once more makes the 2049 samples of level 11.
    const std::vector<double> ecg = Offset(2048);
    const SignalFileContent c = Content(Column(ecg, "\n"));
    ASSERT_EQ(c.values.size(), 2049u);
    EXPECT_TRUE(std::equal(ecg.begin(), ecg.end(), c.values.begin()));
    EXPECT_EQ(c.values[2048], ecg[2047]);
    EXPECT_EQ(SignalLevel(c.values.size()), 11);
    EXPECT_EQ(SignalFileMessage(c), "2048 Werte; der letzte Wert für Stelle 2049 wiederholt (1 Spalte)");

    // CR, LF and CR LF alike; 2^m + 1 values stand as they are; other counts
    // are interpolated, and the message says to how many.
    EXPECT_EQ(Content(Column(Offset(17), "\r")).values, Offset(17));
    EXPECT_EQ(SignalFileMessage(Content(Column(Offset(129), "\r\n"))), "129 Werte (1 Spalte)");
    EXPECT_EQ(SignalFileMessage(Content(Column(Offset(1000), "\n"))), "1000 Werte, linear auf 1025 interpoliert (1 Spalte)");
    EXPECT_EQ(SignalFileMessage(Content(Column(Offset(5000), "\n"))), "5000 Werte, linear auf 4097 interpoliert (1 Spalte)");
}

TEST(SignalFile, ADecimalCommaColumnIsReadAsDecimals)
{
    const SignalFileContent c = Content("0,25\n0,5\n0,75\n1,25\n1,5\n");
    EXPECT_EQ(c.values, (std::vector<double>{0.25, 0.5, 0.75, 1.25, 1.5}));
    EXPECT_EQ(c.reading, "1 Spalte, Dezimalkomma");
    EXPECT_FALSE(c.times);
    // A header without commas names one column, whatever the numbers do.
    EXPECT_EQ(Content("Messung 2024\n1,5\n2,5\n3,5\n4,5\n5,5\n").values, (std::vector<double>{1.5, 2.5, 3.5, 4.5, 5.5}));
}

TEST(SignalFile, TimeColumnsGiveTheirRange)
{
    // Yearly numbers as a CSV with a header, and without one.
    std::string csv = "Jahr,Sonnenflecken\n";
    for (int year = 1700; year <= 1988; ++year)
        csv += std::to_string(year) + "," + std::to_string((year * 37) % 151) + "\n";
    SignalFileContent c = Content(csv);
    EXPECT_EQ(c.values.size(), 289u);
    EXPECT_EQ(c.values[1], 1701 * 37 % 151);
    ASSERT_TRUE(c.times);
    EXPECT_EQ(c.times->first, 1700.0);
    EXPECT_EQ(c.times->last, 1988.0);
    EXPECT_EQ(c.timeName, "Jahr");
    EXPECT_EQ(c.reading, "2 Spalten (Jahr; Sonnenflecken), mit Kopfzeile");
    EXPECT_EQ(Content(csv.substr(csv.find('\n') + 1)).reading, "2 Spalten (Zeit; Wert)");

    // A German export: ";" and decimal commas; 2^m rows cover one more step.
    std::string german = "Zeit;Spannung\r\n";
    for (int i = 0; i < 8; ++i)
        german += std::to_string(i) + ",5;" + std::to_string(150 + i % 3) + ",25\r\n";
    c = Content(german);
    EXPECT_EQ(c.values, (std::vector<double>{150.25, 151.25, 152.25, 150.25, 151.25, 152.25, 150.25, 151.25, 151.25}));
    EXPECT_EQ(c.times->first, 0.5);
    EXPECT_EQ(c.times->last, 8.5);
    EXPECT_EQ(c.reading, "2 Spalten (Zeit; Spannung), Dezimalkomma, mit Kopfzeile");

    // Times off a regular grid by half a step or more: no time axis.
    c = Content("1,10\n2,11\n3,12\n5,13\n6,14\n");
    EXPECT_FALSE(c.times);
    EXPECT_EQ(c.values, (std::vector<double>{10, 11, 12, 13, 14}));
    EXPECT_EQ(c.reading, "2 Spalten (Zeit; Wert), Zeiten ungleichmäßig: ohne Zeitachse");
    EXPECT_TRUE(Content("0.0\t1\n0.3\t2\n0.7\t3\n1.0\t4\n1.3\t5\n").times) << "rounded times stay regular";
}

TEST(SignalFile, SequencesEncodingsAndHeaders)
{
    std::string line;
    for (int i = 0; i < 1000; ++i)
        line += std::to_string(i) + (i % 3 ? " " : "\t");
    SignalFileContent c = Content(line);
    EXPECT_EQ(c.values.size(), 1000u);
    EXPECT_EQ(c.values[999], 999.0);
    EXPECT_EQ(c.reading, "Folge in einer Zeile");
    EXPECT_EQ(Content("1;2;3\r\n4;5;6\r\n").reading, "Folge, 3 Werte je Zeile");
    EXPECT_EQ(Content("1 2 3\n4\t5\n6\n7\n").values, (std::vector<double>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Content("\xEF\xBB\xBF# Messung\n1\n\n2\n# Pause\n3\n4\n5\n").values, (std::vector<double>{1, 2, 3, 4, 5}));

    // UTF-16 with its byte-order mark, in either byte order; without one, refused.
    const std::string ascii = "Wert\n1,5\n2\n3\n4\n5\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    for (const char ch : ascii) {
        little += std::string{ch, '\0'};
        big += std::string{'\0', ch};
    }
    EXPECT_EQ(Content(little).values, (std::vector<double>{1.5, 2, 3, 4, 5}));
    EXPECT_EQ(Content(big).reading, "1 Spalte, Dezimalkomma, mit Kopfzeile, UTF-16");
    EXPECT_EQ(Refusal(little.substr(2)), "UTF-16: bitte als UTF-8 speichern");
}

TEST(SignalFile, Refusals)
{
    EXPECT_EQ(Refusal("1\n2\n3\n"), "weniger als 4 Werte");
    EXPECT_EQ(Refusal("kopf\n1\n2\n3\n"), "weniger als 4 Werte");
    EXPECT_EQ(Refusal("1\n2\nx\n4\n5\n6\n"), "kein Zahlwert \u201Ex\u201C in Zeile 3");
    EXPECT_EQ(Refusal("1\n2\n3\ninf\n5\n6\n"), "kein Zahlwert \u201Einf\u201C in Zeile 4");
    EXPECT_EQ(Refusal("1\n2\n3\n4\n1e999\n"), "kein endlicher Zahlwert in Zeile 5");
    EXPECT_EQ(Refusal("a\nb\n1\n2\n3\n4\n5\n"), "kein Zahlwert \u201Eb\u201C in Zeile 2");  // one header only
    EXPECT_EQ(Refusal("1;2\n2;;3\n3;4\n4;5\n"), "leeres Feld in Zeile 2");
    // A value left out at the end of a line of pairs: years would be read as values.
    for (const char* pairs : {"Jahr;Wert\n1700;5\n1701;\n1702;7\n1703;8\n", "1700,5\n1701,6\n1702,\n1703,8\n1704,9\n"})
        EXPECT_EQ(Refusal(pairs), "Zeile 3 hat 1 Wert statt 2 (ein leeres Feld?)") << pairs;
    EXPECT_EQ(Refusal("5 1\n3 2\n4 3\n6 4\n"), "zwei Spalten, aber die erste steigt nicht (Zeile 2): keine Zeitspalte");
    EXPECT_EQ(Refusal("t;x;y\n1;2;3\n2;3;4\n"), "3 Spalten: erwartet wird eine Spalte, Zeit und Wert oder eine Folge");
    EXPECT_EQ(Refusal(std::string("1\n2\0\n3\n4\n", 9)), "keine Textdatei");

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

#if !defined(__SANITIZE_ADDRESS__)
// The reason a child process gives for the bytes under a memory limit of
// `spare` bytes beyond what it uses now, or "abgebrochen" where it dies.
std::string RefusalUnderMemoryLimit(const std::string& bytes, std::size_t spare)
{
    int channel[2];
    if (pipe(channel) != 0)
        return "keine Pipe";
    const pid_t child = fork();
    if (child == 0) {
        long pages = 0;
        std::FILE* statm = std::fopen("/proc/self/statm", "r");
        if (!statm || std::fscanf(statm, "%ld", &pages) != 1)
            _exit(2);
        const rlim_t used = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
        const rlimit limit{used + spare, used + spare};
        setrlimit(RLIMIT_AS, &limit);
        const std::string reason = Refusal(bytes);
        (void)!write(channel[1], reason.data(), reason.size());
        _exit(0);
    }
    close(channel[1]);
    std::string reason;
    char buffer[256];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        reason.append(buffer, static_cast<std::size_t>(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? reason : "abgebrochen";
}

TEST(SignalFile, MemoryFollowsTheValuesKeptNotTheWordsRead)
{
    // 8 million words on one line, under 64 MiB to spare: words kept as
    // strings would take four times that.
    std::string words(std::size_t{16} << 20, ' ');
    for (std::size_t i = 0; i < words.size(); i += 2)
        words[i] = '1';
    EXPECT_EQ(RefusalUnderMemoryLimit(words, std::size_t{64} << 20), "mehr als 4000000 Werte");
    // Values that fit the limit but whose array does not: a refusal, no abort.
    const std::string column = Column(std::vector<double>(3'000'000, 1.0), "\n");
    EXPECT_EQ(RefusalUnderMemoryLimit(column, std::size_t{16} << 20), "zu wenig Speicher für die Werte");
}
#endif

}  // namespace
