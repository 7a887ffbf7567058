#include "TestAnalysis.h"

#include "analysis/Samples.h"

#include <cmath>

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

void Haar(std::vector<double>& w, int depth, bool back)
{
    const double r = std::sqrt(0.5);
    for (int d = 0; d < depth; ++d) {
        const std::size_t half = w.size() >> (back ? depth - d : d + 1);
        const std::vector<double> v(w.begin(), w.begin() + static_cast<std::ptrdiff_t>(2 * half));
        for (std::size_t i = 0; i < half; ++i) {
            (back ? w[2 * i] : w[i]) = (back ? v[i] + v[half + i] : v[2 * i] + v[2 * i + 1]) * r;
            (back ? w[2 * i + 1] : w[half + i]) = (back ? v[i] - v[half + i] : v[2 * i] - v[2 * i + 1]) * r;
        }
    }
}
