#pragma once
// What a page of the building instructions is drawn with: pictures, text and frames in points
// (1/72 inch) from the page's top left corner. The PDF file and the window's printer each
// implement it, so both share one page layout.

#include "raster/Colour.h"

#include <string>

class TBitmap;

struct TPageRect {
    double X = 0, Y = 0, Width = 0, Height = 0;
};

enum class TTextAlign { Left, Centre };

class TPagePainter {
public:
    virtual ~TPagePainter() = default;
    // Starts a new page; every page is started before anything is drawn on it.
    virtual void StartPage() = 0;
    // A 32-bit bitmap stretched over the rectangle.
    virtual void Picture(const TPageRect& where, const TBitmap& pixels) = 0;
    // One line of text; y is the baseline.
    virtual void Text(double x, double y, double size, bool bold, TTextAlign align,
                      const std::string& text) = 0;
    virtual void Frame(const TPageRect& where, double lineWidth, TColour colour) = 0;
};
