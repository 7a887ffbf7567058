// The program in English and in German: every text a window, menu or page
// shows, read off the real widgets.
#include "FilesFixture.h"

#include "toolkit/Application.h"
#include "windows/Hilfe.h"
#include "windows/Werkzeuge.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

// Words that only the German program shows.
const char* const GermanWords[] = {"Fenster", "Glätte", "Behalten", "Übernehmen", "Rauschen", "Sichern", "Öffnen",
                                   "Beenden", "Datei", "Stufe", "Achsen", "Meldung", "Werkzeug", "Koeffizient", "Hilfe",
                                   "Sprache", "Fehler", "Zeile", "Werte", "nicht", "Abstand", "Schwelle", "Berechne",
                                   "Fortschritt", "Bild", "speichern", "Abbrechen", "Suchen in", "Dateiname"};

QStringList GermanWordsIn(const QString& text)
{
    QStringList found;
    for (const char* word : GermanWords)
        if (text.contains(QString::fromUtf8(word), Qt::CaseInsensitive))
            found << QString::fromUtf8(word);
    return found;
}

// A label's text; "Meldung"'s without its time.
QString TextOf(const QLabel& label)
{
    return label.text().remove(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d  ")));
}

void AddMenu(const QMenu& menu, QStringList& texts)
{
    texts << menu.title();
    for (const QAction* action : menu.actions()) {
        texts << action->text();
        if (action->menu())
            AddMenu(*action->menu(), texts);
    }
}

// A window's caption and what its widgets say: texts, titles, items, tips and menus.
QStringList TextsOf(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << TextOf(*label);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            texts << group->title();
        else if (const auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (const auto* menu = qobject_cast<const QMenu*>(w))
            AddMenu(*menu, texts);
    }
    texts.removeAll(QString());
    return texts;
}

// The translation file's German texts, each as a pattern that any words fill for %1, %2, ….
std::vector<QRegularExpression> SourcePatterns()
{
    QFile file(QStringLiteral(TRANSLATION_FILE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<QRegularExpression> patterns;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QStringLiteral("source"))
            continue;
        QStringList pieces = xml.readElementText().split(QRegularExpression(QStringLiteral("%\\d")));
        for (QString& piece : pieces)
            piece = QRegularExpression::escape(piece);
        patterns.emplace_back(QRegularExpression::anchoredPattern(pieces.join(QStringLiteral(".*"))),
                              QRegularExpression::DotMatchesEverythingOption);
    }
    return patterns;
}

// Every window of the program with every page filled: the About window, the
// help, the progress window's lines, a loaded signal's and a refused file's messages.
class EveryWindow : public Files {
protected:
    // About windows of earlier presses of "?" outlive a program: out of sight, out of the walk.
    void SetUp() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
        Files::SetUp();
    }
    QStringList Walk()
    {
        frmHaupt->butAbout.click();
        frmHaupt->ContextMenus().ShowHilfe();
        frmHaupt->Werkzeuge().ShowWerkzeuge();
        frmHaupt->Werkzeuge().ShowKoeffizienten();
        QStringList texts;
        auto message = [&] { texts << TextOf(Tools().labMeldung); };
        Write("ecg.csv", "t;mV\n0,0;130,5\n0,1;131\n0,2;129,5\n0,3;130\n0,4;132\n");
        answers = {(folder / "ecg.csv").string()};
        Tools().butDatei.click();
        message();
        Write("bad.mdt", "5 3 x");
        Open("bad.mdt");
        message();
        emit Tools().cbxRegel.activated(1);  // refused at the finest level
        message();
        for (const std::string& line : frmCalcInfo->Lines)
            texts << QString::fromStdString(line);
        for (const QWidget* window : QApplication::topLevelWidgets())
            if ((window->isVisible() || window == frmHaupt || window == frmCalcInfo)
                && window != frmHaupt->ContextMenus().Hilfe())
                texts << TextsOf(*window);
        return texts;
    }
    TfrmWerkzeuge& Tools() const { return frmHaupt->Werkzeuge().Window(); }
};

class English : public EveryWindow {
protected:
    void SetUp() override
    {
        Application->UseLanguage(Language::English);
        EveryWindow::SetUp();
    }
    void TearDown() override
    {
        EveryWindow::TearDown();
        Application->UseLanguage(Language::German);
    }
};

TEST_F(English, NoWindowMenuOrPageShowsAGermanWord)
{
    const QStringList texts = Walk();
    EXPECT_GT(texts.size(), 150);
    for (const QString& text : texts)
        EXPECT_TRUE(GermanWordsIn(text).isEmpty()) << text.toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Invalid file: not a number: “x” at position 3")));
    // The help names every window as its caption does; only the file format's words stay German.
    const QTextBrowser& help = frmHaupt->ContextMenus().Hilfe()->txtHilfe;
    const QString format = QStringLiteral("<span style=\" font-family:'monospace';\">[^<]*</span>");
    EXPECT_EQ(GermanWordsIn(help.toHtml().remove(QRegularExpression(format))), QStringList());
    const QString plain = help.toPlainText().simplified();
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (dynamic_cast<const TForm*>(window) && window->isVisible()) {
            EXPECT_TRUE(plain.contains(window->windowTitle().simplified())) << window->windowTitle().toStdString();
        }
    }
}

TEST_F(English, QtsOwnFileDialogSpeaksEnglish)
{
    FileDialogAnswer = nullptr;
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            texts = TextsOf(*dialog);
            dialog->close();
        }
    });
    frmHaupt->butOpen.click();
    EXPECT_TRUE(texts.contains(QStringLiteral("Multiscale data"))) << texts.join('|').toStdString();
    EXPECT_EQ(GermanWordsIn(texts.join('|')), QStringList());
    EXPECT_EQ(frmHaupt->Caption(), "No file loaded...");
}

// German, as every run without a choice: each text is a text of the
// translation's sources, with its words filled in; the names of the signals
// and the program stay as they are in both.
TEST_F(EveryWindow, InGermanEveryTextIsASourceText)
{
    const std::vector<QRegularExpression> sources = SourcePatterns();
    const QStringList names{"Vexlor", "Deutsch", "English", "SURE", "Chirp", "Blocks", "Bumps", "HeaviSine", "Doppler"};
    for (const QString& text : Walk()) {
        const bool source = std::any_of(sources.begin(), sources.end(),
                                        [&text](const QRegularExpression& p) { return p.match(text).hasMatch(); });
        EXPECT_TRUE(source || names.contains(text) || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
            << text.toStdString();
    }
}

TEST(LanguageChoice, GermanWhereTheSystemIsGermanOrSaysNothing)
{
    for (const char* locale : {"", "C", "POSIX", "C.UTF-8", "de", "de_DE.UTF-8", "de_AT", "de_CH.UTF-8@euro"})
        EXPECT_EQ(LanguageOfLocale(locale), Language::German) << locale;
    for (const char* locale : {"en_US.UTF-8", "en", "fr_FR.UTF-8", "dsb_DE.UTF-8", "nl_BE"})
        EXPECT_EQ(LanguageOfLocale(locale), Language::English) << locale;
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    EXPECT_EQ(LanguageNamed("EN"), std::nullopt);
}

// "Sprache" keeps the choice for the next start, says so in the language
// chosen, and leaves the windows as they are.
TEST_F(Program, TheLanguageMenuRemembersTheChoiceForTheNextStart)
{
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    EXPECT_EQ(StartLanguage(std::nullopt), SystemLanguage());
    frmHaupt->ContextMenus().mniEnglish->trigger();
    EXPECT_EQ(RememberedLanguage(), Language::English);
    EXPECT_EQ(StartLanguage(std::nullopt), Language::English);
    EXPECT_EQ(StartLanguage(Language::German), Language::German);  // --lang de
    EXPECT_TRUE(frmHaupt->Werkzeuge().Window().labMeldung.text().endsWith(
        QStringLiteral("Language: English, from the next start of Vexlor")));
    EXPECT_EQ(frmHaupt->Caption(), "Multiskalenanalyse");
    emit frmHaupt->ContextMenus().mnuSprache->aboutToShow();
    EXPECT_TRUE(frmHaupt->ContextMenus().mniEnglish->isChecked());
    frmHaupt->ContextMenus().mniDeutsch->trigger();
    EXPECT_EQ(RememberedLanguage(), Language::German);
    EXPECT_TRUE(frmHaupt->Werkzeuge().Window().labMeldung.text().endsWith(QStringLiteral("  Sprache: Deutsch")));
}

}  // namespace
