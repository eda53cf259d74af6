#pragma once
// The drawing target every brick draws through: a canvas, with lines and polygons sent to a
// raster surface when the bitmap's pixel format has one.

#include "raster/Canvas.h"
#include "raster/FastDraw.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

class TBitmap;
class TDrawContext;

// What a measuring target gathers from a drawing: the rows it reaches and the writers the last
// polygon chose (-1 none, 0 opaque, 1 blending).
struct TDrawMeasure {
    TRowExtent Rows;
    int Blending = -1;
};

class TDrawObject {
public:
    // Canvas target: every operation is the canvas's own.
    explicit TDrawObject(TCanvas& canvas);
    // The bitmap's canvas, with a raster surface for 15, 16, 24 and 32-bit bitmaps; other
    // formats give a canvas target. The bitmap must keep its size and format meanwhile.
    static TDrawObject CreateFromBitmap(TBitmap& bitmap);
    // As CreateFromBitmap, with a canvas of the caller's on the same bitmap whose pen, brush,
    // band and rows shown the surface uses: bands of one bitmap drawn side by side each have
    // their own.
    static TDrawObject CreateForBand(TBitmap& bitmap, TCanvas& canvas);
    // Draws nothing: every operation adds its rows to measure; the canvas keeps the pen, brush
    // and pen position the drawing sets.
    static TDrawObject Measuring(TCanvas& canvas, TDrawMeasure& measure);

    TDrawObject(TDrawObject&&) noexcept = default;
    TDrawObject& operator=(TDrawObject&&) noexcept = default;
    ~TDrawObject();

    // The shared drawing state the bricks read (view, shading, studs, options); not owned.
    TDrawContext* Context = nullptr;

    TCanvas& Canvas() const { return *TargetCanvas; }
    TFastDraw* FastSurface() const { return Surface.get(); }
    // Set on a measuring target: code that writes the bitmap itself adds its rows here instead.
    TDrawMeasure* Measure() const { return Measured; }

    void CopyRect(const TRect& dest, TCanvas& sourceCanvas, const TRect& source);
    void Draw(int x, int y, const TBitmap& graphic);
    void Ellipse(int x1, int y1, int x2, int y2);
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Line(int x0, int y0, int x1, int y1);
    void LineTo(int x, int y);
    void MoveTo(int x, int y);
    // High is the index of the last point.
    void Polygon(const TPoint* points, int high);
    void Polyline(const TPoint* points, int high);
    // Polygon of each of quads[0..count-1], the brush colour set to colours[k] before each;
    // redrawn as for TFastDraw::Quads.
    void Quads(const TPoint (*quads)[4], const TColour* colours, int count, uint32_t redrawn);
    void Polygon(std::span<const TPoint> points) { Polygon(points.data(), int(points.size()) - 1); }
    void Polyline(std::span<const TPoint> points) {
        Polyline(points.data(), int(points.size()) - 1);
    }
    // Polyline of shape[0..high] moved by origin; a surface keeps the pixels of a shape drawn
    // many times (studs). Callers keep the moved points within int.
    void PolylineAt(const TPoint* shape, int high, TPoint origin);
    // PolylineAt at each of origins[0..count-1] in turn.
    void PolylineAtEach(const TPoint* shape, int high, const TPoint* origins, int count);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Refresh();
    void StretchDraw(const TRect& dest, const TBitmap& graphic);
    int TextHeight(const std::string& text);
    void TextOut(int x, int y, const std::string& text);
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    int TextWidth(const std::string& text);

private:
    std::unique_ptr<TFastDraw> Surface;
    TCanvas* TargetCanvas;
    TDrawMeasure* Measured = nullptr;
    std::vector<TPoint> Moved; // PolylineAt's points on a canvas target
};
