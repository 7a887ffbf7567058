// Runs vexlor-snapshot as a process, as a user or a script would.
#include "plot/Plotter.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& s) { return "'" + s + "'"; }

std::string ReadAll(const fs::path& path);

// One whole line of the output, not a part of another ("Delta: 0.4" is no
// line of "aktDelta: 0.4").
bool HasLine(const std::string& out, const std::string& line)
{
    std::istringstream lines(out);
    for (std::string l; std::getline(lines, l);)
        if (l == line)
            return true;
    return false;
}

// The tool with its arguments, run by `runner` (a command that runs another).
Outcome Snapshot(const std::string& arguments, const std::string& runner = "")
{
    const fs::path err = fs::temp_directory_path() / ("vexlor-snapshot-err-" + std::to_string(getpid()));
    const std::string command = runner + std::string(SNAPSHOT_PROGRAM) + " " + arguments + " 2>" + Quote(err.string());
    Outcome run;
    std::FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadAll(err);
    fs::remove(err);
    return run;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class SnapshotTool : public testing::Test {
protected:
    fs::path folder;
    void SetUp() override
    {
        char name[] = "/tmp/vexlor-snapshot-XXXXXX";
        folder = mkdtemp(name);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string In(const std::string& name) const { return Quote((folder / name).string()); }
};

TEST_F(SnapshotTool, DefaultRunReportsTheStartUpState)
{
    const Outcome run = Snapshot("");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Delta: 0.4\n"
              "aktDelta: 0.4\n"
              "Level: 7\n"
              "MaxLevel: 7\n"
              "MaxAbsKoeff: 1\n"
              "Signal: Sinus (Original)\n"
              "Axes: original\n"
              "KoeffScale: zeile\n"
              "MaxError: 0\n"
              "RmsError: 0\n"
              "DistanceMax: 0\n"
              "DistanceRms: 0\n"
              "Energies: 0.50017333113178131\n"
              "EnergyShares: 100\n"
              "KeptDetails: 0 of 0 by contribution\n"
              "labDelta: Delta: 0.5\n"
              "labaktDelta: Aktuelles Delta: 0.4\n"
              "labLevel: Level: 7\n"
              "frmHaupt: Multiskalenanalyse\n"
              "frmSkalfunktion: Skalierungsfunktion\n"
              "frmApprREQ: Approximierte  Sk.-Fkt.\n"
              "frmWavelet: Wavelet\n"
              "frmGlaette: Die Glätteanteile der Funktion\n"
              "frmDetails: Die Details der Funktion\n"
              "frmFunktion: Die approximierte Funktion\n"
              "frmError: Fehler zwischen Funktion und Approximation\n"
              "frmWerkzeuge: Werkzeuge\n"
              "frmKoeffizienten: Koeffizienten\n"
              "frmCalcInfo: Fortschritt\n");
}

// The windows in English, the state lines' names as they are; German unless asked.
TEST_F(SnapshotTool, LangEnShowsTheWindowsInEnglish)
{
    const Outcome run = Snapshot("--lang en --load " + In("missing.mdt") + " --out " + In("en"));
    EXPECT_EQ(run.status, 1);
    for (const char* line : {"labaktDelta: Current Delta: 0.4", "frmHaupt: Could not open the file!",
                             "frmGlaette: The smooth parts of the function", "frmWerkzeuge: Tools", "Level: 7"})
        EXPECT_TRUE(HasLine(run.out, line)) << line << "\n" << run.out;
    EXPECT_TRUE(run.err.find("Could not open the file!") != std::string::npos) << run.err;
    EXPECT_TRUE(fs::exists(folder / "en" / "desktop.png"));
    const Outcome wrong = Snapshot("--lang fr");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.find("--lang takes de or en, not \"fr\"") != std::string::npos) << wrong.err;
}

TEST_F(SnapshotTool, SaysNothingOnStandardErrorButItsOwnMessages)
{
    const Outcome run = Snapshot("--level 3 --out " + In("x"), "env -u XDG_RUNTIME_DIR ");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(HasLine(run.out, "Level: 3")) << run.out;
    EXPECT_EQ(run.err, "");
}

TEST_F(SnapshotTool, ActionsAsTheUserWouldDoThem)
{
    Outcome run = Snapshot("--scroll 30 --go --level 5");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(HasLine(run.out, "aktDelta: 0.3")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Level: 5")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "labLevel: Level: 5")) << run.out;

    // The scroll bar stands at 50 already: no change, Delta stays 0.4.
    run = Snapshot("--scroll 50");
    EXPECT_TRUE(HasLine(run.out, "Delta: 0.4")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "labDelta: Delta: 0.5")) << run.out;

    run = Snapshot("--zoom-skal off --zoom-wavelet on");
    EXPECT_EQ(run.status, 0);
}

TEST_F(SnapshotTool, SaveThenLoadGivesBackTheCoefficients)
{
    Outcome run = Snapshot("--level 4 --save " + In("daten") + " --koeff-csv " + In("saved.csv"));
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(HasLine(run.out, "frmHaupt: Datei gespeichert!")) << run.out;
    run = Snapshot("--load " + In("daten.mdt") + " --koeff-csv " + In("loaded.csv"));
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(HasLine(run.out, "frmHaupt:  Datei geöffnet!")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "frmDetails: 7")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "frmGlaette: 4")) << run.out;

    EXPECT_EQ(ReadAll(folder / "loaded.csv"), ReadAll(folder / "saved.csv"));
}

// The state lines without those that a load changes as the classic program
// did: its captions, and the scroll bar's label at the file's Delta.
std::string LessonLines(const std::string& out)
{
    std::istringstream lines(out);
    std::string kept;
    for (std::string l; std::getline(lines, l);)
        if (!l.starts_with("labDelta:") && !l.starts_with("frmHaupt:") && !l.starts_with("frmGlaette:")
            && !l.starts_with("frmDetails:"))
            kept += l + "\n";
    return kept;
}

TEST_F(SnapshotTool, ALessonOfAFileSignalReopensAsItWasSaved)
{
    // Yearly values around 150 as a German spreadsheet writes them: 2^8 of them.
    std::ofstream csv(folder / "jahre.csv");
    csv << "Jahr;Wert\n";
    for (int i = 0; i < 256; ++i)
        csv << 1733 + i << ";" << 150 + i % 7 << "," << (i * 37) % 10 << "\n";
    csv.close();
    const char* const windows[] = {"frmSkalfunktion", "frmApprREQ", "frmWavelet", "frmGlaette", "frmDetails",
                                   "frmFunktion", "frmError", "frmKoeffizienten"};
    // Each axes choice, and noise taken out again by soft SURE thresholds.
    const std::vector<std::pair<std::string, std::string>> lessons = {
        {"angepasst", "--signal " + In("jahre.csv") + " --level 4 --keep 5 --axes angepasst"},
        {"original", "--signal " + In("jahre.csv") + " --level 4 --keep 5 --axes original"},
        {"rauschen", "--signal blocks --max-level 9 --level 4 --noise 0.1 --noise-seed 5 --denoise sure --threshold weich"}};
    for (const auto& [name, actions] : lessons) {
        const Outcome saved = Snapshot(actions + " --save " + In(name + ".mdt") + " --out " + In(name + "-saved"));
        ASSERT_EQ(saved.status, 0) << saved.err;
        const Outcome opened = Snapshot("--load " + In(name + ".mdt") + " --out " + In(name + "-opened"));
        ASSERT_EQ(opened.status, 0) << opened.err;
        EXPECT_EQ(LessonLines(opened.out), LessonLines(saved.out));
        for (const std::string window : windows) {
            const std::string picture = ReadAll(folder / (name + "-saved") / (window + ".png"));
            EXPECT_FALSE(picture.empty()) << window;
            EXPECT_TRUE(picture == ReadAll(folder / (name + "-opened") / (window + ".png"))) << name << " " << window;
        }
    }
    EXPECT_TRUE(HasLine(Snapshot("--load " + In("original.mdt")).out, "Axes: original"));
}

TEST_F(SnapshotTool, FinerLevelsUpToTwelve)
{
    const Outcome run = Snapshot("--max-level 12 --level 2 --level 12 --save " + In("zwoelf") + " --koeff-csv " +
                                 In("k.csv"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "MaxLevel: 12")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Level: 12")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "labLevel: Level: 12")) << run.out;
    std::istringstream csv(ReadAll(folder / "k.csv"));
    std::string line, last;
    int lines = 0;
    while (std::getline(csv, line))
        ++lines, last = line;
    EXPECT_EQ(lines, 4097);
    // Down to 2 and back: the sine's 4097 samples come back close to themselves.
    const double x = (4095.0 + 0.7) / 4096;
    EXPECT_NEAR(std::stod(last.substr(last.find(',') + 1)), std::sin(6.28 * x), 0.02);
    // The file of level 12 loads again.
    const Outcome load = Snapshot("--load " + In("zwoelf.mdt"));
    EXPECT_EQ(load.status, 0) << load.err;
    EXPECT_TRUE(HasLine(load.out, "MaxLevel: 12")) << load.out;
}

TEST_F(SnapshotTool, SignalsByNameAndFromFiles)
{
    Outcome run = Snapshot("--signal stufe --max-level 5 --level 3 --out " + In("pictures"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "Signal: Stufe")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "MaxLevel: 5")) << run.out;
    const QImage tools((folder / "pictures" / "frmWerkzeuge.png").c_str());
    EXPECT_NEAR(tools.width(), 300, 4);  // the client area inside the outer 300 x 740
    EXPECT_NEAR(tools.height(), 740, 4);

    std::ofstream(folder / "werte.txt") << "1\n2\n3\n4\n5\n6\n";
    run = Snapshot("--signal " + In("werte.txt"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "Signal: werte.txt")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "MaxLevel: 3")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "Axes: angepasst")) << run.out;  // a file's samples on their own range
    run = Snapshot("--signal " + In("werte.txt") + " --axes original --koeff-scale alle");
    EXPECT_TRUE(HasLine(run.out, "Axes: original")) << run.out;
    EXPECT_TRUE(HasLine(run.out, "KoeffScale: alle")) << run.out;
    std::ofstream(folder / "kurz.txt") << "1\n2\n";
    run = Snapshot("--signal " + In("kurz.txt"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Ungültiges Signal: weniger als 4 Werte"), std::string::npos) << run.err;
}

TEST_F(SnapshotTool, CompressionNumbersAndTheKeptColumn)
{
    const Outcome run = Snapshot("--signal stufe --level 3 --keep 5 --koeff-csv " + In("k.csv") + " --out " + In("p"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "KeptDetails: 6 of 120 by contribution")) << run.out;
    EXPECT_NE(run.out.find("\nMaxError: 0."), std::string::npos) << run.out;
    EXPECT_TRUE(fs::exists(folder / "p" / "frmKoeffizienten.png"));
    // Index, value, and the value as the compressed windows take it.
    std::istringstream csv(ReadAll(folder / "k.csv"));
    int zeroed = 0;
    for (std::string line; std::getline(csv, line);) {
        const std::size_t a = line.find(','), b = line.find(',', a + 1);
        ASSERT_NE(b, std::string::npos) << line;
        if (line.substr(b + 1) != line.substr(a + 1, b - a - 1)) {
            ++zeroed;
            EXPECT_EQ(std::stod(line.substr(b + 1)), 0.0) << line;
        }
    }
    EXPECT_GT(zeroed, 0);
}

TEST_F(SnapshotTool, TheErrorOverAllDeltas)
{
    // With every detail kept Delta 0 and 1 both rebuild the kink to rounding;
    // with a tenth of them only the hat does.
    const Outcome run = Snapshot("--signal knick --level 3 --keep 10 --delta-sweep " + In("d.csv"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "BestDelta: 1")) << run.out;
    std::istringstream csv(ReadAll(folder / "d.csv"));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "delta,max_error,rms_error,distance_max,distance_rms");
    int rows = 0;
    while (std::getline(csv, line))
        ++rows;
    EXPECT_EQ(rows, 101);
    EXPECT_FALSE(HasLine(Snapshot("").out, "BestDelta: 1"));
}

// "Übernehmen" keeps the comparison's promise: the numbers after it are the
// best row's, to the last bit, whichever ranking keeps the details.
TEST_F(SnapshotTool, TakingTheBestDeltaGivesTheRowsNumbers)
{
    for (const std::string by : {"beitrag", "betrag"}) {
        const Outcome run = Snapshot("--signal bumps --max-level 8 --level 4 --keep 5 --keep-by " + by
                                     + " --delta-sweep " + In("d.csv") + " --take-best-delta");
        ASSERT_EQ(run.status, 0) << run.err;
        std::string best;
        for (std::istringstream lines(run.out); std::getline(lines, best) && !best.starts_with("BestDelta: ");)
            ;
        const std::string delta = best.substr(std::string("BestDelta: ").size());
        EXPECT_TRUE(HasLine(run.out, "aktDelta: " + delta)) << run.out;
        EXPECT_TRUE(HasLine(run.out, "Level: 4")) << run.out;
        std::istringstream csv(ReadAll(folder / "d.csv"));
        for (std::string row; std::getline(csv, row);)
            if (row.starts_with(delta + ",")) {
                const std::size_t distance = row.find(',', row.find(',', row.find(',') + 1) + 1);
                EXPECT_TRUE(HasLine(run.out, "DistanceRms: " + row.substr(row.find(',', distance + 1) + 1))) << row;
            }
    }
}

// Noise and denoising give their numbers and the comparison's column; a
// rule where there is nothing to threshold ends the run.
TEST_F(SnapshotTool, NoiseAndDenoisingGiveTheirNumbersAndColumn)
{
    const Outcome run = Snapshot("--signal blocks --max-level 8 --level 3 --noise 0.1 --noise-seed 5 "
                                 "--denoise manuell:0.25 --threshold weich --delta-sweep " + In("d.csv"));
    ASSERT_EQ(run.status, 0) << run.err;
    for (const std::string line : {"Noise: 0.1 seed 5", "Denoise: manuell weich", "Lambda: 0.25 0.25 0.25 0.25 0.25"})
        EXPECT_TRUE(HasLine(run.out, line)) << line << "\n" << run.out;
    for (const std::string name : {"Sigma: ", "SnrNoisy: ", "SnrDenoised: ", "BestDeltaDenoised: "})
        EXPECT_NE(run.out.find("\n" + name), std::string::npos) << name;
    std::istringstream csv(ReadAll(folder / "d.csv"));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "delta,max_error,rms_error,distance_max,distance_rms,denoised_rms");
    std::getline(csv, line);
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 5);

    const Outcome finest = Snapshot("--noise 0.1 --denoise sure");
    EXPECT_EQ(finest.status, 1);
    EXPECT_NE(finest.err.find("--denoise: Entrauschen nicht möglich"), std::string::npos) << finest.err;
}

// Under a limit on the threads a user may run, as a user id of its own (the
// limit counts every process of that user; root is exempt from it): the
// window thread and Qt's painting threads (one a core) fit, and then none or
// one of the comparison's workers. The comparison completes all the same,
// with the same rows.
TEST_F(SnapshotTool, TheComparisonCompletesWhenThreadsCannotBeStarted)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to run as another user under a thread limit";
    fs::permissions(folder, fs::perms::all);
    const std::string sweep = "--max-level 8 --level 3 --delta-sweep ";
    ASSERT_EQ(Snapshot(sweep + In("free.csv")).status, 0);
    const std::string user = std::to_string(200000 + getpid() % 100000);
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (const int workers : {0, 1}) {
        const std::string csv = "limited-" + std::to_string(workers) + ".csv";
        const std::string limit = std::to_string(1 + cores + workers);
        const Outcome run = Snapshot(sweep + In(csv), "timeout 120 prlimit --nproc=" + limit + " setpriv --reuid=" + user
                                                          + " --regid=" + user + " --clear-groups env ASAN_OPTIONS=detect_leaks=0 HOME="
                                                          + folder.string() + " ");
        EXPECT_EQ(run.status, 0) << workers << ": " << run.err;
        EXPECT_EQ(ReadAll(folder / csv), ReadAll(folder / "free.csv")) << workers;
    }
}

TEST_F(SnapshotTool, UsageErrorsExitTwoBeforeAnyAction)
{
    for (const std::string args : {"--bogus", "--scroll", "--scroll abc", "--scroll 101", "--scroll -1",
                                    "--level 13", "--level 1", "--level 5x", "--max-level 13", "--max-level 1", "--zoom-skal yes", "--axes angepasste", "--koeff-scale", "--load",
                                    "--out", "extra", "--noise 1.5", "--noise x", "--noise-seed 3", "--noise 0.1 --noise-seed -1",
                                    "--denoise manuell:-1", "--denoise manuell:", "--denoise grob", "--threshold mittel"}) {
        const Outcome run = Snapshot("--save " + In("before.mdt") + " " + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_FALSE(fs::exists(folder / "before.mdt")) << args;
    }
}

TEST_F(SnapshotTool, ALevelAboveTheMaximumAfterALoadExitsOneNamingWhatWasWritten)
{
    std::ofstream(folder / "fuenf.mdt") << "5 3 1 2 3";
    const Outcome run = Snapshot("--save " + In("vorher.mdt") + " --load " + In("fuenf.mdt") + " --level 6 --out "
                                 + In("pictures"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(folder / "pictures"));
    EXPECT_TRUE(fs::exists(folder / "vorher.mdt"));
    EXPECT_NE(run.err.find("--level 6 is above the track bar's maximum 5"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("written before: " + (folder / "vorher.mdt").string()), std::string::npos) << run.err;
}

TEST_F(SnapshotTool, AnOutputThatCannotBeWrittenExitsOne)
{
    std::ofstream(folder / "plain") << "x";
    Outcome run = Snapshot("--out " + In("plain/pictures"));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(HasLine(run.out, "Level: 7")) << run.out;
    run = Snapshot("--koeff-csv " + In("plain/k.csv"));
    EXPECT_EQ(run.status, 1);

    // One picture that cannot replace what stands under its name: the others
    // are written, and the tool names the one that failed.
    fs::create_directories(folder / "pictures" / "frmError.png");
    run = Snapshot("--out " + In("pictures"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write " + (folder / "pictures" / "frmError.png").string()), std::string::npos)
        << run.err;
    EXPECT_TRUE(fs::is_regular_file(folder / "pictures" / "frmDetails.png"));
}

TEST_F(SnapshotTool, FailedLoadsAndSavesExitOneAfterTheStateLines)
{
    std::ofstream(folder / "bad.mdt") << "13 3 1";
    Outcome run = Snapshot("--load " + In("bad.mdt"));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(HasLine(run.out, "MaxLevel: 7")) << run.out;
    EXPECT_NE(run.err.find("Ungültige Datei: MaxLevel nicht zwischen 2 und 12"), std::string::npos) << run.err;
    run = Snapshot("--load " + In("missing.mdt"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Konnte Datei nicht öffnen!"), std::string::npos) << run.err;
    std::ofstream(folder / "plain") << "x";
    run = Snapshot("--save " + In("plain/daten.mdt"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Konnte Datei nicht sichern: ein Teil des Pfades ist kein Ordner"), std::string::npos) << run.err;

    run = Snapshot("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("usage: vexlor-snapshot")) << run.out;
}

TEST_F(SnapshotTool, EachFormatOfTheUsageWritesItsFiles)
{
    const std::string usage = Snapshot("--help").out;
    EXPECT_NE(usage.find("  --format png|svg|pdf   the pictures' format (default png)\n"), std::string::npos) << usage;
    const std::vector<std::pair<std::string, std::string>> formats = {
        {"png", "\x89PNG"}, {"svg", "<?xml"}, {"pdf", "%PDF"}};
    for (const auto& [word, start] : formats) {
        ASSERT_EQ(Snapshot("--format " + word + " --out " + In(word)).status, 0) << word;
        for (const char* name : {"frmGlaette", "desktop"})
            EXPECT_TRUE(ReadAll(folder / word / (name + ("." + word))).starts_with(start)) << name << " " << word;
    }
    const Outcome run = Snapshot("--format SVG --out " + In("gross"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--format takes png, svg or pdf, not \"SVG\""), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(folder / "gross"));
}

TEST_F(SnapshotTool, AFolderNameIsUsedByteForByte)
{
    const std::string name = "Bilder-\xE4\xFF";  // Latin-1 bytes, no UTF-8
    ASSERT_EQ(Snapshot("--out " + In(name)).status, 0);
    EXPECT_TRUE(fs::is_regular_file(folder / name / "desktop.png"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

double Sine(double x) { return std::sin(6.28 * x); }

TEST_F(SnapshotTool, PicturesShowTheCurvesAndAxes)
{
    ASSERT_EQ(Snapshot("--out " + In("pictures")).status, 0);
    const QImage desktop((folder / "pictures" / "desktop.png").c_str());
    EXPECT_EQ(desktop.size(), QSize(1024, 740));

    for (const char* name : {"frmHaupt", "frmSkalfunktion", "frmApprREQ", "frmWavelet", "frmGlaette",
                             "frmDetails", "frmFunktion", "frmError"})
        EXPECT_TRUE(fs::exists(folder / "pictures" / (std::string(name) + ".png"))) << name;
    EXPECT_FALSE(fs::exists(folder / "pictures" / "frmCalcInfo.png"));  // hidden

    // The smooth part at start is the sampled sine on +-1.7 in a 751 x 203 window.
    const QImage smooth((folder / "pictures" / "frmGlaette.png").c_str());
    ASSERT_FALSE(smooth.isNull());
    const PlotMap map({-0.1, 1.2, -1.7, 1.7, 0.2, 0.5, 0.0, 1.0}, 751, 203);
    const int row0 = map.WorldToPixelY(0.0);
    EXPECT_EQ(smooth.pixel(700, row0), qRgb(0, 0, 0)) << "x axis";
    EXPECT_EQ(smooth.pixel(map.WorldToPixelX(0.0), 20), qRgb(0, 0, 0)) << "y axis";
    for (double x : {0.1, 0.25, 0.6, 0.75, 0.9}) {
        const int px = map.WorldToPixelX(x);
        const int py = map.WorldToPixelY(Sine(x));
        bool red = false;
        for (int dy = -2; dy <= 2; ++dy)
            red = red || smooth.pixel(px, py + dy) == qRgb(255, 0, 0);
        EXPECT_TRUE(red) << "curve at x = " << x;
    }
    // The error is zero at start: red along the axis.
    const QImage error((folder / "pictures" / "frmError.png").c_str());
    const PlotMap errorMap({-0.1, 1.2, -1.7, 1.7, 0.2, 0.5, 0.0, 1.0}, 752, 170);
    EXPECT_EQ(error.pixel(errorMap.WorldToPixelX(0.5), errorMap.WorldToPixelY(0.0)), qRgb(255, 0, 0));
}

}  // namespace
