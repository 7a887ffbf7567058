#pragma once

#include "analysis/Analysis.h"

#include <optional>
#include <string>
#include <vector>

class TForm;

// The program as a script drives it: a user's actions in their order, and
// what the program then shows. The snapshot tool runs on this.

// One user action, as the controls of the main window take it.
struct ScriptedAction {
    enum Kind {
        Scroll, Go, Level, ZoomSkal, ZoomWavelet, Load, Save, MaxLevel, Signal, Keep, KeepBy, DeltaSweep, TakeBestDelta,
        Axes, OneScale, Noise, Denoise, Threshold
    } kind = Go;
    // The scroll position, a level, the percentage of details kept, the
    // noise's seed, or the denoising rule (a ThresholdRule).
    int number = 0;
    // A zoom box's wanted state; for KeepBy, "nach Betrag |d|"; for Axes,
    // "angepasst"; for OneScale, "ein Maßstab für alle"; for Threshold, "weich".
    bool on = false;
    std::string file = {};  // the file to load or save; a signal's name or file
    double value = 0.0;     // the noise's sigma, or the manual lambda
};

// The program started as its entry starts it, its main window shown, the
// tools window beside it as on a screen wide enough, and the coefficients.
void StartScriptedProgram();

// Applies one action as the user would; false (with a message) when the track
// bar cannot reach the level asked for, or the program refuses to denoise.
bool Apply(const ScriptedAction& action, std::string& error);

// The caption of a load or save that failed (refused, not opened, not
// written); nothing for any other action or outcome.
std::optional<std::string> FileFailure(const ScriptedAction& action);

// The tools window's Delta comparison completed for the state reached, so that
// pictures do not depend on how far the background got.
void CompleteDeltaComparison();

// The Delta comparison of the state reached, as CSV:
// "delta,max_error,rms_error,distance_max,distance_rms" and a row per Delta
// (after a DeltaSweep action); with noise added a column "denoised_rms" more.
std::string DeltaSweepCsv();

// The coefficients as CSV: a row "i,Koeff[i],shown[i]" per position up to
// 2^MaxLevel, shown[i] as the details, function and error windows take it
// (with the details that compression keeps).
std::string KoeffCsv();

// The state lines: the analysis, the three labels and every window's caption,
// and the best Delta of the comparison where one was asked for; with noise or
// denoising, their numbers.
std::string StateReport(bool withBestDelta);

// Every window of the program, the main window first, the plot windows in
// the table's order, the progress window last.
std::vector<TForm*> ProgramWindows();
