#pragma once

#include "analysis/Analysis.h"
#include "analysis/DeltaSweep.h"
#include "analysis/Signals.h"
#include "toolkit/Controls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Form.h"
#include "windows/PlotWindow.h"

#include <QShortcut>

#include <memory>
#include <optional>
#include <vector>

class TfrmAbout;
class TfrmCalcInfo;
class TfrmHilfe;
class TfrmKoeffizienten;
class TfrmWerkzeuge;

// The main window: every control of the program; closing it ends the program.
// It owns the program's analysis and knows the program's other windows.
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

    // The program's analysis, and what its plot windows draw from.
    Analysis State;
    PlotContext Plots;
    TfrmCalcInfo* frmCalcInfo = nullptr;
    // The newest About window; earlier ones stay open.
    TfrmAbout* frmAbout = nullptr;
    TfrmWerkzeuge* frmWerkzeuge = nullptr;
    TfrmKoeffizienten* frmKoeffizienten = nullptr;
    TfrmHilfe* frmHilfe = nullptr;  // made when first asked for
    // The signal whose samples the analysis started from.
    Signal CurrentSignal;
    // "Behaltene Details: P %", and the analysis with only those details,
    // which the details, function and error windows draw below 100 %.
    int KeepPercent = 100;
    Analysis Compressed;
    std::vector<char> KeptDetails;  // by position from 2^Level + 1 on

    // The error over all Deltas for the tools window, and the sweep under way.
    std::vector<std::optional<ErrorNumbers>> DeltaRows;
    DeltaSweepInput DeltaInput;
    std::unique_ptr<DeltaSweepRun> DeltaRun;
    unsigned DeltaGeneration = 0;

    // The context menu: "Werkzeuge", "Koeffizienten", "Fenster" (an entry per
    // window, "Fenster anordnen"), "Alle Fenster speichern…", "Hilfe (F1)".
    TPopupMenu pmnHaupt;
    QAction* mniWerkzeuge;
    QAction* mniKoeffizienten;
    QMenu* mnuFenster;
    QAction* mniFensterAnordnen;
    QAction* mniAlleFensterSpeichern;
    QAction* mniHilfe;
    QShortcut shcHilfe;  // F1 in every window of the program

    TPlotWindow& Plot(PlotWindowId id) const { return *Plots.windows[id]; }

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
    // The function windows, then the numbers and the coefficient window.
    void RedrawFunctionWindows();
    void RedrawBasisWindows() { ::RedrawBasisWindows(Plots); }
    // New samples of the current signal at MaxLevel (with the shift of
    // aktDelta) become Koeff and KoeffOrig, Level = MaxLevel; the level
    // matrices with the progress window, and both redraws.
    void SampleAnew();
    // The tools window's "Signal": a signal of the list, a file's samples, the
    // finest level.
    void ChooseSignal(int listIndex);
    void ChooseSignalFile();
    void ChooseMaxLevel(int maxLevel);
    // Shows and raises the tools window.
    void ShowWerkzeuge();
    // "Behaltene Details: P %": the details, function and error windows, the
    // numbers and the coefficient window follow; Koeff stays as it is.
    void ChooseKeepPercent(int percent);
    void ShowKoeffizienten();
    // The Delta comparison anew once the event loop is free again (from the
    // samples, MaxLevel, Level and P of now), on worker threads.
    void ScheduleDeltaSweep();
    void StartDeltaSweep();
    // The whole comparison before returning (the snapshot tool's).
    void ComputeDeltaSweepNow();
    // A Delta chosen on the comparison's curve: the scroll bar, then "Go!".
    void ChooseDelta(int position);
    // "Hilfe": opens (and raises) the help window.
    void ShowHilfe();
    // "Fenster": shows and raises a window with a current picture, or hides it.
    void ShowWindow(TForm& window, bool shown);
    // "Fenster anordnen": the original eight at their laid-out bounds, the tools
    // window beside them.
    void ArrangeWindows();
    // The tools window shows the current signal and finest level.
    void ShowSignalInWerkzeuge();
    // A loaded file's Delta: the scroll bar (without its own reaction, which
    // would round Delta to the position), both labels, the wavelet coefficients
    // and the level matrices, as "Go!" computes them.
    void TakeOverDelta();

protected:
    bool FormClose() override;

private:
    void CreateWerkzeuge();
    void CreateFensterMenu();
    void UpdateCompressed();
    void ShowNumbers();
    void StartDeltaSweepWhenFree();
    bool deltaSweepScheduled = false;
    bool deltaRowsPending = false;
    bool numbersOwed = false;  // computed when the tools or coefficient window opens
};

// The program's main window, once created.
TfrmHaupt* MainWindow();

// Creates the main form as the application's main form and runs FormCreate.
TfrmHaupt* CreateMainForm();

// Releases every window in its documented order, the main window last.
void FreeAllWindows();
