#include "raster/DrawRecording.h"

#include "raster/RasterLine.h"

#include <algorithm>
#include <climits>

namespace {

struct TNoRows {
    uint8_t* operator[](int64_t) const { return nullptr; }
};
struct TNoWrites {
    void Put(uint8_t*, int, int) const {}
};

// Where a surface's line leaves the pen: its end clipped to the surface. A band of no rows
// writes nothing.
TPoint ClippedEnd(const TRect& clip, TPoint from, TPoint to) {
    return raster::DrawClippedLine(TNoRows{}, clip, from, to, TNoWrites{}, {INT_MAX, INT_MIN});
}

// Left > Right when there are no points.
TRect RectOf(const TPoint* points, int count) {
    TRect rect{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int i = 0; i < count; ++i)
        rect = {std::min(rect.Left, points[i].X), std::min(rect.Top, points[i].Y),
                std::max(rect.Right, points[i].X), std::max(rect.Bottom, points[i].Y)};
    return rect;
}

TRowBand RowsOf(const TRect& rect) {
    return {rect.Top, rect.Bottom};
}

// The command writes fixed colours through a raster surface, or an ellipse through the canvas
// given the surface's cover mask, and needs nothing from the drawing before it.
bool WritesOpaquely(const TDrawCommand& command) {
    switch (command.Kind) {
    case TDrawCommandKind::Polygon:
    case TDrawCommandKind::Rectangle:
    case TDrawCommandKind::Quads:
    case TDrawCommandKind::Ellipse:
        // These choose the writers themselves, by their brush.
        return command.BrushStyle != TBrushStyle::bsDiagCross;
    case TDrawCommandKind::Polyline:
    case TDrawCommandKind::PolylineAtEach:
    case TDrawCommandKind::Line:
        return command.Blending == 0;
    case TDrawCommandKind::LineTo:
        return command.Blending == 0 && !command.FromStartPen;
    default: // drawn by the canvas or by the caller, past the surface
        return false;
    }
}

} // namespace

void TDrawRecording::Begin(const TRect* surfaceClip) {
    Commands.clear();
    Points.clear();
    Calls.clear();
    QuadWords.clear();
    Blocks.clear();
    Surface = surfaceClip != nullptr;
    if (surfaceClip)
        Clip = *surfaceClip;
    Blending = -1;
    PenKnown = false;
    Reach = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
}

TDrawCommand& TDrawRecording::Add(TDrawCommandKind kind, const TCanvas& canvas, int count,
                                  TRowBand rows) {
    if (Commands.size() % BlockSize == 0)
        Blocks.push_back(rows);
    TRowBand& block = Blocks.back();
    block.Top = std::min(block.Top, rows.Top);
    block.Bottom = std::max(block.Bottom, rows.Bottom);
    TDrawCommand& command = Commands.emplace_back();
    command.Top = rows.Top;
    command.Bottom = rows.Bottom;
    command.Kind = kind;
    command.PenColour = canvas.Pen.Colour;
    command.BrushColour = canvas.Brush.Colour;
    command.BrushStyle = canvas.Brush.Style;
    command.Blending = Blending;
    command.FromStartPen = false;
    command.First = uint32_t(Points.size());
    command.Count = count;
    command.Extra = 0;
    return command;
}

void TDrawRecording::AddPolygon(const TCanvas& canvas, const TPoint* points, int high) {
    // A surface takes up the brush's writers even for a polygon of no points.
    if (Surface)
        Blending = canvas.Brush.Style == TBrushStyle::bsDiagCross;
    if (high < 0)
        return;
    const TRect rect = RectOf(points, high + 1);
    Add(TDrawCommandKind::Polygon, canvas, high + 1, RowsOf(rect));
    Take(rect);
    Points.insert(Points.end(), points, points + high + 1);
    if (Surface)
        SetPen(points[high]);
}

void TDrawRecording::AddPolyline(const TCanvas& canvas, const TPoint* points, int high) {
    if (high < 0)
        return;
    const TRect rect = RectOf(points, high + 1);
    Add(TDrawCommandKind::Polyline, canvas, high + 1, RowsOf(rect));
    Take(rect);
    Points.insert(Points.end(), points, points + high + 1);
    if (Surface)
        SetPen(points[high]);
}

void TDrawRecording::AddPolylineAtEach(const TCanvas& canvas, const TPoint* shape, int high,
                                       const TPoint* origins, int count) {
    if (high < 0 || count <= 0)
        return;
    // The shape at the origins farthest each way reaches farthest.
    const TRect shapeRect = RectOf(shape, high + 1), originRect = RectOf(origins, count);
    const TRect rect{shapeRect.Left + originRect.Left, shapeRect.Top + originRect.Top,
                     shapeRect.Right + originRect.Right, shapeRect.Bottom + originRect.Bottom};
    Add(TDrawCommandKind::PolylineAtEach, canvas, high + 1, RowsOf(rect)).Extra = count;
    Take(rect);
    Points.insert(Points.end(), shape, shape + high + 1);
    Points.insert(Points.end(), origins, origins + count);
    if (Surface)
        SetPen({shape[high].X + origins[count - 1].X, shape[high].Y + origins[count - 1].Y});
}

void TDrawRecording::AddLine(const TCanvas& canvas, TPoint from, TPoint to) {
    Add(TDrawCommandKind::Line, canvas, 2, {std::min(from.Y, to.Y), std::max(from.Y, to.Y)});
    Take(from, to);
    Points.push_back(from);
    Points.push_back(to);
    SetPen(Surface ? ClippedEnd(Clip, from, to) : to);
}

void TDrawRecording::AddMoveTo(TPoint to) {
    SetPen(to);
}

void TDrawRecording::AddLineTo(const TCanvas& canvas, TPoint to) {
    // A line from a pen position not yet known reaches every row until it is.
    const TRowBand rows =
        PenKnown ? TRowBand{std::min(PenPos.Y, to.Y), std::max(PenPos.Y, to.Y)} : TRowBand{};
    Add(TDrawCommandKind::LineTo, canvas, 2, rows).FromStartPen = !PenKnown;
    Take(PenPos, to);
    Points.push_back(PenPos);
    Points.push_back(to);
    SetPen(to);
}

void TDrawRecording::AddRect(TDrawCommandKind kind, const TCanvas& canvas, const TRect& rect) {
    Add(kind, canvas, 2, {std::min(rect.Top, rect.Bottom), std::max(rect.Top, rect.Bottom)});
    Take({rect.Left, rect.Top}, {rect.Right, rect.Bottom});
    Points.push_back({rect.Left, rect.Top});
    Points.push_back({rect.Right, rect.Bottom});
    // A surface draws a rectangle as the polygon of its corners.
    if (kind == TDrawCommandKind::Rectangle && Surface) {
        Blending = canvas.Brush.Style == TBrushStyle::bsDiagCross;
        SetPen({rect.Right, rect.Top});
    }
}

void TDrawRecording::AddCall(const TCanvas& canvas, TDrawCall call, const void* data,
                             const TPoint* points, int count) {
    if (count <= 0)
        return;
    const TRect rect = RectOf(points, count);
    Add(TDrawCommandKind::Call, canvas, count, RowsOf(rect)).Extra = int(Calls.size());
    Take(rect);
    Points.insert(Points.end(), points, points + count);
    Calls.push_back({call, data});
}

void TDrawRecording::AddQuads(const TCanvas& canvas, const TPoint (*quads)[4],
                              const TColour* colours, int count, uint32_t redrawn) {
    if (count <= 0)
        return;
    const TPoint* points = quads[0];
    const TRect rect = RectOf(points, 4 * count);
    Add(TDrawCommandKind::Quads, canvas, 4 * count, RowsOf(rect)).Extra = int(QuadWords.size());
    Take(rect);
    Points.insert(Points.end(), points, points + 4 * count);
    QuadWords.push_back(redrawn);
    QuadWords.insert(QuadWords.end(), colours, colours + count);
    // As the faces drawn one by one would leave the surface.
    if (Surface) {
        Blending = canvas.Brush.Style == TBrushStyle::bsDiagCross;
        SetPen(quads[count - 1][3]);
    }
}

TRecordingStart TDrawRecording::Left(TRecordingStart start) const {
    return {Blending >= 0 ? Blending == 1 : start.Blending, PenKnown ? PenPos : start.PenPos};
}

bool TDrawRecording::OpaqueOnly() const {
    return OpaqueTail() == 0;
}

size_t TDrawRecording::OpaqueTail() const {
    if (!Surface)
        return Commands.size();
    size_t first = Commands.size();
    while (first > 0 && WritesOpaquely(Commands[first - 1]))
        --first;
    return first;
}

size_t TDrawRecording::OpaqueHead() const {
    if (!Surface)
        return 0;
    size_t count = 0;
    while (count < Commands.size() && WritesOpaquely(Commands[count]))
        ++count;
    return count;
}

TRect TDrawRecording::BoundsOf(size_t first, size_t last) const {
    TRect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (size_t i = first; i < last && i < Commands.size(); ++i) {
        const TDrawCommand& command = Commands[i];
        // Such a line's start is not known here.
        if (command.FromStartPen)
            return Reach;
        bounds = {std::min(bounds.Left, command.Left), std::min(bounds.Top, command.Top),
                  std::max(bounds.Right, command.Right), std::max(bounds.Bottom, command.Bottom)};
    }
    return bounds;
}

bool TDrawRecording::NeedsStartWriters() const {
    for (const TDrawCommand& command : Commands)
        if (command.Blending < 0 &&
            (command.Kind == TDrawCommandKind::Polyline ||
             command.Kind == TDrawCommandKind::PolylineAtEach ||
             command.Kind == TDrawCommandKind::Line || command.Kind == TDrawCommandKind::LineTo))
            return true;
    return false;
}

bool TDrawRecording::NeedsStartPen() const {
    return std::any_of(Commands.begin(), Commands.end(),
                       [](const TDrawCommand& command) { return command.FromStartPen; });
}
