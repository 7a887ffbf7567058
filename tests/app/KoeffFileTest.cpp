#include "FilesFixture.h"

#include "analysis/Numbers.h"
#include "analysis/Signals.h"
#include "io/CoefficientFile.h"
#include "toolkit/Application.h"
#include "windows/Werkzeuge.h"
#include "toolkit/Dialogs.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(Files, CancelledDialogsChangeOnlyTheCaption)
{
    const Counts before = CountsNow();
    Open(std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Keine Datei geladen...");
    Save(std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Datei nicht gesichert!");
    ExpectDraws(before, 0, 0);
    EXPECT_EQ(filters, (std::vector<std::string>{"Multiscale Dat (*.mdt);;Alle Dateien (*)",
                                                 "Multiscale-Dat (*.mdt);;Alle Dateien (*)"}));
}

TEST_F(Files, AFileThatCannotBeOpenedChangesNoValue)
{
    const KoeffArray koeff = A->Koeff;
    const Counts before = CountsNow();
    Open("fehlt.mdt");
    EXPECT_EQ(frmHaupt->Caption(), "Konnte Datei nicht öffnen!");
    ExpectDraws(before, 1, 1);
    EXPECT_EQ(A->Koeff, koeff);
    EXPECT_EQ(A->MaxLevel, 7);
}

TEST_F(Files, SaveThenLoadGivesBackKoeffInAllDigits)
{
    frmHaupt->trbLevel.SetPosition(3);
    const KoeffArray saved = A->Koeff;
    Counts before = CountsNow();
    Save("daten");
    EXPECT_EQ(frmHaupt->Caption(), "Datei gespeichert!");
    ExpectDraws(before, 1, 1);
    ASSERT_TRUE(fs::exists(folder / "daten.mdt"));
    // The next dialog starts where a file was written, never where writing failed.
    EXPECT_EQ(Application->LastFolder, folder.string());
    Save("fehlt/daten");
    EXPECT_EQ(frmHaupt->Caption(), "Konnte Datei nicht sichern: der Ordner existiert nicht oder nimmt keine Dateien an");
    EXPECT_EQ(Application->LastFolder, folder.string());

    frmHaupt->trbLevel.SetPosition(7);
    std::fill(A->Koeff.begin(), A->Koeff.end(), 9.0);
    before = CountsNow();
    Open("daten.mdt");
    EXPECT_EQ(frmHaupt->Caption(), " Datei geöffnet!");
    EXPECT_EQ(A->Level, 3);
    EXPECT_EQ(A->MaxLevel, 7);
    EXPECT_EQ(frmHaupt->trbLevel.Position(), 3);
    EXPECT_EQ(frmHaupt->labLevel.Caption(), "Level: 3");
    EXPECT_EQ(frmDetails->Caption(), "7");
    EXPECT_EQ(frmGlaette->Caption(), "3");
    for (int i = 0; i <= 128; ++i)
        EXPECT_EQ(A->Koeff[i], saved[i]) << i;
    // The file's Delta brings the level matrices (their redraw), then the load
    // redraws both groups; the track bar's own report adds a basis redraw.
    const Counts after = CountsNow();
    EXPECT_EQ(after.function[0] - before.function[0], 2);
    EXPECT_GE(after.basis[0] - before.basis[0], 1);
}

TEST_F(Files, AFileBringsBackTheDeltaItWasSavedWith)
{
    frmHaupt->scrDelta.SetPosition(30);
    frmHaupt->butGo.click();
    frmHaupt->trbLevel.SetPosition(4);
    const QImage wavelet = frmWavelet->ClientPicture();
    Save("delta");
    EXPECT_TRUE(ReadAll(folder / "delta.mdt").ends_with("\r\n;Delta:0.29999999999999999\r\n"));

    frmHaupt->scrDelta.SetPosition(80);
    frmHaupt->butGo.click();
    frmHaupt->trbLevel.SetPosition(7);
    frmCalcInfo->Lines = {};
    Open("delta.mdt");
    EXPECT_EQ(A->Delta, 0.3);
    EXPECT_EQ(A->aktDelta, 0.3);
    EXPECT_EQ(frmHaupt->scrDelta.Position(), 30);
    EXPECT_EQ(frmHaupt->labDelta.Caption(), "Delta: 0.3");
    EXPECT_EQ(frmHaupt->labaktDelta.Caption(), "Aktuelles Delta: 0.3");
    // The level matrices come with the progress window, as after "Go!".
    EXPECT_EQ(frmCalcInfo->Lines[0], "Berechne Level 2 von 7");
    EXPECT_EQ(A->LevelMatrices.Q(8).Get(1, 1), BuildQ(0.3, 7).Get(1, 1));
    EXPECT_EQ(frmWavelet->ClientPicture(), wavelet);

    // A file without the word leaves both Deltas as they are.
    Write("ohne.mdt", "7 7 1");
    Open("ohne.mdt");
    EXPECT_EQ(A->aktDelta, 0.3);

    // A tiny Delta decomposes into finite numbers; one too small to compute
    // with is refused.
    Write("winzig.mdt", ReadAll(folder / "delta.mdt") + ";Delta:1e-17\r\n");
    Open("winzig.mdt");
    EXPECT_EQ(A->aktDelta, 1e-17);
    frmHaupt->trbLevel.SetPosition(2);
    EXPECT_TRUE(std::all_of(A->Koeff.begin(), A->Koeff.begin() + 129, [](double v) { return std::isfinite(v); }));
    Write("zu-klein.mdt", "7 7 1 ;Delta:1e-310");
    Open("zu-klein.mdt");
    EXPECT_EQ(frmHaupt->Caption(), "Ungültige Datei: Delta zu klein zum Rechnen (zwischen 0 und 1e-300)");
    EXPECT_EQ(A->aktDelta, 1e-17);
}

TEST_F(Files, HandWrittenGermanNumbersAndAByteOrderMark)
{
    Write("komma.mdt", "\xEF\xBB\xBF;von_Hand\r\n3 2\r\n0,5 0,25 1,75");
    Open("komma.mdt");
    EXPECT_EQ(frmHaupt->Caption(), " Datei geöffnet! (3 von 9 Werten)");
    EXPECT_EQ(A->Koeff[0], 0.5);
    EXPECT_EQ(A->Koeff[1], 0.25);
    EXPECT_EQ(A->Koeff[2], 1.75);
}

TEST_F(Files, SpecialFilesAreNeitherReadNorReplaced)
{
    const fs::path fifo = folder / "fifo.mdt";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const KoeffArray koeff = A->Koeff;
    Open("fifo.mdt");  // answers at once: no writer is waited for
    EXPECT_EQ(frmHaupt->Caption(), "Konnte Datei nicht öffnen!");
    EXPECT_EQ(A->Koeff, koeff);
    Save("fifo.mdt");
    EXPECT_EQ(frmHaupt->Caption(), "Konnte Datei nicht sichern: das Ziel ist keine gewöhnliche Datei");
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(Files, AValueThatIsNoNumberIsNeitherSavedNorLoaded)
{
    A->Koeff[5] = std::nan("");
    Save("nan");
    EXPECT_EQ(frmHaupt->Caption(), "Konnte Datei nicht sichern: ein Koeffizient ist keine endliche Zahl");
    EXPECT_FALSE(fs::exists(folder / "nan.mdt"));

    A->Koeff[5] = 0.0;
    const KoeffArray koeff = A->Koeff;
    Write("punkt.mdt", "7 7 0.5 1.2.3");
    Open("punkt.mdt");
    EXPECT_EQ(frmHaupt->Caption(), "Ungültige Datei: kein Zahlwert \u201E1.2.3\u201C an Stelle 4");
    EXPECT_EQ(A->Koeff, koeff);
}

TEST_F(Files, ALoadWithASmallerMaxLevelComputesNoMatrices)
{
    Write("sechs.mdt", ";hand\r\n6\r\n4\r\n0.5 0.25\r\n");
    ProgressRecorder recorder;
    frmCalcInfo->installEventFilter(&recorder);
    Open("sechs.mdt");
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_EQ(frmHaupt->trbLevel.Max(), 6);
    EXPECT_EQ(frmHaupt->trbLevel.Position(), 4);
    EXPECT_EQ(A->Koeff[0], 0.5);
    EXPECT_EQ(A->Koeff[1], 0.25);
    EXPECT_EQ(A->aktDelta, 0.4);
    EXPECT_EQ(A->MaxAbsKoeff, 1.0);
}

TEST_F(Files, ALoadWithMaxLevelEightComputesTheMatricesAfterItsRedraws)
{
    Write("acht.mdt", "8 8 1 2 3");
    ProgressRecorder recorder;
    frmCalcInfo->installEventFilter(&recorder);
    const std::string stale = frmCalcInfo->Lines[0];
    const Counts before = CountsNow();
    Open("acht.mdt");
    // The window's first exposure shows what its boxes held from start-up.
    while (!recorder.shown.empty() && recorder.shown.front().line1 == stale)
        recorder.shown.erase(recorder.shown.begin());
    ASSERT_FALSE(recorder.shown.empty());
    EXPECT_EQ(recorder.shown.front().line1, "Berechne Level 8 von 8");
    EXPECT_EQ(recorder.shown.front().maximum, 18);
    EXPECT_EQ(frmHaupt->trbLevel.Max(), 8);
    // Function windows: the load's redraw, then the one after the matrices. Basis
    // windows: the track bar's report of its new position 8, then the load's.
    ExpectDraws(before, 2, 2);
    EXPECT_NE(A->LevelMatrices.Q(9).Get(1, 1), 0.0);
}

TEST_F(Files, FiveAndThreeSetTheTrackBar)
{
    Write("h.mdt", ";x 5 3 1.0 2.0");
    Open("h.mdt");
    EXPECT_EQ(frmHaupt->trbLevel.minimum(), 2);
    EXPECT_EQ(frmHaupt->trbLevel.Max(), 5);
    EXPECT_EQ(frmHaupt->trbLevel.Position(), 3);
    EXPECT_EQ(frmHaupt->labLevel.Caption(), "Level: 3");
    EXPECT_EQ(A->Koeff[0], 1.0);
    EXPECT_EQ(A->Koeff[1], 2.0);
}

TEST_F(Files, ARefusedFileChangesNothingButTheCaption)
{
    const KoeffArray koeff = A->Koeff;
    const int maxLevel = A->MaxLevel, level = A->Level;
    for (const char* bytes : {"; x", "13 3 1", "5 6 1", "5 3 1e400", ";c 7", "5 3 inf", "7abc 3"}) {
        Write("bad.mdt", bytes);
        const Counts before = CountsNow();
        Open("bad.mdt");
        EXPECT_EQ(frmHaupt->Caption().rfind("Ungültige Datei: ", 0), 0u) << bytes;
        ExpectDraws(before, 1, 1);
        EXPECT_EQ(A->Koeff, koeff);
        EXPECT_EQ(A->MaxLevel, maxLevel);
        EXPECT_EQ(A->Level, level);
        EXPECT_EQ(frmHaupt->trbLevel.Max(), 7);
        EXPECT_EQ(frmDetails->Caption(), "Die Details der Funktion");
        EXPECT_EQ(frmGlaette->Caption(), "Die Glätteanteile der Funktion");
    }
}

TEST_F(Files, ASaveThatFailsNamesItsReasonAndRedrawsNothing)
{
    // A writable file in a folder the user may not write (root may: the
    // refusal is injected).
    Write("daten.mdt", "old");
    FailFileStep = [](FileStep step) { return step == FileStep::CreateTemporary ? EACCES : 0; };
    const Counts before = CountsNow();
    Save("daten.mdt");
    EXPECT_EQ(frmHaupt->Caption(), "Konnte Datei nicht sichern: kein Schreibrecht im Ordner (die Datei wird über "
                                   "eine Kopie im selben Ordner ersetzt)");
    ExpectDraws(before, 0, 0);
    std::ifstream in(folder / "daten.mdt", std::ios::binary);
    std::string contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(contents, "old");
}

// A file of another finest level that names no signal (or the current one)
// is compared with the current signal sampled anew at the file's level, never
// with the samples of the level before.
TEST_F(Files, TheReferenceBelongsToTheFilesFinestLevel)
{
    frmHaupt->Werkzeuge().ShowWerkzeuge();
    frmHaupt->Werkzeuge().ChooseMaxLevel(8);
    frmHaupt->trbLevel.SetPosition(4);
    const double before = ComputeErrorNumbers(frmHaupt->Session().Shown()).MaxError;
    Save("acht.mdt");
    std::string classic = ReadAll(folder / "acht.mdt");
    classic = classic.substr(0, classic.find(";Signal:"));  // as a classic program writes it
    Write("klassisch.mdt", classic);
    frmHaupt->Werkzeuge().ChooseMaxLevel(6);
    Open("klassisch.mdt");
    ASSERT_EQ(A->MaxLevel, 8);
    const std::vector<double> sine = SampleSignal(Signal::Listed(0), 8, A->aktDelta);
    EXPECT_TRUE(std::equal(sine.begin(), sine.end(), A->KoeffOrig.begin()));
    EXPECT_NEAR(ComputeErrorNumbers(frmHaupt->Session().Shown()).MaxError, before, 1e-5);  // six digits in the file
    EXPECT_TRUE(frmHaupt->Werkzeuge().Window().labMeldung.text().contains(
        QStringLiteral("Referenz: das aktuelle Signal „Sinus (Original)“, neu abgetastet auf Stufe 8")));
}

// A file signal named without its samples leaves no reference: the error
// window draws no curve, the numbers show "—", and "Meldung" says why.
TEST_F(Files, AFileSignalWithoutItsSamplesLeavesNoReference)
{
    frmHaupt->Werkzeuge().ShowWerkzeuge();
    Write("ohne.mdt", ";x\n3\n3\n1\n2\n3\n4\n5\n6\n7\n8\n9\n;Signal:Datei\n;Datei:ekg.txt\n");
    Open("ohne.mdt");
    EXPECT_FALSE(frmHaupt->Session().HasReference());
    EXPECT_TRUE(frmHaupt->Werkzeuge().Window().labMeldung.text().contains(QStringLiteral("keine Referenz")));
    EXPECT_EQ(frmHaupt->Werkzeuge().Window().labMaxError.text(), QStringLiteral("Max. Fehler: —"));
    const QImage error = frmError->ClientPicture();
    EXPECT_EQ(std::count(reinterpret_cast<const QRgb*>(error.constBits()),
                         reinterpret_cast<const QRgb*>(error.constBits()) + error.width() * error.height(),
                         qRgb(255, 0, 0)),
              0);
    frmHaupt->Werkzeuge().ChooseSignal(1);  // a signal of the list brings a reference back
    EXPECT_TRUE(frmHaupt->Session().HasReference());
}

}  // namespace
