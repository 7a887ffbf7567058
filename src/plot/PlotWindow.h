#pragma once

#include "plot/PlotFrames.h"
#include "plot/Plotter.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"

#include <array>

// The nine plot functions registered at start-up; slot n is PlotSlots[n - 1].
extern std::array<PlotFunction, 9> PlotSlots;

// The base of the seven plot windows: white, sizeable, the program's font and
// icon. Each window draws the function of its slot.
class TPlotWindow : public TForm {
public:
    TPlotWindow(int left, int top, int width, int height, const std::string& caption, int slot);

    // Sets the frame and plots the slot's function, straight to the screen.
    void Draw(const PlotFrame& frame);

    // How many pictures this window has drawn, and the frame of the last one.
    int Draws = 0;
    PlotFrame LastFrame{};

    // "Bild speichern…": the picture of this window into a PNG file.
    TPopupMenu pmnPlot;
    QAction* mniSavePicture;

protected:
    // The handlers of the windows draw nothing until start-up sets PlotsReady.
    void RedrawBasisWhenReady();
    // A function window on its own frame, +-height * MaxAbsKoeff.
    void DrawOwnFrameWhenReady(double height);

private:
    int slot;
};

// The function windows on the full-redraw frame (+-1.7 s), in their order.
void RedrawFunctionWindows();
// The basis windows with the frames that the zoom check boxes select.
void RedrawBasisWindows();
