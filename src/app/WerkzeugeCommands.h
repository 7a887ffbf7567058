#pragma once

#include "analysis/Session.h"
#include "app/DeltaComparison.h"

#include <memory>

class TfrmHaupt;
class TfrmKoeffizienten;
class TfrmWerkzeuge;

// The tools window ("Werkzeuge") and the coefficient window, and what their
// controls do to the program: choose a signal or its finest level, keep P % of
// the details, take a Delta from the comparison. The tools window's numbers
// are computed while it or the coefficient window is open; its Delta
// comparison runs in the background.
class WerkzeugeCommands {
public:
    explicit WerkzeugeCommands(TfrmHaupt& haupt);
    ~WerkzeugeCommands();

    TfrmWerkzeuge& Window() const { return *frmWerkzeuge; }
    TfrmKoeffizienten& Koeffizienten() const { return *frmKoeffizienten; }
    DeltaComparison& Comparison() { return *comparison; }

    // "Signal": a signal of the list, a file's samples ("Datei…"), the finest
    // level, "Neu abtasten". Each takes the samples anew at MaxLevel (Level
    // becomes MaxLevel), computes the level matrices with the progress window
    // and redraws both groups of windows.
    void ChooseSignal(int listIndex);
    void ChooseSignalFile();
    void ChooseMaxLevel(int maxLevel);
    void SampleAnew();
    // "Behaltene Details: P %", ranked "nach Beitrag" or "nach Betrag |d|":
    // the details, function and error windows, the numbers and the
    // coefficient window follow; Koeff stays as it is.
    void ChooseKeepPercent(int percent);
    void ChooseKeepRanking(KeepBy by);
    // "Achsen: wie im Original" or "an die Daten angepasst": the plot windows
    // are drawn anew. Choosing a signal sets its default (DefaultAxes).
    void ChooseAxes(AxesChoice choice);
    // "ein Maßstab für alle" in the coefficient window, or a scale per row.
    void ChooseOneScale(bool one);
    // A Delta of the comparison taken as its row was made: the scroll bar,
    // "Go!", the signal sampled anew at MaxLevel, the track bar from MaxLevel
    // down to Level (the compression stays). The numbers then are the row's.
    void TakeDelta(int position);

    // Show and raise the windows (with their numbers up to date).
    void ShowWerkzeuge();
    void ShowKoeffizienten();
    // The tools window beside the original arrangement, where the screen has room.
    void ShowBesideTheWindowsWhereThereIsRoom();
    // The tools window names the current signal, finest level and axes.
    void ShowSignal();

    // The numbers, the comparison's marker and the coefficient window for the
    // analysis as it stands; while both windows are closed only noted as owed.
    void ShowNumbers();
    // The comparison of the analysis as it stands, asked for once the handler
    // that runs has ended (nothing new when it is the one under way or done);
    // while the tools window is closed only noted as owed.
    void RequestComparison();

    // The comparison stops; the two windows go.
    void ReleaseWindows();

private:
    void ShowRows();
    void RedrawCompressedWindows();

    TfrmHaupt& haupt;
    TfrmWerkzeuge* frmWerkzeuge = nullptr;
    TfrmKoeffizienten* frmKoeffizienten = nullptr;
    std::unique_ptr<DeltaComparison> comparison;
    bool numbersOwed = false;
    bool comparisonAsked = false;
    bool comparisonOwed = false;
};
