#pragma once

#include "analysis/Analysis.h"
#include "analysis/Compression.h"
#include "analysis/DeltaSweep.h"
#include "analysis/Signals.h"

#include <vector>

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
    bool hasReference = true;
};
