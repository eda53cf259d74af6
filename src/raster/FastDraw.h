#pragma once
// Raster surfaces that write lines and filled polygons straight into a bitmap's rows.

#include "base/Geometry.h"
#include "raster/Edge.h"
#include "raster/LineStamp.h"
#include "raster/MaskedWriter.h"
#include "raster/RasterSpans.h"
#include "raster/RowBand.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;
class TCanvas;
class TCoverMask;

// The surface does not own the bitmap, which must keep its size and format while in use. It
// draws inside ClipRect only: column 0, row 0 and the bottom row are never written. Colours
// come from the bitmap canvas's pen and brush at the start of each operation. The derived
// classes supply the pixel format; the order of drawing is the same for all of them.
class TFastDraw {
public:
    explicit TFastDraw(TBitmap& bitmap);
    virtual ~TFastDraw();
    TFastDraw(const TFastDraw&) = delete;
    TFastDraw& operator=(const TFastDraw&) = delete;

    // Takes the row addresses and sets ClipRect; called again if the bitmap was resized.
    virtual void Prepare();
    // The bitmap becomes rows firstRow on of a page pageRows high, as TCanvas::ShowRows.
    void ShowRows(int firstRow, int pageRows);
    virtual void DrawLine(TPoint p1, TPoint p2);
    // As DrawLine; the canvas's pen position then becomes the clipped end point.
    virtual void Line(int x0, int y0, int x1, int y1);
    // High is the index of the last point. Filled with the brush unless it is clear, outlined
    // with the pen; a transparency brush makes this and later lines blend.
    virtual void Polygon(const TPoint* points, int high);
    virtual void Polyline(const TPoint* points, int high);
    virtual void PolygonOutline(const TPoint* points, int high);
    // Polygon of each of quads[0..count-1] in turn, the brush colour set to colours[k] first:
    // a box's faces in one call. The brush keeps the last colour. Bit 4k + s of redrawn says
    // that a later quad has the segment from corner s of quad k to the next, from the same start
    // to the same end (a box's faces share edges); with opaque writers it is walked only there.
    static constexpr int MaxQuads = 4; // more take the Polygon calls
    void Quads(const TPoint (*quads)[4], const TColour* colours, int count, uint32_t redrawn);
    // Polyline of shape[0..high] moved by origin, for a shape drawn many times a frame.
    void PolylineAt(const TPoint* shape, int high, TPoint origin);
    // PolylineAt at each of origins[0..count-1] in turn, with the pen converted once.
    void PolylineAtEach(const TPoint* shape, int high, const TPoint* origins, int count);

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);

    TBitmap* Bitmap;
    // Pen, brush and pen position: the bitmap's own canvas unless a band drawing gives its own.
    TCanvas* Canvas;
    TRect ClipRect;
    // Only these rows are written; the geometry is still clipped to ClipRect as a whole.
    TRowBand Band;
    std::vector<uint8_t*> ScanLines;
    // From row 0 to row 1, in pixels (in bytes for the 24-bit surface).
    std::ptrdiff_t RowStep = 0;
    int EdgeCount = 0;
    std::vector<TEdge> EdgeTable;
    int VertexCount = 0;
    bool Is565 = false;
    // Off, everything takes the general clipping routines; the tests compare the two ways.
    bool InsideShortcuts = true;

    // A band that skips bricks takes up the writers the skipped ones would have left.
    bool IsBlending() const { return Blending; }
    void SetBlending(bool on) { Blending = on; }

    // With a cover mask the surface draws a drawing replayed last operation first: opaque
    // writes keep to the pixels not yet written and mark them, and the steps within one
    // operation (a polygon's fill and outline, the faces of Quads) come in reverse too, so the
    // pixels are those of the drawing forwards. Nothing may blend meanwhile. The mask holds the
    // bitmap's rows the surface writes (Band) with rows of RowStep pixels; 24-bit rows hold no
    // whole number of pixels, so that surface takes none, nor do surfaces without EvenRows.
    bool TakesCoverMask() const { return EvenRows && RowStepUnit() != 1; }
    void SetCoverMask(TCoverMask* mask);
    template <class F, class W> TMaskedWriter<F, W> Masked(const W& writer) const {
        return {writer, ScanLines[std::size_t(CoverMask->Top())], CoverMask->Words(),
                CoverMask->Pitch(), CoverMask->Top()};
    }
    TCoverMask* CoverMask = nullptr;
    // Whether the cover mask has every pixel of the box within the band written: a drawing
    // there, nearest first, would change nothing. Never for a box reaching past ClipRect, where
    // clipping may move a line off its points.
    bool WrittenThroughout(const TRect& box, TRowBand band) const;

protected:
    virtual int RowStepUnit() const = 0;
    virtual void ConvertPen() = 0;
    virtual void ConvertBrush() = 0;
    // Draw with the current pen pixel and writer. WriteLine returns the clipped end point;
    // WriteLines joins points[0..high] and, when closed, the last point to the first.
    virtual TPoint WriteLine(TPoint p1, TPoint p2) = 0;
    virtual void WriteLines(const TPoint* points, int high, bool closed) = 0;
    virtual void FillInterior(const TPoint* points, int n) = 0;
    virtual void WriteLinesAt(const TPoint* shape, int high, const TPoint* origins, int count) = 0;
    // Quads when every point lies inside the clip rectangle and band and nothing blends.
    virtual void WriteQuadsInside(const TPoint (*quads)[4], const TColour* colours, int count,
                                  uint32_t redrawn) = 0;

    // The format's work behind the operations above. The general clipping routines do all of
    // it; what lies wholly inside ClipRect takes shortcuts that write the same pixels.
    template <class F, class W>
    void WriteLinesWith(const TPoint* points, int high, bool closed, const W& writer);
    template <class F, class W> void FillWith(const TPoint* points, int n, const W& writer);
    template <class F>
    void LinesAt(const TPoint* shape, int high, const TPoint* origins, int count, bool blending,
                 typename F::Pixel pen);
    template <class F>
    void QuadsInside(const TPoint (*quads)[4], const TColour* colours, int count, uint32_t redrawn,
                     const typename F::Pixel& brush, typename F::Pixel pen);
    template <class F>
    void QuadsInsideBackwards(const TPoint (*quads)[4], const TColour* colours, int count,
                              uint32_t redrawn, const typename F::Pixel& brush,
                              typename F::Pixel pen);
    // The general way for one copy of a shape that cannot be stamped.
    void LinesMoved(const TPoint* shape, int high, TPoint origin);

    // Rows evenly spaced from ScanLines[0], as the shortcuts that step addresses need.
    bool EvenRows = false;
    std::ptrdiff_t RowStride = 0; // in bytes
    TLineStamp Stamp;
    std::vector<TPoint> Moved; // a shape moved to its origin, when it cannot be stamped

    // Vertex indices sorted by Y; kept to avoid an allocation per polygon.
    std::vector<int> SortedVertices;
    // The writers chosen by the last Polygon: blending after a transparency-brush polygon.
    bool Blending = false;
};

// A surface whose pixels hold the 32-bit stored word of a colour: all four bytes (TFormat32) or
// the low three (TFormat24).
template <class F> class TFastDrawRGB final : public TFastDraw {
public:
    explicit TFastDrawRGB(TBitmap& bitmap);
    uint32_t PenPixel = 0;
    uint32_t BrushPixel = 0;

protected:
    // The 24-bit surface counts its row step in bytes, as a row need not hold whole pixels.
    int RowStepUnit() const override { return F::Size == 3 ? 1 : F::Size; }
    void ConvertPen() override;
    void ConvertBrush() override;
    TPoint WriteLine(TPoint p1, TPoint p2) override;
    void WriteLines(const TPoint* points, int high, bool closed) override;
    void FillInterior(const TPoint* points, int n) override;
    void WriteLinesAt(const TPoint* shape, int high, const TPoint* origins, int count) override;
    void WriteQuadsInside(const TPoint (*quads)[4], const TColour* colours, int count,
                          uint32_t redrawn) override;
};

using TFastDraw32 = TFastDrawRGB<TFormat32>;
using TFastDraw24 = TFastDrawRGB<TFormat24>;
extern template class TFastDrawRGB<TFormat32>;
extern template class TFastDrawRGB<TFormat24>;

// 5-5-5 or, with Is565, 5-6-5 pixels.
class TFastDraw15 final : public TFastDraw {
public:
    TFastDraw15(TBitmap& bitmap, bool is565);
    uint16_t PenPixel = 0;
    uint16_t BrushPixel = 0;

protected:
    int RowStepUnit() const override { return 2; }
    void ConvertPen() override;
    void ConvertBrush() override;
    TPoint WriteLine(TPoint p1, TPoint p2) override;
    void WriteLines(const TPoint* points, int high, bool closed) override;
    void FillInterior(const TPoint* points, int n) override;
    void WriteLinesAt(const TPoint* shape, int high, const TPoint* origins, int count) override;
    void WriteQuadsInside(const TPoint (*quads)[4], const TColour* colours, int count,
                          uint32_t redrawn) override;

private:
    template <class F> void WriteLinesAs(const TPoint* points, int high, bool closed);
    template <class F> void FillInteriorAs(const TPoint* points, int n);
};

// The raster surface of a 15, 16, 24 or 32-bit bitmap; none for the other formats. The bitmap
// must keep its size and format while the surface is used.
std::unique_ptr<TFastDraw> FastDrawFor(TBitmap& bitmap);
