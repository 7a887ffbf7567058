#include "PyAnalysis.h"

#include "Analyses.h"
#include "Docstrings.h"

#include <algorithm>
#include <cstdio>

PyAnalysis::PyAnalysis(Analysis analysis, bool hasSamples, std::string signal)
    : maxLevel(analysis.MaxLevel), delta(analysis.aktDelta), hasSamples(hasSamples), signal(std::move(signal)),
      A(std::move(analysis))
{
}

int PyAnalysis::Level() const
{
    return Locked([](const Analysis& A) { return A.Level; });
}

void PyAnalysis::SetLevel(int level)
{
    CheckLevel("level", level, MinLevel, maxLevel, "2 to max_level");
    LockedForChange([&](Analysis& A) { MoveToLevel(A, level); });
}

py::list PyAnalysis::Coefficients() const
{
    DoubleArray koeff(LevelSize[maxLevel] + 1);
    double* out = koeff.mutable_data();
    const int level = Locked([&](const Analysis& A) {
        std::copy_n(A.Koeff.begin(), LevelSize[maxLevel] + 1, out);
        return A.Level;
    });
    return SplitByLevel(koeff, level, maxLevel);
}

py::object PyAnalysis::Samples() const
{
    if (!hasSamples)
        return py::none();
    DoubleArray samples(LevelSize[maxLevel] + 1);
    double* out = samples.mutable_data();
    Locked([&](const Analysis& A) { std::copy_n(A.KoeffOrig.begin(), LevelSize[maxLevel] + 1, out); });
    return samples;
}

py::object PyAnalysis::At(py::handle x, Evaluator f) const
{
    return Evaluate(x, [&](const double* points, double* values, std::size_t n) {
        const std::lock_guard lock(mutex);
        for (std::size_t i = 0; i < n; ++i)
            values[i] = f(A, points[i]);
    });
}

py::object PyAnalysis::AtWithSamples(py::handle x, Evaluator f) const
{
    if (!hasSamples)
        throw py::value_error("the samples of this analysis are not known: its file keeps none and names no "
                              "test signal; give them to read_mdt(path, samples=...)");
    return At(x, f);
}

std::string PyAnalysis::Repr() const
{
    char text[96];
    std::snprintf(text, sizeof text, "vexlor.Analysis(max_level=%d, level=%d, delta=%s)", maxLevel, Level(),
                  std::string(py::repr(py::float_(delta))).c_str());
    return text;
}

void BindAnalysis(py::module_& m)
{
    py::class_<PyAnalysis> cls(m, "Analysis", Doc_Analysis);
    cls.attr("__module__") = "vexlor";
    cls.def(py::init([](const py::object& samples, double delta) {
                const DoubleArray values = AsFiniteVector(samples, "samples");
                const int maxLevel = MaxLevelOfCount(values.size(), "samples");
                CheckedDelta(delta);
                py::gil_scoped_release free;
                return std::make_unique<PyAnalysis>(AnalysisOfSamples(Values(values), maxLevel, delta), true,
                                                    "Datei");
            }),
            py::arg("samples"), py::arg("delta") = 0.4)
        .def_property("level", &PyAnalysis::Level, &PyAnalysis::SetLevel, Doc_Analysis_level)
        .def_property_readonly("max_level", &PyAnalysis::MaxLevel,
                               Doc_Analysis_max_level)
        .def_property_readonly("delta", &PyAnalysis::Delta, Doc_Analysis_delta)
        .def_property_readonly("coefficients", &PyAnalysis::Coefficients, Doc_Analysis_coefficients)
        .def_property_readonly("samples", &PyAnalysis::Samples, Doc_Analysis_samples)
        .def_property_readonly("signal", &PyAnalysis::Signal, Doc_Analysis_signal)
        .def("smooth", [](const PyAnalysis& a, const py::object& x) { return a.At(x, fnGlaette); }, py::arg("x"), Doc_Analysis_smooth)
        .def("details", [](const PyAnalysis& a, const py::object& x) { return a.At(x, fnDetails); }, py::arg("x"), Doc_Analysis_details)
        .def("function", [](const PyAnalysis& a, const py::object& x) { return a.At(x, fnFunktion); }, py::arg("x"),
             Doc_Analysis_function)
        .def("error", [](const PyAnalysis& a, const py::object& x) { return a.AtWithSamples(x, fnError); }, py::arg("x"),
             Doc_Analysis_error)
        .def("original", [](const PyAnalysis& a, const py::object& x) { return a.AtWithSamples(x, fnOriginal); },
             py::arg("x"), Doc_Analysis_original)
        .def("__repr__", &PyAnalysis::Repr);
}
