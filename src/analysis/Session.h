#pragma once

#include "analysis/Analysis.h"
#include "analysis/Compression.h"
#include "analysis/DeltaSweep.h"
#include "analysis/Signals.h"

#include <optional>
#include <string_view>
#include <vector>

// How the plot windows draw their axes: as the original program did, or each
// function window framed around its own curve ("an die Daten angepasst").
enum class AxesChoice { Original, Fitted };

// The choice's word in files and on the command line: "original", "angepasst".
const char* AxesWord(AxesChoice choice);
std::optional<AxesChoice> FindAxesChoice(std::string_view word);

// What a newly chosen signal is drawn with: its own range for a file's
// values, the original's frames for the sine and the test signals.
AxesChoice DefaultAxes(const Signal& signal);

// The program's analysis together with what it was made from and what the
// function windows draw of it: the signal whose samples it started from, and
// the compression ("Behaltene Details: P %") with the copy of the analysis
// that keeps only those details. The main window's handlers step State()
// itself; after every change of Koeff or Level, Refresh() brings the
// compressed copy up to date before anything draws from Shown().
class AnalysisSession {
public:
    Analysis& State() { return state; }
    const Analysis& State() const { return state; }
    // What the details, function and error windows draw: the analysis itself
    // at 100 %, else its copy with only the details kept.
    const Analysis& Shown() const { return keepPercent == 100 ? state : compressed; }
    // Which details stay (1), by position from 2^Level + 1 on.
    const std::vector<char>& KeptDetails() const { return kept; }
    int KeepPercent() const { return keepPercent; }
    KeepBy KeepRanking() const { return keepBy; }
    const Signal& CurrentSignal() const { return signal; }
    AxesChoice Axes() const { return axes; }

    // The signal's samples at MaxLevel, with the shift of aktDelta, become
    // Koeff and KoeffOrig; Level is MaxLevel. The level matrices are the
    // caller's to compute.
    void ChooseSignal(Signal chosen);
    void TakeSamples();
    // The signal a loaded file names (its samples are the caller's).
    void NameSignal(Signal named) { signal = std::move(named); }
    // Whether KoeffOrig holds the samples of the current signal at MaxLevel:
    // a loaded file may name a file signal without giving its samples, and
    // the error window and the numbers then have nothing to compare with.
    bool HasReference() const { return hasReference; }
    // The samples at MaxLevel become the reference (KoeffOrig), or there is none.
    void SetReference(const std::vector<double>& samples);
    void ForgetReference() { hasReference = false; }
    // "Behaltene Details: P %", ranked "nach Beitrag" or "nach Betrag |d|";
    // the compressed copy follows.
    void SetKeepPercent(int percent);
    void SetKeepRanking(KeepBy by);
    // "Achsen: wie im Original" or "an die Daten angepasst"; choosing a
    // signal leaves it to the caller (DefaultAxes).
    void SetAxes(AxesChoice choice) { axes = choice; }
    // What the Delta comparison of this analysis starts from.
    DeltaSweepInput ComparisonInput() const { return DeltaSweepInputOf(state, signal, keepPercent, keepBy); }
    // After Koeff or Level changed: the kept details and the compressed copy follow.
    void Refresh();

private:
    Analysis state;
    Analysis compressed;
    Signal signal;
    int keepPercent = 100;
    KeepBy keepBy = KeepBy::Contribution;
    std::vector<char> kept;
    AxesChoice axes = AxesChoice::Original;
    bool hasReference = true;
};
