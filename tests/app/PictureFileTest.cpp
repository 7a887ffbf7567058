#include "FilesFixture.h"

#include "app/PictureFileCommands.h"
#include "app/Pictures.h"
#include "RecordingSurface.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

#include <QContextMenuEvent>
#include <QImage>

namespace fs = std::filesystem;

namespace {

class PictureFiles : public Files {
protected:
    // A right click in the window, then "Bild speichern…" with the answer given.
    void SavePicture(TPlotWindow* window, const std::optional<std::string>& name, int filter = 0)
    {
        answers = {name ? std::optional<DialogAnswer>(DialogAnswer((folder / *name).string(), filter)) : std::nullopt};
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(40, 30), window->mapToGlobal(QPoint(40, 30)));
        QCoreApplication::sendEvent(window, &click);
        ASSERT_TRUE(window->pmnPlot.isVisible()) << window->Name();
        window->mniSavePicture->trigger();
        window->pmnPlot.hide();
    }
};

TEST_F(PictureFiles, EveryPlotWindowSavesWhatItShows)
{
    frmHaupt->trbLevel.SetPosition(4);
    const double density = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    for (TPlotWindow* window : frmHaupt->Plots().windows) {
        EXPECT_EQ(window->devicePixelRatioF(), density);
        SavePicture(window, window->Name());
        EXPECT_EQ(frmHaupt->Caption(), "Bild gespeichert!");
        const QImage saved((folder / (window->Name() + ".png")).c_str());
        const QImage shown = window->ClientPicture().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(saved.isNull()) << window->Name();
        EXPECT_EQ(saved.size(), window->size() * window->devicePixelRatioF()) << window->Name();
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown) << window->Name();
    }
    EXPECT_EQ(filters, std::vector<std::string>(7, "PNG-Bild (*.png);;SVG-Grafik (*.svg);;PDF-Dokument (*.pdf)"));
}

TEST_F(PictureFiles, TheClientPictureIsWhatTheWindowPaints)
{
    // The window's own paint copies the picture: grab it from the screen side.
    frmError->repaint();
    const QImage painted = frmError->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted, frmError->ClientPicture().convertToFormat(QImage::Format_RGB32));
}

TEST(PictureNames, OnlyASuffixAtTheEndCountsAndAnUnknownFileTypeIsAFault)
{
    EXPECT_EQ(ChosenPicture("bild.png.txt", 0).file, "bild.png.txt.png");
    EXPECT_EQ(ChosenPicture("bildsvg", 2).file, "bildsvg.pdf");
    EXPECT_EQ(ChosenPicture("bild.pdf", 3).format, PictureFormatNamed("pdf"));  // no file type needed
    // A file type the table does not have is the program's fault, never a PNG.
    EXPECT_THROW(ChosenPicture("bild", 3), std::logic_error);
    EXPECT_THROW(ChosenPicture("bild", -1), std::logic_error);
}

// The vertices of the red paths of an SVG, path by path.
std::vector<std::vector<QPoint>> RedPaths(const std::string& svg)
{
    std::vector<std::vector<QPoint>> paths;
    std::vector<QString> strokes = {QString()};
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString stroke = xml.attributes().value("stroke").toString();
            strokes.push_back(stroke.isEmpty() ? strokes.back() : stroke);
            if (xml.name() == QStringLiteral("path") && strokes.back() == "#ff0000") {
                std::vector<QPoint> points;
                for (QString step : xml.attributes().value("d").toString().split(' ', Qt::SkipEmptyParts)) {
                    step.remove('M').remove('L');
                    const QStringList xy = step.split(',');
                    points.emplace_back(qRound(xy[0].toDouble()), qRound(xy[1].toDouble()));
                }
                paths.push_back(points);
            }
        } else if (xml.isEndElement()) {
            strokes.pop_back();
        }
    }
    return paths;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The pages of a PDF, and the first one's size in points.
std::pair<int, QSizeF> Pages(const std::string& pdf)
{
    int pages = 0;
    for (std::size_t at = 0; (at = pdf.find("/Type /Page", at)) != std::string::npos; at += 5)
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size())));
    return {pages, QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble())};
}

TEST_F(PictureFiles, VectorPicturesOfEveryPlotWindow)
{
    frmHaupt->trbLevel.SetPosition(4);
    for (TPlotWindow* window : frmHaupt->Plots().windows) {
        SavePicture(window, window->Name(), 1);
        EXPECT_EQ(frmHaupt->Caption(), "Bild gespeichert!");
        // The curve is one path through the canvas's vertices.
        RecordingSurface recorded(window->Width(), window->Height());
        window->DrawPicture(recorded);
        std::vector<QPoint> vertices;
        for (auto op = recorded.ops.rbegin(); op != recorded.ops.rend() && op->kind != "pen"; ++op)
            vertices.insert(vertices.begin(), QPoint(op->x, op->y));
        // The first segment has no length (the first column lies at the curve's start).
        vertices.erase(std::unique(vertices.begin(), vertices.end()), vertices.end());
        const auto paths = RedPaths(ReadAll(folder / (window->Name() + ".svg")));
        ASSERT_FALSE(paths.empty()) << window->Name();
        EXPECT_EQ(paths.back(), vertices) << window->Name();

        SavePicture(window, window->Name(), 2);
        const auto [pages, size] = Pages(ReadAll(folder / (window->Name() + ".pdf")));
        EXPECT_EQ(pages, 1);
        EXPECT_NEAR(size.width(), window->width() * 0.75, 0.5);  // points at 96 pixels an inch
        EXPECT_NEAR(size.height(), window->height() * 0.75, 0.5);
    }
}

TEST_F(PictureFiles, TheWholeArrangementInEachFormat)
{
    for (const int filter : {0, 1, 2}) {
        answers = {DialogAnswer((folder / "alle").string(), filter)};
        frmHaupt->ContextMenus().mniAlleFensterSpeichern->trigger();
        EXPECT_EQ(frmHaupt->Caption(), "Bild gespeichert!");
    }
    EXPECT_EQ(QImage((folder / "alle.png").c_str()).size(), QSize(1024, 740));
    QXmlStreamReader svg(QByteArray::fromStdString(ReadAll(folder / "alle.svg")));
    while (!svg.isStartElement() || svg.name() != QStringLiteral("svg"))
        svg.readNext();
    EXPECT_EQ(svg.attributes().value("viewBox").toString(), "0 0 1024 740");
    EXPECT_EQ(RedPaths(ReadAll(folder / "alle.svg")).size() >= 7u, true);  // a curve per plot window
    const auto [pages, size] = Pages(ReadAll(folder / "alle.pdf"));
    EXPECT_EQ(pages, 1);
    EXPECT_NEAR(size.width(), 768, 0.5);

    // A picture that cannot be written leaves nothing behind.
    FailFileStep = [](FileStep step) { return step == FileStep::Write; };
    answers = {DialogAnswer((folder / "kaputt").string(), 1)};
    frmHaupt->ContextMenus().mniAlleFensterSpeichern->trigger();
    EXPECT_EQ(frmHaupt->Caption(), "Konnte Bild nicht speichern!");
    EXPECT_EQ(FilesInFolder().size(), 3u);
}

TEST_F(PictureFiles, CancelAndFailuresWriteNothing)
{
    SavePicture(frmGlaette, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Bild nicht gespeichert!");
    EXPECT_TRUE(FilesInFolder().empty());

    Write("datei", "kein Ordner");
    SavePicture(frmGlaette, "datei/bild.png");
    EXPECT_EQ(frmHaupt->Caption(), "Konnte Bild nicht speichern!");
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"datei"});

    // A write that breaks off leaves an existing picture as it was.
    Write("alt.png", "altes Bild");
    FailFileStep = [](FileStep step) { return step == FileStep::Write; };
    SavePicture(frmGlaette, "alt.png");
    EXPECT_EQ(frmHaupt->Caption(), "Konnte Bild nicht speichern!");
    std::ifstream old(folder / "alt.png", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "altes Bild");
    EXPECT_EQ(FilesInFolder().size(), 2u);
}

TEST_F(PictureFiles, SavingAPictureChangesNothingElse)
{
    const KoeffArray koeff = A->Koeff;
    const Counts before = CountsNow();
    SavePicture(frmDetails, "details");
    ExpectDraws(before, 0, 0);
    EXPECT_EQ(A->Koeff, koeff);
}

}  // namespace
