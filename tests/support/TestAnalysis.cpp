#include "TestAnalysis.h"

#include "analysis/Samples.h"

void RecordingObserver::Computing(int j, int maxLevel, LevelMatrixKind kind)
{
    computing.push_back(std::to_string(j) + "/" + std::to_string(maxLevel)
                        + (kind == LevelMatrixKind::P ? " P" : " Q"));
}

std::unique_ptr<Analysis> StartAnalysis(double aktDelta, int maxLevel)
{
    auto A = std::make_unique<Analysis>();
    A->aktDelta = aktDelta;
    A->Delta = aktDelta;
    SetMaxLevel(*A, maxLevel);
    A->Level = maxLevel;
    SampleFunction(*A, maxLevel);
    SaveOriginal(*A);
    RecordingObserver quiet;
    FillLevelMatrices(*A, quiet);
    ComputeWaveletKoeff(*A);
    return A;
}

std::unique_ptr<Analysis> StartAnalysis() { return StartAnalysis(Analysis{}.aktDelta, Analysis{}.MaxLevel); }
