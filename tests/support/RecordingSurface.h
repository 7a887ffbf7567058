#pragma once

#include "plot/PlotSurface.h"

#include <string>
#include <vector>

// Records every canvas operation as a line of text, and the points of f's calls.
struct RecordingSurface : PlotSurface, Canvas {
    struct Op {
        std::string kind;  // "pen", "move", "line", "rect", "text"
        int x = 0, y = 0, x2 = 0, y2 = 0;
        pen::Color color = 0;
        std::string text;
    };

    int width;
    int height;
    std::vector<Op> ops;

    RecordingSurface(int w, int h) : width(w), height(h) {}

    int Width() const override { return width; }
    int Height() const override { return height; }
    Canvas& GetCanvas() override { return *this; }

    void SetPenColor(pen::Color c) override { ops.push_back({"pen", 0, 0, 0, 0, c, {}}); }
    void MoveTo(int x, int y) override { ops.push_back({"move", x, y, 0, 0, 0, {}}); }
    void LineTo(int x, int y) override { ops.push_back({"line", x, y, 0, 0, 0, {}}); }
    void Rectangle(int x1, int y1, int x2, int y2) override
    {
        ops.push_back({"rect", x1, y1, x2, y2, 0, {}});
    }
    void TextOut(int x, int y, const std::string& t) override { ops.push_back({"text", x, y, 0, 0, 0, t}); }
    // A fixed font: 6 pixels a character, 13 high.
    int TextWidth(const std::string& t) override { return 6 * static_cast<int>(t.size()); }
    int TextHeight() override { return 13; }

    std::vector<Op> OfKind(const std::string& kind) const
    {
        std::vector<Op> out;
        for (const Op& op : ops)
            if (op.kind == kind)
                out.push_back(op);
        return out;
    }
};
