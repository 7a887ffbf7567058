#pragma once

#include "analysis/LevelMatrices.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"

#include <array>
#include <string>

// The progress window, shown only while the level matrices are computed.
class TfrmCalcInfo : public TForm {
public:
    TfrmCalcInfo();
    TProgressBar proMatrix;
    // The two lines that the boxes show now.
    std::array<std::string, 2> Lines;

    // Two boxed text lines on the canvas, each box blanking the line's previous text.
    void ShowProgressText(const char* line1, const char* line2);
};

// Shows the computation's progress on the window as it happens:
// "Berechne Level %d von %d", then "Matrix P" and "Matrix P...Q...".
class ProgressDisplay : public LevelMatrixObserver {
public:
    explicit ProgressDisplay(TfrmCalcInfo& window) : window(window) {}
    void Begin(int maximum) override;
    void Computing(int j, int maxLevel, LevelMatrixKind kind) override;
    void Advance() override;
    void End() override;

private:
    TfrmCalcInfo& window;
};
