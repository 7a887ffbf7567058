#pragma once

#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"

// The main window: every control of the program; closing it ends the program.
class TfrmHaupt : public TForm {
public:
    TfrmHaupt();

    TScrollBar scrDelta;
    TButton butGo;
    TOpenDialog odgOpen;
    TLabel labaktDelta;
    TLabel labDelta;
    TLabel labLevel;
    TTrackBar trbLevel;
    TSaveDialog sdgSave;
    TCheckBox cbxWavelet;
    TCheckBox cbxSkal;
    TButton butAbout;
    TButton butOpen;
    TButton butSave;
    TButton butExit;

    void FormCreate();
    void scrDeltaChange();
    void butGoClick();
    void trbLevelChange();
    void cbxSkalClick();
    void cbxWaveletClick();
    void butOpenClick();
    void butSaveClick();
    void butAboutClick();
    void butExitClick();

    // A loaded file's Delta: both Deltas, the scroll bar (without its own
    // reaction, which would round Delta to the position), both labels, the
    // wavelet coefficients and the level matrices, as "Go!" computes them.
    void TakeOverDelta(double delta);

protected:
    bool FormClose() override;
};

extern TfrmHaupt* frmHaupt;

// Track bar maximum MaxLevel, then position Level, then "Level: %d".
void UpdateLevelControls();

// Releases every window in its documented order and ends the program with 0.
void FreeAllWindows();
// The release alone, without the exit.
void ReleaseAllWindows();

// Creates the main form as the application's main form and runs FormCreate.
void CreateMainForm();
