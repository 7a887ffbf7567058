// Every file dialog of the program through Qt's real dialog, opened by the
// program's own menu item or button, and worked as a user works it: the file
// type chosen, the name typed, Return pressed.
#include "FilesFixture.h"

#include "toolkit/Application.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

// What a user does at the next file dialog, and what the dialog showed.
struct User {
    User(std::optional<int> fileType, std::optional<std::string> typed, bool replace = false)
        : fileType(fileType), typed(std::move(typed)), replace(replace)
    {
    }
    std::optional<int> fileType;  // the entry of "Dateien des Typs" chosen, by position
    std::optional<std::string> typed;  // nothing: "Abbrechen"; "": the name offered
    bool replace = false;              // the answer to a question after Return

    bool opened = false;
    QString offered;  // the name in the line edit as the dialog opened
    QString folder;
    QString question;
    bool stayedOpen = false;  // still open after Return (then cancelled)
};

void Press(QWidget* widget, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

// Answers a question box, if one is open: Yes or No where it asks that.
void Answer(User& user)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return;
    user.question = box->text();
    if (QAbstractButton* button = box->button(user.replace ? QMessageBox::Yes : QMessageBox::No))
        button->click();
    else
        box->close();
}

void WorkTheDialog(User& user, QObject& guard)
{
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog) {
        if (modal)
            modal->close();  // never hang on a window nobody expected
        return;
    }
    user.opened = true;
    user.folder = dialog->directory().absolutePath();
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    user.offered = edit->text();
    // The user's keys go to the name, in the active dialog.
    dialog->activateWindow();
    QCoreApplication::processEvents();
    edit->setFocus();
    if (user.fileType)
        dialog->selectNameFilter(dialog->nameFilters().at(*user.fileType));
    if (!user.typed) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        return;
    }
    if (!user.typed->empty()) {
        edit->selectAll();
        for (const QChar c : QString::fromStdString(*user.typed))
            Press(edit, 0, QString(c));
    }
    QTimer::singleShot(0, &guard, [&user] { Answer(user); });
    Press(edit, Qt::Key_Return);
    user.stayedOpen = dialog->isVisible();
    if (user.stayedOpen)
        dialog->reject();
}

// Runs `act` (a menu item or a button) with the user at the dialog it opens.
void AtTheDialog(User& user, const std::function<void()>& act)
{
    QObject guard;  // what was not needed when `act` returns is dropped with it
    QTimer::singleShot(0, &guard, [&] { WorkTheDialog(user, guard); });
    act();
}

class RealDialogs : public Files {
protected:
    void SetUp() override
    {
        Files::SetUp();
        FileDialogAnswer = nullptr;  // Qt's own dialog
        Application->LastFolder = folder.string();
    }
    void TearDown() override
    {
        Application->LastFolder.clear();
        Files::TearDown();
    }

    User SavePicture(QAction* item, std::optional<int> fileType, std::optional<std::string> typed)
    {
        User user{fileType, std::move(typed)};
        AtTheDialog(user, [item] { item->trigger(); });
        EXPECT_TRUE(user.opened);
        return user;
    }
    User Click(QAbstractButton& button, std::optional<std::string> typed)
    {
        User user{std::nullopt, std::move(typed)};
        AtTheDialog(user, [&button] { button.click(); });
        EXPECT_TRUE(user.opened);
        return user;
    }

    // "png", "svg" or "pdf" by what the file holds.
    std::string Kind(const std::string& name) const
    {
        std::ifstream in(folder / name, std::ios::binary);
        std::string head(64, '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        return head.starts_with("\x89PNG") ? "png"
               : head.starts_with("%PDF")  ? "pdf"
               : head.find("<svg") != std::string::npos || head.starts_with("<?xml") ? "svg"
                                                                                     : "";
    }
    std::vector<std::string> FilesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string ReadAll(const std::string& name) const
    {
        std::ifstream in(folder / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string Meldung() const
    {
        const std::string text = frmHaupt->frmWerkzeuge->labMeldung.text().toStdString();
        return text.substr(text.find("  ") + 2);  // after the time
    }
};

TEST_F(RealDialogs, EachFileTypeWritesItsFormat)
{
    const std::vector<std::pair<QAction*, std::string>> commands = {
        {frmGlaette->mniSavePicture, "glaette"},
        {frmHaupt->frmKoeffizienten->mniSavePicture, "koeff"},
        {frmHaupt->mniAlleFensterSpeichern, "alle"}};
    const std::vector<std::string> kinds = {"png", "svg", "pdf"};
    std::vector<std::string> written;
    for (const auto& [item, name] : commands)
        for (int type = 0; type < 3; ++type) {
            const std::string file = name + "." + kinds[type];
            SavePicture(item, type, name);
            EXPECT_EQ(Kind(file), kinds[type]) << file;
            EXPECT_EQ(frmHaupt->Caption(), "Bild gespeichert!");
            EXPECT_EQ(Meldung(), "Bild gespeichert: " + file);
            written.push_back(file);
        }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(FilesInFolder(), written);
}

TEST_F(RealDialogs, ATypedSuffixDecidesInAnyCaseAndDotsStayInTheName)
{
    SavePicture(frmDetails->mniSavePicture, 0, "folie.svg");
    SavePicture(frmDetails->mniSavePicture, 1, "FOLIE.PDF");
    SavePicture(frmDetails->mniSavePicture, 2, "vortrag.v2");
    SavePicture(frmHaupt->mniAlleFensterSpeichern, 1, "Alle.Png");
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"Alle.Png", "FOLIE.PDF", "folie.svg", "vortrag.v2.pdf"}));
    EXPECT_EQ(Kind("folie.svg"), "svg");
    EXPECT_EQ(Kind("FOLIE.PDF"), "pdf");
    EXPECT_EQ(Kind("vortrag.v2.pdf"), "pdf");
    EXPECT_EQ(Kind("Alle.Png"), "png");
}

TEST_F(RealDialogs, TheWindowsNameIsOfferedInTheLastFolder)
{
    User user = SavePicture(frmGlaette->mniSavePicture, std::nullopt, "");
    EXPECT_EQ(user.offered, "frmGlaette.png");
    EXPECT_EQ(user.folder.toStdString(), folder.string());
    EXPECT_EQ(Kind("frmGlaette.png"), "png");
    // Another file type takes its suffix into the name offered.
    SavePicture(frmError->mniSavePicture, 1, "");
    EXPECT_EQ(Kind("frmError.svg"), "svg");
    EXPECT_EQ(Meldung(), "Bild gespeichert: frmError.svg");

    fs::create_directory(folder / "folien");
    SavePicture(frmHaupt->mniAlleFensterSpeichern, 2, "folien/alle");
    EXPECT_EQ(Kind("folien/alle.pdf"), "pdf");
    user = SavePicture(frmHaupt->mniAlleFensterSpeichern, std::nullopt, std::nullopt);
    EXPECT_EQ(user.offered, "desktop.png");
    EXPECT_EQ(user.folder.toStdString(), (folder / "folien").string());
}

TEST_F(RealDialogs, ReplacingAPictureAsksFirstAndNoKeepsIt)
{
    Write("alt.svg", "altes Bild");
    User user = SavePicture(frmGlaette->mniSavePicture, 1, "alt");
    EXPECT_EQ(user.question, QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg("alt.svg"));
    EXPECT_TRUE(user.question.startsWith(QStringLiteral("Die Datei alt.svg"))) << user.question.toStdString();
    EXPECT_TRUE(user.stayedOpen);  // for another name
    EXPECT_EQ(frmHaupt->Caption(), "Bild nicht gespeichert!");
    EXPECT_EQ(Kind("alt.svg"), "");

    User yes{1, "alt", true};
    AtTheDialog(yes, [&] { frmGlaette->mniSavePicture->trigger(); });
    EXPECT_FALSE(yes.question.isEmpty());
    EXPECT_FALSE(yes.stayedOpen);
    EXPECT_EQ(Kind("alt.svg"), "svg");

    // A new name, or the name typed existing beside the one written: no question.
    Write("neu", "kein Bild");
    user = SavePicture(frmGlaette->mniSavePicture, 1, "neu");
    EXPECT_TRUE(user.question.isEmpty());
    EXPECT_EQ(Kind("neu.svg"), "svg");
}

TEST_F(RealDialogs, SichernAddsMdtAndReplacesWithoutAQuestion)
{
    Click(frmHaupt->butSave, "daten");
    const std::string first = ReadAll("daten.mdt");
    EXPECT_EQ(frmHaupt->Caption(), "Datei gespeichert!");
    frmHaupt->trbLevel.SetPosition(4);
    User again = Click(frmHaupt->butSave, "daten");
    EXPECT_TRUE(again.question.isEmpty());
    EXPECT_FALSE(again.stayedOpen);
    EXPECT_NE(ReadAll("daten.mdt"), first);
    Click(frmHaupt->butSave, "daten.MDT");
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"daten.MDT.mdt", "daten.mdt"}));
}

TEST_F(RealDialogs, OeffnenLoadsTheFileTyped)
{
    std::string file = ";Messung\r\n5\r\n3\r\n";
    for (int i = 0; i <= 32; ++i)
        file += std::to_string(130 + i % 7) + ".25\r\n";
    Write("fuenf.mdt", file);
    Click(frmHaupt->butOpen, "fuenf.mdt");
    EXPECT_EQ(frmHaupt->Caption(), " Datei geöffnet!");
    EXPECT_EQ(A->MaxLevel, 5);
    EXPECT_EQ(A->Level, 3);
    EXPECT_EQ(A->Koeff[32], 134.25);
}

TEST_F(RealDialogs, DateiReadsTheSamplesTyped)
{
    // A recording as it comes: a header, a time column, decimal commas, 2^8 values around 130.
    std::string table = "Zeit [s];Spannung [mV]\n";
    for (int i = 0; i < 256; ++i) {
        char row[64];
        std::snprintf(row, sizeof row, "%d,%03d;%d,%d\n", i / 250, (i % 250) * 4, 128 + i % 5, i % 10);
        table += row;
    }
    Write("ekg.csv", table);
    Click(frmHaupt->frmWerkzeuge->butDatei, "ekg.csv");
    EXPECT_EQ(frmHaupt->Caption(), "Signal geladen: 256 Werte");
    EXPECT_EQ(A->MaxLevel, 8);
    EXPECT_EQ(A->KoeffOrig[0], 128.0);
    EXPECT_EQ(frmHaupt->frmWerkzeuge->cbxSignal.currentText(), "Datei: ekg.csv");
}

TEST_F(RealDialogs, CancelWritesAndLoadsNothing)
{
    SavePicture(frmGlaette->mniSavePicture, 2, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Bild nicht gespeichert!");
    SavePicture(frmHaupt->mniAlleFensterSpeichern, 1, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Bild nicht gespeichert!");
    Click(frmHaupt->butSave, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Datei nicht gesichert!");
    EXPECT_TRUE(FilesInFolder().empty());

    Write("fuenf.mdt", "5 3 1 2 3");
    const int maxLevel = A->MaxLevel;
    Click(frmHaupt->butOpen, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Keine Datei geladen...");
    Click(frmHaupt->frmWerkzeuge->butDatei, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Kein Signal geladen...");
    EXPECT_EQ(A->MaxLevel, maxLevel);
}

}  // namespace
