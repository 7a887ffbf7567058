#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Language.h"
#include "windows/PlotWindow.h"

#include <QShortcut>

class TForm;
class TfrmHaupt;
class TfrmHilfe;

// The program's context menus beyond the original: the main window's
// ("Werkzeuge", "Koeffizienten", "Fenster", "Alle Fenster speichern…",
// "Hilfe (F1)", "Sprache"), each plot window's ("Bild speichern…" and the same ways to
// the tools), and the help window they open, with F1 in every window.
class Menus {
public:
    explicit Menus(TfrmHaupt& haupt);
    ~Menus();

    // A plot window, created owned by the application object and shown at
    // once, with the program's icon and its context menu.
    TPlotWindow* CreatePlotWindow(const PlotWindowRow& row, PlotContext& plots);
    // "Fenster": an entry per window (the plot windows, the tools and the
    // coefficient window), checked while it is shown, and "Fenster anordnen".
    void AddFensterEntries();

    // Shows and raises a window with a current picture, or hides it.
    void ShowWindow(TForm& window, bool shown);
    // The original eight at their laid-out bounds, the tools window beside them.
    void ArrangeWindows();
    // "Sprache": the language of the next start, remembered; the tools
    // window's "Meldung" says so in that language.
    void ChooseLanguage(Language language);
    // Opens (and raises) the help window, in the language in use.
    void ShowHilfe();
    TfrmHilfe* Hilfe() const { return frmHilfe; }
    void ReleaseWindows();

    TPopupMenu pmnHaupt;
    QAction* mniWerkzeuge;
    QAction* mniKoeffizienten;
    QMenu* mnuFenster;
    QAction* mniFensterAnordnen = nullptr;
    QAction* mniAlleFensterSpeichern;
    QAction* mniHilfe;
    QMenu* mnuSprache;
    QAction* mniDeutsch;
    QAction* mniEnglish;
    QShortcut shcHilfe;  // F1 in every window of the program

private:
    TfrmHaupt& haupt;
    TfrmHilfe* frmHilfe = nullptr;  // made when first asked for
};
