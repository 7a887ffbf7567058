#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace py = pybind11;

// What every function here takes and gives: float64 arrays in C order.
using DoubleArray = py::array_t<double, py::array::c_style>;

// Values from Python as such an array: the array itself where it is one
// already, else a converted copy. TypeError for anything but real numbers
// (booleans, integers, floats).
DoubleArray AsDoubles(py::handle values, const char* name);

// A one-dimensional array of finite numbers; ValueError names the first
// value that is not.
DoubleArray AsFiniteVector(py::handle values, const char* name);

std::span<const double> Values(const DoubleArray& array);

// The level m of 2^m + 1 values (m = 2 .. 12); nothing for any other count.
std::optional<int> LevelOfCount(std::size_t count);
// The same for samples, and ValueError for any other count, with the ways to
// such a count.
int MaxLevelOfCount(std::size_t count, const char* name);

// ValueError unless lowest <= value <= highest; `range` says why the range.
void CheckLevel(const char* name, int value, int lowest, int highest, const char* range);
// ValueError unless 0 <= delta <= 1 (NaN is not).
double CheckedDelta(double delta);

// The row of the test signal named by its word or shown name; ValueError
// naming the signals for any other name.
int ListedSignal(const std::string& name);

// The values as a NumPy array that owns them: no copy.
DoubleArray ToArray(std::vector<double>&& values);
// count values of the array from position first on: a view that keeps the
// array alive.
DoubleArray View(const DoubleArray& array, std::size_t first, std::size_t count);

// Evaluation at the points x: a float for a number, an array of x's shape
// for an array. `batch` computes n values from n points; it runs with the
// GIL let go, so that other threads go on meanwhile.
template <typename Batch> py::object Evaluate(py::handle x, Batch&& batch)
{
    if (PyFloat_Check(x.ptr())) {
        const double point = PyFloat_AS_DOUBLE(x.ptr());
        double value = 0.0;
        {
            py::gil_scoped_release free;
            batch(&point, &value, std::size_t{1});
        }
        return py::float_(value);
    }
    const DoubleArray points = AsDoubles(x, "x");
    DoubleArray values(std::vector<py::ssize_t>(points.shape(), points.shape() + points.ndim()));
    const double* in = points.data();
    double* out = values.mutable_data();
    const auto n = static_cast<std::size_t>(points.size());
    {
        py::gil_scoped_release free;
        batch(in, out, n);
    }
    if (values.ndim() == 0)
        return py::float_(*values.data());
    return values;
}

// Koeff's layout as a list, coarsest first: the smooth coefficients of level,
// then the details of each level from level to maxLevel - 1; views of koeff.
py::list SplitByLevel(const DoubleArray& koeff, int level, int maxLevel);
