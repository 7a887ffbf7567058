#include "PyAnalysis.h"

#include "Analyses.h"
#include "Docstrings.h"

#include <pybind11/stl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace {

// The session's signal as a coefficient file names it.
std::string FileSignalName(const Signal& signal) { return signal.IsFile() ? "Datei" : SignalShownName(signal); }

// The word of a choice among `words`, or ValueError listing them.
template <std::size_t N> int Choice(const std::string& name, const std::string& word, const char* const (&words)[N])
{
    std::string listed;
    for (std::size_t i = 0; i < N; ++i) {
        if (word == words[i])
            return static_cast<int>(i);
        listed += std::string(i == 0 ? "" : i + 1 == N ? " or " : ", ") + '"' + words[i] + '"';
    }
    throw py::value_error(name + " must be " + listed + ", not \"" + word + "\"");
}

const char* const KeepWords[] = {"beitrag", "betrag"};
const char* const RuleWords[] = {"aus", "universell", "sure", "manuell"};
const char* const KindWords[] = {"hart", "weich"};

// Why the program would refuse to threshold the analysis, or nothing.
std::optional<std::string> DenoiseRefusal(const AnalysisSession& S)
{
    const Analysis& A = S.State();
    if (A.Level >= A.MaxLevel)
        return "denoising needs details, and at level == max_level (" + std::to_string(A.MaxLevel)
               + ") there are none: lower the level first";
    if (!EnoughSamples(A, S.CurrentSignal()))
        return "denoising needs a signal of at least " + std::to_string(DenoiseMinSamples) + " samples";
    return std::nullopt;
}

}  // namespace

PyAnalysis::PyAnalysis(AnalysisSession session)
    : maxLevel(session.State().MaxLevel), delta(session.State().aktDelta),
      signal(FileSignalName(session.CurrentSignal())), S(std::move(session))
{
    S.Refresh();
}

int PyAnalysis::Level() const
{
    return Locked([](const AnalysisSession& S) { return S.State().Level; });
}

void PyAnalysis::SetLevel(int level)
{
    CheckLevel("level", level, MinLevel, maxLevel, "2 to max_level");
    LockedForChange([&](AnalysisSession& S) {
        MoveToLevel(S.State(), level);
        S.Refresh();
    });
}

py::list PyAnalysis::CoefficientsOf(bool shown) const
{
    DoubleArray koeff(LevelSize[maxLevel] + 1);
    double* out = koeff.mutable_data();
    const int level = Locked([&](const AnalysisSession& S) {
        const Analysis& A = shown ? S.Shown() : S.State();
        std::copy_n(A.Koeff.begin(), LevelSize[maxLevel] + 1, out);
        return A.Level;
    });
    return SplitByLevel(koeff, level, maxLevel);
}

py::list PyAnalysis::Coefficients() const { return CoefficientsOf(false); }
py::list PyAnalysis::ShownCoefficients() const { return CoefficientsOf(true); }

py::object PyAnalysis::Samples() const
{
    DoubleArray samples(LevelSize[maxLevel] + 1);
    double* out = samples.mutable_data();
    const bool known = Locked([&](const AnalysisSession& S) {
        std::copy_n(S.State().KoeffOrig.begin(), LevelSize[maxLevel] + 1, out);
        return S.HasReference();
    });
    return known ? py::object(samples) : py::none();
}

py::object PyAnalysis::CleanSamples() const
{
    std::vector<double> clean = Locked([](const AnalysisSession& S) { return S.CleanSamples(); });
    return clean.empty() ? py::none() : py::object(ToArray(std::move(clean)));
}

py::object PyAnalysis::At(py::handle x, Evaluator f) const
{
    return Evaluate(x, [&](const double* points, double* values, std::size_t n) {
        const std::lock_guard lock(mutex);
        const Analysis& shown = S.Shown();
        for (std::size_t i = 0; i < n; ++i)
            values[i] = f(shown, points[i]);
    });
}

py::object PyAnalysis::AtWithSamples(py::handle x, Evaluator f) const
{
    if (!Locked([](const AnalysisSession& S) { return S.HasReference(); }))
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

void PyAnalysis::Compress(int percent, const std::string& by)
{
    CheckLevel("percent", percent, 0, 100, "the share of details kept, in %");
    const auto ranking = static_cast<KeepBy>(Choice("by", by, KeepWords));
    LockedForChange([&](AnalysisSession& S) {
        S.SetKeepRanking(ranking);
        S.SetKeepPercent(percent);
    });
}

int PyAnalysis::KeepPercent() const
{
    return Locked([](const AnalysisSession& S) { return S.KeepPercent(); });
}

std::string PyAnalysis::KeepRanking() const
{
    return KeepWords[static_cast<int>(Locked([](const AnalysisSession& S) { return S.KeepRanking(); }))];
}

void PyAnalysis::CheckCanSample() const
{
    const Signal& named = S.CurrentSignal();  // fixed since construction
    if (named.IsFile() && named.values.empty())
        throw py::value_error("the samples cannot be taken anew: the file names the file signal \"" + named.fileName
                              + "\" without its values");
}

void PyAnalysis::AddNoise(double sigma, long long seed)
{
    if (!(sigma >= 0.0 && sigma <= 1.0))
        throw py::value_error("sigma must lie in [0, 1] (a share of the signal's largest magnitude), not "
                              + std::string(py::str(py::float_(sigma))));
    if (seed < 0 || seed > static_cast<long long>(UINT32_MAX))
        throw py::value_error("seed must lie between 0 and 4294967295, not " + std::to_string(seed));
    CheckCanSample();
    // As the program adds noise: the signal sampled anew with it at
    // max_level, then the track bar down to the level again.
    LockedForChange([&](AnalysisSession& S) {
        const int level = S.State().Level;
        S.SetNoise(NoiseSettings{sigma, static_cast<std::uint32_t>(seed)});
        S.TakeSamples();
        MoveToLevel(S.State(), level);
        S.Refresh();
    });
}

void PyAnalysis::Denoise(const std::string& rule, const std::string& kind, const std::optional<double>& lambda)
{
    DenoiseSettings settings;
    settings.rule = static_cast<ThresholdRule>(Choice("rule", rule, RuleWords));
    settings.kind = static_cast<ThresholdKind>(Choice("kind", kind, KindWords));
    if (lambda && settings.rule != ThresholdRule::Manual)
        throw py::value_error("lam is the threshold of rule=\"manuell\" alone; the other rules choose their own");
    if (lambda && !(*lambda >= 0.0 && std::isfinite(*lambda)))
        throw py::value_error("lam must be a finite number >= 0, not " + std::string(py::str(py::float_(*lambda))));
    const std::optional<std::string> refusal = LockedForChange([&](AnalysisSession& S) -> std::optional<std::string> {
        if (settings.rule != ThresholdRule::Off)
            if (auto why = DenoiseRefusal(S))
                return why;
        // Without a lambda of its own the manual rule starts where the
        // program's slider does: at the universal threshold.
        if (settings.rule == ThresholdRule::Manual && !lambda) {
            const Thresholds universal = ChooseThresholds(S.State(), {ThresholdRule::Universal});
            settings.lambda = std::isfinite(universal.lambda.front()) ? universal.lambda.front() : 0.0;
        } else {
            settings.lambda = lambda.value_or(0.0);
        }
        S.SetDenoise(settings);
        return std::nullopt;
    });
    if (refusal)
        throw py::value_error(*refusal);
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
                AnalysisSession session;
                const std::span<const double> given = Values(values);
                session.NameSignal(Signal::File({given.begin(), given.end()}, ""));
                session.State() = AnalysisOfSamples(given, maxLevel, delta);
                return std::make_unique<PyAnalysis>(std::move(session));
            }),
            py::arg("samples"), py::arg("delta") = 0.4)
        .def_static("of_signal",
                    [](const std::string& name, int maxLevel, double delta) {
                        const int listed = ListedSignal(name);
                        CheckLevel("max_level", maxLevel, MinLevel, LevelLimit, "2 to 12");
                        CheckedDelta(delta);
                        py::gil_scoped_release free;
                        AnalysisSession session;
                        session.State() = AnalysisOfSignal(Signal::Listed(listed), maxLevel, delta);
                        session.NameSignal(Signal::Listed(listed));
                        return std::make_unique<PyAnalysis>(std::move(session));
                    },
                    py::arg("name"), py::arg("max_level"), py::arg("delta") = 0.4, Doc_Analysis_of_signal)
        .def_property("level", &PyAnalysis::Level, &PyAnalysis::SetLevel, Doc_Analysis_level)
        .def_property_readonly("max_level", &PyAnalysis::MaxLevel, Doc_Analysis_max_level)
        .def_property_readonly("delta", &PyAnalysis::Delta, Doc_Analysis_delta)
        .def_property_readonly("coefficients", &PyAnalysis::Coefficients, Doc_Analysis_coefficients)
        .def_property_readonly("shown_coefficients", &PyAnalysis::ShownCoefficients,
                               Doc_Analysis_shown_coefficients)
        .def_property_readonly("samples", &PyAnalysis::Samples, Doc_Analysis_samples)
        .def_property_readonly("clean_samples", &PyAnalysis::CleanSamples, Doc_Analysis_clean_samples)
        .def_property_readonly("signal", &PyAnalysis::SignalName, Doc_Analysis_signal)
        .def_property_readonly("keep_percent", &PyAnalysis::KeepPercent, Doc_Analysis_keep_percent)
        .def_property_readonly("keep_by", &PyAnalysis::KeepRanking, Doc_Analysis_keep_by)
        .def("smooth", [](const PyAnalysis& a, const py::object& x) { return a.At(x, fnGlaette); }, py::arg("x"), Doc_Analysis_smooth)
        .def("details", [](const PyAnalysis& a, const py::object& x) { return a.At(x, fnDetails); }, py::arg("x"), Doc_Analysis_details)
        .def("function", [](const PyAnalysis& a, const py::object& x) { return a.At(x, fnFunktion); }, py::arg("x"),
             Doc_Analysis_function)
        .def("error", [](const PyAnalysis& a, const py::object& x) { return a.AtWithSamples(x, fnError); }, py::arg("x"),
             Doc_Analysis_error)
        .def("original", [](const PyAnalysis& a, const py::object& x) { return a.AtWithSamples(x, fnOriginal); },
             py::arg("x"), Doc_Analysis_original)
        .def("compress", &PyAnalysis::Compress, py::arg("percent"), py::arg("by") = "beitrag", Doc_Analysis_compress)
        .def("add_noise", &PyAnalysis::AddNoise, py::arg("sigma"), py::arg("seed") = DefaultNoiseSeed,
             Doc_Analysis_add_noise)
        .def("denoise", &PyAnalysis::Denoise, py::arg("rule"), py::arg("kind") = "hart", py::arg("lam") = py::none(),
             Doc_Analysis_denoise)
        .def("__repr__", &PyAnalysis::Repr);
    BindNumbers(m, cls);
}
