#include "render/FastDraw.h"

#include "render/Bitmap.h"
#include "render/Canvas.h"
#include "render/RasterLine.h"
#include "render/RasterPolygon.h"
#include "render/RasterSpans.h"

namespace {

template <class F>
TPoint LineIn(TFastDraw& s, bool blending, typename F::Pixel pen, TPoint p1, TPoint p2) {
    uint8_t* const* rows = s.ScanLines.data();
    if (blending)
        return raster::DrawClippedLine(rows, s.ClipRect, p1, p2, TBlendWriter<F>{pen});
    return raster::DrawClippedLine(rows, s.ClipRect, p1, p2, TOpaqueWriter<F>{pen});
}

template <class F>
void LinesIn(TFastDraw& s, bool blending, typename F::Pixel pen, const TPoint* points, int high,
             bool closed) {
    const auto draw = [&](const auto& writer) {
        uint8_t* const* rows = s.ScanLines.data();
        for (int i = 0; i < high; ++i)
            raster::DrawClippedLine(rows, s.ClipRect, points[i], points[i + 1], writer);
        if (closed)
            raster::DrawClippedLine(rows, s.ClipRect, points[high], points[0], writer);
    };
    if (blending)
        draw(TBlendWriter<F>{pen});
    else
        draw(TOpaqueWriter<F>{pen});
}

template <class F>
void FillIn(TFastDraw& s, raster::TPolygonScratch scratch, bool blending, typename F::Pixel brush,
            const TPoint* points, int n) {
    uint8_t* const* rows = s.ScanLines.data();
    if (blending)
        raster::FillPolygon(rows, s.ClipRect, points, n, scratch, TBlendWriter<F>{brush});
    else
        raster::FillPolygon(rows, s.ClipRect, points, n, scratch, TOpaqueWriter<F>{brush});
}

} // namespace

TFastDraw::~TFastDraw() {
    Bitmap = nullptr;
}

void TFastDraw::Prepare() {
    const int height = Bitmap->Height();
    ScanLines.resize(std::size_t(height));
    for (int y = 0; y < height; ++y)
        ScanLines[std::size_t(y)] = Bitmap->ScanLine(y);
    RowStep = height < 2 ? 0 : (ScanLines[1] - ScanLines[0]) / RowStepUnit();
    ClipRect = {1, 1, Bitmap->Width() - 1, Bitmap->Height() - 2};
}

void TFastDraw::DrawLine(TPoint p1, TPoint p2) {
    ConvertPen();
    WriteLine(p1, p2);
}

void TFastDraw::Line(int x0, int y0, int x1, int y1) {
    ConvertPen();
    Bitmap->Canvas().PenPos = WriteLine({x0, y0}, {x1, y1});
}

void TFastDraw::Polygon(const TPoint* points, int high) {
    ConvertPen();
    ConvertBrush();
    const TBrushStyle style = Bitmap->Canvas().Brush.Style;
    Blending = style == TBrushStyle::bsDiagCross;
    if (high < 0)
        return;
    VertexCount = high + 1;
    if (VertexCount > 2 && style != TBrushStyle::bsClear)
        FillInterior(points, VertexCount);
    PolygonOutline(points, high);
    Bitmap->Canvas().PenPos = points[high];
}

// The pen cannot change between the segments, so it is converted once for all of them.
void TFastDraw::Polyline(const TPoint* points, int high) {
    if (high < 0)
        return;
    ConvertPen();
    WriteLines(points, high, false);
    Bitmap->Canvas().PenPos = points[high];
}

void TFastDraw::PolygonOutline(const TPoint* points, int high) {
    if (high < 0)
        return;
    ConvertPen();
    WriteLines(points, high, true);
    Bitmap->Canvas().PenPos = points[0];
}

void TFastDraw::MoveTo(int x, int y) {
    Bitmap->Canvas().PenPos = {x, y};
}

void TFastDraw::LineTo(int x, int y) {
    TCanvas& canvas = Bitmap->Canvas();
    DrawLine(canvas.PenPos, {x, y});
    canvas.PenPos = {x, y};
}

void TFastDraw::Rectangle(int x1, int y1, int x2, int y2) {
    const TPoint corners[4] = {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}};
    Polygon(corners, 3);
}

TFastDraw32::TFastDraw32(TBitmap& bitmap) : TFastDraw(bitmap) {
    Prepare();
}
void TFastDraw32::ConvertPen() {
    PenPixel = ToPixel32(ColourToRGB(Bitmap->Canvas().Pen.Colour));
}
void TFastDraw32::ConvertBrush() {
    BrushPixel = ToPixel32(ColourToRGB(Bitmap->Canvas().Brush.Colour));
}
TPoint TFastDraw32::WriteLine(TPoint p1, TPoint p2) {
    return LineIn<TFormat32>(*this, Blending, PenPixel, p1, p2);
}
void TFastDraw32::WriteLines(const TPoint* points, int high, bool closed) {
    LinesIn<TFormat32>(*this, Blending, PenPixel, points, high, closed);
}
void TFastDraw32::FillInterior(const TPoint* points, int n) {
    FillIn<TFormat32>(*this, {SortedVertices, EdgeTable, EdgeCount}, Blending, BrushPixel, points,
                      n);
}

TFastDraw24::TFastDraw24(TBitmap& bitmap) : TFastDraw(bitmap) {
    Prepare();
}
void TFastDraw24::ConvertPen() {
    PenPixel = ToPixel32(ColourToRGB(Bitmap->Canvas().Pen.Colour));
}
void TFastDraw24::ConvertBrush() {
    BrushPixel = ToPixel32(ColourToRGB(Bitmap->Canvas().Brush.Colour));
}
TPoint TFastDraw24::WriteLine(TPoint p1, TPoint p2) {
    return LineIn<TFormat24>(*this, Blending, PenPixel, p1, p2);
}
void TFastDraw24::WriteLines(const TPoint* points, int high, bool closed) {
    LinesIn<TFormat24>(*this, Blending, PenPixel, points, high, closed);
}
void TFastDraw24::FillInterior(const TPoint* points, int n) {
    FillIn<TFormat24>(*this, {SortedVertices, EdgeTable, EdgeCount}, Blending, BrushPixel, points,
                      n);
}

TFastDraw15::TFastDraw15(TBitmap& bitmap, bool is565) : TFastDraw(bitmap) {
    Is565 = is565;
    Prepare();
}
void TFastDraw15::ConvertPen() {
    const TColour rgb = ColourToRGB(Bitmap->Canvas().Pen.Colour);
    PenPixel = Is565 ? ToPixel565(rgb) : ToPixel555(rgb);
}
void TFastDraw15::ConvertBrush() {
    const TColour rgb = ColourToRGB(Bitmap->Canvas().Brush.Colour);
    BrushPixel = Is565 ? ToPixel565(rgb) : ToPixel555(rgb);
}
TPoint TFastDraw15::WriteLine(TPoint p1, TPoint p2) {
    if (Is565)
        return LineIn<TFormat565>(*this, Blending, PenPixel, p1, p2);
    return LineIn<TFormat555>(*this, Blending, PenPixel, p1, p2);
}
void TFastDraw15::WriteLines(const TPoint* points, int high, bool closed) {
    if (Is565)
        LinesIn<TFormat565>(*this, Blending, PenPixel, points, high, closed);
    else
        LinesIn<TFormat555>(*this, Blending, PenPixel, points, high, closed);
}
void TFastDraw15::FillInterior(const TPoint* points, int n) {
    const raster::TPolygonScratch scratch{SortedVertices, EdgeTable, EdgeCount};
    if (Is565)
        FillIn<TFormat565>(*this, scratch, Blending, BrushPixel, points, n);
    else
        FillIn<TFormat555>(*this, scratch, Blending, BrushPixel, points, n);
}
