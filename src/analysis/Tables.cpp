#include "analysis/Tables.h"

#include "analysis/AnalysisState.h"

#include <cmath>

std::array<double, TableLevels> Pow2{};
std::array<double, TableLevels> Pow2Inv{};
std::array<int, TableLevels> LevelSize{};
KoeffArray Koeff{};
KoeffArray KoeffOrig{};

void InitPowerTables()
{
    LevelSize[0] = 1;
    for (int i = 0; i < TableLevels; ++i) {
        Pow2[i] = std::pow(2.0, i);
        Pow2Inv[i] = std::pow(2.0, -i);
        if (i > 0)
            LevelSize[i] = 2 * LevelSize[i - 1];
    }
}

void SampleFunction(int j)
{
    // The centre of the unshifted scaling function, deliberately held in single
    // precision: the stored samples carry its rounding in their last digits.
    const float s = static_cast<float>((1.0 + State.aktDelta) * 0.5);
    for (int i = -1; static_cast<double>(i) < Pow2[j]; ++i)
        Koeff[i + 1] = std::sin(((static_cast<double>(i) + s) * 6.28) * Pow2Inv[j]);
}

void SaveOriginal()
{
    for (int i = 0; i <= LevelSize[State.MaxLevel]; ++i)
        KoeffOrig[i] = Koeff[i];
}
