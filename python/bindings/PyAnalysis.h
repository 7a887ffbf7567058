#pragma once

#include "Arrays.h"

#include "analysis/ScalingFunctions.h"
#include "analysis/Session.h"

#include <mutex>
#include <optional>
#include <string>

// vexlor.Analysis: one session of the program (its analysis, the signal it
// was made from, noise, denoising and compression, and the shown copy the
// function windows draw), and a lock, so that threads may share an object.
// Every use of the session takes the lock with the GIL let go: a thread
// waiting for it never holds up the others.
class PyAnalysis {
public:
    // The session's level matrices are computed already.
    explicit PyAnalysis(AnalysisSession session);

    int MaxLevel() const { return maxLevel; }
    double Delta() const { return delta; }
    // The signal's name that a coefficient file records ("Datei" for the user's samples).
    const std::string& SignalName() const { return signal; }
    int Level() const;
    void SetLevel(int level);
    py::list Coefficients() const;
    py::list ShownCoefficients() const;
    py::object Samples() const;
    py::object CleanSamples() const;
    // An evaluator of the program at the points x, on the shown copy.
    py::object At(py::handle x, Evaluator f) const;
    // The same for the evaluators that compare with the samples.
    py::object AtWithSamples(py::handle x, Evaluator f) const;
    std::string Repr() const;

    // "Behaltene Details", "Rauschen hinzufügen" and "Entrauschen", as the
    // tools window changes them; ValueError for what the program refuses.
    void Compress(int percent, const std::string& by);
    int KeepPercent() const;
    std::string KeepRanking() const;
    void AddNoise(double sigma, long long seed);
    void Denoise(const std::string& rule, const std::string& kind, const std::optional<double>& lambda);

    // f(session) under the lock, with the GIL let go.
    template <typename F> auto Locked(F&& f) const
    {
        py::gil_scoped_release free;
        const std::lock_guard lock(mutex);
        return f(static_cast<const AnalysisSession&>(S));
    }

private:
    template <typename F> auto LockedForChange(F&& f)
    {
        py::gil_scoped_release free;
        const std::lock_guard lock(mutex);
        return f(S);
    }
    py::list CoefficientsOf(bool shown) const;
    // ValueError when the samples cannot be taken anew: a file's signal named
    // without its values.
    void CheckCanSample() const;

    const int maxLevel;
    const double delta;
    const std::string signal;
    mutable std::mutex mutex;
    AnalysisSession S;
};

// The class, its result types and the coefficient-file functions in the module.
void BindAnalysis(py::module_& m);
void BindNumbers(py::module_& m, py::class_<PyAnalysis>& analysis);
void BindFiles(py::module_& m);
