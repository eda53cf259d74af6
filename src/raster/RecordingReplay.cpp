// Drawing a recording again through a drawing target, a band at a time: kept apart from the
// recording so that the target, which records, and the recording do not need each other.
#include "raster/DrawObject.h"
#include "raster/DrawRecording.h"
#include "raster/FastDraw.h"

#include <algorithm>

namespace {

// The rows of points[0..count-1]; count is at least 1.
TRowBand RowsOf(const TPoint* points, int count) {
    TRowBand rows{points[0].Y, points[0].Y};
    for (int i = 1; i < count; ++i) {
        rows.Top = std::min(rows.Top, points[i].Y);
        rows.Bottom = std::max(rows.Bottom, points[i].Y);
    }
    return rows;
}

// Only the copies that reach the band: those that miss it would take the slow clipped way to
// write nothing. The pen position they leave is not used again, as a line from it is recorded
// with its start.
void PolylineAtEachInBand(TDrawObject& target, const TPoint* shape, int high, const TPoint* origins,
                          int count, TRowBand band) {
    const TRowBand rows = RowsOf(shape, high + 1);
    int run = 0;
    for (int k = 0; k < count; ++k) {
        if (band.Meets(origins[k].Y + rows.Top, origins[k].Y + rows.Bottom))
            continue;
        if (k > run)
            target.PolylineAtEach(shape, high, origins + run, k - run);
        run = k + 1;
    }
    if (count > run)
        target.PolylineAtEach(shape, high, origins + run, count - run);
}

} // namespace

void TDrawRecording::Replay(TDrawObject& target, TRowBand band, TRecordingStart start, size_t count,
                            size_t first) const {
    count = std::min(count, Commands.size());
    for (size_t block = first / BlockSize; block * BlockSize < count; ++block) {
        if (!band.Meets(Blocks[block].Top, Blocks[block].Bottom))
            continue;
        const size_t end = std::min(count, (block + 1) * BlockSize);
        for (size_t i = std::max(first, block * BlockSize); i < end; ++i) {
            const TDrawCommand& command = Commands[i];
            if (command.Top <= band.Bottom && command.Bottom >= band.Top)
                ReplayCommand(target, command, band, start);
        }
    }
}

void TDrawRecording::ReplayBackwards(TDrawObject& target, TRowBand band, size_t first,
                                     size_t last) const {
    const TFastDraw& surface = *target.FastSurface();
    for (size_t i = std::min(last, Commands.size()); i-- > first;) {
        const TDrawCommand& command = Commands[i];
        if (command.Top > band.Bottom || command.Bottom < band.Top ||
            surface.WrittenThroughout({command.Left, command.Top, command.Right, command.Bottom},
                                      band))
            continue;
        ReplayCommand(target, command, band, {});
    }
}

void TDrawRecording::ReplayCommand(TDrawObject& target, const TDrawCommand& command, TRowBand band,
                                   TRecordingStart start) const {
    TCanvas& canvas = target.Canvas();
    TFastDraw* surface = target.FastSurface();
    canvas.Pen.Colour = command.PenColour;
    canvas.Brush.Colour = command.BrushColour;
    canvas.Brush.Style = command.BrushStyle;
    if (surface)
        surface->SetBlending(command.Blending < 0 ? start.Blending : command.Blending == 1);
    const TPoint* p = Points.data() + command.First;
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
    case TDrawCommandKind::Quads: {
        const uint32_t* words = QuadWords.data() + command.Extra;
        target.Quads(reinterpret_cast<const TPoint(*)[4]>(p), words + 1, command.Count / 4,
                     words[0]);
        break;
    }
    }
}
