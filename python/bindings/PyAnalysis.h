#pragma once

#include "Arrays.h"

#include "analysis/Analysis.h"
#include "analysis/ScalingFunctions.h"

#include <mutex>
#include <string>

// vexlor.Analysis: one analysis of the program, and a lock, so that threads
// may share an object. Every use of the analysis takes the lock with the GIL
// let go: a thread waiting for it never holds up the others.
class PyAnalysis {
public:
    // signal: the name a coefficient file records ("Datei" for the user's samples).
    PyAnalysis(Analysis analysis, bool hasSamples, std::string signal);

    int MaxLevel() const { return maxLevel; }
    double Delta() const { return delta; }
    const std::string& Signal() const { return signal; }
    bool HasSamples() const { return hasSamples; }
    int Level() const;
    void SetLevel(int level);
    py::list Coefficients() const;
    py::object Samples() const;
    // An evaluator of the program at the points x.
    py::object At(py::handle x, Evaluator f) const;
    // The same for the evaluators that compare with the samples.
    py::object AtWithSamples(py::handle x, Evaluator f) const;
    std::string Repr() const;

    // f(analysis) under the lock, with the GIL let go.
    template <typename F> auto Locked(F&& f) const
    {
        py::gil_scoped_release free;
        const std::lock_guard lock(mutex);
        return f(static_cast<const Analysis&>(A));
    }

private:
    template <typename F> auto LockedForChange(F&& f)
    {
        py::gil_scoped_release free;
        const std::lock_guard lock(mutex);
        return f(A);
    }

    const int maxLevel;
    const double delta;
    const bool hasSamples;
    const std::string signal;
    mutable std::mutex mutex;
    Analysis A;
};

// The class and the coefficient-file functions in the module.
void BindAnalysis(py::module_& m);
void BindFiles(py::module_& m);
