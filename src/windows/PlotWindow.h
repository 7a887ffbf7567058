#pragma once

#include "analysis/Session.h"
#include "plot/Plotter.h"
#include "toolkit/Controls.h"
#include "toolkit/Form.h"
#include "windows/PlotWindowTable.h"

#include <array>
#include <functional>

class TPlotWindow;

// What the plot windows draw from and with; the program wires it at start-up.
struct PlotContext {
    // The analysis; the details, function and error windows draw its Shown()
    // copy, with the details that compression keeps.
    const AnalysisSession* session = nullptr;
    // The zoom check boxes, read anew for each basis window.
    std::function<bool()> ZoomSkal;
    std::function<bool()> ZoomWavelet;
    // Paint and resize handlers draw nothing until start-up sets it.
    bool PlotsReady = false;
    // The seven windows, by their rows in the table.
    std::array<TPlotWindow*, PlotWindowCount> windows{};
};

// The plotter's surface over a form's canvas: the form keeps its picture, the
// plotter draws through this.
class FormPlotSurface : public PlotSurface, public Canvas {
public:
    explicit FormPlotSurface(TForm& form) : form(form) {}
    int Width() const override { return form.Width(); }
    int Height() const override { return form.Height(); }
    int VisibleWidth() const override { return form.width(); }
    int VisibleHeight() const override { return form.height(); }
    Canvas& GetCanvas() override { return *this; }
    void SetPenColor(pen::Color color) override { form.FormCanvas().SetPenColor(color); }
    void MoveTo(int x, int y) override { form.FormCanvas().MoveTo(x, y); }
    void LineTo(int x, int y) override { form.FormCanvas().LineTo(x, y); }
    void Rectangle(int x1, int y1, int x2, int y2) override { form.FormCanvas().Rectangle(x1, y1, x2, y2); }
    void TextOut(int x, int y, const std::string& text) override { form.FormCanvas().TextOut(x, y, text); }
    int TextWidth(const std::string& text) override { return form.FormCanvas().TextWidth(text); }
    int TextHeight() override { return form.FormCanvas().TextHeight(); }

private:
    TForm& form;
};

// A plot window: white, sizeable, the program's font; its row says what it draws.
class TPlotWindow : public TForm {
public:
    TPlotWindow(const PlotWindowRow& row, PlotContext& context);

    // Plots the row's function on the frame, straight to the screen.
    void Draw(const PlotFrame& frame);
    // Draws what a redraw of its group gives it: as Draw(RedrawFrame()), a
    // function window's fitted curve computed once.
    void Redraw();
    // The frame that a redraw of its group gives it now: the original's, or
    // with "Achsen: an die Daten angepasst" the fitted layout, a function
    // window framed around its own curve as this window draws it.
    PlotFrame RedrawFrame();
    // What the window shows (its last frame) drawn once more onto another
    // surface: a vector picture of it.
    void DrawPicture(PlotSurface& target) const;

    const PlotWindowRow& Row;

    // How many pictures this window has drawn, and the frame of the last one.
    int Draws = 0;
    PlotFrame LastFrame{};

    // The context menu; the program adds its items ("Bild speichern…").
    TPopupMenu pmnPlot;
    QAction* mniSavePicture = nullptr;

protected:
    void FormPaint() override { DrawOwn(Row.paint); }
    void FormResize() override { DrawOwn(Row.resize); }

private:
    void DrawOwn(OwnDraw what);
    // A function window's frame, or its picture; `height` the original's
    // multiple of MaxAbsKoeff.
    PlotFrame FunctionWindowFrame(double height);
    void DrawFunctionWindow(double height);
    PlotFunction FittedCurve() const;
    // After a picture is drawn: on screen, counted, its frame kept.
    void Shown(const PlotFrame& frame);
    double LeastSpan() const;
    PlotFrame CurveFrame(const PlotFrame& frame) const;
    // Whether the clean samples of added noise lie beneath the curve, in grey.
    bool DrawsClean() const;
    PlotFunction CleanCurve() const;
    const Analysis* DrawnAnalysis() const;
    // The row's function on the frame, over the clean signal where the row shows it.
    void PlotOn(PlotSurface& target, const PlotFrame& frame) const;

    PlotContext& context;
    FormPlotSurface surface{*this};
};

// What the x axis reads for a signal: its times, or 0 .. 1.
XLabels XLabelsOf(const Signal& signal);

// The function windows on the full-redraw frame (+-1.7 s), in their order.
void RedrawFunctionWindows(const PlotContext& context);
// The basis windows with the frames that the zoom check boxes select.
void RedrawBasisWindows(const PlotContext& context);
