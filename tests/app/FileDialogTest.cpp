// Every file dialog of the program through Qt's real dialog, opened by the
// program's own menu item or button and worked as a user works it: the file
// type chosen, the name typed, Return pressed.
#include "FilesFixture.h"

#include "app/Menus.h"
#include "app/WerkzeugeCommands.h"
#include "toolkit/Application.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// What the user does at the next file dialog, and what it showed.
struct User {
    User(std::optional<int> type, std::optional<std::string> name, bool yes = false) : fileType(type), typed(name), replace(yes) {}
    std::optional<int> fileType;       // "Dateien des Typs", by position
    std::optional<std::string> typed;  // nothing: "Abbrechen"; "": the name offered
    bool replace = false;              // the answer to a question after Return
    bool opened = false;
    QString offered, folder, question;
    bool stayedOpen = false;  // after Return; then cancelled
};

void Press(QWidget* widget, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}

void WorkTheDialog(User& user, QObject& guard)
{
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
        if (QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();  // never hang on a window nobody expected
        return;
    }
    user.opened = true;
    user.folder = dialog->directory().absolutePath();
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    user.offered = edit->text();
    dialog->activateWindow();  // the keys go to the name, in the active dialog
    QCoreApplication::processEvents();
    edit->setFocus();
    if (user.fileType)
        dialog->selectNameFilter(dialog->nameFilters().at(*user.fileType));
    if (!user.typed) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        return;
    }
    if (!user.typed->empty())
        edit->selectAll();
    for (const QChar c : QString::fromStdString(*user.typed))
        Press(edit, 0, QString(c));
    QTimer::singleShot(0, &guard, [&user] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            user.question = box->text();
            if (QAbstractButton* answer = box->button(user.replace ? QMessageBox::Yes : QMessageBox::No))
                answer->click();
            else
                box->close();  // a box that asks nothing
        }
    });
    Press(edit, Qt::Key_Return);
    user.stayedOpen = dialog->isVisible();
    if (user.stayedOpen)
        dialog->reject();
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

    // Runs `act` (a menu item or a button) with the user at the dialog it opens.
    User Use(const std::function<void()>& act, User user)
    {
        QObject guard;  // drops what is left undone when `act` returns
        QTimer::singleShot(0, &guard, [&] { WorkTheDialog(user, guard); });
        act();
        EXPECT_TRUE(user.opened);
        return user;
    }
    User SavePicture(QAction* item, std::optional<int> fileType, std::optional<std::string> typed, bool replace = false)
    {
        return Use([item] { item->trigger(); }, {fileType, std::move(typed), replace});
    }
    User Click(QAbstractButton& button, std::optional<std::string> typed)
    {
        return Use([&button] { button.click(); }, {std::nullopt, std::move(typed)});
    }

    // "png", "svg" or "pdf" by what the file holds.
    std::string Kind(const std::string& name) const
    {
        const std::string head = Read(name).substr(0, 64);
        return head.starts_with("\x89PNG") ? "png" : head.starts_with("%PDF") ? "pdf"
               : head.starts_with("<?xml") ? "svg" : "";
    }
    std::string Meldung() const
    {
        const std::string text = frmHaupt->Werkzeuge().Window().labMeldung.text().toStdString();
        return text.substr(text.find("  ") + 2);  // after the time
    }
};

TEST_F(RealDialogs, EachFileTypeWritesItsFormat)
{
    const std::vector<std::string> kinds = {"png", "svg", "pdf"};
    std::vector<std::string> written;
    for (QAction* item : {frmGlaette->mniSavePicture, frmHaupt->Werkzeuge().Koeffizienten().mniSavePicture,
                          frmHaupt->ContextMenus().mniAlleFensterSpeichern})
        for (int type = 0; type < 3; ++type) {
            const std::string name = "bild" + std::to_string(written.size());
            written.push_back(name + "." + kinds[type]);
            SavePicture(item, type, name);
            EXPECT_EQ(Kind(written.back()), kinds[type]) << written.back();
            EXPECT_EQ(frmHaupt->Caption(), "Bild gespeichert!");
            EXPECT_EQ(Meldung(), "Bild gespeichert: " + written.back());
        }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(FilesInFolder(), written);
}

TEST_F(RealDialogs, ATypedSuffixDecidesInAnyCaseAndDotsStayInTheName)
{
    SavePicture(frmDetails->mniSavePicture, 0, "folie.svg");
    SavePicture(frmDetails->mniSavePicture, 1, "FOLIE.PDF");
    SavePicture(frmDetails->mniSavePicture, 2, "vortrag.v2");
    SavePicture(frmHaupt->ContextMenus().mniAlleFensterSpeichern, 1, "Alle.Png");
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"Alle.Png", "FOLIE.PDF", "folie.svg", "vortrag.v2.pdf"}));
    for (const auto& [file, kind] : std::vector<std::pair<std::string, std::string>>{
             {"folie.svg", "svg"}, {"FOLIE.PDF", "pdf"}, {"vortrag.v2.pdf", "pdf"}, {"Alle.Png", "png"}})
        EXPECT_EQ(Kind(file), kind) << file;
}

TEST_F(RealDialogs, TheWindowsNameIsOfferedInTheLastFolder)
{
    const User glaette = SavePicture(frmGlaette->mniSavePicture, std::nullopt, "");
    EXPECT_EQ(glaette.offered, "frmGlaette.png");
    EXPECT_EQ(glaette.folder.toStdString(), folder.string());
    SavePicture(frmError->mniSavePicture, 1, "");  // the file type's suffix goes into the name offered
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"frmError.svg", "frmGlaette.png"}));
    EXPECT_EQ(Kind("frmError.svg"), "svg");

    fs::create_directory(folder / "folien");
    SavePicture(frmHaupt->ContextMenus().mniAlleFensterSpeichern, 2, "folien/alle");
    EXPECT_EQ(Kind("folien/alle.pdf"), "pdf");
    const User desktop = SavePicture(frmHaupt->ContextMenus().mniAlleFensterSpeichern, std::nullopt, std::nullopt);
    EXPECT_EQ(desktop.offered, "desktop.png");
    EXPECT_EQ(desktop.folder.toStdString(), (folder / "folien").string());
}

TEST_F(RealDialogs, ReplacingAPictureAsksFirst)
{
    Write("alt.svg", "altes Bild");
    const User no = SavePicture(frmGlaette->mniSavePicture, 1, "alt");
    EXPECT_EQ(no.question, QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg("alt.svg"));
    EXPECT_TRUE(no.question.startsWith(QStringLiteral("Die Datei alt.svg"))) << no.question.toStdString();
    EXPECT_TRUE(no.stayedOpen);  // for another name
    EXPECT_EQ(Read("alt.svg"), "altes Bild");

    EXPECT_FALSE(SavePicture(frmGlaette->mniSavePicture, 1, "alt", true).question.isEmpty());
    EXPECT_EQ(Kind("alt.svg"), "svg");
    // The name typed may exist: the one written counts.
    Write("neu", "kein Bild");
    EXPECT_TRUE(SavePicture(frmGlaette->mniSavePicture, 1, "neu").question.isEmpty());
    EXPECT_EQ(Kind("neu.svg"), "svg");
}

TEST_F(RealDialogs, SichernReplacesWithoutAQuestionAndOeffnenLoads)
{
    Click(frmHaupt->butSave, "daten");
    frmHaupt->trbLevel.SetPosition(4);
    const User again = Click(frmHaupt->butSave, "daten");
    EXPECT_TRUE(again.question.isEmpty());
    EXPECT_EQ(frmHaupt->Caption(), "Datei gespeichert!");
    Click(frmHaupt->butSave, "daten.MDT");
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{"daten.MDT.mdt", "daten.mdt"}));

    frmHaupt->trbLevel.SetPosition(7);
    Click(frmHaupt->butOpen, "daten.mdt");
    EXPECT_EQ(frmHaupt->Caption(), " Datei geöffnet!");
    EXPECT_EQ(A->Level, 4);
}

TEST_F(RealDialogs, DateiReadsARecording)
{
    // As a recorder writes it: a header, a time column, decimal commas, 2^8 values around 130.
    std::string table = "Zeit [s];Spannung [mV]\n";
    for (int i = 0; i < 256; ++i)
        table += "0," + std::to_string(1000 + 4 * i) + ";" + std::to_string(128 + i % 5) + "," + std::to_string(i % 10) + "\n";
    Write("ekg.csv", table);
    Click(frmHaupt->Werkzeuge().Window().butDatei, "ekg.csv");
    EXPECT_EQ(frmHaupt->Caption(), "Signal geladen: 256 Werte; der letzte Wert für Stelle 257 wiederholt "
                                   "(2 Spalten (Zeit [s]; Spannung [mV]), Dezimalkomma, mit Kopfzeile)");
    EXPECT_EQ(A->MaxLevel, 8);
    EXPECT_EQ(A->KoeffOrig[0], 128.0);
}

TEST_F(RealDialogs, CancelWritesAndLoadsNothing)
{
    SavePicture(frmGlaette->mniSavePicture, 2, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Bild nicht gespeichert!");
    SavePicture(frmHaupt->ContextMenus().mniAlleFensterSpeichern, 1, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Bild nicht gespeichert!");
    Click(frmHaupt->butSave, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Datei nicht gesichert!");
    EXPECT_TRUE(FilesInFolder().empty());

    Write("fuenf.mdt", "5 3 1 2 3");
    Click(frmHaupt->butOpen, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Keine Datei geladen...");
    Click(frmHaupt->Werkzeuge().Window().butDatei, std::nullopt);
    EXPECT_EQ(frmHaupt->Caption(), "Kein Signal geladen...");
    EXPECT_EQ(A->MaxLevel, 7);
}

TEST_F(RealDialogs, TablesAsCsvForAGermanOrAnyOtherSpreadsheet)
{
    frmHaupt->trbLevel.SetPosition(5);
    frmHaupt->Werkzeuge().ChooseKeepPercent(20);
    QAction* koeffCsv = frmHaupt->Werkzeuge().Koeffizienten().mniSaveCsv;
    SavePicture(koeffCsv, 1, "koeff");  // international
    EXPECT_EQ(Meldung(), "Tabelle gespeichert: koeff.csv");
    std::istringstream international(Read("koeff.csv"));
    std::string line;
    std::getline(international, line);
    EXPECT_EQ(line, "part,level,index,position,value,kept");
    int i = 0, kept = 0;
    for (; std::getline(international, line); ++i) {
        std::vector<std::string> field;
        for (std::istringstream row(line); std::getline(row, field.emplace_back(), ',');) {}
        field.pop_back();
        ASSERT_EQ(field.size(), 6u) << line;
        EXPECT_EQ(field[0], i <= 32 ? "glaette" : "details") << line;
        EXPECT_EQ(std::stod(field[4]), A->Koeff[static_cast<std::size_t>(i)]) << line;
        kept += i > 32 && field[5] == "1";
    }
    EXPECT_EQ(i, 129);
    EXPECT_EQ(kept, 19);  // 20 % of the 96 details

    // German: ";" between the fields, a decimal comma; the name offered.
    EXPECT_EQ(SavePicture(koeffCsv, 0, "").offered, "koeffizienten.csv");
    std::string german = Read("koeff.csv");
    std::replace(german.begin(), german.end(), ',', ';');
    std::replace(german.begin(), german.end(), '.', ',');
    EXPECT_EQ(Read("koeffizienten.csv"), german);

    const User table = Use([this] { frmHaupt->Werkzeuge().Window().butDeltaCsv.click(); }, {1, "vergleich"});
    EXPECT_EQ(table.offered, "delta-vergleich.csv");
    const std::string rows = Read("vergleich.csv");
    EXPECT_TRUE(rows.starts_with("delta,max_error,rms_error,distance_max,distance_rms\n0,")) << rows.substr(0, 80);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 102);
}

}  // namespace
