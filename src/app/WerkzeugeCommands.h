#pragma once

#include "analysis/Denoising.h"
#include "analysis/Session.h"
#include "app/DeltaComparison.h"

#include <cstdint>
#include <memory>
#include <string>

class TfrmHaupt;
class TfrmKoeffizienten;
class TfrmWerkzeuge;

// A signal's name as the windows show it: a listed signal's in the language
// in use, a file's as it is called.
std::string SignalNameShown(const Signal& signal);

// The tools window ("Werkzeuge") and the coefficient window, and what their
// controls do to the program: choose a signal or its finest level, keep P % of
// the details, add noise and take it out again, take a Delta from the
// comparison. The tools window's numbers
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
    // "Go!", the signal sampled anew at MaxLevel (with the noise), the track
    // bar from MaxLevel down to Level (compression and denoising stay). The
    // numbers then are the row's.
    void TakeDelta(int position);

    // "Rauschen": noise of sigma (0 .. 1 of the largest magnitude) from a seed
    // on the signal, or none; the samples are taken anew and decomposed down
    // to the level they were at. False, with a message and nothing changed,
    // for a sigma out of its range or no number.
    bool AddNoise(double sigma, std::uint32_t seed);
    void RemoveNoise();
    // "Entrauschen": the rule, the kind, the manual lambda; the details,
    // function and error windows and the numbers follow. False, with a message
    // and nothing changed, for a rule where there are no details (Level =
    // MaxLevel) or fewer than 8 samples, and for a lambda below 0 or no number.
    bool ChooseDenoiseRule(ThresholdRule rule);
    void ChooseThresholdKind(ThresholdKind kind);
    bool ChooseLambda(double lambda);

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
    // The comparison of the analysis as it stands, computed to its end here
    // where it is not.
    void CompleteComparison();

    // The comparison stops; the two windows go.
    void ReleaseWindows();

private:
    void ShowRows();
    void RedrawCompressedWindows();
    // A file signal that a coefficient file names without its values cannot
    // be sampled: true, with a message, and nothing changes.
    bool CannotSample();
    // The samples taken anew at MaxLevel, then the track bar down to `level`.
    void TakeSamplesDownTo(int level);
    void ShowDenoiseNumbers();
    void ShowDenoiseMessage();
    // A refused input: its message, and the controls show the state again.
    bool Refuse(const std::string& message);

    TfrmHaupt& haupt;
    TfrmWerkzeuge* frmWerkzeuge = nullptr;
    TfrmKoeffizienten* frmKoeffizienten = nullptr;
    std::unique_ptr<DeltaComparison> comparison;
    bool numbersOwed = false;
    bool numbersFinite = true;  // as last shown
    bool comparisonAsked = false;
    bool comparisonOwed = false;
    // "Manuell" starts from the universal threshold until a lambda is chosen.
    bool lambdaChosen = false;
};
