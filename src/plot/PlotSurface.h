#pragma once

#include <cstdint>
#include <string>

// The pen colours of the plotter, as the program writes colours: 0x00BBGGRR.
namespace pen {
using Color = std::uint32_t;
inline constexpr Color White = 0xFFFFFF;  // clearing
inline constexpr Color Black = 0x000000;  // axes and ticks
inline constexpr Color Red = 0x0000FF;    // the curve
inline constexpr Color ZeroLine = 0xC0C0C0;   // the zero line of a fitted plot
inline constexpr Color Reference = 0xB0A8A0;  // a reference under the curve: a cool grey, not the text's
}  // namespace pen

// The drawing operations the plotter needs of a window's canvas.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void SetPenColor(pen::Color color) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the pen position to (x, y), leaving out the end pixel.
    virtual void LineTo(int x, int y) = 0;
    // Outline with the pen, inside with the brush, over x1..x2-1 and y1..y2-1.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // The text's top-left corner at (x, y).
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // The box TextOut fills: the text's width, the font's height.
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight() = 0;
};

// What the plotter needs of a window: its outer size and its canvas.
class PlotSurface {
public:
    virtual ~PlotSurface() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // What of the canvas shows (a window's client): labels are kept inside it.
    virtual int VisibleWidth() const { return Width(); }
    virtual int VisibleHeight() const { return Height(); }
    virtual Canvas& GetCanvas() = 0;
};
