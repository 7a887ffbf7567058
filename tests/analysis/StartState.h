#pragma once

#include "analysis/AnalysisState.h"
#include "analysis/LevelMatrices.h"
#include "analysis/Tables.h"

#include <string>
#include <vector>

// Records what the computation of the level matrices reports.
struct RecordingObserver : LevelMatrixObserver {
    int maximum = -1;
    int advances = 0;
    bool ended = false;
    std::vector<std::string> texts;  // "line1|line2"

    void Begin(int m) override { maximum = m; }
    void ShowText(const char* line1, const char* line2) override
    {
        texts.push_back(std::string(line1) + "|" + line2);
    }
    void Advance() override { ++advances; }
    void End() override { ended = true; }
};

// The analysis as the program has it right after start-up, without windows.
inline void ResetToStartState()
{
    State = AnalysisState{};
    Koeff = {};
    KoeffOrig = {};
    LevelMatrices.Clear();
    InitPowerTables();
    SampleFunction(State.MaxLevel);
    SaveOriginal();
    RecordingObserver quiet;
    FillLevelMatrices(quiet);
    ComputeWaveletKoeff();
}
