#pragma once

#include <array>

// Per-level tables for the levels 0..13: the level matrices of the finest
// level 12 reach one level further. Powers of two are exact doubles, so these
// constants equal what pow(2.0, i) and pow(2.0, -i) give.
inline constexpr int TableLevels = 14;

namespace tables {

constexpr std::array<double, TableLevels> Powers(double factor)
{
    std::array<double, TableLevels> table{};
    double value = 1.0;
    for (double& entry : table) {
        entry = value;
        value *= factor;
    }
    return table;
}

constexpr std::array<int, TableLevels> Sizes()
{
    std::array<int, TableLevels> table{};
    for (int i = 0; i < TableLevels; ++i)
        table[i] = 1 << i;
    return table;
}

}  // namespace tables

inline constexpr std::array<double, TableLevels> Pow2 = tables::Powers(2.0);     // 2^i
inline constexpr std::array<double, TableLevels> Pow2Inv = tables::Powers(0.5);  // 2^-i
inline constexpr std::array<int, TableLevels> LevelSize = tables::Sizes();       // 2^i intervals
