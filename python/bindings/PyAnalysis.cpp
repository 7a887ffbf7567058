#include "PyAnalysis.h"

#include "Analyses.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const ClassDoc = R"(One analysis of the program: samples decomposed with the BLaC wavelets of
one Delta, at a level that moves as the program's track bar moves it.

Analysis(samples, delta) is the program's state after choosing these samples
and pressing "Go!" with delta: 2^m + 1 samples make the finest level
max_level = m, the level starts there, and the level matrices are those of
delta. Setting `level` steps one level at a time, as the track bar does:
down by least squares, up by the refinement; so the coefficients and curves
are bit for bit those the program shows. Down and up again does not give
the samples back exactly: the spaces of neighbouring levels are not nested.

samples: 2^m + 1 finite numbers, m = 2 .. 12 (resample() makes such a count).
delta: in [0, 1]; 0 gives box functions (Haar), 1 hat functions.

Threads may share an object: each call takes its lock, and every computation
runs with the GIL let go.)";

const char* const SmoothDoc = R"(The smooth part at x: the smooth coefficients in the scaling functions of
`level` (the window "Die Glätteanteile der Funktion").

x: a number, or an array of any shape; the result is a float, or an array of
that shape. The curves are meant for 0 <= x <= 1; outside, they are what the
program's windows draw there (left of -2^-level the smooth part is -1).)";

const char* const DetailsDoc = R"(The details at x: the detail parts of the levels level .. max_level - 1,
summed (the window "Die Details der Funktion"). x as for smooth().)";

const char* const FunctionDoc = R"(smooth(x) + details(x): the approximated function (the window "Die
approximierte Funktion"). x as for smooth().)";

const char* const ErrorDoc = R"(function(x) - original(x): the error against the samples (the window
"Fehler zwischen Funktion und Approximation"). x as for smooth(); ValueError
when the samples are not known.)";

const char* const OriginalDoc = R"(The samples as a function: their expansion in the scaling functions of
max_level, what error() compares with. x as for smooth(); ValueError when
the samples are not known.)";

const char* const LevelDoc = R"(The level of the smooth part, 2 .. max_level. Setting it steps there one
level at a time, as the program's track bar does.)";

const char* const CoefficientsDoc = R"(The coefficients at the current level, coarsest first: [smooth part
(2^level + 1 values), details of level (2^level values), details of
level + 1, ..., details of max_level - 1]. A copy, which later level changes
leave alone; numpy.concatenate() of it is the program's coefficient array,
as its ".mdt" files and the snapshot tool's --koeff-csv hold it.)";

const char* const SamplesDoc = R"(The samples the analysis started from, the reference of error(), as a copy;
None when they are not known (read from a file that names no test signal).)";

const char* const SignalDoc = R"(The signal's name that write_mdt() records: a test signal's name after
read_mdt() of a file naming one, else "Datei" (the user's samples).)";

}  // namespace

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
        throw py::value_error("the samples of this analysis are not known: its file names no test signal; "
                              "give them to read_mdt(path, samples=...)");
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
    py::class_<PyAnalysis> cls(m, "Analysis", ClassDoc);
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
        .def_property("level", &PyAnalysis::Level, &PyAnalysis::SetLevel, LevelDoc)
        .def_property_readonly("max_level", &PyAnalysis::MaxLevel,
                               "The finest level: the samples' (2^max_level + 1 values).")
        .def_property_readonly("delta", &PyAnalysis::Delta, "The Delta of the analysis, in [0, 1].")
        .def_property_readonly("coefficients", &PyAnalysis::Coefficients, CoefficientsDoc)
        .def_property_readonly("samples", &PyAnalysis::Samples, SamplesDoc)
        .def_property_readonly("signal", &PyAnalysis::Signal, SignalDoc)
        .def("smooth", [](const PyAnalysis& a, const py::object& x) { return a.At(x, fnGlaette); }, py::arg("x"), SmoothDoc)
        .def("details", [](const PyAnalysis& a, const py::object& x) { return a.At(x, fnDetails); }, py::arg("x"), DetailsDoc)
        .def("function", [](const PyAnalysis& a, const py::object& x) { return a.At(x, fnFunktion); }, py::arg("x"),
             FunctionDoc)
        .def("error", [](const PyAnalysis& a, const py::object& x) { return a.AtWithSamples(x, fnError); }, py::arg("x"),
             ErrorDoc)
        .def("original", [](const PyAnalysis& a, const py::object& x) { return a.AtWithSamples(x, fnOriginal); },
             py::arg("x"), OriginalDoc)
        .def("__repr__", &PyAnalysis::Repr);
}
