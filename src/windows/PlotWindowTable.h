#pragma once

#include "analysis/ScalingFunctions.h"
#include "toolkit/Controls.h"

#include <array>

// The frame a redraw gives a window, and so the redraw group it belongs to.
enum class FrameKind {
    Scaling,   // basis window: the scaling-function frame that "Zoom Skal-funktion" selects
    Wavelet,   // basis window: the wavelet frame that "Zoom Wavelet" selects
    Function,  // function window: +-1.7 MaxAbsKoeff after every computation
};

// What a window's own paint or resize handler draws.
enum class OwnDraw {
    Nothing,       // keeps its picture
    BasisWindows,  // all three basis windows, not only the one that asked
    OwnFrame,      // itself, on +-ownHeight MaxAbsKoeff
};

// A plot function of an analysis as the plotter calls it, with the analysis as
// its context: the evaluator is inlined into it, so a point costs one call.
template <Evaluator f> double EvaluateOn(const void* analysis, double x)
{
    return f(*static_cast<const Analysis*>(analysis), x);
}

// One plot window: everything that tells it from the others.
struct PlotWindowRow {
    const char* name;  // the instance name
    const char* caption;
    Bounds bounds;     // outer bounds at start-up
    double (*plotted)(const void* analysis, double x);  // EvaluateOn<its evaluator>
    FrameKind frame;
    bool compressed;   // draws the analysis with the details that compression keeps
    bool reference;    // compares with the reference samples: no curve without them
    OwnDraw paint;
    OwnDraw resize;
    double ownHeight;  // for OwnDraw::OwnFrame
    int created;       // its place in the order of creation at start-up
    bool clean;        // with noise added, the clean samples' function in grey beneath
};

// The rows in the order of the redraws and of the release at the end.
enum PlotWindowId { Skalfunktion, ApprREQ, Wavelet, Glaette, Details, Funktion, Error, PlotWindowCount };

extern const std::array<PlotWindowRow, PlotWindowCount> PlotWindowTable;
