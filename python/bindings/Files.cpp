// read_mdt and write_mdt: the program's coefficient files, through its own
// reader and writer.
#include "PyAnalysis.h"

#include "Analyses.h"

#include "analysis/Signals.h"
#include "io/CoefficientFile.h"

#include <pybind11/stl/filesystem.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <variant>

namespace {

const char* const ReadDoc = R"(The analysis a coefficient file (".mdt") holds, read as the program reads
it: its finest level, level and coefficients, and its Delta (0.4, the
program's start value, when the file records none). The level matrices are
computed for that Delta, so that the curves are the program's after the load.

The samples, which the file does not hold: `samples` when given (2^max_level
+ 1 values), else the test signal the file names, sampled at its finest
level and Delta as the program samples it on a load; without either they are
not known, and error() and original() refuse.

FileNotFoundError or OSError when the file cannot be read; ValueError with
the program's reason when it refuses the file (a word that is no number, a
level out of range, more than 4097 values, larger than 1 MiB). A file with
fewer or more values than 2^max_level + 1 loads, with a warning: the missing
coefficients are 0.)";

const char* const WriteDoc = R"(Writes the analysis at its current level as a coefficient file (".mdt"),
as the program's "Sichern" writes it: Windows-1252 text with CR LF line ends,
six significant digits a value, the signal's name and the Delta in full. The
file is never written in place: a failed write leaves an old file whole.
".mdt" is appended unless the name ends in it, as the program does. Returns
the path written. OSError when it cannot be written.)";

// What the program's load takes for the samples of a file.
std::optional<std::vector<double>> SamplesOfFile(const KoeffFileContent& content, double delta)
{
    for (const SignalName& listed : SignalList)
        if (content.signal && *content.signal == listed.shown)
            return SampleSignal(Signal{listed.kind, {}, {}}, content.maxLevel, delta);
    return std::nullopt;
}

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
    Analysis A;
    StoreKoeffFile(content, A);
    const std::optional<std::vector<double>> named =
        given ? std::nullopt : SamplesOfFile(content, A.aktDelta);
    if (given)
        std::copy_n(given->data(), expected, A.KoeffOrig.begin());
    else if (named)
        std::copy(named->begin(), named->end(), A.KoeffOrig.begin());
    ComputeLevelMatrices(A);
    return std::make_unique<PyAnalysis>(std::move(A), given || named,
                                        named ? *content.signal : std::string("Datei"));
}

std::string WriteMdt(const std::filesystem::path& path, const PyAnalysis& analysis)
{
    const std::string name = KoeffFileName(std::filesystem::absolute(path).string());
    const std::optional<std::string> bytes =
        analysis.Locked([&](const Analysis& A) { return FormatKoeffFile(name, A, analysis.Signal()); });
    if (!bytes)
        throw py::value_error("the coefficients hold values that are not finite numbers: such a file could not be "
                              "read back");
    bool written;
    {
        py::gil_scoped_release free;
        written = WriteKoeffFile(name, *bytes);
    }
    if (!written) {
        PyErr_SetString(PyExc_OSError, (name + ": cannot be written (an old file there is unchanged)").c_str());
        throw py::error_already_set();
    }
    return name;
}

}  // namespace

void BindFiles(py::module_& m)
{
    m.def("read_mdt", &ReadMdt, py::arg("path"), py::arg("samples") = py::none(), ReadDoc);
    m.def("write_mdt", &WriteMdt, py::arg("path"), py::arg("analysis"), WriteDoc);
}
