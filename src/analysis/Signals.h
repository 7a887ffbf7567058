#pragma once

#include "analysis/Analysis.h"

#include <array>
#include <string>
#include <vector>

// The signals the program decomposes: its own sine, test signals, and the
// user's samples from a file.
enum class SignalKind {
    Sinus,           // "Sinus (Original)": the program's sin(6.28 x)
    Stufe,           // 0 below 0.5, 1 from 0.5
    Knick,           // 1 - 2 |x - 0.5|
    Rechteck,        // 1 on [0.25, 0.75)
    Chirp,           // sin(2 pi (2x + 8x^2))
    Blocks,          // Donoho and Johnstone's four, each scaled to the
    Bumps,           //   largest magnitude among its samples
    HeaviSine,
    Doppler,
    SinusRauschen,   // the sine plus Gaussian noise (sigma 0.1, fixed seed)
    Datei,           // the user's samples
};

struct SignalName {
    SignalKind kind;
    const char* shown;  // as the list shows it
    const char* word;   // on the command line
};

// The signals of the list, in its order.
extern const std::array<SignalName, 10> SignalList;

// A signal: a kind of the list, or a file's values with its name.
struct Signal {
    SignalKind kind = SignalKind::Sinus;
    std::vector<double> values;  // a file signal's values
    std::string fileName;        // and where they came from
};

// The name the program shows: the list's, or the file's name.
std::string SignalShownName(const Signal& signal);

// The 2^j + 1 samples of the signal at level j, at the points where the sine
// is sampled (the centres of the scaling functions, with the single-precision
// shift of aktDelta). A test signal takes outside [0, 1] its value at the
// nearer end; a file signal is resampled linearly over its index range.
std::vector<double> SampleSignal(const Signal& signal, int j, double aktDelta);

// The file values resampled to n points equally spaced over their index range.
std::vector<double> ResampleLinear(const std::vector<double>& values, std::size_t n);

// The samples of the signal at MaxLevel become Koeff and KoeffOrig; Level is
// MaxLevel and MaxAbsKoeff the largest magnitude among them.
void TakeSamples(Analysis& A, const Signal& signal);
