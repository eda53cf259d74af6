#include "raster/DrawRecording.h"

#include "raster/DrawObject.h"
#include "raster/FastDraw.h"
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

void AddRows(TDrawCommand& command, const TPoint* points, int count) {
    int top = INT_MAX, bottom = INT_MIN;
    for (int i = 0; i < count; ++i) {
        top = std::min(top, points[i].Y);
        bottom = std::max(bottom, points[i].Y);
    }
    command.Top = top;
    command.Bottom = bottom;
}

// Only the copies that reach the band: those that miss it would take the slow clipped way to
// write nothing. The pen position they leave is not used again, as a line from it is recorded
// with its start.
void PolylineAtEachInBand(TDrawObject& target, const TPoint* shape, int high,
                          const TPoint* origins, int count, TRowBand band) {
    int top = INT_MAX, bottom = INT_MIN;
    for (int i = 0; i <= high; ++i) {
        top = std::min(top, shape[i].Y);
        bottom = std::max(bottom, shape[i].Y);
    }
    int run = 0;
    for (int k = 0; k < count; ++k) {
        if (band.Meets(origins[k].Y + top, origins[k].Y + bottom))
            continue;
        if (k > run)
            target.PolylineAtEach(shape, high, origins + run, k - run);
        run = k + 1;
    }
    if (count > run)
        target.PolylineAtEach(shape, high, origins + run, count - run);
}

} // namespace

void TDrawRecording::Begin(const TRect* surfaceClip) {
    Commands.clear();
    Points.clear();
    Calls.clear();
    Surface = surfaceClip != nullptr;
    if (surfaceClip)
        Clip = *surfaceClip;
    Blending = -1;
    PenKnown = false;
}

TDrawCommand& TDrawRecording::Add(TDrawCommandKind kind, const TCanvas& canvas, int count) {
    TDrawCommand& command = Commands.emplace_back();
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
    TDrawCommand& command = Add(TDrawCommandKind::Polygon, canvas, high + 1);
    AddRows(command, points, high + 1);
    Points.insert(Points.end(), points, points + high + 1);
    if (Surface)
        SetPen(points[high]);
}

void TDrawRecording::AddPolyline(const TCanvas& canvas, const TPoint* points, int high) {
    if (high < 0)
        return;
    TDrawCommand& command = Add(TDrawCommandKind::Polyline, canvas, high + 1);
    AddRows(command, points, high + 1);
    Points.insert(Points.end(), points, points + high + 1);
    if (Surface)
        SetPen(points[high]);
}

void TDrawRecording::AddPolylineAtEach(const TCanvas& canvas, const TPoint* shape, int high,
                                       const TPoint* origins, int count) {
    if (high < 0 || count <= 0)
        return;
    TDrawCommand& command = Add(TDrawCommandKind::PolylineAtEach, canvas, high + 1);
    command.Extra = count;
    AddRows(command, shape, high + 1);
    int top = INT_MAX, bottom = INT_MIN;
    for (int k = 0; k < count; ++k) {
        top = std::min(top, origins[k].Y);
        bottom = std::max(bottom, origins[k].Y);
    }
    command.Top += top;
    command.Bottom += bottom;
    Points.insert(Points.end(), shape, shape + high + 1);
    Points.insert(Points.end(), origins, origins + count);
    if (Surface)
        SetPen({shape[high].X + origins[count - 1].X, shape[high].Y + origins[count - 1].Y});
}

void TDrawRecording::AddLine(const TCanvas& canvas, TPoint from, TPoint to) {
    TDrawCommand& command = Add(TDrawCommandKind::Line, canvas, 2);
    command.Top = std::min(from.Y, to.Y);
    command.Bottom = std::max(from.Y, to.Y);
    Points.push_back(from);
    Points.push_back(to);
    SetPen(Surface ? ClippedEnd(Clip, from, to) : to);
}

void TDrawRecording::AddMoveTo(TPoint to) {
    SetPen(to);
}

void TDrawRecording::AddLineTo(const TCanvas& canvas, TPoint to) {
    TDrawCommand& command = Add(TDrawCommandKind::LineTo, canvas, 2);
    command.FromStartPen = !PenKnown;
    // A line from a pen position not yet known reaches every row until it is.
    command.Top = PenKnown ? std::min(PenPos.Y, to.Y) : INT_MIN;
    command.Bottom = PenKnown ? std::max(PenPos.Y, to.Y) : INT_MAX;
    Points.push_back(PenPos);
    Points.push_back(to);
    SetPen(to);
}

void TDrawRecording::AddRect(TDrawCommandKind kind, const TCanvas& canvas, const TRect& rect) {
    TDrawCommand& command = Add(kind, canvas, 2);
    command.Top = std::min(rect.Top, rect.Bottom);
    command.Bottom = std::max(rect.Top, rect.Bottom);
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
    TDrawCommand& command = Add(TDrawCommandKind::Call, canvas, count);
    command.Extra = int(Calls.size());
    AddRows(command, points, count);
    Points.insert(Points.end(), points, points + count);
    Calls.push_back({call, data});
}

TRecordingStart TDrawRecording::Left(TRecordingStart start) const {
    return {Blending >= 0 ? Blending == 1 : start.Blending, PenKnown ? PenPos : start.PenPos};
}

void TDrawRecording::Replay(TDrawObject& target, TRowBand band, TRecordingStart start) const {
    TCanvas& canvas = target.Canvas();
    TFastDraw* surface = target.FastSurface();
    const TPoint* points = Points.data();
    for (const TDrawCommand& command : Commands) {
        if (command.Top > band.Bottom || command.Bottom < band.Top)
            continue;
        canvas.Pen.Colour = command.PenColour;
        canvas.Brush.Colour = command.BrushColour;
        canvas.Brush.Style = command.BrushStyle;
        if (surface)
            surface->SetBlending(command.Blending < 0 ? start.Blending : command.Blending == 1);
        const TPoint* p = points + command.First;
        const int high = command.Count - 1;
        switch (command.Kind) {
        case TDrawCommandKind::Polygon:
            target.Polygon(p, high);
            break;
        case TDrawCommandKind::Polyline:
            target.Polyline(p, high);
            break;
        case TDrawCommandKind::PolylineAtEach:
            PolylineAtEachInBand(target, p, high, p + command.Count, command.Extra, band);
            break;
        case TDrawCommandKind::Line:
            target.Line(p[0].X, p[0].Y, p[1].X, p[1].Y);
            break;
        case TDrawCommandKind::LineTo: {
            const TPoint from = command.FromStartPen ? start.PenPos : p[0];
            target.MoveTo(from.X, from.Y);
            target.LineTo(p[1].X, p[1].Y);
            break;
        }
        case TDrawCommandKind::Ellipse:
            target.Ellipse(p[0].X, p[0].Y, p[1].X, p[1].Y);
            break;
        case TDrawCommandKind::Rectangle:
            target.Rectangle(p[0].X, p[0].Y, p[1].X, p[1].Y);
            break;
        case TDrawCommandKind::FillRect:
            target.FillRect({p[0].X, p[0].Y, p[1].X, p[1].Y});
            break;
        case TDrawCommandKind::FrameRect:
            target.FrameRect({p[0].X, p[0].Y, p[1].X, p[1].Y});
            break;
        case TDrawCommandKind::Call: {
            const TCallTarget& call = Calls[size_t(command.Extra)];
            call.Call(target, call.Data, p, command.Count);
            break;
        }
        }
    }
}
