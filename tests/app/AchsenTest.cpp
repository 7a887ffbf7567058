#include "FilesFixture.h"
#include "RecordingSurface.h"

#include "app/Pictures.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// A window's picture replayed on a recording in the window's own font: its
// texts, each with the box it fills.
struct Replay : RecordingSurface {
    TForm& form;
    explicit Replay(TPlotWindow& w) : Replay(static_cast<TForm&>(w)) { w.DrawPicture(*this); }
    explicit Replay(TfrmKoeffizienten& k) : Replay(static_cast<TForm&>(k)) { k.DrawOn(*this, k.width(), k.height()); }
    int VisibleWidth() const override { return form.width(); }
    int VisibleHeight() const override { return form.height(); }
    int TextWidth(const std::string& t) override { return form.FormCanvas().TextWidth(t); }
    int TextHeight() override { return form.FormCanvas().TextHeight(); }
    std::vector<std::string> Labels() const
    {
        std::vector<std::string> labels;
        for (const Op& t : OfKind("text"))
            labels.push_back(t.text);
        return labels;
    }

    // Every text inside the window's client and no pixel of a curve (red) on
    // it. The original's frames keep the original's bottom rows, which only
    // the outer size holds, and draw their curves over their labels: there
    // only the sides and the top are checked.
    void ExpectTextsFit(bool fitted)
    {
        const QImage& picture = form.Picture();
        for (const Op& t : OfKind("text")) {
            const QRect box(t.x, t.y, TextWidth(t.text), TextHeight());
            const std::string where = form.Name() + " \"" + t.text + "\"";
            EXPECT_TRUE(box.left() >= 0 && box.top() >= 0 && box.right() < form.width()) << where;
            if (!fitted)
                continue;
            EXPECT_LT(box.bottom(), form.height()) << where;
            int red = 0;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    red += picture.pixel(x, y) == qRgb(255, 0, 0);
            EXPECT_EQ(red, 0) << where;
        }
    }

private:
    explicit Replay(TForm& form) : RecordingSurface(form.Width(), form.Height()), form(form) {}
};

class Achsen : public Files {
protected:
    TfrmWerkzeuge& Tools() { return frmHaupt->Werkzeuge().Window(); }
    TfrmKoeffizienten& Koeff() { return frmHaupt->Werkzeuge().Koeffizienten(); }
    void ChooseAxes(bool fitted)
    {
        Tools().cbxAchsen.setCurrentIndex(fitted ? 1 : 0);
        emit Tools().cbxAchsen.activated(fitted ? 1 : 0);
    }
    // A recording around 150 with small wiggles, 2^8 + 1 values, chosen with "Datei…".
    std::vector<double> ChooseOffsetRecording()
    {
        std::vector<double> values;
        std::string text;
        for (int i = 0; i <= 256; ++i) {
            values.push_back(std::round(1000.0 * (150.0 + 2.0 * std::sin(i * 0.3) + 0.4 * std::sin(i * 2.1))) / 1000.0);
            text += std::to_string(values.back()) + "\n";
        }
        Write("aufnahme.txt", text);
        answers = {(folder / "aufnahme.txt").string()};
        Tools().butDatei.click();
        return values;
    }
};

TEST_F(Achsen, EveryTextFitsItsWindowAtEveryLevelAndDelta)
{
    frmHaupt->Werkzeuge().ChooseMaxLevel(12);
    frmHaupt->Werkzeuge().ShowKoeffizienten();
    for (const bool fitted : {false, true}) {
        ChooseAxes(fitted);
        for (const int position : {0, 40, 100}) {
            frmHaupt->scrDelta.SetPosition(position);
            frmHaupt->butGo.click();
            for (int level = 12; level >= 2; --level) {
                frmHaupt->trbLevel.SetPosition(level);
                for (TPlotWindow* w : frmHaupt->Plots().windows)
                    Replay(*w).ExpectTextsFit(fitted);
                Replay(Koeff()).ExpectTextsFit(true);
            }
        }
    }
}

TEST_F(Achsen, AFileSignalIsFramedAroundItsOwnRange)
{
    const std::vector<double> values = ChooseOffsetRecording();
    EXPECT_EQ(Tools().cbxAchsen.currentText(), "an die Daten angepasst");
    frmHaupt->trbLevel.SetPosition(6);
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double original = 3.4 * A->MaxAbsKoeff;  // the height of the original's +-1.7 s frame
    // The rebuilt function holds the samples' range; it rises at the left
    // end, where the analysis of an offset signal does.
    const PlotFrame funktion = frmFunktion->LastFrame;
    EXPECT_EQ(funktion.Layout, AxesLayout::Fitted);
    EXPECT_TRUE(funktion.YMin < *low && funktion.YMax > *high);
    EXPECT_LT(funktion.YMax - funktion.YMin, 0.05 * original);
    EXPECT_EQ(Replay(*frmFunktion).Labels(),
              (std::vector<std::string>{"150", "155", "160", "165", "0", "0.2", "0.4", "0.6", "0.8", "1"}));
    // The details and the error each on a range of their own around 0.
    for (const auto& [w, share] : {std::pair{frmDetails, 0.01}, std::pair{frmError, 0.05}}) {
        EXPECT_TRUE(w->LastFrame.YMin < 0.0 && w->LastFrame.YMax > 0.0) << w->Name();
        EXPECT_LT(w->LastFrame.YMax - w->LastFrame.YMin, share * original) << w->Name();
    }
    frmDetails->resize(700, 160);  // its own repaint keeps the fitted frame
    Settle();
    EXPECT_EQ(frmDetails->LastFrame.Layout, AxesLayout::Fitted);
    // Without reference samples the error window keeps fitted axes and draws no curve.
    frmHaupt->Session().ForgetReference();
    frmError->Redraw();
    const QImage error = frmError->Picture();
    EXPECT_EQ(frmError->LastFrame.Layout, AxesLayout::Fitted);
    EXPECT_EQ(std::count(reinterpret_cast<const QRgb*>(error.constBits()),
                         reinterpret_cast<const QRgb*>(error.constBits()) + error.width() * error.height(),
                         qRgb(255, 0, 0)),
              0);

    ChooseAxes(false);
    EXPECT_EQ(frmFunktion->LastFrame.YMax, 1.7 * A->MaxAbsKoeff);
    EXPECT_EQ(frmSkalfunktion->LastFrame.Layout, AxesLayout::Original);
    // A test signal of the list comes with the original's frames.
    ChooseAxes(true);
    Tools().cbxSignal.setCurrentIndex(1);
    emit Tools().cbxSignal.activated(1);
    EXPECT_EQ(Tools().cbxAchsen.currentIndex(), 0);
    EXPECT_EQ(frmGlaette->LastFrame.YMax, 1.7);
}

TEST_F(Achsen, YearsLabelTheXAxisOfTheFunctionAndCoefficientWindows)
{
    const std::vector<double> values = ChooseOffsetRecording();
    frmHaupt->Session().NameSignal(Signal::File(values, "jahre.csv", TimeRange{1700.0, 1988.0}));
    frmHaupt->Werkzeuge().SampleAnew();
    frmHaupt->trbLevel.SetPosition(5);
    frmHaupt->Werkzeuge().ShowKoeffizienten();
    const std::vector<std::string> years = {"1700", "1750", "1800", "1850", "1900", "1950"};
    for (TPlotWindow* w : FunctionWindows()) {
        const std::vector<std::string> labels = Replay(*w).Labels();
        EXPECT_EQ(std::vector<std::string>(labels.end() - 6, labels.end()), years) << w->Name();
    }
    const std::vector<std::string> stems = Replay(Koeff()).Labels();  // the x axis first
    EXPECT_EQ(std::vector<std::string>(stems.begin(), stems.begin() + 6), years);
    // Only the labels changed: the curve runs over 0 .. 1 as before.
    EXPECT_EQ(frmFunktion->LastFrame.CurveEnd, 1.0);
}

TEST_F(Achsen, EachCoefficientRowOnItsOwnScaleOrAllOnOne)
{
    ChooseOffsetRecording();
    frmHaupt->trbLevel.SetPosition(5);
    frmHaupt->Werkzeuge().ShowKoeffizienten();
    // The largest magnitude of the smooth coefficients of level 5 (33 from 0)
    // and of the details of levels 5, 6, 7 (2^j from 2^j + 1).
    std::vector<std::string> expected;
    double largestOfAll = 0.0;
    for (const auto& [first, count] : {std::pair{0, 33}, std::pair{33, 32}, std::pair{65, 64}, std::pair{129, 128}}) {
        const double largest = std::fabs(*std::max_element(A->Koeff.begin() + first, A->Koeff.begin() + first + count,
                                                           [](double a, double b) { return std::fabs(a) < std::fabs(b); }));
        expected.push_back("±" + MagnitudeLabel(largest));
        largestOfAll = std::max(largestOfAll, largest);
    }
    EXPECT_EQ(expected[0], "±173");  // the smooth row around 150, risen at the left end
    // The scales written beside the rows, and the longest stem of each row by its baseline.
    auto shown = [this](std::vector<std::string>& scales, std::map<int, int>& longest) {
        Replay r(Koeff());
        for (const std::string& label : r.Labels())
            if (label.starts_with("±"))
                scales.push_back(label);
        for (std::size_t i = 1; i + 1 < r.ops.size(); ++i)
            if (r.ops[i - 1].kind == "pen" && r.ops[i - 1].color != pen::Black && r.ops[i].kind == "move")
                longest[r.ops[i].y] = std::max(longest[r.ops[i].y], std::abs(r.ops[i + 1].y - r.ops[i].y));
    };
    std::vector<std::string> scales;
    std::map<int, int> longest;
    shown(scales, longest);
    EXPECT_EQ(scales, expected);
    ASSERT_EQ(longest.size(), 4u);
    for (const auto& [baseline, length] : longest)
        EXPECT_EQ(length, longest.begin()->second) << baseline;  // each row's largest reaches as far

    Tools().cbxEinMassstab.click();
    scales.clear(), longest.clear();
    shown(scales, longest);
    EXPECT_EQ(scales, std::vector<std::string>(4, "±" + MagnitudeLabel(largestOfAll)));
    EXPECT_LT(longest.begin()->second * 10, longest.rbegin()->second);  // the details beside the smooth row
}

TEST_F(Achsen, TheDeltaPlotKeepsItsCurveOffItsLabels)
{
    ChooseOffsetRecording();
    frmHaupt->trbLevel.SetPosition(3);
    frmHaupt->Werkzeuge().ShowWerkzeuge();
    frmHaupt->Werkzeuge().Comparison().ComputeNow(frmHaupt->Session().ComparisonInput());
    Settle();
    TDeltaPlot& plot = Tools().pltDelta;
    const QImage picture = plot.grab().toImage();
    ASSERT_EQ(plot.Texts().size(), 5u);
    for (const TDeltaPlot::Text& t : plot.Texts()) {
        EXPECT_TRUE(plot.rect().contains(t.box) && !t.box.intersects(plot.PlotArea())) << t.text.toStdString();
        int red = 0;
        for (int y = t.box.top(); y <= t.box.bottom(); ++y)
            for (int x = t.box.left(); x <= t.box.right(); ++x)
                red += qRed(picture.pixel(x, y)) > 200 && qGreen(picture.pixel(x, y)) < 120;
        EXPECT_EQ(red, 0) << t.text.toStdString();
    }
}

// The seven plot windows' client pixels (RGBA, in the table's order) as SHA-1.
std::string PicturesHash(const PlotContext& plots)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const TPlotWindow* w : plots.windows) {
        const QImage image = w->ClientPicture().convertToFormat(QImage::Format_RGBA8888);
        for (int y = 0; y < image.height(); ++y)
            hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4));
    }
    return hash.result().toHex().toStdString();
}

// The pictures of the start and of every signal at levels 7 and 4, as the
// program drew them before it had fitted axes.
TEST_F(Program, WieImOriginalDrawsTheOriginalsPictures)
{
    EXPECT_EQ(PicturesHash(frmHaupt->Plots()), "031879e0b1a15d0a6b6bcfcf20dde7fd2cf276f9");
    const std::array<const char*, 3> expected[] = {
        {"sinus", "c0aa33aab9cc724f29a398e60886ccfcc429c1e9", "6b4685c773c78d689c40d319358a7d8490b8ca68"},
        {"stufe", "c68ce5160c61d35a6a3d515da25b57b09c603a5d", "9e962ec17cddf25095698ef8344ae0921e4b1b31"},
        {"knick", "bbf3fd9909dcf145e229d42e682d629a99fa9bde", "a60fe35e4181170e442af8e4bf4ad4451eba6bc6"},
        {"rechteck", "0348d72cc9f2cde9fc424e22e2cbc6f9f237e816", "880201ac693ee0504de6e5b4d44fb082985925fc"},
        {"chirp", "c660ec2314be4b753a4f1b55089ca8fb5258c062", "005228e8fb84cd00ec9f0f5ca97328a99b14fd46"},
        {"blocks", "e0c33104434ed7791f0eab49773056264054e36e", "1c70f616b9be7b46b719f6bf50f501588352f0de"},
        {"bumps", "9e25088ba57ea1603da59a6c5ab757d34a6cacef", "587326f1b5488cc63cf7bc9969633dff83dee831"},
        {"heavisine", "b7e4e7d1e1def8974276cd6c086ed8e34329b9a5", "9507e8f8b64159dfc942e62c38e9b1f2d934b477"},
        {"doppler", "84ab3ea0574b33378d28a23bf635a81764a183da", "2fa84105655ea63052c2ec0a8a8879f4103d86a5"},
        {"sinus-rauschen", "4c454e21ef0a3c43edd183546fb2034237c1e14d", "25ed4854a7771ea2e5cbdc0fe13cbab28fa05b68"},
    };
    for (const auto& [signal, level7, level4] : expected) {
        frmHaupt->Werkzeuge().ChooseSignal(*FindSignal(signal));
        EXPECT_EQ(PicturesHash(frmHaupt->Plots()), level7) << signal;
        frmHaupt->trbLevel.SetPosition(4);
        EXPECT_EQ(PicturesHash(frmHaupt->Plots()), level4) << signal;
    }
}

// In "Alle Fenster speichern…" each window is partly covered by the next one:
// fitted axes are laid out in what shows, so the years under each stay readable.
TEST_F(Achsen, TheArrangementShowsTheTimeLabelsOfEveryCoveredWindow)
{
    ChooseOffsetRecording();
    const QImage desktop = DesktopImage();
    for (const TPlotWindow* w : {frmGlaette, frmDetails, frmFunktion}) {
        int textRows = 0;
        for (int y = w->Top() + w->Height() - 16; y < w->Top() + w->Height(); ++y) {
            int dark = 0;
            for (int x = w->Left() + 2; x < w->Left() + w->Width(); ++x)
                dark += qGray(desktop.pixel(x, y)) < 100;
            textRows += dark >= 3;
        }
        EXPECT_GE(textRows, 6) << w->Name();
    }
}

}  // namespace
