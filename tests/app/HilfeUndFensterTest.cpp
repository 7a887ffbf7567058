#include "ProgramFixture.h"

#include "windows/Hilfe.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <QKeyEvent>

namespace {

QAction* FensterEntry(TfrmHaupt* haupt, const QString& caption)
{
    for (QAction* entry : haupt->ContextMenus().mnuFenster->actions())
        if (entry->text() == caption)
            return entry;
    return nullptr;
}

TEST_F(Program, FOneOpensTheHelpThatNamesEveryWindow)
{
    EXPECT_EQ(frmHaupt->ContextMenus().shcHilfe.key(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(frmHaupt->ContextMenus().shcHilfe.context(), Qt::ApplicationShortcut);  // in every window
    emit frmHaupt->ContextMenus().shcHilfe.activated();
    ASSERT_NE(frmHaupt->ContextMenus().Hilfe(), nullptr);
    EXPECT_TRUE(frmHaupt->ContextMenus().Hilfe()->isVisible());
    EXPECT_EQ(frmHaupt->ContextMenus().Hilfe()->Caption(), "Hilfe");
    const QString text = frmHaupt->ContextMenus().Hilfe()->txtHilfe.toPlainText().simplified();
    std::vector<TForm*> windows = {frmHaupt, frmCalcInfo, &frmHaupt->Werkzeuge().Window(), &frmHaupt->Werkzeuge().Koeffizienten(),
                                   frmHaupt->ContextMenus().Hilfe()};
    windows.insert(windows.end(), frmHaupt->Plots().windows.begin(), frmHaupt->Plots().windows.end());
    for (const TForm* w : windows) {
        const QString caption = QString::fromStdString(w->Caption()).simplified();
        EXPECT_TRUE(text.contains(caption)) << w->Name();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Info")));
    frmHaupt->ContextMenus().mniHilfe->trigger();  // the menu's entry opens the same window
    EXPECT_EQ(frmHaupt->ContextMenus().Hilfe()->isVisible(), true);

    // Escape in the text closes it, as it closes a dialog; other keys do not.
    for (const int key : {int(Qt::Key_Down), int(Qt::Key_Escape)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&frmHaupt->ContextMenus().Hilfe()->txtHilfe, &press);
        EXPECT_EQ(frmHaupt->ContextMenus().Hilfe()->isVisible(), key != Qt::Key_Escape);
    }
}

TEST_F(Program, FensterBringsAClosedWindowBackWithACurrentPicture)
{
    frmDetails->close();
    EXPECT_FALSE(frmDetails->isVisible());
    frmHaupt->trbLevel.SetPosition(4);
    emit frmHaupt->ContextMenus().mnuFenster->aboutToShow();
    QAction* entry = FensterEntry(frmHaupt, "Die Details der Funktion");
    ASSERT_NE(entry, nullptr);
    EXPECT_FALSE(entry->isChecked());
    entry->trigger();
    EXPECT_TRUE(frmDetails->isVisible());
    const QImage shown = frmDetails->ClientPicture();
    frmDetails->Draw(frmDetails->RedrawFrame());
    EXPECT_EQ(frmDetails->ClientPicture(), shown);  // nothing newer to draw
    EXPECT_EQ(frmDetails->LastFrame.YMax, 1.7 * A->MaxAbsKoeff);
    entry->trigger();  // unchecked: hidden again
    EXPECT_FALSE(frmDetails->isVisible());
    EXPECT_EQ(frmHaupt->ContextMenus().mnuFenster->actions().size(), 7 + 2 + 2);  // the windows, a separator, "Fenster anordnen"
}

TEST_F(Program, FensterAnordnenRestoresEveryBound)
{
    frmHaupt->SetBounds(300, 200, 400, 300);
    frmError->SetBounds(10, 10, 500, 100);
    frmWavelet->Hide();
    frmHaupt->Werkzeuge().Window().SetBounds(50, 50, 200, 200);
    frmHaupt->ContextMenus().mniFensterAnordnen->trigger();
    EXPECT_EQ(frmHaupt->Left(), 0);
    EXPECT_EQ(frmHaupt->Width(), 272);
    EXPECT_EQ(frmHaupt->Height(), 202);
    for (TPlotWindow* w : frmHaupt->Plots().windows) {
        EXPECT_EQ(w->Left(), w->Row.bounds.left) << w->Name();
        EXPECT_EQ(w->Top(), w->Row.bounds.top) << w->Name();
        EXPECT_EQ(w->Width(), w->Row.bounds.width) << w->Name();
        EXPECT_EQ(w->Height(), w->Row.bounds.height) << w->Name();
        EXPECT_TRUE(w->isVisible()) << w->Name();
    }
    EXPECT_EQ(frmHaupt->Werkzeuge().Window().Left(), 1024);
    EXPECT_EQ(frmHaupt->Werkzeuge().Window().Height(), 740);
}

}  // namespace
