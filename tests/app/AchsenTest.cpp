#include "FilesFixture.h"

#include "RecordingSurface.h"
#include "plot/AxisTicks.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// A recording with a window's own font: where each text went, and how large it is.
struct MeasuringSurface : RecordingSurface {
    TForm& form;
    explicit MeasuringSurface(TForm& form) : RecordingSurface(form.Width(), form.Height()), form(form) {}
    int VisibleWidth() const override { return form.width(); }
    int VisibleHeight() const override { return form.height(); }
    int TextWidth(const std::string& t) override { return form.FormCanvas().TextWidth(t); }
    int TextHeight() override { return form.FormCanvas().TextHeight(); }

    std::vector<std::pair<QRect, std::string>> Texts()
    {
        std::vector<std::pair<QRect, std::string>> boxes;
        for (const Op& t : OfKind("text"))
            boxes.emplace_back(QRect(t.x, t.y, TextWidth(t.text), TextHeight()), t.text);
        return boxes;
    }
};

// Every text of the window's picture inside its client, and no pixel of a
// curve (red) on it. The original frames keep the original's bottom rows,
// some of which only the outer size holds, and draw their curves over
// their labels: for them only the sides and the top are checked.
void ExpectTextsFit(TForm& form, MeasuringSurface& drawn, bool fitted)
{
    const QImage& picture = form.Picture();
    for (const auto& [box, text] : drawn.Texts()) {
        const std::string where = form.Name() + " \"" + text + "\"";
        EXPECT_GE(box.left(), 0) << where;
        EXPECT_LT(box.right(), form.width()) << where;
        EXPECT_GE(box.top(), 0) << where;
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

class Achsen : public Files {
protected:
    TfrmWerkzeuge& Tools() { return frmHaupt->Werkzeuge().Window(); }
    TfrmKoeffizienten& Koeff() { return frmHaupt->Werkzeuge().Koeffizienten(); }
    void ChooseAxes(bool fitted)
    {
        Tools().cbxAchsen.setCurrentIndex(fitted ? 1 : 0);
        emit Tools().cbxAchsen.activated(fitted ? 1 : 0);
    }
    std::vector<std::string> Labels(TPlotWindow& w)
    {
        MeasuringSurface s(w);
        w.DrawPicture(s);
        std::vector<std::string> labels;
        for (const auto& t : s.OfKind("text"))
            labels.push_back(t.text);
        return labels;
    }
    MeasuringSurface KoeffDrawing()
    {
        MeasuringSurface s(Koeff());
        Koeff().DrawOn(s, Koeff().width(), Koeff().height());
        return s;
    }
    // A recording around 150 with small wiggles, 2^8 + 1 values, as a file
    // chosen with "Datei…".
    std::vector<double> ChooseOffsetRecording()
    {
        std::vector<double> values;
        std::string text;
        for (int i = 0; i <= 256; ++i) {
            values.push_back(std::round(1000.0 * (150.0 + 2.0 * std::sin(i * 0.3) + 0.4 * std::sin(i * 2.1))) / 1000.0);
            char line[32];
            std::snprintf(line, sizeof line, "%.3f\n", values.back());
            text += line;
        }
        Write("aufnahme.txt", text);
        answers = {(folder / "aufnahme.txt").string()};
        Tools().butDatei.click();
        return values;
    }
};

std::vector<std::string> Tail(const std::vector<std::string>& v, std::size_t n)
{
    return std::vector<std::string>(v.end() - static_cast<std::ptrdiff_t>(std::min(n, v.size())), v.end());
}

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
                for (TPlotWindow* w : frmHaupt->Plots().windows) {
                    MeasuringSurface drawn(*w);
                    w->DrawPicture(drawn);
                    ExpectTextsFit(*w, drawn, fitted);
                }
                MeasuringSurface stems = KoeffDrawing();
                ExpectTextsFit(Koeff(), stems, true);
            }
        }
    }
}

TEST_F(Achsen, AFileSignalIsFramedAroundItsOwnRange)
{
    const std::vector<double> values = ChooseOffsetRecording();
    EXPECT_EQ(frmHaupt->Session().Axes(), AxesChoice::Fitted);
    EXPECT_EQ(Tools().cbxAchsen.currentText(), "an die Daten angepasst");
    frmHaupt->trbLevel.SetPosition(6);
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double original = 3.4 * A->MaxAbsKoeff;  // the height of the original's +-1.7 s frame
    EXPECT_EQ(frmGlaette->LastFrame.Layout, AxesLayout::Fitted);
    // The rebuilt function holds the samples' range; it rises at the left
    // end, where the analysis of an offset signal does.
    const PlotFrame funktion = frmFunktion->LastFrame;
    EXPECT_LT(funktion.YMin, *low);
    EXPECT_GT(funktion.YMax, *high);
    EXPECT_LT(funktion.YMax - funktion.YMin, 0.05 * original);
    EXPECT_EQ(Labels(*frmFunktion),
              (std::vector<std::string>{"150", "155", "160", "165", "0", "0.2", "0.4", "0.6", "0.8", "1"}));
    // The details and the error each on their own range around 0.
    for (const auto& [w, share] : {std::pair{frmDetails, 0.01}, std::pair{frmError, 0.05}}) {
        EXPECT_LT(w->LastFrame.YMin, 0.0) << w->Name();
        EXPECT_GT(w->LastFrame.YMax, 0.0) << w->Name();
        EXPECT_LT(w->LastFrame.YMax - w->LastFrame.YMin, share * original) << w->Name();
    }
    // Their own repaint keeps the fitted frame.
    frmDetails->resize(700, 160);
    Settle();
    EXPECT_EQ(frmDetails->LastFrame.Layout, AxesLayout::Fitted);

    ChooseAxes(false);
    EXPECT_EQ(frmFunktion->LastFrame.YMax, 1.7 * A->MaxAbsKoeff);
    EXPECT_EQ(frmSkalfunktion->LastFrame.Layout, AxesLayout::Original);
    ChooseAxes(true);
    // A test signal of the list comes with the original's frames.
    Tools().cbxSignal.setCurrentIndex(1);
    emit Tools().cbxSignal.activated(1);
    EXPECT_EQ(frmHaupt->Session().Axes(), AxesChoice::Original);
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
    for (TPlotWindow* w : FunctionWindows())
        EXPECT_EQ(Tail(Labels(*w), 6), years) << w->Name();
    std::vector<std::string> texts;
    for (const auto& [box, text] : KoeffDrawing().Texts())
        texts.push_back(text);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 6), years);
    // The curve is the one without times: only the labels changed.
    EXPECT_EQ(frmFunktion->LastFrame.CurveStart, 0.0);
    EXPECT_EQ(frmFunktion->LastFrame.CurveEnd, 1.0);
}

// The stems of each row of the coefficient window: the longest, by the row's baseline.
std::map<int, int> LongestStems(const RecordingSurface& s)
{
    std::map<int, int> longest;
    for (std::size_t i = 1; i + 1 < s.ops.size(); ++i)
        if (s.ops[i - 1].kind == "pen" && s.ops[i - 1].color != pen::Black && s.ops[i].kind == "move")
            longest[s.ops[i].y] = std::max(longest[s.ops[i].y], std::abs(s.ops[i + 1].y - s.ops[i].y));
    return longest;
}

TEST_F(Achsen, EachCoefficientRowOnItsOwnScaleOrAllOnOne)
{
    ChooseOffsetRecording();
    frmHaupt->trbLevel.SetPosition(5);
    frmHaupt->Werkzeuge().ShowKoeffizienten();
    // The largest magnitude of the smooth coefficients of level 5 and of each detail level.
    std::vector<std::string> expected;
    double largestOfAll = 0.0;
    for (int j = 4; j <= 7; ++j) {
        const int first = j == 4 ? 0 : (1 << j) + 1, count = j == 4 ? 33 : 1 << j;
        double largest = 0.0;
        for (int i = first; i < first + count; ++i)
            largest = std::max(largest, std::fabs(A->Koeff[i]));
        expected.push_back("±" + MagnitudeLabel(largest));
        largestOfAll = std::max(largestOfAll, largest);
    }
    EXPECT_GT(std::stod(expected[0].substr(2)), 100.0);  // around 150
    EXPECT_LT(std::stod(expected[1].substr(2)), 2.0);    // the details are small
    auto scales = [&] {
        std::vector<std::string> shown;
        for (const auto& [box, text] : KoeffDrawing().Texts())
            if (text.starts_with("±"))
                shown.push_back(text);
        return shown;
    };
    EXPECT_EQ(scales(), expected);
    // Each row's largest stem reaches as far as the others'.
    std::map<int, int> stems = LongestStems(KoeffDrawing());
    ASSERT_EQ(stems.size(), 4u);
    for (const auto& [baseline, length] : stems)
        EXPECT_EQ(length, stems.begin()->second) << baseline;

    Tools().cbxEinMassstab.click();
    EXPECT_TRUE(Koeff().OneScale());
    EXPECT_EQ(scales(), std::vector<std::string>(4, "±" + MagnitudeLabel(largestOfAll)));
    stems = LongestStems(KoeffDrawing());
    EXPECT_LT(stems.begin()->second * 10, stems.rbegin()->second);  // a detail row beside the smooth one
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
        EXPECT_TRUE(plot.rect().contains(t.box)) << t.text.toStdString();
        EXPECT_FALSE(t.box.intersects(plot.PlotArea())) << t.text.toStdString();
        int red = 0;
        for (int y = t.box.top(); y <= t.box.bottom(); ++y)
            for (int x = t.box.left(); x <= t.box.right(); ++x)
                red += qRed(picture.pixel(x, y)) > 200 && qGreen(picture.pixel(x, y)) < 120;
        EXPECT_EQ(red, 0) << t.text.toStdString();
    }
}

}  // namespace

namespace {

// The seven plot windows' pictures as the program drew them before it had
// fitted axes (SHA-1 of their client pixels as RGBA, in the table's order).
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

TEST_F(Program, WieImOriginalDrawsTheOriginalsPictures)
{
    EXPECT_EQ(PicturesHash(frmHaupt->Plots()), "031879e0b1a15d0a6b6bcfcf20dde7fd2cf276f9");
    const struct {
        const char* signal;
        int level;
        const char* hash;
    } expected[] = {
        {"sinus", 7, "c0aa33aab9cc724f29a398e60886ccfcc429c1e9"},
        {"sinus", 4, "6b4685c773c78d689c40d319358a7d8490b8ca68"},
        {"stufe", 7, "c68ce5160c61d35a6a3d515da25b57b09c603a5d"},
        {"stufe", 4, "9e962ec17cddf25095698ef8344ae0921e4b1b31"},
        {"knick", 7, "bbf3fd9909dcf145e229d42e682d629a99fa9bde"},
        {"knick", 4, "a60fe35e4181170e442af8e4bf4ad4451eba6bc6"},
        {"rechteck", 7, "0348d72cc9f2cde9fc424e22e2cbc6f9f237e816"},
        {"rechteck", 4, "880201ac693ee0504de6e5b4d44fb082985925fc"},
        {"chirp", 7, "c660ec2314be4b753a4f1b55089ca8fb5258c062"},
        {"chirp", 4, "005228e8fb84cd00ec9f0f5ca97328a99b14fd46"},
        {"blocks", 7, "e0c33104434ed7791f0eab49773056264054e36e"},
        {"blocks", 4, "1c70f616b9be7b46b719f6bf50f501588352f0de"},
        {"bumps", 7, "9e25088ba57ea1603da59a6c5ab757d34a6cacef"},
        {"bumps", 4, "587326f1b5488cc63cf7bc9969633dff83dee831"},
        {"heavisine", 7, "b7e4e7d1e1def8974276cd6c086ed8e34329b9a5"},
        {"heavisine", 4, "9507e8f8b64159dfc942e62c38e9b1f2d934b477"},
        {"doppler", 7, "84ab3ea0574b33378d28a23bf635a81764a183da"},
        {"doppler", 4, "2fa84105655ea63052c2ec0a8a8879f4103d86a5"},
        {"sinus-rauschen", 7, "4c454e21ef0a3c43edd183546fb2034237c1e14d"},
        {"sinus-rauschen", 4, "25ed4854a7771ea2e5cbdc0fe13cbab28fa05b68"},
    };
    for (const auto& e : expected) {
        if (e.level == 7)
            frmHaupt->Werkzeuge().ChooseSignal(*FindSignal(e.signal));
        frmHaupt->trbLevel.SetPosition(e.level);
        EXPECT_EQ(PicturesHash(frmHaupt->Plots()), e.hash) << e.signal << " at level " << e.level;
    }
}

}  // namespace
