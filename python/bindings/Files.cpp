// read_mdt and write_mdt: the program's coefficient files, through its own
// reader and writer.
#include "PyAnalysis.h"

#include "Analyses.h"
#include "Docstrings.h"

#include "analysis/Signals.h"
#include "io/CoefficientFile.h"

#include <pybind11/stl/filesystem.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <optional>
#include <variant>

namespace {


void WarnOfCount(const std::string& path, std::size_t count, std::size_t expected)
{
    if (count == expected)
        return;
    const std::string message = path + " holds " + std::to_string(count) + " values where its levels take "
                                + std::to_string(expected) + (count < expected ? "; the rest are 0" : "");
    if (PyErr_WarnEx(PyExc_UserWarning, message.c_str(), 2) < 0)
        throw py::error_already_set();  // warnings made errors
}

[[noreturn]] void ThrowCannotOpen(const std::filesystem::path& path)
{
    if (std::filesystem::exists(path))
        PyErr_SetString(PyExc_OSError, (path.string() + ": cannot be read (not a readable regular file)").c_str());
    else
        PyErr_SetObject(PyExc_FileNotFoundError, py::make_tuple(ENOENT, "No such file", path.string()).ptr());
    throw py::error_already_set();
}

std::unique_ptr<PyAnalysis> ReadMdt(const std::filesystem::path& path, const py::object& samples)
{
    const std::string name = path.string();
    std::string bytes;
    ReadResult read;
    {
        py::gil_scoped_release free;
        read = ReadKoeffFile(name, bytes);
    }
    if (read == ReadResult::CannotOpen)
        ThrowCannotOpen(path);
    if (read == ReadResult::TooLarge)
        throw py::value_error(name + ": Ungültige Datei: größer als 1 MiB");
    if (read == ReadResult::OutOfMemory)
        throw std::bad_alloc();
    const auto parsed = ParseKoeffFile(bytes);
    if (const auto* refusal = std::get_if<KoeffFileRefusal>(&parsed))
        throw py::value_error(name + ": Ungültige Datei: " + refusal->reason);
    const KoeffFileContent& content = std::get<KoeffFileContent>(parsed);
    const auto expected = static_cast<std::size_t>(LevelSize[content.maxLevel]) + 1;

    std::optional<DoubleArray> given;
    if (!samples.is_none()) {
        given = AsFiniteVector(samples, "samples");
        if (static_cast<std::size_t>(given->size()) != expected)
            throw py::value_error("samples must hold the " + std::to_string(expected) + " values of the file's finest level "
                                  + std::to_string(content.maxLevel) + ", not " + std::to_string(given->size()));
    }
    WarnOfCount(name, content.values.size(), expected);

    py::gil_scoped_release free;
    AnalysisSession S;
    Analysis& A = S.State();
    StoreKoeffFile(content, A);
    // The samples: the user's, else those the file holds, else those of the
    // test signal it names, as the program's load samples it.
    const KoeffFileLesson& lesson = content.lesson;
    const std::optional<int> named = FindSignal(lesson.signal);
    std::vector<double> reference =
        given                       ? std::vector<double>(given->data(), given->data() + expected)
        : !lesson.reference.empty() ? lesson.reference
        : named                     ? SampleSignal(Signal::Listed(*named), A.MaxLevel, A.aktDelta)
                                    : std::vector<double>{};
    if (reference.empty())
        S.ForgetReference();
    else
        S.SetReference(reference);
    S.NameSignal(named ? Signal::Listed(*named) : Signal::File(std::move(reference), lesson.fileName));
    ComputeLevelMatrices(A);
    // The compression comes back with the file, as on the program's load.
    S.SetKeepRanking(lesson.ranking == "betrag" ? KeepBy::Magnitude : KeepBy::Contribution);
    S.SetKeepPercent(lesson.keepPercent ? static_cast<int>(std::lround(*lesson.keepPercent)) : 100);
    return std::make_unique<PyAnalysis>(std::move(S));
}

std::string WriteMdt(const std::filesystem::path& path, const PyAnalysis& analysis)
{
    const std::string name = KoeffFileName(std::filesystem::absolute(path).string());
    const std::optional<std::string> bytes = analysis.Locked([&](const AnalysisSession& S) {
        const Analysis& A = S.State();
        KoeffFileLesson lesson;
        lesson.signal = analysis.SignalName();
        lesson.fileName = S.CurrentSignal().fileName;
        // The compression's words where it keeps less than all, or ranks by |d|.
        if (S.KeepPercent() != 100)
            lesson.keepPercent = S.KeepPercent();
        if (S.KeepPercent() != 100 || S.KeepRanking() == KeepBy::Magnitude)
            lesson.ranking = S.KeepRanking() == KeepBy::Magnitude ? "betrag" : "beitrag";
        if (S.HasReference())
            lesson.reference.assign(A.KoeffOrig.begin(), A.KoeffOrig.begin() + LevelSize[A.MaxLevel] + 1);
        return FormatKoeffFile(name, A, lesson);
    });
    if (!bytes)
        throw py::value_error("the coefficients hold values that are not finite numbers: such a file could not be "
                              "read back");
    WriteResult written;
    {
        py::gil_scoped_release free;
        written = WriteKoeffFile(name, *bytes);
    }
    if (!written) {
        const std::string reason = "Konnte Datei nicht sichern: " + WriteFailureReason(written);
        PyErr_SetObject(PyExc_OSError, py::make_tuple(written.error, reason, name).ptr());
        throw py::error_already_set();
    }
    return name;
}

}  // namespace

void BindFiles(py::module_& m)
{
    m.def("read_mdt", &ReadMdt, py::arg("path"), py::arg("samples") = py::none(), Doc_read_mdt);
    m.def("write_mdt", &WriteMdt, py::arg("path"), py::arg("analysis"), Doc_write_mdt);
}
