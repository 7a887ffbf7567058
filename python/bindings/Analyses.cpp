#include "Analyses.h"

#include "analysis/Decomposition.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Samples.h"

#include <bit>
#include <cstdint>
#include <list>
#include <mutex>

namespace {

struct KeptMatrices {
    std::uint64_t delta;  // the bits: -0.0 is not 0.0
    int maxLevel;
    LevelMatrixStore matrices;
};

// The sets most recently used first; a set at MaxLevel 12 takes about 1 MB.
constexpr std::size_t KeptSets = 8;
std::mutex keptMutex;
std::list<KeptMatrices> kept;

LevelMatrixStore LevelMatricesOf(double delta, int maxLevel)
{
    const auto bits = std::bit_cast<std::uint64_t>(delta);
    {
        const std::lock_guard lock(keptMutex);
        for (auto i = kept.begin(); i != kept.end(); ++i)
            if (i->delta == bits && i->maxLevel == maxLevel) {
                kept.splice(kept.begin(), kept, i);
                return i->matrices;
            }
    }
    // Computed outside the lock: other threads' sets are not held up meanwhile.
    Analysis A;
    A.aktDelta = delta;
    SetMaxLevel(A, maxLevel);
    FillLevelMatrices(A);
    const std::lock_guard lock(keptMutex);
    kept.push_front({bits, maxLevel, A.LevelMatrices});
    if (kept.size() > KeptSets)
        kept.pop_back();
    return A.LevelMatrices;
}

}  // namespace

void ComputeLevelMatrices(Analysis& A)
{
    A.LevelMatrices = LevelMatricesOf(A.aktDelta, A.MaxLevel);
    ComputeWaveletKoeff(A);
}

Analysis AnalysisOfSamples(std::span<const double> samples, int maxLevel, double delta)
{
    Analysis A;
    A.Delta = delta;
    A.aktDelta = delta;
    SetMaxLevel(A, maxLevel);
    StoreSamples(A, std::vector<double>(samples.begin(), samples.end()));
    ComputeLevelMatrices(A);
    return A;
}

Analysis AnalysisOfSignal(const Signal& signal, int maxLevel, double delta)
{
    return AnalysisOfSamples(SampleSignal(signal, maxLevel, delta), maxLevel, delta);
}

void MoveToLevel(Analysis& A, int level)
{
    while (A.Level > level) {
        A.Level = A.Level - 1;
        DecomposeStep(A);
    }
    while (A.Level < level) {
        ReconstructStep(A);
        A.Level = A.Level + 1;
    }
}
