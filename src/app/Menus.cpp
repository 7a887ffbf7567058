#include "app/Menus.h"

#include "app/Haupt.h"
#include "app/PictureFileCommands.h"
#include "app/Pictures.h"
#include "app/ProgramIcon.h"
#include "app/WerkzeugeCommands.h"
#include "toolkit/Application.h"
#include "windows/Hilfe.h"
#include "windows/Koeffizienten.h"
#include "windows/Werkzeuge.h"

#include <QFile>

Menus::Menus(TfrmHaupt& haupt)
    : pmnHaupt(&haupt),
      mniWerkzeuge(pmnHaupt.AddItem(Tr("Menus", "Werkzeuge"), [&haupt] { haupt.Werkzeuge().ShowWerkzeuge(); })),
      mniKoeffizienten(pmnHaupt.AddItem(Tr("Menus", "Koeffizienten"), [&haupt] { haupt.Werkzeuge().ShowKoeffizienten(); })),
      mnuFenster(pmnHaupt.addMenu(QString::fromStdString(Tr("Menus", "Fenster")))),
      mniAlleFensterSpeichern(pmnHaupt.AddItem(Tr("Menus", "Alle Fenster speichern…"), [&haupt] { SaveDesktopPicture(haupt); })),
      mniHilfe(pmnHaupt.AddItem(Tr("Menus", "Hilfe (F1)"), [this] { ShowHilfe(); })),
      mnuSprache(pmnHaupt.addMenu(QString::fromStdString(Tr("Menus", "Sprache")))),
      // Each language is named in its own words.
      mniDeutsch(mnuSprache->addAction(QStringLiteral("Deutsch"))),
      mniEnglish(mnuSprache->addAction(QStringLiteral("English"))),
      shcHilfe(QKeySequence(Qt::Key_F1), &haupt),
      haupt(haupt)
{
    haupt.PopupMenu = &pmnHaupt;
    shcHilfe.setContext(Qt::ApplicationShortcut);
    QObject::connect(&shcHilfe, &QShortcut::activated, &haupt, [this] { Dispatch([this] { ShowHilfe(); }); });
    for (auto [entry, language] : {std::pair{mniDeutsch, Language::German}, std::pair{mniEnglish, Language::English}}) {
        entry->setCheckable(true);
        QObject::connect(entry, &QAction::triggered, &haupt,
                         [this, language] { Dispatch([this, language] { ChooseLanguage(language); }); });
    }
    // The check is on the language of the next start: the one chosen, or the one in use.
    QObject::connect(mnuSprache, &QMenu::aboutToShow, &haupt, [this] {
        const Language next = RememberedLanguage().value_or(Application->LanguageInUse());
        mniDeutsch->setChecked(next == Language::German);
        mniEnglish->setChecked(next == Language::English);
    });
}

void Menus::ChooseLanguage(Language language)
{
    RememberLanguage(language);
    // The windows keep their texts: the message is in the language chosen.
    const std::string message =
        language == Application->LanguageInUse()
            ? TrIn(language, "Menus", Marked("Menus", "Sprache: Deutsch"))
            : TrIn(language, "Menus", Marked("Menus", "Sprache: Deutsch, ab dem nächsten Start von Vexlor"));
    haupt.Werkzeuge().Window().ShowMessage(message);
}

Menus::~Menus() = default;

TPlotWindow* Menus::CreatePlotWindow(const PlotWindowRow& row, PlotContext& plots)
{
    TPlotWindow* w = Application->Own(std::make_unique<TPlotWindow>(row, plots));
    w->SetIcon(ProgramIcon());
    TfrmHaupt& report = haupt;
    w->mniSavePicture = w->pmnPlot.AddItem(Tr("Menus", "Bild speichern…"), [&report, w] { SaveWindowPicture(*w, VectorDrawingOf(*w), report); });
    w->pmnPlot.AddItem(Tr("Menus", "Werkzeuge"), [&report] { report.Werkzeuge().ShowWerkzeuge(); });
    w->pmnPlot.AddItem(Tr("Menus", "Koeffizienten"), [&report] { report.Werkzeuge().ShowKoeffizienten(); });
    w->pmnPlot.AddItem(Tr("Menus", "Alle Fenster speichern…"), [&report] { SaveDesktopPicture(report); });
    w->Show();
    return w;
}

void Menus::AddFensterEntries()
{
    std::vector<TForm*> windows(haupt.Plots().windows.begin(), haupt.Plots().windows.end());
    windows.push_back(&haupt.Werkzeuge().Window());
    windows.push_back(&haupt.Werkzeuge().Koeffizienten());
    for (TForm* window : windows) {
        QAction* entry = mnuFenster->addAction(QString::fromStdString(window->Caption()));
        entry->setCheckable(true);
        QObject::connect(entry, &QAction::triggered, &haupt,
                         [this, window](bool checked) { Dispatch([this, window, checked] { ShowWindow(*window, checked); }); });
        // The checks say which windows are shown when the menu opens.
        QObject::connect(mnuFenster, &QMenu::aboutToShow, entry, [entry, window] { entry->setChecked(window->isVisible()); });
    }
    mnuFenster->addSeparator();
    mniFensterAnordnen = mnuFenster->addAction(QString::fromStdString(Tr("Menus", "Fenster anordnen")));
    QObject::connect(mniFensterAnordnen, &QAction::triggered, &haupt, [this] { Dispatch([this] { ArrangeWindows(); }); });
}

void Menus::ShowWindow(TForm& window, bool shown)
{
    if (!shown) {
        window.Hide();
        return;
    }
    WerkzeugeCommands& werkzeuge = haupt.Werkzeuge();
    if (&window == &werkzeuge.Koeffizienten()) {
        werkzeuge.ShowKoeffizienten();
        return;
    }
    if (&window == &werkzeuge.Window()) {
        werkzeuge.ShowWerkzeuge();
        return;
    }
    window.Show();
    window.raise();
    // A hidden plot window is not drawn: it draws its picture now.
    if (auto* plot = dynamic_cast<TPlotWindow*>(&window))
        plot->Draw(plot->RedrawFrame());
}

void Menus::ArrangeWindows()
{
    haupt.SetBounds(0, 0, 272, 202);
    for (TPlotWindow* w : haupt.Plots().windows) {
        const Bounds& b = w->Row.bounds;
        w->SetBounds(b.left, b.top, b.width, b.height);
        ShowWindow(*w, true);
    }
    haupt.Werkzeuge().Window().SetBounds(1024, 0, 300, 740);
    haupt.Show();
}

void Menus::ShowHilfe()
{
    if (!frmHilfe) {
        QFile text(Application->LanguageInUse() == Language::German ? QStringLiteral(":/vexlor/hilfe.html")
                                                                    : QStringLiteral(":/vexlor/hilfe_en.html"));
        text.open(QIODevice::ReadOnly);
        frmHilfe = Application->Own(std::make_unique<TfrmHilfe>(QString::fromUtf8(text.readAll())));
        frmHilfe->SetIcon(ProgramIcon());
    }
    frmHilfe->Show();
    frmHilfe->raise();
    frmHilfe->activateWindow();
}

void Menus::ReleaseWindows()
{
    if (frmHilfe)
        Application->Release(frmHilfe);
    frmHilfe = nullptr;
}
