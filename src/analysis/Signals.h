#pragma once

#include "analysis/Analysis.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The signals the program decomposes: its own sine, test signals, and the
// user's samples from a file.

// The 2^j + 1 samples of a signal at level j, at the points where the sine is
// sampled: the centres of the scaling functions, with the single-precision
// shift of aktDelta.
using Sampler = std::vector<double> (*)(int j, double aktDelta);

// A signal of the list: a new one is one row and its sampler.
struct SignalRow {
    const char* word;   // on the command line: "stufe"
    const char* shown;  // in the list, and after ";Signal:" in a .mdt file: "Stufe"
    Sampler sample;
};

// The list, in the order the tools window shows it; row 0 is the program's sine.
std::span<const SignalRow> SignalList();

// The row named by its word or by its shown name; nothing for any other name.
std::optional<int> FindSignal(std::string_view name);

// The times of a signal's first and last sample (a file's time column): the
// x axis shows `first` at 0 and `last` at 1.
struct TimeRange {
    double first = 0.0, last = 1.0;

    // The time at x, and the x of a time.
    double At(double x) const { return first + x * (last - first); }
    double Of(double time) const { return (time - first) / (last - first); }
    bool operator==(const TimeRange&) const = default;
};

// A signal: a row of the list, or a file's values with its name.
struct Signal {
    int listIndex = 0;               // the row; -1 for a file's values
    std::vector<double> values;      // a file signal's values
    std::string fileName;            // and where they came from
    std::optional<TimeRange> times;  // none: the x axis reads 0 .. 1

    static Signal Listed(int listIndex) { return Signal{listIndex, {}, {}, {}}; }
    static Signal File(std::vector<double> values, std::string fileName, std::optional<TimeRange> times = {})
    {
        return Signal{-1, std::move(values), std::move(fileName), times};
    }
    bool IsFile() const { return listIndex < 0; }
    bool operator==(const Signal&) const = default;
};

// The name the program shows: the list's, or the file's name.
std::string SignalShownName(const Signal& signal);

// The 2^j + 1 samples of the signal at level j. A test signal takes outside
// [0, 1] its value at the nearer end; a file signal is resampled linearly over
// its index range.
std::vector<double> SampleSignal(const Signal& signal, int j, double aktDelta);

// The file values resampled to n points equally spaced over their index range.
std::vector<double> ResampleLinear(const std::vector<double>& values, std::size_t n);

// The samples of the signal at MaxLevel become Koeff and KoeffOrig; Level is
// MaxLevel and MaxAbsKoeff the largest magnitude among them.
void TakeSamples(Analysis& A, const Signal& signal);
