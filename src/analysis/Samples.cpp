#include "analysis/Samples.h"

#include <cmath>

void SampleFunction(Analysis& A, int j)
{
    // The centre of the unshifted scaling function, deliberately held in single
    // precision: the stored samples carry its rounding in their last digits.
    const float s = static_cast<float>((1.0 + A.aktDelta) * 0.5);
    for (int i = -1; static_cast<double>(i) < Pow2[j]; ++i)
        A.Koeff[i + 1] = std::sin(((static_cast<double>(i) + s) * 6.28) * Pow2Inv[j]);
}

void SetMaxLevel(Analysis& A, int maxLevel)
{
    A.MaxLevel = maxLevel;
    // Never shorter: a coarser file keeps the values beyond it for a finer one
    // loaded later, the reference samples among them.
    const std::size_t size = static_cast<std::size_t>(LevelSize[maxLevel]) + 1;
    if (A.Koeff.size() < size)
        A.Koeff.resize(size, 0.0);
    if (A.KoeffOrig.size() < size)
        A.KoeffOrig.resize(size, 0.0);
}

void SaveOriginal(Analysis& A)
{
    for (int i = 0; i <= LevelSize[A.MaxLevel]; ++i)
        A.KoeffOrig[i] = A.Koeff[i];
}
