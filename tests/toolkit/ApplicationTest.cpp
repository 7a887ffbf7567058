#include "toolkit/Application.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

struct ScriptedDialogs {
    std::vector<std::optional<std::string>> answers;
    std::vector<std::pair<DialogKind, std::string>> asked;
    ScriptedDialogs()
    {
        FileDialogAnswer = [this](DialogKind kind, const std::string& filter) {
            asked.emplace_back(kind, filter);
            auto answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
    }
    ~ScriptedDialogs() { FileDialogAnswer = nullptr; }
};

TEST(Dialogs, ScriptedNameAndCancel)
{
    ScriptedDialogs script;
    script.answers = {std::string("/tmp/daten"), std::nullopt};
    TSaveDialog save("Multiscale-Dat (*.mdt);;Alle Dateien (*)");
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName, "/tmp/daten");
    TOpenDialog open("Multiscale Dat (*.mdt);;Alle Dateien (*)");
    EXPECT_FALSE(open.Execute());
    ASSERT_EQ(script.asked.size(), 2u);
    EXPECT_EQ(script.asked[0].first, DialogKind::Save);
    EXPECT_EQ(script.asked[1].second, "Multiscale Dat (*.mdt);;Alle Dateien (*)");
}

TEST(Dialogs, GermanWithTheFiltersByNameInTheLastFolder)
{
    Application->RememberFolderOf("/usr/share/doc/daten.mdt");  // a file read or written there
    const std::unique_ptr<QFileDialog> dialog = MakeFileDialog({DialogKind::Open, "Multiscale Dat (*.mdt);;Alle Dateien (*)", {}, {}});
    QStringList buttons;
    for (const QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
        buttons << button->text().remove('&');
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Abbrechen", "Öffnen"}));
    const auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->itemText(0), "Multiscale Dat");
    EXPECT_EQ(combo->itemText(1), "Alle Dateien");
    EXPECT_EQ(dialog->nameFilters().front(), "Multiscale Dat (*.mdt)");
    EXPECT_EQ(dialog->directory().absolutePath(), "/usr/share/doc");
    const std::unique_ptr<QFileDialog> save = MakeFileDialog({DialogKind::Save, "Multiscale-Dat (*.mdt)", {}, {}});
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(save->testOption(QFileDialog::DontConfirmOverwrite));
}

struct ShownExceptions {
    std::vector<std::string> messages;
    std::function<void(const std::string&)> previous = ExceptionDisplay;
    ShownExceptions()
    {
        ExceptionDisplay = [this](const std::string& m) { messages.push_back(m); };
    }
    ~ShownExceptions() { ExceptionDisplay = previous; }
};

TEST(Exceptions, AHandlersExceptionIsShownAndTheNextEventHandled)
{
    ShownExceptions shown;
    TForm form(0, 0, 272, 202, "exceptions", clBtnFace);
    TButton failing(&form, {0, 0, 50, 20}, "fail");
    TButton working(&form, {60, 0, 50, 20}, "work");
    int worked = 0;
    failing.OnClick = [] { throw std::runtime_error("kaputt"); };
    working.OnClick = [&] { ++worked; };
    failing.click();
    working.click();
    EXPECT_EQ(shown.messages, std::vector<std::string>{"kaputt"});
    EXPECT_EQ(worked, 1);
}

TEST(Exceptions, AnExceptionThatIsNoStandardOneShowsAnEmptyMessage)
{
    ShownExceptions shown;
    Dispatch([] { throw 42; });
    EXPECT_EQ(shown.messages, std::vector<std::string>{""});
}

TEST(Exceptions, APaintHandlersExceptionDoesNotEscapeThePaintEvent)
{
    ShownExceptions shown;
    struct Throwing : TForm {
        Throwing() : TForm(0, 0, 100, 100, "throwing", clWhite) {}
        void FormPaint() override { throw std::runtime_error("beim Zeichnen"); }
    } form;
    form.Show();
    form.repaint();
    ASSERT_FALSE(shown.messages.empty());
    EXPECT_EQ(shown.messages.front(), "beim Zeichnen");
}

// The offscreen platform's notes that it cannot size or raise a window are
// left out; every other warning of Qt still reaches standard error.
TEST(Application, QtSpeaksOnlyWhenItHasSomethingToSay)
{
    testing::internal::CaptureStderr();
    qWarning("This plugin does not support propagateSizeHints()");
    qWarning("QPainter::begin: Paint device returned engine == 0");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.find("does not support"), std::string::npos) << said;
    EXPECT_NE(said.find("Paint device returned engine == 0"), std::string::npos) << said;
    EXPECT_NE(std::getenv("XDG_RUNTIME_DIR"), nullptr);
}

}  // namespace
