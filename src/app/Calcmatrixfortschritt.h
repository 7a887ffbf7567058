#pragma once

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
};

extern TfrmCalcInfo* frmCalcInfo;

// Two boxed text lines on the progress window's canvas, each box blanking the
// line's previous text.
void ShowProgressText(const char* line1, const char* line2);

// All level matrices from aktDelta while the progress window shows each step;
// then the function windows are redrawn. No caller redraws them after it.
void ComputeLevelMatrices();
