#pragma once

// The program's central parameters, read and written directly by every part.
// `State = AnalysisState{}` restores the start values.
struct AnalysisState {
    double aktDelta = 0.4;     // Delta of the level matrices and the function windows
    double Delta = 0.4;        // Delta of the scroll bar and the basis windows
    int Level = 7;             // level of the smooth coefficients in Koeff
    int MaxLevel = 7;          // finest level: the samples, the track bar's maximum
    double MaxAbsKoeff = 1.0;  // vertical scale of the function windows
    bool PlotsReady = false;   // paint and resize handlers may draw
};

extern AnalysisState State;

// The levels the data can serve: tables for 0..9, level matrices one level above.
inline constexpr int MinLevel = 2;
inline constexpr int LevelLimit = 8;
