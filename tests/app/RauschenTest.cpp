#include "FilesFixture.h"

#include "analysis/DeltaSweep.h"
#include "analysis/Numbers.h"
#include "windows/Werkzeuge.h"

#include <cmath>
#include <cstdio>

namespace {

class Rauschen : public Files {
protected:
    TfrmWerkzeuge& Tools() { return frmHaupt->Werkzeuge().Window(); }
    const AnalysisSession& Session() { return frmHaupt->Session(); }

    std::vector<double> Samples() const
    {
        return std::vector<double>(A->KoeffOrig.begin(), A->KoeffOrig.begin() + LevelSize[A->MaxLevel] + 1);
    }
    void AddNoise(const QString& sigma, int seed = 20261208)
    {
        Tools().edtSigma.setText(sigma);
        Tools().speSeed.setValue(seed);
        Tools().butRauschen.click();
    }
    void ChooseRule(ThresholdRule rule)
    {
        Tools().cbxRegel.setCurrentIndex(static_cast<int>(rule));
        emit Tools().cbxRegel.activated(static_cast<int>(rule));
    }
    void TypeLambda(const QString& lambda)
    {
        Tools().edtLambda.setText(lambda);
        emit Tools().edtLambda.returnPressed();
    }
    // A recording around 130 with a time column and a header, as a file.
    void LoadRecording(int values)
    {
        std::string text = "Zeit\tWert\n";
        char line[64];
        for (int i = 0; i < values; ++i) {
            std::snprintf(line, sizeof line, "%.3f\t%.2f\n", i / 250.0, 130.0 + 25.0 * std::sin(i / 9.0) + (i * 37 % 11) / 3.0);
            text += line;
        }
        Write("ekg.txt", text);
        answers = {(folder / "ekg.txt").string()};
        Tools().butDatei.click();
    }
};

int GreyPixels(const TPlotWindow& window)
{
    const QImage& picture = window.Picture();
    int grey = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            grey += picture.pixel(x, y) == qRgb(0xA0, 0xA8, 0xB0);
    return grey;
}

TEST_F(Rauschen, NoiseOnARecordingKeepsTheLevelAndTheCleanSamples)
{
    frmHaupt->Werkzeuge().ShowWerkzeuge();
    LoadRecording(512);
    ASSERT_EQ(A->MaxLevel, 9);
    frmHaupt->trbLevel.SetPosition(4);
    const std::vector<double> clean = Samples();

    AddNoise(QStringLiteral("0,05"), 99);  // a decimal comma, as typed
    EXPECT_EQ(A->Level, 4);
    EXPECT_EQ(Session().CleanSamples(), clean);
    EXPECT_EQ(Samples(), WithNoise(clean, {0.05, 99}));
    EXPECT_TRUE(Tools().labRauschen.text().contains(QStringLiteral("Startwert 99"))) << Tools().labRauschen.text().toStdString();
    // The clean signal beneath the function, and only there.
    EXPECT_GT(GreyPixels(*frmFunktion), 200);
    EXPECT_EQ(GreyPixels(*frmDetails), 0);

    ChooseRule(ThresholdRule::Sure);
    EXPECT_TRUE(Session().Denoised());
    char snr[64];
    std::snprintf(snr, sizeof snr, "%.2f dB", CompareWithClean(Session().Shown(), clean).SnrDenoised);
    EXPECT_TRUE(Tools().labSnr.text().contains(QStringLiteral("entrauscht ") + QString::fromUtf8(snr)))
        << Tools().labSnr.text().toStdString();
    EXPECT_TRUE(Tools().labLambda.text().startsWith(QStringLiteral("Schwelle λ je Level: 4: ")));
    frmHaupt->Werkzeuge().ChooseKeepPercent(5);  // the numbers here then show it too
    EXPECT_TRUE(Tools().labEntrauschtBehalten.text().endsWith(QStringLiteral("Details, davon 5 % (Kompression)")));
    frmHaupt->Werkzeuge().ChooseKeepPercent(100);

    Tools().butOhneRauschen.click();
    EXPECT_EQ(Samples(), clean);
    EXPECT_TRUE(Session().CleanSamples().empty());
    EXPECT_EQ(GreyPixels(*frmFunktion), 0);
    EXPECT_TRUE(Session().Denoised());  // the rule stays

    // A lesson brings its noise back; a classic coefficient file replaces the
    // samples, and the noise goes with them.
    AddNoise(QStringLiteral("0.1"));
    const std::vector<double> noisy = Samples();
    Save("ekg.mdt");
    Open("ekg.mdt");
    ASSERT_TRUE(Session().Noise());
    EXPECT_EQ(Session().CleanSamples(), clean);
    EXPECT_EQ(Samples(), noisy);
    Write("klassisch.mdt", "9 4 1 2 3");
    Open("klassisch.mdt");
    EXPECT_FALSE(Session().Noise());
    EXPECT_TRUE(Session().CleanSamples().empty());
    EXPECT_EQ(Tools().labRauschen.text(), QStringLiteral("Ohne Rauschen"));
}

TEST_F(Rauschen, BadInputGetsAMessageAndChangesNothing)
{
    frmHaupt->Werkzeuge().ShowWerkzeuge();
    const std::vector<double> before = Samples();
    for (const QString& sigma : {QStringLiteral("1.5"), QStringLiteral("-0.1"), QStringLiteral("abc"), QString()}) {
        AddNoise(sigma);
        EXPECT_EQ(Samples(), before) << sigma.toStdString();
        EXPECT_FALSE(Session().Noise());
        EXPECT_TRUE(Tools().LastMessage().starts_with("Rauschen nicht hinzugefügt: σ muss eine Zahl von 0 bis 1"));
    }

    ChooseRule(ThresholdRule::Universal);  // at the finest level: no details
    EXPECT_EQ(Session().Denoise().rule, ThresholdRule::Off);
    EXPECT_EQ(Tools().cbxRegel.currentIndex(), 0);
    EXPECT_TRUE(Tools().LastMessage().find("keine Details") != std::string::npos) << Tools().LastMessage();

    frmHaupt->trbLevel.SetPosition(3);
    ChooseRule(ThresholdRule::Manual);  // starts from the universal threshold
    const double universal = ChooseThresholds(*A, {ThresholdRule::Universal}).lambda.front();
    EXPECT_EQ(Session().Denoise().lambda, universal);
    for (const QString& lambda : {QStringLiteral("-1"), QStringLiteral("x"), QStringLiteral("nan")}) {
        TypeLambda(lambda);
        EXPECT_EQ(Session().Denoise().lambda, universal) << lambda.toStdString();
        EXPECT_EQ(Tools().LastMessage(), "λ nicht übernommen: λ muss eine Zahl ≥ 0 sein");
    }
    TypeLambda(QStringLiteral("0,2"));
    EXPECT_EQ(Session().Denoise().lambda, 0.2);

    // Seven values make 9 samples at level 3, but no more information.
    Write("sieben.txt", "1\n2\n3\n4\n5\n6\n7\n");
    answers = {(folder / "sieben.txt").string()};
    Tools().butDatei.click();
    frmHaupt->trbLevel.SetPosition(2);
    EXPECT_FALSE(Session().Denoised());
    ChooseRule(ThresholdRule::Sure);
    EXPECT_EQ(Session().Denoise().rule, ThresholdRule::Manual);
    EXPECT_EQ(Tools().LastMessage(), "Entrauschen nicht möglich: das Signal hat weniger als 8 Abtastwerte");
}

// Without noise nothing grey is drawn; with noise 0 at the finest level the
// clean curve is the red one and lies wholly under it: the picture is the one
// without noise.
TEST_F(Rauschen, TheCleanCurveLiesUnderTheRedOne)
{
    Tools().butNeuAbtasten.click();  // the scale of the samples taken anew
    const QImage without = frmFunktion->Picture().copy();
    EXPECT_EQ(GreyPixels(*frmFunktion), 0);
    AddNoise(QStringLiteral("0"));
    ASSERT_FALSE(Session().CleanSamples().empty());
    EXPECT_EQ(frmFunktion->Picture(), without);
    AddNoise(QStringLiteral("0.2"));
    EXPECT_GT(GreyPixels(*frmFunktion), 200);

    // Axes fitted to a file's samples hold the clean curve too, where the red
    // one is flat: a narrow spike, every detail thresholded away.
    std::string spike;
    for (int i = 0; i < 256; ++i)
        spike += i >= 100 && i < 104 ? "250\n" : "130\n";
    Write("spitze.txt", spike);
    answers = {(folder / "spitze.txt").string()};
    Tools().butDatei.click();
    frmHaupt->trbLevel.SetPosition(3);
    AddNoise(QStringLiteral("0.2"));
    ChooseRule(ThresholdRule::Manual);
    TypeLambda(QStringLiteral("1e300"));
    const auto [low, high] = std::minmax_element(Session().CleanSamples().begin(), Session().CleanSamples().end());
    EXPECT_LT(frmFunktion->LastFrame.YMin, *low);
    EXPECT_GT(frmFunktion->LastFrame.YMax, *high);
}

// The comparison's "Entrauschen": taking its best Delta gives its row's
// numbers, the clean samples sampled anew at that Delta and the same noise.
TEST_F(Rauschen, TheBestDeltaForDenoisingIsTakenAsItsRowWasMade)
{
    WerkzeugeCommands& werkzeuge = frmHaupt->Werkzeuge();
    werkzeuge.ShowWerkzeuge();
    werkzeuge.ChooseSignal(*FindSignal("doppler"));
    werkzeuge.ChooseMaxLevel(8);
    frmHaupt->trbLevel.SetPosition(4);
    AddNoise(QStringLiteral("0.1"));
    ChooseRule(ThresholdRule::Sure);
    Tools().cbxArt.setCurrentIndex(1);
    emit Tools().cbxArt.activated(1);
    Tools().cbxDeltaMass.setCurrentIndex(2);
    werkzeuge.Comparison().ComputeNow(Session().ComparisonInput());
    const int best = Tools().BestPosition();
    ASSERT_GE(best, 0);
    const ErrorNumbers promised = *werkzeuge.Comparison().CurrentRows()[static_cast<std::size_t>(best)];
    EXPECT_EQ(best, BestDelta(werkzeuge.Comparison().CurrentRows(), SweepMeasure::Denoised));

    Tools().butUebernehmen.click();
    EXPECT_EQ(A->aktDelta, SweepDelta(best));
    EXPECT_EQ(A->Level, 4);
    EXPECT_EQ(Session().CleanSamples(), SampleSignal(Session().CurrentSignal(), 8, SweepDelta(best)));
    EXPECT_EQ(CompareWithClean(Session().Shown(), Session().CleanSamples()).RmsDenoised, promised.DenoisedRms);
    const ErrorNumbers shown = ComputeErrorNumbers(Session().Shown());
    EXPECT_EQ(shown.RmsError, promised.RmsError);
    EXPECT_EQ(shown.DistanceRms, promised.DistanceRms);
}

// A coefficient file may name a file signal without its values: nothing can
// be sampled then, and neither noise nor a finest level changes anything.
TEST_F(Rauschen, NothingIsSampledFromAFileSignalWithoutValues)
{
    Write("ohne.mdt", ";x\n3\n3\n1\n2\n3\n4\n5\n6\n7\n8\n9\n;Signal:Datei\n;Datei:ekg.txt\n");
    Open("ohne.mdt");
    const std::vector<double> koeff = A->Koeff;
    AddNoise(QStringLiteral("0.1"));
    frmHaupt->Werkzeuge().ChooseMaxLevel(4);
    frmHaupt->Werkzeuge().TakeDelta(0);
    EXPECT_EQ(A->Koeff, koeff);
    EXPECT_EQ(A->MaxLevel, 3);
    EXPECT_FALSE(Session().Noise());
    EXPECT_TRUE(Tools().LastMessage().starts_with("Nicht abgetastet: die Datei nennt das Dateisignal „ekg.txt“"));
}

// At the finest level the track bar does not move when a Delta is taken: the
// function windows show the samples taken anew all the same.
TEST_F(Rauschen, ADeltaTakenAtTheFinestLevelIsDrawn)
{
    frmHaupt->Werkzeuge().TakeDelta(0);
    const QImage shown = frmFunktion->Picture().copy();
    frmHaupt->RedrawFunctionWindows();
    EXPECT_EQ(frmFunktion->Picture(), shown);
}

}  // namespace
