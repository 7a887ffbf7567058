#pragma once

#include <cstdint>
#include <string>

// Colours as the program names them: 0x00BBGGRR.
using TColor = std::uint32_t;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBtnFace = 0xF0F0F0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;

// The drawing operations of a window's canvas.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void SetPenColor(TColor color) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the pen position to (x, y), leaving out the end pixel.
    virtual void LineTo(int x, int y) = 0;
    // Outline with the pen, inside with the brush, over x1..x2-1 and y1..y2-1.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // The text's top-left corner at (x, y).
    virtual void TextOut(int x, int y, const std::string& text) = 0;
};

// What the plotter needs of a window: its outer size and its canvas.
class PlotSurface {
public:
    virtual ~PlotSurface() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual Canvas& GetCanvas() = 0;
};
