#pragma once

#include "analysis/Analysis.h"
#include "analysis/Compression.h"
#include "analysis/Denoising.h"
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
// function windows draw of it: the signal whose samples it started from, the
// noise added to them with the clean samples as the reference, and the copy
// of the analysis with its details thresholded ("Entrauschen") and P % of
// them kept ("Behaltene Details"). The main window's handlers step State()
// itself; after every change of Koeff or Level, Refresh() brings that copy up
// to date before anything draws from Shown().
class AnalysisSession {
public:
    Analysis& State() { return state; }
    const Analysis& State() const { return state; }
    // What the details, function and error windows draw: the analysis itself
    // at 100 % without denoising, else its copy with only the details kept.
    const Analysis& Shown() const { return changed ? shown : state; }
    // Which details stay (1), by position from 2^Level + 1 on.
    const std::vector<char>& KeptDetails() const { return details.kept; }
    int KeepPercent() const { return keepPercent; }
    KeepBy KeepRanking() const { return keepBy; }
    const Signal& CurrentSignal() const { return signal; }
    AxesChoice Axes() const { return axes; }

    // The signal's samples at MaxLevel, with the shift of aktDelta and the
    // noise, become Koeff and KoeffOrig; Level is MaxLevel. The level
    // matrices are the caller's to compute.
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
    // the shown copy follows.
    void SetKeepPercent(int percent);
    void SetKeepRanking(KeepBy by);
    // "Achsen: wie im Original" or "an die Daten angepasst"; choosing a
    // signal leaves it to the caller (DefaultAxes).
    void SetAxes(AxesChoice choice) { axes = choice; }

    // "Rauschen": the noise of the samples taken from now on (nothing: none).
    // The samples are the caller's to take anew.
    void SetNoise(std::optional<NoiseSettings> noise) { this->noise = noise; }
    const std::optional<NoiseSettings>& Noise() const { return noise; }
    // The samples without their noise, as the last samples were taken; empty
    // without noise.
    const std::vector<double>& CleanSamples() const { return clean; }
    // A file's coefficients replace the samples: the noise and its clean
    // reference go.
    void ForgetNoise();
    // A lesson's samples as the reference; with noise they are the clean
    // ones, and the reference their noisy ones, the noise made from its seed
    // as when they were taken.
    void SetCleanReference(const std::vector<double>& cleanSamples);

    // "Entrauschen": rule, kind and manual lambda; the shown copy follows.
    void SetDenoise(const DenoiseSettings& settings);
    const DenoiseSettings& Denoise() const { return denoise; }
    // Whether the shown copy was thresholded, and with what.
    bool Denoised() const { return details.denoised; }
    const Thresholds& CurrentThresholds() const { return details.thresholds; }

    // What the Delta comparison of this analysis starts from.
    DeltaSweepInput ComparisonInput() const;
    // After Koeff or Level changed: the kept details and the shown copy follow.
    void Refresh();

private:
    Analysis state;
    Analysis shown;
    bool changed = false;  // shown differs from state
    Signal signal;
    int keepPercent = 100;
    KeepBy keepBy = KeepBy::Contribution;
    AxesChoice axes = AxesChoice::Original;
    std::optional<NoiseSettings> noise;
    std::vector<double> clean;
    DenoiseSettings denoise;
    ShownDetails details;
    bool hasReference = true;
};
