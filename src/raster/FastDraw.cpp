#include "raster/FastDraw.h"

#include "raster/BandedWriter.h"
#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/CoverMask.h"
#include "raster/RasterInside.h"
#include "raster/RasterLine.h"
#include "raster/RasterPolygon.h"
#include "raster/RasterQuad.h"
#include "raster/RasterSpans.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace {

template <class F>
TPoint LineIn(TFastDraw& s, bool blending, typename F::Pixel pen, TPoint p1, TPoint p2) {
    uint8_t* const* rows = s.ScanLines.data();
    if (blending)
        return raster::DrawClippedLine(rows, s.ClipRect, p1, p2, TBlendWriter<F>{pen}, s.Band);
    if (s.CoverMask)
        return raster::DrawClippedLine(rows, s.ClipRect, p1, p2, s.Masked<F>(TOpaqueWriter<F>{pen}),
                                       s.Band);
    return raster::DrawClippedLine(rows, s.ClipRect, p1, p2, TOpaqueWriter<F>{pen}, s.Band);
}

// Whether every segment marked in redrawn comes again in a later quad, start to start.
[[maybe_unused]] bool RedrawnLater(const TPoint (*quads)[4], int count, uint32_t redrawn) {
    for (int i = 0; i < 4 * count; ++i) {
        bool found = false;
        for (int j = (i / 4 + 1) * 4; j < 4 * count; ++j)
            found = found || (quads[i / 4][i % 4] == quads[j / 4][j % 4] &&
                              quads[i / 4][(i + 1) % 4] == quads[j / 4][(j + 1) % 4]);
        if ((redrawn >> i & 1) != 0 && !found)
            return false;
    }
    return true;
}

bool Within(const TRect& box, TPoint origin, const TRect& clip) {
    return int64_t(box.Left) + origin.X >= clip.Left &&
           int64_t(box.Right) + origin.X <= clip.Right && int64_t(box.Top) + origin.Y >= clip.Top &&
           int64_t(box.Bottom) + origin.Y <= clip.Bottom;
}

// A shape inside the clip rectangle across the band's edge keeps the routines for shapes
// inside, cheaper than the general clipping, and writes only the band's rows (there are some).
template <class W>
TBandedWriter<W> BandedWriter(const W& writer, const TRect& rows,
                              const std::vector<uint8_t*>& scanLines, std::ptrdiff_t stride) {
    const uint8_t* top = scanLines[std::size_t(rows.Top)];
    const uint8_t* bottom = scanLines[std::size_t(rows.Bottom)];
    return {writer, rows.Top, rows.Bottom, std::min(top, bottom),
            std::max(top, bottom) + std::abs(stride)};
}

} // namespace

template <class F, class W>
void TFastDraw::WriteLinesWith(const TPoint* points, int high, bool closed, const W& writer) {
    const TRect band = WithinBand(ClipRect, Band);
    if (InsideShortcuts && EvenRows) {
        if (raster::AllInside(points, high + 1, band)) {
            raster::WalkPolylineInside<F>({ScanLines[0], RowStride}, points, high, closed, writer);
            return;
        }
        if (band.Top <= band.Bottom && raster::AllInside(points, high + 1, ClipRect)) {
            raster::WalkPolylineInside<F>({ScanLines[0], RowStride}, points, high, closed,
                                          BandedWriter(writer, band, ScanLines, RowStride));
            return;
        }
    }
    uint8_t* const* rows = ScanLines.data();
    for (int i = 0; i < high; ++i)
        raster::DrawClippedLine(rows, ClipRect, points[i], points[i + 1], writer, Band);
    if (closed)
        raster::DrawClippedLine(rows, ClipRect, points[high], points[0], writer, Band);
}

template <class F, class W> void TFastDraw::FillWith(const TPoint* points, int n, const W& writer) {
    uint8_t* const* rows = ScanLines.data();
    if (InsideShortcuts && n <= raster::MaxInsideVertices) {
        const TRect band = WithinBand(ClipRect, Band);
        if (raster::AllInside(points, n, band)) {
            if (n != 4 || !raster::FillQuadInside(rows, points, writer))
                raster::FillInside(rows, points, n, writer);
            EdgeCount = 0; // as the general fill leaves it once the last row is done
            return;
        }
        if (band.Top <= band.Bottom && raster::AllInside(points, n, ClipRect)) {
            const auto banded = BandedWriter(writer, band, ScanLines, RowStride);
            if (n != 4 || !raster::FillQuadInside(rows, points, banded))
                raster::FillInside(rows, points, n, banded);
            EdgeCount = 0;
            return;
        }
    }
    raster::FillPolygon(rows, ClipRect, points, n, {SortedVertices, EdgeTable, EdgeCount}, writer,
                        Band);
}

template <class F>
void TFastDraw::QuadsInside(const TPoint (*quads)[4], const TColour* colours, int count,
                            uint32_t redrawn, const typename F::Pixel& brush,
                            typename F::Pixel pen) {
    if (CoverMask) {
        QuadsInsideBackwards<F>(quads, colours, count, redrawn, brush, pen);
        return;
    }
    uint8_t* const* rows = ScanLines.data();
    const raster::TRowGrid grid{ScanLines[0], RowStride};
    const TOpaqueWriter<F> outline{pen};
    for (int k = 0; k < count; ++k) {
        const TPoint* quad = quads[k];
        Canvas->Brush.Colour = colours[k];
        ConvertBrush(); // into the derived surface's brush pixel, which brush refers to
        const TOpaqueWriter<F> fill{brush};
        if (!raster::FillQuadInside(rows, quad, fill))
            raster::FillInside(rows, quad, 4, fill);
        for (int s = 0; s < 4; ++s) {
            // With opaque writers and one pen a later walk of the same segment writes the same
            // pixels last.
            if ((redrawn >> (4 * k + s) & 1) == 0)
                raster::WalkInside<F>(grid, quad[s], quad[(s + 1) & 3], outline);
        }
    }
}

// QuadsInside in reverse, each face's outline before its fill.
template <class F>
void TFastDraw::QuadsInsideBackwards(const TPoint (*quads)[4], const TColour* colours, int count,
                                     uint32_t redrawn, const typename F::Pixel& brush,
                                     typename F::Pixel pen) {
    uint8_t* const* rows = ScanLines.data();
    const raster::TRowGrid grid{ScanLines[0], RowStride};
    const auto outline = Masked<F>(TOpaqueWriter<F>{pen});
    for (int k = count - 1; k >= 0; --k) {
        const TPoint* quad = quads[k];
        // A face hidden behind what is drawn already costs no walk over its rows.
        if (CoverMask->Covered(BoundsOf(quad, 3)))
            continue;
        for (int s = 0; s < 4; ++s) {
            if ((redrawn >> (4 * k + s) & 1) == 0)
                raster::WalkInside<F>(grid, quad[s], quad[(s + 1) & 3], outline);
        }
        Canvas->Brush.Colour = colours[k];
        ConvertBrush();
        const auto fill = Masked<F>(TOpaqueWriter<F>{brush});
        if (!raster::FillQuadInside(rows, quad, fill))
            raster::FillInside(rows, quad, 4, fill);
    }
    // The brush the faces drawn forwards leave.
    Canvas->Brush.Colour = colours[count - 1];
    ConvertBrush();
}

template <class F>
void TFastDraw::LinesAt(const TPoint* shape, int high, const TPoint* origins, int count,
                        bool blending, typename F::Pixel pen) {
    if (count <= 0)
        return;
    if (InsideShortcuts && EvenRows && high > 0) {
        // Recorded only once a copy lies inside: the clip rectangle then bounds its size.
        bool held = Stamp.Holds(shape, high);
        const TRect bounds = held ? Stamp.Bounds : BoundsOf(shape, high);
        // Taken once: the pixel stores might change any member, as far as the compiler knows.
        const TRect inside = WithinBand(ClipRect, Band);
        const std::ptrdiff_t rowStride = RowStride;
        const auto masked =
            CoverMask ? Masked<F>(TOpaqueWriter<F>{pen}) : TMaskedWriter<F, TOpaqueWriter<F>>{};
        const uint64_t* rowBits = Stamp.RowBits.data();
        int rowCount = int(Stamp.RowBits.size());
        for (int k = 0; k < count; ++k) {
            const TPoint origin = origins[k];
            if (!Within(bounds, origin, inside)) {
                // A copy whose rows miss the band writes nothing there: not walked at all.
                if (int64_t(origin.Y) + bounds.Bottom >= Band.Top &&
                    int64_t(origin.Y) + bounds.Top <= Band.Bottom)
                    LinesMoved(shape, high, origin);
                continue;
            }
            if (!held) {
                Stamp.Record(shape, high, rowStride, F::Size);
                rowBits = Stamp.RowBits.data();
                rowCount = int(Stamp.RowBits.size());
                held = true;
            }
            uint8_t* corner = ScanLines[std::size_t(origin.Y + bounds.Top)] +
                              std::ptrdiff_t(origin.X + bounds.Left) * F::Size;
            if (blending) {
                const TBlendWriter<F> writer{pen};
                for (std::ptrdiff_t offset : Stamp.Writes)
                    writer.PutAt(corner + offset);
            } else if (CoverMask && rowCount > 0) {
                masked.Stamp(corner, rowStride, bounds.Left + origin.X, bounds.Top + origin.Y,
                             rowBits, rowCount);
            } else if (CoverMask) {
                const TRect at{bounds.Left + origin.X, bounds.Top + origin.Y,
                               bounds.Right + origin.X, bounds.Bottom + origin.Y};
                if (CoverMask->Covered(at))
                    continue;
                for (std::ptrdiff_t offset : Stamp.Pixels)
                    masked.PutAt(corner + offset);
            } else {
                const TOpaqueWriter<F> writer{pen};
                for (std::ptrdiff_t offset : Stamp.Pixels)
                    writer.PutAt(corner + offset);
            }
        }
        return;
    }
    for (int k = 0; k < count; ++k)
        LinesMoved(shape, high, origins[k]);
}

void TFastDraw::LinesMoved(const TPoint* shape, int high, TPoint origin) {
    Moved.resize(std::size_t(high) + 1);
    for (int i = 0; i <= high; ++i)
        Moved[std::size_t(i)] = {shape[i].X + origin.X, shape[i].Y + origin.Y};
    WriteLines(Moved.data(), high, false);
}

TFastDraw::TFastDraw(TBitmap& bitmap) : Bitmap(&bitmap), Canvas(&bitmap.Canvas()) {}

TFastDraw::~TFastDraw() {
    Bitmap = nullptr;
}

void TFastDraw::Prepare() {
    const int height = Bitmap->Height();
    ScanLines.resize(std::size_t(height));
    for (int y = 0; y < height; ++y)
        ScanLines[std::size_t(y)] = Bitmap->ScanLine(y);
    RowStep = height < 2 ? 0 : (ScanLines[1] - ScanLines[0]) / RowStepUnit();
    RowStride = height < 2 ? 0 : ScanLines[1] - ScanLines[0];
    EvenRows = height >= 2;
    for (int y = 0; y < height && EvenRows; ++y)
        EvenRows = ScanLines[std::size_t(y)] == ScanLines[0] + y * RowStride;
    ClipRect = {1, 1, Bitmap->Width() - 1, Bitmap->Height() - 2};
    Stamp = TLineStamp(); // its offsets hold the old row pitch
}

void TFastDraw::SetCoverMask(TCoverMask* mask) {
    assert(!mask || TakesCoverMask());
    CoverMask = mask;
}

bool TFastDraw::WrittenThroughout(const TRect& box, TRowBand band) const {
    if (box.Left < ClipRect.Left || box.Right > ClipRect.Right || box.Top < ClipRect.Top ||
        box.Bottom > ClipRect.Bottom)
        return false;
    const int top = std::max(box.Top, band.Top), bottom = std::min(box.Bottom, band.Bottom);
    return top > bottom || CoverMask->Covered({box.Left, top, box.Right, bottom});
}

void TFastDraw::ShowRows(int firstRow, int pageRows) {
    const int height = Bitmap->Height();
    // Rows outside the bitmap are never written (Band), so they have no address.
    ScanLines.assign(std::size_t(std::max(pageRows, 0)), nullptr);
    for (int y = 0; y < height && firstRow + y < pageRows; ++y)
        if (firstRow + y >= 0)
            ScanLines[std::size_t(firstRow + y)] = Bitmap->ScanLine(y);
    EvenRows = false;
    ClipRect = {1, 1, Bitmap->Width() - 1, pageRows - 2};
    Band = {firstRow, firstRow + height - 1};
    Stamp = TLineStamp();
}

void TFastDraw::DrawLine(TPoint p1, TPoint p2) {
    ConvertPen();
    WriteLine(p1, p2);
}

void TFastDraw::Line(int x0, int y0, int x1, int y1) {
    ConvertPen();
    Canvas->PenPos = WriteLine({x0, y0}, {x1, y1});
}

void TFastDraw::Polygon(const TPoint* points, int high) {
    ConvertPen();
    ConvertBrush();
    const TBrushStyle style = Canvas->Brush.Style;
    Blending = style == TBrushStyle::bsDiagCross;
    if (high < 0)
        return;
    VertexCount = high + 1;
    const bool filled = VertexCount > 2 && style != TBrushStyle::bsClear;
    // The outline in the pen just converted; the pen position ends at the last point.
    if (CoverMask) {
        WriteLines(points, high, true);
        if (filled)
            FillInterior(points, VertexCount);
    } else {
        if (filled)
            FillInterior(points, VertexCount);
        WriteLines(points, high, true);
    }
    Canvas->PenPos = points[high];
}

void TFastDraw::Quads(const TPoint (*quads)[4], const TColour* colours, int count,
                      uint32_t redrawn) {
    if (count <= 0)
        return;
    const TBrushStyle style = Canvas->Brush.Style;
    bool inside = InsideShortcuts && EvenRows && style == TBrushStyle::bsSolid && count <= MaxQuads;
    for (int k = 0; k < count && inside; ++k)
        inside = raster::AllInside(quads[k], 4, WithinBand(ClipRect, Band));
    if (!inside) {
        if (CoverMask) {
            for (int k = count - 1; k >= 0; --k) {
                Canvas->Brush.Colour = colours[k];
                Polygon(quads[k], 3);
            }
            // As the faces drawn forwards leave the brush and the pen.
            Canvas->Brush.Colour = colours[count - 1];
            Canvas->PenPos = quads[count - 1][3];
            return;
        }
        for (int k = 0; k < count; ++k) {
            Canvas->Brush.Colour = colours[k];
            Polygon(quads[k], 3);
        }
        return;
    }
    assert(RedrawnLater(quads, count, redrawn));
    ConvertPen();
    Blending = false;
    WriteQuadsInside(quads, colours, count, redrawn);
    VertexCount = 4;
    EdgeCount = 0;
    Canvas->PenPos = quads[count - 1][3];
}

// The pen cannot change between the segments, so it is converted once for all of them.
void TFastDraw::Polyline(const TPoint* points, int high) {
    if (high < 0)
        return;
    ConvertPen();
    WriteLines(points, high, false);
    Canvas->PenPos = points[high];
}

void TFastDraw::PolygonOutline(const TPoint* points, int high) {
    if (high < 0)
        return;
    ConvertPen();
    WriteLines(points, high, true);
    Canvas->PenPos = points[0];
}

void TFastDraw::PolylineAt(const TPoint* shape, int high, TPoint origin) {
    PolylineAtEach(shape, high, &origin, 1);
}

void TFastDraw::PolylineAtEach(const TPoint* shape, int high, const TPoint* origins, int count) {
    if (high < 0 || count <= 0)
        return;
    ConvertPen();
    WriteLinesAt(shape, high, origins, count);
    const TPoint last = origins[count - 1];
    Canvas->PenPos = {shape[high].X + last.X, shape[high].Y + last.Y};
}

void TFastDraw::MoveTo(int x, int y) {
    Canvas->PenPos = {x, y};
}

void TFastDraw::LineTo(int x, int y) {
    TCanvas& canvas = *Canvas;
    DrawLine(canvas.PenPos, {x, y});
    canvas.PenPos = {x, y};
}

void TFastDraw::Rectangle(int x1, int y1, int x2, int y2) {
    const TPoint corners[4] = {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}};
    Polygon(corners, 3);
}

template <class F> TFastDrawRGB<F>::TFastDrawRGB(TBitmap& bitmap) : TFastDraw(bitmap) {
    Prepare();
}
template <class F> void TFastDrawRGB<F>::ConvertPen() {
    PenPixel = ToPixel32(ColourToRGB(Canvas->Pen.Colour));
}
template <class F> void TFastDrawRGB<F>::ConvertBrush() {
    BrushPixel = ToPixel32(ColourToRGB(Canvas->Brush.Colour));
}
template <class F> TPoint TFastDrawRGB<F>::WriteLine(TPoint p1, TPoint p2) {
    return LineIn<F>(*this, Blending, PenPixel, p1, p2);
}
template <class F> void TFastDrawRGB<F>::WriteLines(const TPoint* points, int high, bool closed) {
    if (Blending)
        WriteLinesWith<F>(points, high, closed, TBlendWriter<F>{PenPixel});
    else if (CoverMask)
        WriteLinesWith<F>(points, high, closed, Masked<F>(TOpaqueWriter<F>{PenPixel}));
    else
        WriteLinesWith<F>(points, high, closed, TOpaqueWriter<F>{PenPixel});
}
template <class F> void TFastDrawRGB<F>::FillInterior(const TPoint* points, int n) {
    if (Blending)
        FillWith<F>(points, n, TBlendWriter<F>{BrushPixel});
    else if (CoverMask)
        FillWith<F>(points, n, Masked<F>(TOpaqueWriter<F>{BrushPixel}));
    else
        FillWith<F>(points, n, TOpaqueWriter<F>{BrushPixel});
}
template <class F>
void TFastDrawRGB<F>::WriteLinesAt(const TPoint* shape, int high, const TPoint* origins,
                                   int count) {
    LinesAt<F>(shape, high, origins, count, Blending, PenPixel);
}

template <class F>
void TFastDrawRGB<F>::WriteQuadsInside(const TPoint (*quads)[4], const TColour* colours, int count,
                                       uint32_t redrawn) {
    QuadsInside<F>(quads, colours, count, redrawn, BrushPixel, PenPixel);
}

template class TFastDrawRGB<TFormat32>;
template class TFastDrawRGB<TFormat24>;

TFastDraw15::TFastDraw15(TBitmap& bitmap, bool is565) : TFastDraw(bitmap) {
    Is565 = is565;
    Prepare();
}
void TFastDraw15::ConvertPen() {
    const TColour rgb = ColourToRGB(Canvas->Pen.Colour);
    PenPixel = Is565 ? ToPixel565(rgb) : ToPixel555(rgb);
}
void TFastDraw15::ConvertBrush() {
    const TColour rgb = ColourToRGB(Canvas->Brush.Colour);
    BrushPixel = Is565 ? ToPixel565(rgb) : ToPixel555(rgb);
}
TPoint TFastDraw15::WriteLine(TPoint p1, TPoint p2) {
    if (Is565)
        return LineIn<TFormat565>(*this, Blending, PenPixel, p1, p2);
    return LineIn<TFormat555>(*this, Blending, PenPixel, p1, p2);
}
template <class F> void TFastDraw15::WriteLinesAs(const TPoint* points, int high, bool closed) {
    if (Blending)
        WriteLinesWith<F>(points, high, closed, TBlendWriter<F>{PenPixel});
    else if (CoverMask)
        WriteLinesWith<F>(points, high, closed, Masked<F>(TOpaqueWriter<F>{PenPixel}));
    else
        WriteLinesWith<F>(points, high, closed, TOpaqueWriter<F>{PenPixel});
}
template <class F> void TFastDraw15::FillInteriorAs(const TPoint* points, int n) {
    if (Blending)
        FillWith<F>(points, n, TBlendWriter<F>{BrushPixel});
    else if (CoverMask)
        FillWith<F>(points, n, Masked<F>(TOpaqueWriter<F>{BrushPixel}));
    else
        FillWith<F>(points, n, TOpaqueWriter<F>{BrushPixel});
}
void TFastDraw15::WriteLines(const TPoint* points, int high, bool closed) {
    if (Is565)
        WriteLinesAs<TFormat565>(points, high, closed);
    else
        WriteLinesAs<TFormat555>(points, high, closed);
}
void TFastDraw15::FillInterior(const TPoint* points, int n) {
    if (Is565)
        FillInteriorAs<TFormat565>(points, n);
    else
        FillInteriorAs<TFormat555>(points, n);
}
void TFastDraw15::WriteLinesAt(const TPoint* shape, int high, const TPoint* origins, int count) {
    if (Is565)
        LinesAt<TFormat565>(shape, high, origins, count, Blending, PenPixel);
    else
        LinesAt<TFormat555>(shape, high, origins, count, Blending, PenPixel);
}
void TFastDraw15::WriteQuadsInside(const TPoint (*quads)[4], const TColour* colours, int count,
                                   uint32_t redrawn) {
    if (Is565)
        QuadsInside<TFormat565>(quads, colours, count, redrawn, BrushPixel, PenPixel);
    else
        QuadsInside<TFormat555>(quads, colours, count, redrawn, BrushPixel, PenPixel);
}

std::unique_ptr<TFastDraw> FastDrawFor(TBitmap& bitmap) {
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf15bit:
        return std::make_unique<TFastDraw15>(bitmap, false);
    case TPixelFormat::pf16bit:
        return std::make_unique<TFastDraw15>(bitmap, true);
    case TPixelFormat::pf24bit:
        return std::make_unique<TFastDraw24>(bitmap);
    case TPixelFormat::pf32bit:
        return std::make_unique<TFastDraw32>(bitmap);
    case TPixelFormat::pf8bit:
    case TPixelFormat::pfDevice:
        break;
    }
    return nullptr;
}
