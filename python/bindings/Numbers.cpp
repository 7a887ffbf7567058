// The numbers of "Kennzahlen" and "Entrauschen", and the Delta comparison,
// as result objects of vexlor.Analysis.
#include "PyAnalysis.h"

#include "Docstrings.h"

#include "analysis/DeltaSweep.h"
#include "analysis/Numbers.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// What the tools window shows of a session, computed under its lock.
struct SessionNumbers {
    ErrorNumbers error;
    PartEnergies energies;
    int kept = 0;
    int detailCount = 0;
    double sigmaHat = NAN;
    std::vector<double> lambdas;
    int denoisedKept = 0;
    CleanNumbers clean;
};

SessionNumbers NumbersOf(const AnalysisSession& S)
{
    const Analysis& State = S.State();
    SessionNumbers n;
    // Without samples there is nothing to measure the error against.
    n.error = S.HasReference() ? ComputeErrorNumbers(S.Shown()) : ErrorNumbers{NAN, NAN, NAN, NAN, NAN};
    n.energies = LevelEnergies(State);
    n.kept = static_cast<int>(std::count(S.KeptDetails().begin(), S.KeptDetails().end(), 1));
    n.detailCount = DetailCount(State);
    // The noise estimate is the universal rule's, whatever the rule chosen.
    n.sigmaHat = ChooseThresholds(State, {ThresholdRule::Universal}).sigmaHat;
    n.denoisedKept = n.detailCount;
    if (S.Denoised()) {
        n.lambdas = S.CurrentThresholds().lambda;
        n.denoisedKept = S.CurrentThresholds().Kept();
    }
    if (!S.CleanSamples().empty())
        n.clean = CompareWithClean(S.Shown(), S.CleanSamples());
    return n;
}

// A result's arrays cannot be changed by mistake.
DoubleArray ReadOnly(std::vector<double> values)
{
    DoubleArray array = ToArray(std::move(values));
    array.attr("flags").attr("writeable") = false;
    return array;
}

struct PyNumbers {
    double maxError, rmsError, distanceMax, distanceRms;
    DoubleArray energies, energyShares;
    int kept, detailCount;
    double sigmaHat;
    DoubleArray lambdas;
    int denoisedKept;
    double snrNoisy, snrDenoised, rmsNoisy, rmsDenoised;
};

PyNumbers Numbers(const PyAnalysis& a)
{
    SessionNumbers n = a.Locked(NumbersOf);
    return {n.error.MaxError, n.error.RmsError, n.error.DistanceMax, n.error.DistanceRms,
            ReadOnly(std::move(n.energies.energy)), ReadOnly(std::move(n.energies.share)), n.kept, n.detailCount,
            n.sigmaHat, ReadOnly(std::move(n.lambdas)), n.denoisedKept, n.clean.SnrNoisy, n.clean.SnrDenoised,
            n.clean.RmsNoisy, n.clean.RmsDenoised};
}

const char* const MeasureWords[] = {"distance_rms", "distance_max", "denoised_rms"};

struct PyDeltaSweep {
    DoubleArray deltas, maxError, rmsError, distanceMax, distanceRms, denoisedRms;
    std::string measure;
    py::object bestDelta;
    int ties;

    const DoubleArray& Values() const
    {
        return measure == MeasureWords[0] ? distanceRms : measure == MeasureWords[1] ? distanceMax : denoisedRms;
    }
};

PyDeltaSweep DeltaSweepOf(const PyAnalysis& a, const std::string& measureWord)
{
    const auto word = std::find(std::begin(MeasureWords), std::end(MeasureWords), measureWord);
    if (word == std::end(MeasureWords))
        throw py::value_error("measure must be \"distance_rms\", \"distance_max\" or \"denoised_rms\", not \""
                              + measureWord + "\"");
    const auto measure = static_cast<SweepMeasure>(word - std::begin(MeasureWords));
    struct Copied {
        DeltaSweepInput input;
        bool hasReference;
    };
    const Copied copied = a.Locked([](const AnalysisSession& S) { return Copied{S.ComparisonInput(), S.HasReference()}; });
    // Without samples the file signal has no values to take at each Delta.
    if (!copied.hasReference)
        throw py::value_error("the Delta comparison samples the signal anew at every Delta, but the samples of this "
                              "analysis are not known: give them to read_mdt(path, samples=...)");
    if (measure == SweepMeasure::Denoised && !copied.input.noise)
        throw py::value_error("measure=\"denoised_rms\" compares with the clean samples: add_noise() first");

    // A pure function of the copied input: the analysis stays free meanwhile.
    std::vector<std::optional<ErrorNumbers>> rows(DeltaSweepPoints);
    {
        py::gil_scoped_release free;
        for (int i = 0; i < DeltaSweepPoints; ++i)
            rows[static_cast<std::size_t>(i)] = DeltaSweepRow(copied.input, i);
    }
    auto column = [&](double ErrorNumbers::*number) {
        std::vector<double> values;
        for (const auto& row : rows)
            values.push_back((*row).*number);
        return ReadOnly(std::move(values));
    };
    std::vector<double> deltas;
    for (int i = 0; i < DeltaSweepPoints; ++i)
        deltas.push_back(SweepDelta(i));
    const int best = BestDelta(rows, measure);
    return {ReadOnly(std::move(deltas)),
            column(&ErrorNumbers::MaxError),
            column(&ErrorNumbers::RmsError),
            column(&ErrorNumbers::DistanceMax),
            column(&ErrorNumbers::DistanceRms),
            column(&ErrorNumbers::DenoisedRms),
            measureWord,
            best >= 0 ? py::object(py::float_(SweepDelta(best))) : py::none(),
            BestDeltaTies(rows, measure)};
}

std::string Shown(double value) { return py::repr(py::float_(value)); }

std::string NumbersRepr(const PyNumbers& n)
{
    return "vexlor.Numbers(max_error=" + Shown(n.maxError) + ", rms_error=" + Shown(n.rmsError)
           + ", distance_max=" + Shown(n.distanceMax) + ", distance_rms=" + Shown(n.distanceRms)
           + ", kept=" + std::to_string(n.kept) + " of " + std::to_string(n.detailCount) + ", ...)";
}

std::string SweepRepr(const PyDeltaSweep& s)
{
    return "vexlor.DeltaSweep(measure=" + std::string(py::repr(py::str(s.measure)))
           + ", best_delta=" + std::string(py::repr(s.bestDelta)) + ", ties=" + std::to_string(s.ties) + ")";
}

}  // namespace

void BindNumbers(py::module_& m, py::class_<PyAnalysis>& analysis)
{
    py::class_<PyNumbers> numbers(m, "Numbers", Doc_Numbers);
    numbers.attr("__module__") = "vexlor";
    numbers.def_readonly("max_error", &PyNumbers::maxError, Doc_Numbers_max_error)
        .def_readonly("rms_error", &PyNumbers::rmsError, Doc_Numbers_rms_error)
        .def_readonly("distance_max", &PyNumbers::distanceMax, Doc_Numbers_distance_max)
        .def_readonly("distance_rms", &PyNumbers::distanceRms, Doc_Numbers_distance_rms)
        .def_readonly("energies", &PyNumbers::energies, Doc_Numbers_energies)
        .def_readonly("energy_shares", &PyNumbers::energyShares, Doc_Numbers_energy_shares)
        .def_readonly("kept", &PyNumbers::kept, Doc_Numbers_kept)
        .def_readonly("detail_count", &PyNumbers::detailCount, Doc_Numbers_detail_count)
        .def_readonly("sigma_hat", &PyNumbers::sigmaHat, Doc_Numbers_sigma_hat)
        .def_readonly("lambdas", &PyNumbers::lambdas, Doc_Numbers_lambdas)
        .def_readonly("denoised_kept", &PyNumbers::denoisedKept, Doc_Numbers_denoised_kept)
        .def_readonly("snr_noisy", &PyNumbers::snrNoisy, Doc_Numbers_snr_noisy)
        .def_readonly("snr_denoised", &PyNumbers::snrDenoised, Doc_Numbers_snr_denoised)
        .def_readonly("rms_noisy", &PyNumbers::rmsNoisy, Doc_Numbers_rms_noisy)
        .def_readonly("rms_denoised", &PyNumbers::rmsDenoised, Doc_Numbers_rms_denoised)
        .def("__repr__", &NumbersRepr);

    py::class_<PyDeltaSweep> sweep(m, "DeltaSweep", Doc_DeltaSweep);
    sweep.attr("__module__") = "vexlor";
    sweep.def_readonly("deltas", &PyDeltaSweep::deltas, Doc_DeltaSweep_deltas)
        .def_readonly("max_error", &PyDeltaSweep::maxError, Doc_DeltaSweep_max_error)
        .def_readonly("rms_error", &PyDeltaSweep::rmsError, Doc_DeltaSweep_rms_error)
        .def_readonly("distance_max", &PyDeltaSweep::distanceMax, Doc_DeltaSweep_distance_max)
        .def_readonly("distance_rms", &PyDeltaSweep::distanceRms, Doc_DeltaSweep_distance_rms)
        .def_readonly("denoised_rms", &PyDeltaSweep::denoisedRms, Doc_DeltaSweep_denoised_rms)
        .def_readonly("measure", &PyDeltaSweep::measure, Doc_DeltaSweep_measure)
        .def_property_readonly("values", &PyDeltaSweep::Values, Doc_DeltaSweep_values)
        .def_readonly("best_delta", &PyDeltaSweep::bestDelta, Doc_DeltaSweep_best_delta)
        .def_readonly("ties", &PyDeltaSweep::ties, Doc_DeltaSweep_ties)
        .def("__repr__", &SweepRepr);

    analysis.def("numbers", &Numbers, Doc_Analysis_numbers)
        .def("delta_sweep", &DeltaSweepOf, py::arg("measure") = "distance_rms", Doc_Analysis_delta_sweep);
}
