#pragma once

#include "analysis/Session.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "windows/PlotWindow.h"

#include <memory>

class Menus;
class TfrmAbout;
class TfrmCalcInfo;
class WerkzeugeCommands;

// The main window: every control of the program; closing it ends the program.
// Its handlers step the analysis and redraw the windows; what lies beyond the
// original program (the tools window, the context menus) is handed to objects
// of their own, which it makes at start-up.
class TfrmHaupt : public TForm {
public:
    TfrmHaupt();
    ~TfrmHaupt() override;

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

    // Track bar maximum MaxLevel, then position Level, then "Level: %d".
    void UpdateLevelControls();
    // All level matrices from aktDelta, with the progress window; then the
    // function windows are redrawn.
    void ComputeLevelMatrices();
    // The function windows with the compression's copy brought up to date;
    // then the tools window's numbers follow, and its Delta comparison is
    // asked for anew.
    void RedrawFunctionWindows();
    void RedrawBasisWindows();

    // What the program works on, and the windows and objects made at start-up.
    AnalysisSession& Session() { return session; }
    const AnalysisSession& Session() const { return session; }
    const PlotContext& Plots() const { return plots; }
    TPlotWindow& Plot(PlotWindowId id) const { return *plots.windows[id]; }
    TfrmCalcInfo* CalcInfo() const { return frmCalcInfo; }
    TfrmAbout* NewestAbout() const { return frmAbout; }
    WerkzeugeCommands& Werkzeuge() const { return *werkzeuge; }
    Menus& ContextMenus() const { return *menus; }

protected:
    bool FormClose() override;

private:
    friend void FreeAllWindows();

    AnalysisSession session;
    PlotContext plots;
    TfrmCalcInfo* frmCalcInfo = nullptr;
    TfrmAbout* frmAbout = nullptr;  // the newest; earlier ones stay open
    std::unique_ptr<WerkzeugeCommands> werkzeuge;
    std::unique_ptr<Menus> menus;
};

// The program's main window, once created.
TfrmHaupt* MainWindow();

// Creates the main form as the application's main form and runs FormCreate.
TfrmHaupt* CreateMainForm();

// Releases every window in its documented order, the main window last.
void FreeAllWindows();
