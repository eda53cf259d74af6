#pragma once
// The drawing surface of a bitmap: pen, brush and pen position, shapes, text and picture copies.

#include "base/Geometry.h"
#include "raster/Colour.h"
#include "raster/Edge.h"
#include "raster/RowBand.h"

#include <functional>
#include <string>
#include <vector>

class TBitmap;
class TCanvas;
class TCoverMask;

// bsDiagCross is the transparency brush: blended 50 % where the pixel format allows it, shown
// as a diagonal cross-hatch on 8-bit and device bitmaps.
enum class TBrushStyle { bsSolid, bsClear, bsDiagCross };

struct TPen {
    TColour Colour = 0x000000;
};

struct TBrush {
    TColour Colour = 0xFFFFFF;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TFont {
    std::string Name;
    int Size = 8;
    TColour Colour = 0x000000;
    bool Bold = false;
};

// Text is measured and drawn by whoever has fonts (the GUI); the core installs none. Without
// hooks, text draws nothing and measures as a fixed cell of 6 x 13 pixels per character.
struct TTextHooks {
    std::function<int(TCanvas&, const std::string&)> TextWidth;
    std::function<int(TCanvas&, const std::string&)> TextHeight;
    std::function<void(TCanvas&, int, int, const std::string&)> TextOut;
    std::function<void(TCanvas&, const TRect&, int, int, const std::string&)> TextRect;
};
void SetTextHooks(TTextHooks hooks);

// Rectangles given to FillRect, FrameRect, Rectangle, Ellipse and the copies exclude their right
// and bottom edges; lines include both ends. Only MoveTo, LineTo and TextOut move PenPos.
// Everything is clipped to the bitmap.
class TCanvas {
public:
    explicit TCanvas(TBitmap& bitmap) : Target(bitmap) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;
    // Shapes and lines keep to these rows (copies and text do not); see TRowBand.
    TRowBand Band;
    // Set, an ellipse without the transparency brush writes only pixels the mask leaves
    // unwritten and marks them, as the raster surfaces do when drawing front to back. The mask
    // holds the rows the canvas writes, rows shown from the first.
    TCoverMask* CoverMask = nullptr;

    TBitmap& Bitmap() { return Target; }
    // The drawing's rectangle: the bitmap's, or the page's when the bitmap holds rows of one.
    TRect ClipRect() const;
    // The bitmap becomes rows firstRow on of a page pageRows high: shapes are drawn in page
    // coordinates, clipped as on one page-sized bitmap, and only the bitmap's rows are kept.
    // Copies and text do not follow.
    void ShowRows(int firstRow, int pageRows);
    int FirstRow = 0;
    int PageRows = 0; // 0: the bitmap is the whole drawing

    void MoveTo(int x, int y) { PenPos = {x, y}; }
    void LineTo(int x, int y);
    // High is the index of the last point.
    void Polygon(const TPoint* points, int high);
    void Polyline(const TPoint* points, int high);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);

    // Copies (stretching when the sizes differ) a rectangle of another canvas's bitmap into
    // this one, converting pixel formats.
    void CopyRect(const TRect& dest, TCanvas& sourceCanvas, const TRect& source);
    void Draw(int x, int y, const TBitmap& graphic);
    void StretchDraw(const TRect& dest, const TBitmap& graphic);
    void Refresh() {}

    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& rect, int x, int y, const std::string& text);

private:
    // Calls draw(rows, clip, fill, pen) with the brush and pen writers of the bitmap's format.
    template <class TDraw> void WithFillAndPen(TDraw draw);
    void MaskedEllipse(const TRect& box);

    TBitmap& Target;
    // Polygon buffers kept from call to call.
    std::vector<int> SortedVertices;
    std::vector<TEdge> Edges;
    int EdgeCount = 0;
};
