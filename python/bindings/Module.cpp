// The module vexlor._vexlor: the program's core for Python.
#include "Analyses.h"
#include "Arrays.h"
#include "Docstrings.h"
#include "PyAnalysis.h"

#include "analysis/ScalingFunctions.h"
#include "analysis/Signals.h"
#include "io/SignalFile.h"

#include <pybind11/stl.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

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
    const int listed = ListedSignal(name);
    CheckLevel("max_level", maxLevel, MinLevel, LevelLimit, "2 to 12");
    CheckedDelta(delta);
    std::vector<double> samples;
    {
        py::gil_scoped_release free;
        samples = SampleSignal(Signal::Listed(listed), maxLevel, delta);
    }
    return ToArray(std::move(samples));
}

DoubleArray Resample(const py::object& values, std::optional<int> maxLevel)
{
    const DoubleArray v = AsFiniteVector(values, "values");
    const auto count = static_cast<std::size_t>(v.size());
    if (count < 4)
        throw py::value_error("values must hold at least 4 numbers, as a signal file does, not "
                              + std::to_string(count));
    if (maxLevel)
        CheckLevel("max_level", *maxLevel, MinLevel, LevelLimit, "2 to 12");
    const std::span<const double> given = Values(v);
    std::vector<double> resampled;
    {
        py::gil_scoped_release free;
        // As the program takes a file's values, then samples them at a level.
        std::vector<double> taken(given.begin(), given.end());
        if (RepeatsLastValue(count))
            taken.push_back(taken.back());
        const int m = maxLevel ? *maxLevel : SignalLevel(taken.size());
        resampled = ResampleLinear(taken, static_cast<std::size_t>(LevelSize[m]) + 1);
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
          py::arg("shift") = 0, Doc_scaling_function);
    m.def("wavelet", &Wavelet, py::arg("x"), py::arg("delta"), py::arg("level"), py::arg("shift"), Doc_wavelet);
    m.def("test_signal", &TestSignal, py::arg("name"), py::arg("max_level"), py::arg("delta") = 0.4, Doc_test_signal);
    m.def("resample", &Resample, py::arg("values"), py::arg("max_level") = py::none(), Doc_resample);
    m.def("decompose", &Decompose, py::arg("samples"), py::arg("delta"), py::arg("level"), Doc_decompose);
    m.def("reconstruct", &Reconstruct, py::arg("coeffs"), py::arg("delta"), Doc_reconstruct);
    py::tuple signals(SignalList().size());
    for (std::size_t i = 0; i < SignalList().size(); ++i)
        signals[i] = SignalList()[i].word;
    m.attr("SIGNALS") = signals;
    BindAnalysis(m);
    BindFiles(m);
}
