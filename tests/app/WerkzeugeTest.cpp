#include "FilesFixture.h"

#include "io/CoefficientFile.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <QContextMenuEvent>

#include <algorithm>

namespace {

class Werkzeuge : public Files {
protected:
    TfrmWerkzeuge& Tools() { return *&frmHaupt->Werkzeuge().Window(); }
    void ChooseIndex(const QString& name)
    {
        const int index = Tools().cbxSignal.findText(name);
        Tools().cbxSignal.setCurrentIndex(index);
        emit Tools().cbxSignal.activated(index);
    }
    std::vector<std::string> MenuItems(TPopupMenu& menu)
    {
        std::vector<std::string> items;
        for (const QAction* a : menu.actions())
            items.push_back(a->text().toStdString());
        return items;
    }
};

TEST_F(Werkzeuge, OpensFromTheMenusAndClosingHidesIt)
{
    // The offscreen screen is narrower than 1324 pixels: hidden at start.
    EXPECT_FALSE(Tools().isVisible());
    EXPECT_EQ(Tools().Caption(), "Werkzeuge");
    EXPECT_EQ(Tools().Left(), 1024);
    EXPECT_EQ(Tools().Width(), 300);
    EXPECT_EQ(Tools().Height(), 740);
    EXPECT_EQ(MenuItems(frmHaupt->ContextMenus().pmnHaupt), (std::vector<std::string>{"Werkzeuge", "Koeffizienten", "Fenster",
                                                                        "Alle Fenster speichern…", "Hilfe (F1)",
                                                                        "Sprache"}));
    EXPECT_EQ(MenuItems(frmDetails->pmnPlot), (std::vector<std::string>{"Bild speichern…", "Werkzeuge", "Koeffizienten",
                                                                        "Alle Fenster speichern…"}));
    frmHaupt->ContextMenus().mniWerkzeuge->trigger();
    EXPECT_TRUE(Tools().isVisible());
    Tools().close();
    EXPECT_FALSE(Tools().isVisible());
    frmGlaette->pmnPlot.actions()[1]->trigger();
    EXPECT_TRUE(Tools().isVisible());
}

TEST_F(Werkzeuge, TheMessageShowsTheWholeCaption)
{
    Write("lang.mdt", "5 3 0.5 abcdefghijklmnopqrstuvwxyz");
    Open("lang.mdt");
    const std::string text = Tools().labMeldung.text().toStdString();
    EXPECT_TRUE(text.ends_with("  Ungültige Datei: kein Zahlwert „abcdefghijklmnopqrst“ an Stelle 4")) << text;
}

TEST_F(Werkzeuge, TheNoteOnNumbersThatAreNoneLeavesLaterMessagesStanding)
{
    frmHaupt->Werkzeuge().ShowWerkzeuge();
    std::string huge;
    for (int i = 0; i < 16; ++i)
        huge += (i % 2 ? "-1e308\n" : "1e308\n");
    Write("riesig.txt", huge);
    answers = {(folder / "riesig.txt").string()};
    Tools().butDatei.click();
    EXPECT_NE(Tools().labMeldung.text().toStdString().find("Kennzahlen: ein Wert ist keine endliche Zahl"),
              std::string::npos);
    Write("kaputt.mdt", "4 2 0.5 x");
    Open("kaputt.mdt");
    const std::string text = Tools().labMeldung.text().toStdString();
    EXPECT_TRUE(text.ends_with("Ungültige Datei: kein Zahlwert „x“ an Stelle 4")) << text;
}

TEST_F(Werkzeuge, AnOffsetFileSignalsSmallSharesAndFinerLevelsAreSaid)
{
    frmHaupt->Werkzeuge().ShowWerkzeuge();
    std::string values;
    for (int i = 0; i < 64; ++i)
        values += std::to_string(130 + (i * 7) % 5) + "\n";
    Write("versatz.txt", values);
    answers = {(folder / "versatz.txt").string()};
    Tools().butDatei.click();
    frmHaupt->trbLevel.SetPosition(4);
    EXPECT_EQ(Tools().labEnergieAnteil[0].text(), "100%");
    const QString detail = Tools().labEnergieAnteil[1].text();
    EXPECT_TRUE(detail.startsWith("0.0")) << detail.toStdString();  // not "0%"

    Tools().speFeinsteStufe.setValue(8);
    EXPECT_TRUE(Tools().labMeldung.text().endsWith("Feinste Stufe 8: die Werte der Datei linear auf 257 interpoliert"));
    Tools().speFeinsteStufe.setValue(6);
    EXPECT_TRUE(Tools().labMeldung.text().endsWith("Feinste Stufe 6: die Werte der Datei, wie sie sind"));
}

TEST_F(Werkzeuge, AChosenSignalIsSampledAndDecomposedFromItsFinestLevel)
{
    frmHaupt->trbLevel.SetPosition(3);
    const Counts before = CountsNow();
    ChooseIndex("Stufe");
    const std::vector<double> step = SampleSignal(Signal::Listed(*FindSignal("Stufe")), 7, 0.4);
    EXPECT_TRUE(std::equal(step.begin(), step.end(), A->Koeff.begin()));
    EXPECT_TRUE(std::equal(step.begin(), step.end(), A->KoeffOrig.begin()));
    EXPECT_EQ(A->Level, 7);
    EXPECT_EQ(frmHaupt->trbLevel.Position(), 7);
    EXPECT_EQ(A->MaxAbsKoeff, 1.0);
    EXPECT_EQ(frmCalcInfo->Lines[0], "Berechne Level 2 von 7");
    const Counts after = CountsNow();
    EXPECT_GE(after.function[0] - before.function[0], 1);
    EXPECT_GE(after.basis[0] - before.basis[0], 1);

    Tools().speFeinsteStufe.setValue(9);
    EXPECT_EQ(A->MaxLevel, 9);
    EXPECT_EQ(frmHaupt->trbLevel.Max(), 9);
    EXPECT_EQ(A->Koeff[512], 1.0);  // still the step, at 513 points
    Tools().butNeuAbtasten.click();
    EXPECT_EQ(A->Level, 9);
}

TEST_F(Werkzeuge, TheUsersSamplesFromAFile)
{
    std::string table = "x;y\n";
    for (int i = 0; i < 130; ++i)
        table += std::to_string(i) + ";" + std::to_string(i % 2) + ",5\n";
    Write("messung.csv", table);
    answers = {(folder / "messung.csv").string()};
    Tools().butDatei.click();
    EXPECT_EQ(A->MaxLevel, 8);  // 130 values: the next 2^m + 1 is 257
    EXPECT_EQ(A->KoeffOrig[0], 0.5);
    EXPECT_EQ(A->KoeffOrig[256], 1.5);
    EXPECT_EQ(Tools().cbxSignal.currentText(), "Datei: messung.csv");
    EXPECT_EQ(frmHaupt->Caption(), "Signal geladen: 130 Werte, linear auf 257 interpoliert (2 Spalten (x; y), "
                                   "Dezimalkomma, mit Kopfzeile)");

    // 2^m values an ECG might give, around 150: every one is a sample.
    std::string ecg;
    for (int i = 0; i < 2048; ++i)
        ecg += std::to_string(150 + i % 7) + "." + std::to_string(i % 10) + "\r\n";
    Write("ekg.txt", ecg);
    answers = {(folder / "ekg.txt").string()};
    Tools().butDatei.click();
    EXPECT_EQ(frmHaupt->Caption(), "Signal geladen: 2048 Werte; der letzte Wert für Stelle 2049 wiederholt (1 Spalte)");
    EXPECT_EQ(A->MaxLevel, 11);
    EXPECT_EQ(A->KoeffOrig[1], 151.1);
    EXPECT_EQ(A->KoeffOrig[2047], 2047 % 7 + 150.7);
    EXPECT_EQ(A->KoeffOrig[2048], A->KoeffOrig[2047]);

    const std::vector<double> koeff = A->Koeff;
    Write("kaputt.txt", "1\n2\nzwei\n4\n5\n");
    answers = {(folder / "kaputt.txt").string()};
    Tools().butDatei.click();
    EXPECT_EQ(frmHaupt->Caption(), "Ungültiges Signal: kein Zahlwert „zwei“ in Zeile 3");
    EXPECT_EQ(A->Koeff, koeff);
    EXPECT_EQ(A->MaxLevel, 11);
}

TEST_F(Werkzeuge, TheFileNamesItsSignal)
{
    ChooseIndex("Knick");
    frmHaupt->trbLevel.SetPosition(4);
    Save("knick");
    const std::string bytes = [&] {
        std::ifstream in(folder / "knick.mdt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    EXPECT_NE(bytes.find("\r\n;Signal:Knick\r\n"), std::string::npos);
    const auto parsed = ParseKoeffFile(bytes);
    ASSERT_TRUE(std::holds_alternative<KoeffFileContent>(parsed));
    EXPECT_EQ(std::get<KoeffFileContent>(parsed).lesson.reference, std::vector<double>(A->KoeffOrig.begin(), A->KoeffOrig.begin() + 129));

    ChooseIndex("Sinus (Original)");
    Tools().speFeinsteStufe.setValue(5);
    Open("knick.mdt");
    EXPECT_EQ(Tools().speFeinsteStufe.value(), 7);  // the file's finest level
    EXPECT_EQ(frmHaupt->Session().CurrentSignal(), Signal::Listed(2));
    EXPECT_EQ(Tools().cbxSignal.currentText(), "Knick");
    const std::vector<double> kink = SampleSignal(Signal::Listed(*FindSignal("Knick")), 7, 0.4);
    EXPECT_TRUE(std::equal(kink.begin(), kink.end(), A->KoeffOrig.begin()));
}

}  // namespace

namespace {

TEST_F(Werkzeuge, CompressionActsOnACopyAndBackAtHundredIsToday)
{
    frmHaupt->ContextMenus().mniWerkzeuge->trigger();  // its numbers follow while it is open
    frmHaupt->trbLevel.SetPosition(3);
    std::vector<QImage> today;
    for (TPlotWindow* w : frmHaupt->Plots().windows)
        today.push_back(w->ClientPicture());
    const std::vector<double> koeff = A->Koeff;

    Tools().speKeep.setValue(20);
    EXPECT_EQ(Tools().sldKeep.value(), 20);
    EXPECT_EQ(A->Koeff, koeff);  // Koeff itself keeps every detail
    EXPECT_EQ(Tools().labKept.text(), "Behaltene Details: 24 von 120");
    EXPECT_TRUE(Tools().labMaxError.text().startsWith("Max. Fehler: "));
    for (std::size_t i = 0; i < today.size(); ++i) {
        TPlotWindow* w = frmHaupt->Plots().windows[i];
        EXPECT_EQ(w->ClientPicture() == today[i], !w->Row.compressed) << w->Name();
    }
    Tools().sldKeep.setValue(100);
    EXPECT_EQ(Tools().speKeep.value(), 100);
    for (std::size_t i = 0; i < today.size(); ++i)
        EXPECT_EQ(frmHaupt->Plots().windows[i]->ClientPicture(), today[i]) << i;

    // "Sichern" writes Koeff, every detail, whatever is kept.
    Tools().speKeep.setValue(20);
    Save("komprimiert");
    std::ifstream in(folder / "komprimiert.mdt", std::ios::binary);
    const auto saved = ParseKoeffFile(std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_TRUE(std::holds_alternative<KoeffFileContent>(saved));
    const std::vector<double>& values = std::get<KoeffFileContent>(saved).values;
    ASSERT_EQ(values.size(), 129u);
    for (int i = 0; i <= 128; ++i)
        EXPECT_NEAR(values[i], koeff[i], 5e-6 * std::fabs(koeff[i]) + 1e-12) << i;
}

TEST_F(Werkzeuge, StemsStandInTheirRowsAtTheirPlaces)
{
    // MaxLevel 3 at level 2: the smooth row of five, the details of level 2 above it.
    Tools().speFeinsteStufe.setValue(3);
    frmHaupt->trbLevel.SetPosition(2);
    frmHaupt->ContextMenus().mniKoeffizienten->trigger();
    TfrmKoeffizienten& window = *&frmHaupt->Werkzeuge().Koeffizienten();
    ASSERT_TRUE(window.isVisible());
    const QImage picture = window.ClientPicture();
    // The columns holding stem pixels in a band of rows.
    auto columns = [&](int top, int bottom) {
        std::vector<int> found;
        for (int x = 0; x < picture.width(); ++x)
            for (int y = top; y < bottom; ++y)
                if (picture.pixel(x, y) == qRgb(255, 0, 0)) {
                    found.push_back(x);
                    break;
                }
        return found;
    };
    const int h = picture.height();
    const std::vector<int> smooth = columns(h / 2, h), details = columns(0, h / 2);
    ASSERT_EQ(smooth.size(), 5u);
    ASSERT_EQ(details.size(), 4u);
    // Detail i of level 2 stands at (i + 0.5) / 4, over the smooth coefficient of shift i.
    EXPECT_EQ(details, std::vector<int>(smooth.begin() + 1, smooth.end()));
    EXPECT_NEAR(smooth[2] - smooth[1], smooth[4] - smooth[3], 1);  // evenly spaced, to a pixel
}

}  // namespace
