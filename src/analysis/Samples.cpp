#include "analysis/Samples.h"

#include <algorithm>
#include <cmath>

float SampleShift(double aktDelta) { return static_cast<float>((1.0 + aktDelta) * 0.5); }

void SampleFunction(Analysis& A, int j)
{
    const float s = SampleShift(A.aktDelta);
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

void StoreSamples(Analysis& A, const std::vector<double>& samples)
{
    std::copy(samples.begin(), samples.end(), A.Koeff.begin());
    SaveOriginal(A);
    A.Level = A.MaxLevel;
    A.MaxAbsKoeff = 0.0;
    for (const double v : samples)
        A.MaxAbsKoeff = std::max(A.MaxAbsKoeff, std::fabs(v));
}
