#include "Arrays.h"

#include "analysis/Analysis.h"
#include "analysis/Signals.h"
#include "io/CoefficientFile.h"

#include <cmath>
#include <memory>
#include <string>

namespace {

// What a NumPy kind of values is, for a message.
std::string KindName(char kind)
{
    switch (kind) {
    case 'c': return "complex numbers";
    case 'U':
    case 'S': return "text";
    case 'M':
    case 'm': return "dates or times";
    case 'O': return "Python objects";
    default: return "values of NumPy kind '" + std::string(1, kind) + "'";
    }
}

std::string Shown(double value) { return py::str(py::float_(value)); }

}  // namespace

DoubleArray AsDoubles(py::handle values, const char* name)
{
    if (DoubleArray::check_(values))
        return py::reinterpret_borrow<DoubleArray>(values);
    const std::string expected = std::string(name) + " must be real numbers (a float64 array or a sequence of floats)";
    const py::array array = py::array::ensure(values);
    if (!array)
        throw py::type_error(expected);
    const char kind = array.dtype().kind();
    if (kind != 'b' && kind != 'i' && kind != 'u' && kind != 'f')
        throw py::type_error(expected + ", not " + KindName(kind));
    return DoubleArray::ensure(array);
}

DoubleArray AsFiniteVector(py::handle values, const char* name)
{
    DoubleArray array = AsDoubles(values, name);
    if (array.ndim() != 1)
        throw py::value_error(std::string(name) + " must be one-dimensional, not of " + std::to_string(array.ndim())
                              + " dimensions");
    const std::span<const double> v = Values(array);
    for (std::size_t i = 0; i < v.size(); ++i)
        if (!std::isfinite(v[i]))
            throw py::value_error(std::string(name) + " must be finite numbers, but " + name + "[" + std::to_string(i)
                                  + "] is " + Shown(v[i]));
    return array;
}

std::span<const double> Values(const DoubleArray& array)
{
    return {array.data(), static_cast<std::size_t>(array.size())};
}

std::optional<int> LevelOfCount(std::size_t count)
{
    for (int m = MinLevel; m <= LevelLimit; ++m)
        if (count == static_cast<std::size_t>(LevelSize[m]) + 1)
            return m;
    return std::nullopt;
}

int MaxLevelOfCount(std::size_t count, const char* name)
{
    if (const std::optional<int> m = LevelOfCount(count))
        return *m;
    throw py::value_error(std::string(name) + " must hold 2^m + 1 values for a finest level m from 2 to 12 (5, 9, 17, "
                          "..., 4097), not " + std::to_string(count)
                          + ": vexlor.test_signal(name, m) gives a test signal of such a length, and "
                            "vexlor.resample(values) resamples yours linearly, as the program's \"Datei...\" does");
}

void CheckLevel(const char* name, int value, int lowest, int highest, const char* range)
{
    if (value < lowest || value > highest)
        throw py::value_error(std::string(name) + " must lie between " + std::to_string(lowest) + " and "
                              + std::to_string(highest) + " (" + range + "), not " + std::to_string(value));
}

double CheckedDelta(double delta)
{
    if (!(delta >= 0.0 && delta <= 1.0))
        throw py::value_error("delta must lie in [0, 1] (0: box functions, 1: hat functions), not " + Shown(delta));
    if (delta > 0.0 && delta < SmallestDelta)
        throw py::value_error("delta must be 0 or at least 1e-300, as in the program's files: smaller ones "
                              "cannot be computed; not " + Shown(delta));
    return delta;
}

int ListedSignal(const std::string& name)
{
    if (const std::optional<int> listed = FindSignal(name))
        return *listed;
    std::string words;
    for (const SignalRow& row : SignalList())
        words += (words.empty() ? "" : ", ") + std::string(row.word);
    throw py::value_error("there is no test signal \"" + name + "\"; the signals are " + words);
}

DoubleArray ToArray(std::vector<double>&& values)
{
    auto owner = std::make_unique<std::vector<double>>(std::move(values));
    const auto size = static_cast<py::ssize_t>(owner->size());
    const double* data = owner->data();
    const py::capsule free(owner.get(), [](void* p) { std::unique_ptr<std::vector<double>>(static_cast<std::vector<double>*>(p)); });
    owner.release();
    return DoubleArray(size, data, free);
}

DoubleArray View(const DoubleArray& array, std::size_t first, std::size_t count)
{
    return DoubleArray(static_cast<py::ssize_t>(count), array.data() + first, array);
}

py::list SplitByLevel(const DoubleArray& koeff, int level, int maxLevel)
{
    py::list parts;
    parts.append(View(koeff, 0, static_cast<std::size_t>(LevelSize[level]) + 1));
    for (int j = level; j < maxLevel; ++j)
        parts.append(View(koeff, static_cast<std::size_t>(LevelSize[j]) + 1, static_cast<std::size_t>(LevelSize[j])));
    return parts;
}
