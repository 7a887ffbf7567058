// The module vexlor._vexlor: the program's core for Python.
#include "Analyses.h"
#include "Arrays.h"
#include "PyAnalysis.h"

#include "analysis/ScalingFunctions.h"
#include "analysis/Signals.h"
#include "io/SignalFile.h"

#include <pybind11/stl.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

const char* const ScalingFunctionDoc = R"(The BLaC scaling function phi(2^level x - shift) of this Delta at x: the
trapezoid that rises on (0, Delta), is 1 on [Delta, 1] and falls on
(1, 1 + Delta), dilated to level and shifted (the window
"Skalierungsfunktion" shows it at shift 0).

x: a number, or an array of any shape; the result is a float, or an array
of that shape. delta: in [0, 1]. level: 0 .. 12. shift: any integer; level j
has the shifts -1 .. 2^j - 1.)";

const char* const WaveletDoc = R"(The BLaC wavelet of this Delta, of level and shift, at x: a combination of
the scaling functions of level + 1 that is orthogonal to those of level.
Shift -1 is the left boundary wavelet, 2^level - 2 the right one, the shifts
between are interior wavelets, supported on (shift, shift + 3) / 2^level.
The details of level j (decompose()) are the coefficients of these wavelets,
in the order of their shifts.

x: a number, or an array of any shape; the result is a float, or an array
of that shape. delta: in [0, 1]. level: 2 .. 11.)";

const char* const TestSignalDoc = R"(The program's test signal `name` at the finest level max_level: 2^max_level
+ 1 samples at the centres of the scaling functions, x_i = (i + s) / 2^max_level
for i = -1 .. 2^max_level - 1 with s = (1 + delta) / 2 held in single
precision, as the program samples. A test signal takes outside [0, 1] its
value at the nearer end.

name: one of SIGNALS: "sinus" (the program's sin(6.28 x)), "stufe",
"knick", "rechteck", "chirp", "blocks", "bumps", "heavisine", "doppler"
(the last four scaled to a largest magnitude of 1), "sinus-rauschen" (the
sine with the same Gaussian noise of sigma 0.1 every time).
max_level: 2 .. 12. delta: in [0, 1].)";

const char* const ResampleDoc = R"(The values resampled linearly over their index range to 2^m + 1 points, as
the program takes the values of a signal file ("Datei..."). Without
max_level, m is the level such a file gets: 2^m + 1 values stay as they are,
any other count goes to the next 2^m + 1, and beyond 4097 values to 4097.

values: at least 5 finite numbers. max_level: 2 .. 12.)";

const char* const DecomposeDoc = R"(The BLaC decomposition of the samples with this Delta down to `level`:
[smooth, details of level, details of level + 1, ..., details of
max_level - 1], coarsest first as in PyWavelets; the smooth part has
2^level + 1 values and the details of level j have 2^j. These are the
program's coefficients bit for bit, as Analysis(samples, delta) with its
level set gives them.

Here, as everywhere in vexlor, `level` is the level the result is at
(2^level intervals on [0, 1], the program's track bar), not a number of
steps: 2^m + 1 samples are at max_level = m, and the steps are
max_level - level.

samples: 2^m + 1 finite numbers, m = 2 .. 12 (resample() makes such a
count). delta: in [0, 1]. level: 2 .. max_level. The arrays are views of one
new array, the program's coefficient array.)";

const char* const ReconstructDoc = R"(The coefficients of decompose() (or Analysis.coefficients) rebuilt to the
finest level: the smooth part and the details of each level refined to the
level above (P c + Q d), as the program's track bar steps up. The result has
2^max_level + 1 values. Only at Delta 0 is it the samples that were
decomposed (to rounding): the spaces of neighbouring levels are not nested,
and near the ends of [0, 1] a signal far from 0 comes back far from its
samples (a constant 130, decomposed at Delta 0.5 to level 3 from level 10,
comes back 58 off at the left end).

coeffs: [smooth (2^level + 1 values), details of level (2^level values), ...,
details of max_level - 1], level >= 2, max_level <= 12, finite numbers.
delta: in [0, 1], the Delta they were decomposed with.)";

py::object ScalingFunction(const py::object& x, double delta, int level, int shift)
{
    CheckedDelta(delta);
    CheckLevel("level", level, 0, LevelLimit, "0 to 12");
    return Evaluate(x, [&](const double* points, double* values, std::size_t n) {
        Analysis A;
        A.Delta = delta;
        for (std::size_t i = 0; i < n; ++i)
            values[i] = PhiDeltaJK(A, points[i], shift, level);
    });
}

py::object Wavelet(const py::object& x, double delta, int level, int shift)
{
    CheckedDelta(delta);
    CheckLevel("level", level, MinLevel, LevelLimit - 1, "the levels that have details: 2 to 11");
    CheckLevel("shift", shift, -1, LevelSize[level] - 2, "the wavelets of the level: -1 to 2^level - 2");
    return Evaluate(x, [&](const double* points, double* values, std::size_t n) {
        Analysis A;
        A.Delta = delta;
        A.aktDelta = delta;
        SetMaxLevel(A, level + 1);
        ComputeLevelMatrices(A);
        for (std::size_t i = 0; i < n; ++i)
            values[i] = PsiAktJK(A, points[i], shift, level);
    });
}

DoubleArray TestSignal(const std::string& name, int maxLevel, double delta)
{
    const SignalName* signal = nullptr;
    std::string names;
    for (const SignalName& listed : SignalList) {
        if (name == listed.word)
            signal = &listed;
        names += (names.empty() ? "" : ", ") + std::string(listed.word);
    }
    if (!signal)
        throw py::value_error("there is no test signal \"" + name + "\"; the signals are " + names);
    CheckLevel("max_level", maxLevel, MinLevel, LevelLimit, "2 to 12");
    CheckedDelta(delta);
    std::vector<double> samples;
    {
        py::gil_scoped_release free;
        samples = SampleSignal(Signal{signal->kind, {}, {}}, maxLevel, delta);
    }
    return ToArray(std::move(samples));
}

DoubleArray Resample(const py::object& values, std::optional<int> maxLevel)
{
    const DoubleArray v = AsFiniteVector(values, "values");
    const auto count = static_cast<std::size_t>(v.size());
    if (count < 5)
        throw py::value_error("values must hold at least 5 numbers, as a signal file does, not "
                              + std::to_string(count));
    if (maxLevel)
        CheckLevel("max_level", *maxLevel, MinLevel, LevelLimit, "2 to 12");
    const int m = maxLevel ? *maxLevel : SignalLevel(count);
    const std::span<const double> given = Values(v);
    std::vector<double> resampled;
    {
        py::gil_scoped_release free;
        resampled = ResampleLinear(std::vector<double>(given.begin(), given.end()), LevelSize[m] + 1);
    }
    return ToArray(std::move(resampled));
}

// The program's coefficient array at its used length, taken from the analysis.
std::vector<double> UsedKoeff(Analysis&& A)
{
    A.Koeff.resize(static_cast<std::size_t>(LevelSize[A.MaxLevel]) + 1);
    return std::move(A.Koeff);
}

py::list Decompose(const py::object& samples, double delta, int level)
{
    const DoubleArray values = AsFiniteVector(samples, "samples");
    const int maxLevel = MaxLevelOfCount(values.size(), "samples");
    CheckedDelta(delta);
    CheckLevel("level", level, MinLevel, maxLevel, "2 to max_level, where 2^max_level + 1 is the number of samples");
    std::vector<double> koeff;
    {
        py::gil_scoped_release free;
        Analysis A = AnalysisOfSamples(Values(values), maxLevel, delta);
        MoveToLevel(A, level);
        koeff = UsedKoeff(std::move(A));
    }
    return SplitByLevel(ToArray(std::move(koeff)), level, maxLevel);
}

DoubleArray Reconstruct(const py::sequence& coeffs, double delta)
{
    if (coeffs.empty())
        throw py::value_error("coeffs must hold the smooth part and the details, but is empty");
    std::vector<DoubleArray> parts;
    for (std::size_t k = 0; k < coeffs.size(); ++k)
        parts.push_back(AsFiniteVector(coeffs[k], ("coeffs[" + std::to_string(k) + "]").c_str()));
    const std::optional<int> smoothLevel = LevelOfCount(static_cast<std::size_t>(parts[0].size()));
    if (!smoothLevel)
        throw py::value_error("coeffs[0], the smooth part, must hold 2^level + 1 values for a level from 2 to 12 "
                              "(5, 9, 17, ..., 4097), not " + std::to_string(parts[0].size()));
    const int level = *smoothLevel;
    const int maxLevel = level + static_cast<int>(parts.size()) - 1;
    if (maxLevel > LevelLimit)
        throw py::value_error("coeffs reach the finest level " + std::to_string(maxLevel)
                              + ", but the finest level is at most 12");
    for (std::size_t k = 1; k < parts.size(); ++k) {
        const int j = level + static_cast<int>(k) - 1;
        if (parts[k].size() != LevelSize[j])
            throw py::value_error("coeffs[" + std::to_string(k) + "], the details of level " + std::to_string(j)
                                  + ", must hold 2^" + std::to_string(j) + " = " + std::to_string(LevelSize[j])
                                  + " values, not " + std::to_string(parts[k].size()));
    }
    CheckedDelta(delta);
    std::vector<double> samples;
    {
        py::gil_scoped_release free;
        Analysis A;
        A.Delta = delta;
        A.aktDelta = delta;
        SetMaxLevel(A, maxLevel);
        A.Level = level;
        auto place = A.Koeff.begin();
        for (const DoubleArray& part : parts)
            place = std::copy_n(part.data(), part.size(), place);
        ComputeLevelMatrices(A);
        MoveToLevel(A, maxLevel);
        samples = UsedKoeff(std::move(A));
    }
    return ToArray(std::move(samples));
}

}  // namespace

PYBIND11_MODULE(_vexlor, m)
{
    m.doc() = "The compiled core of vexlor; use the package vexlor.";
    m.def("scaling_function", &ScalingFunction, py::arg("x"), py::arg("delta"), py::arg("level") = 0,
          py::arg("shift") = 0, ScalingFunctionDoc);
    m.def("wavelet", &Wavelet, py::arg("x"), py::arg("delta"), py::arg("level"), py::arg("shift"), WaveletDoc);
    m.def("test_signal", &TestSignal, py::arg("name"), py::arg("max_level"), py::arg("delta") = 0.4, TestSignalDoc);
    m.def("resample", &Resample, py::arg("values"), py::arg("max_level") = py::none(), ResampleDoc);
    m.def("decompose", &Decompose, py::arg("samples"), py::arg("delta"), py::arg("level"), DecomposeDoc);
    m.def("reconstruct", &Reconstruct, py::arg("coeffs"), py::arg("delta"), ReconstructDoc);
    py::tuple signals(SignalList.size());
    for (std::size_t i = 0; i < SignalList.size(); ++i)
        signals[i] = SignalList[i].word;
    m.attr("SIGNALS") = signals;
    BindAnalysis(m);
    BindFiles(m);
}
