#pragma once
// The drawing target every brick draws through: a canvas, with lines and polygons sent to a
// raster surface when the bitmap's pixel format has one.

#include "raster/Canvas.h"
#include "raster/DrawRecording.h"
#include "raster/FastDraw.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TDrawContext;

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
    // As CreateForBand, but draws nothing: the primitives of lines and shapes go into the
    // recording, to be drawn later into bands of the bitmap; the canvas keeps the pen and brush
    // the drawing sets. Copies, pictures and text keep to no band and cannot be recorded (bricks
    // draw none): they raise std::logic_error.
    static TDrawObject Recording(TBitmap& bitmap, TCanvas& canvas, TDrawRecording& recording);

    TDrawObject(TDrawObject&&) noexcept = default;
    TDrawObject& operator=(TDrawObject&&) noexcept = default;
    ~TDrawObject();

    // The shared drawing state the bricks read (view, shading, studs, options); not owned.
    TDrawContext* Context = nullptr;

    TCanvas& Canvas() const { return *TargetCanvas; }
    TFastDraw* FastSurface() const { return Surface.get(); }

    void CopyRect(const TRect& dest, TCanvas& sourceCanvas, const TRect& source);
    void Draw(int x, int y, const TBitmap& graphic);
    // call(*this, data, points, count) now, or when a recording is drawn: for drawing that
    // writes the bitmap itself, within the rows of its points.
    void DrawWith(TDrawCall call, const void* data, const TPoint* points, int count);
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
    TDrawRecording* Recorder = nullptr;
    std::vector<TPoint> Moved; // PolylineAt's points on a canvas target
};
