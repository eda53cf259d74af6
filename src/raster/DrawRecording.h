#pragma once
// The primitives a drawing sends to its target, kept with the pen, brush and blending each one
// was drawn with and the rows it reaches, so that they can be drawn again into any band of the
// bitmap without working out the geometry again.

#include "base/Geometry.h"
#include "raster/Canvas.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

class TDrawObject;

// A drawing of the caller's own that writes the bitmap itself, within the rows of its points.
using TDrawCall = void (*)(TDrawObject& target, const void* data, const TPoint* points, int count);

enum class TDrawCommandKind : uint8_t {
    Polygon,
    Polyline,
    PolylineAtEach, // the shape's points, then the origins
    Line,
    LineTo,
    Ellipse,
    Rectangle,
    FillRect,
    FrameRect,
    Call,
    Quads, // four points per face; Extra indexes the redrawn mask, then the faces' colours
};

struct TDrawCommand {
    int Top, Bottom; // rows reached, both included
    int Left, Right; // columns of its points, both included
    TColour PenColour, BrushColour;
    TDrawCommandKind Kind;
    TBrushStyle BrushStyle;
    // The surface's writers in force: 0 opaque, 1 blending, -1 those the recording began with.
    int8_t Blending;
    // LineTo: the start is the pen position the recording began with.
    bool FromStartPen;
    uint32_t First; // into the points
    int Count;      // points
    int Extra;      // PolylineAtEach: origins after the points; Call: index of the call
};

// What a recording takes from the drawing before it: the writers and pen position its own
// commands did not set.
struct TRecordingStart {
    bool Blending = false;
    TPoint PenPos;
};

class TDrawRecording {
public:
    // Empties the recording, keeping its memory. A surface's clip rectangle tells that the
    // target draws lines and polygons through a raster surface, which moves the pen differently.
    void Begin(const TRect* surfaceClip);

    void AddPolygon(const TCanvas& canvas, const TPoint* points, int high);
    void AddPolyline(const TCanvas& canvas, const TPoint* points, int high);
    void AddPolylineAtEach(const TCanvas& canvas, const TPoint* shape, int high,
                           const TPoint* origins, int count);
    void AddLine(const TCanvas& canvas, TPoint from, TPoint to);
    void AddMoveTo(TPoint to);
    void AddLineTo(const TCanvas& canvas, TPoint to);
    void AddRect(TDrawCommandKind kind, const TCanvas& canvas, const TRect& rect);
    void AddCall(const TCanvas& canvas, TDrawCall call, const void* data, const TPoint* points,
                 int count);
    void AddQuads(const TCanvas& canvas, const TPoint (*quads)[4], const TColour* colours,
                  int count, uint32_t redrawn);

    // Draws the commands that reach the band, in order, through the target: those from first
    // up to count.
    void Replay(TDrawObject& target, TRowBand band, TRecordingStart start, size_t count = SIZE_MAX,
                size_t first = 0) const;

    // What the recording leaves for the drawing after it.
    TRecordingStart Left(TRecordingStart start) const;
    bool Empty() const { return Commands.empty(); }
    // Some command moves the pen, so Left's pen position is the recording's own.
    bool MovesPen() const { return PenKnown; }
    // Some line is drawn with the writers the drawing before left.
    bool NeedsStartWriters() const;
    // Some line starts where the drawing before left the pen.
    bool NeedsStartPen() const;
    // The writers the recording leaves: 0 opaque, 1 blending, -1 those it began with.
    int8_t WritersLeft() const { return Blending; }

    // Every command writes fixed colours through a raster surface (ellipses through a canvas
    // given the surface's cover mask), each pixel's value not
    // depending on what it replaces, and needs nothing from the drawing before it (writers, pen
    // position): then the commands drawn backwards with the first write to each pixel winning
    // give the pixels of the recording drawn forwards.
    bool OpaqueOnly() const;
    // The first of the commands at the end that write so: drawn after everything else of the
    // recording, they may be drawn backwards before the rest is drawn forwards. The number of
    // commands when none do.
    size_t OpaqueTail() const;
    // Likewise the commands at the start, which then leave opaque writers behind them: drawn
    // before the rest, they lie under it.
    size_t OpaqueHead() const;
    // Command last - 1 first down to command first, for a target whose surface has a cover
    // mask; only for commands from OpaqueTail on, or below OpaqueHead. A command whose points
    // lie where the mask is written throughout is passed over.
    void ReplayBackwards(TDrawObject& target, TRowBand band, size_t first = 0,
                         size_t last = SIZE_MAX) const;
    // The smallest rectangle (right and bottom included) holding every point of every command:
    // the commands write inside it. Left > Right when there are none.
    TRect Bounds() const { return Reach; }
    // As Bounds for the commands first .. last - 1.
    TRect BoundsOf(size_t first, size_t last) const;

private:
    void ReplayCommand(TDrawObject& target, const TDrawCommand& command, TRowBand band,
                       TRecordingStart start) const;
    TDrawCommand& Add(TDrawCommandKind kind, const TCanvas& canvas, int count, TRowBand rows);
    // The points of the command just added.
    void Take(const TRect& rect) {
        Commands.back().Left = rect.Left;
        Commands.back().Right = rect.Right;
        Reach = {std::min(Reach.Left, rect.Left), std::min(Reach.Top, rect.Top),
                 std::max(Reach.Right, rect.Right), std::max(Reach.Bottom, rect.Bottom)};
    }
    void Take(TPoint a, TPoint b) {
        Take({std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)});
    }
    void SetPen(TPoint at) {
        PenPos = at;
        PenKnown = true;
    }

    struct TCallTarget {
        TDrawCall Call;
        const void* Data;
    };

    std::vector<TDrawCommand> Commands;
    std::vector<TPoint> Points;
    std::vector<TCallTarget> Calls;
    std::vector<uint32_t> QuadWords; // per Quads command: the redrawn mask, then the colours
    // The rows of each run of BlockSize commands, so that a band passes over whole runs that
    // miss it: bricks drawn one after another lie near each other.
    static constexpr size_t BlockSize = 32;
    std::vector<TRowBand> Blocks;
    bool Surface = false;
    TRect Clip;
    // As the target would leave them; unknown until a command sets them.
    int8_t Blending = -1;
    bool PenKnown = false;
    TPoint PenPos;
    // Bounds, kept up as commands are added: asked of nearly every brick drawn front to back.
    TRect Reach{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};
