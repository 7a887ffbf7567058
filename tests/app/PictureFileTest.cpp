#include "FilesFixture.h"

#include "app/PictureFileCommands.h"

#include <QContextMenuEvent>
#include <QImage>

namespace fs = std::filesystem;

namespace {

class PictureFiles : public Files {
protected:
    // A right click in the window, then "Bild speichern…" with the answer given.
    void SavePicture(TPlotWindow* window, const std::optional<std::string>& name)
    {
        answers = {name ? std::optional<std::string>((folder / *name).string()) : std::nullopt};
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(40, 30), window->mapToGlobal(QPoint(40, 30)));
        QCoreApplication::sendEvent(window, &click);
        ASSERT_TRUE(window->pmnPlot.isVisible()) << window->Name();
        window->mniSavePicture->trigger();
        window->pmnPlot.hide();
    }

    std::vector<std::string> FilesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(PictureFiles, EveryPlotWindowSavesWhatItShows)
{
    frmHaupt->trbLevel.SetPosition(4);
    const double density = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    for (TPlotWindow* window : frmHaupt->Plots.windows) {
        EXPECT_EQ(window->devicePixelRatioF(), density);
        SavePicture(window, window->Name());
        EXPECT_EQ(frmHaupt->Caption(), "Bild gespeichert!");
        const QImage saved((folder / (window->Name() + ".png")).c_str());
        const QImage shown = window->ClientPicture().convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(saved.isNull()) << window->Name();
        EXPECT_EQ(saved.size(), window->size() * window->devicePixelRatioF()) << window->Name();
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown) << window->Name();
    }
    EXPECT_EQ(filters, std::vector<std::string>(7, "PNG-Bild (*.png)"));
}

TEST_F(PictureFiles, TheClientPictureIsWhatTheWindowPaints)
{
    // The window's own paint copies the picture: grab it from the screen side.
    frmError->repaint();
    const QImage painted = frmError->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted, frmError->ClientPicture().convertToFormat(QImage::Format_RGB32));
}

TEST_F(PictureFiles, TheSuffixIsAddedOnlyWhenMissing)
{
    EXPECT_EQ(PictureFileName("bild"), "bild.png");
    EXPECT_EQ(PictureFileName("bild.PNG"), "bild.PNG");
    EXPECT_EQ(PictureFileName("bild.png"), "bild.png");
    EXPECT_EQ(PictureFileName("bild.png.txt"), "bild.png.txt.png");
    EXPECT_EQ(PictureFileName("png"), "png.png");
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
