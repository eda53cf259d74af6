#pragma once
// Four-point polygons inside the clip rectangle whose outline falls and rises once, as nearly
// every brick face does: no active edge table, just the two sides from the top vertex down to the
// bottom one. Each row then holds exactly one edge of each side, so the span runs from the
// smaller X to the larger, as FillInside gives it.

#include "base/Geometry.h"
#include "raster/RasterInside.h"

#include <cstdint>
#include <cstdlib>

namespace raster {

// One edge entered at its upper end a, stepped row by row as TInsideEdges steps it.
struct TSideEdge {
    int X = 0, Whole = 0, Step = 0, Remainder = 0, DY = 1, Error = 0;

    TSideEdge() = default;
    TSideEdge(TPoint a, TPoint b) : X(a.X), DY(b.Y - a.Y) {
        const int xDiff = b.X - a.X, dx = std::abs(xDiff);
        Step = xDiff > 0 ? 1 : xDiff < 0 ? -1 : 0;
        // Steep and upright edges, the most common, need no division.
        const int whole = dx < DY ? 0 : dx / DY;
        Whole = Step * whole;
        Remainder = dx - whole * DY;
    }
    void Advance() {
        const int error = Error + Remainder;
        const bool carry = error >= DY;
        X += carry ? Whole + Step : Whole;
        Error = carry ? error - DY : error;
    }
};

// One side of the outline: the vertices from the top down to the bottom, at most four.
struct TQuadSide {
    int Vertex[4] = {};
    int Count = 0;
};

// The two sides of points[0..3] from the top vertex, false when the outline turns back up on
// the way down (then some rows hold four edges and the general fill must do it).
inline bool QuadSides(const TPoint* points, TQuadSide& forward, TQuadSide& backward) {
    int sorted[4];
    SortByRow(points, 4, sorted);
    const int top = sorted[0], bottom = sorted[3];
    const int next = (top + 1) & 3, opposite = (top + 2) & 3, previous = (top + 3) & 3;
    if (bottom == opposite) {
        forward = {{top, next, bottom, 0}, 3};
        backward = {{top, previous, bottom, 0}, 3};
        return true;
    }
    if (bottom == next) {
        forward = {{top, bottom, 0, 0}, 2};
        backward = {{top, previous, opposite, bottom}, 4};
        return points[previous].Y <= points[opposite].Y;
    }
    forward = {{top, next, opposite, bottom}, 4};
    backward = {{top, bottom, 0, 0}, 2};
    return points[next].Y <= points[opposite].Y;
}

// Fills the interior of the four points, all inside the clip rectangle, with the pixels and
// spans in the order FillInside writes them; false, writing nothing, for a shape it leaves to
// FillInside.
template <class W>
bool FillQuadInside(uint8_t* const* rows, const TPoint* points, const W& writer) {
    TQuadSide forward, backward;
    if (!QuadSides(points, forward, backward))
        return false;
    const W w = writer; // as in WalkInside
    const int last = points[forward.Vertex[forward.Count - 1]].Y;
    int f = 0, b = 0; // the lower vertex of each side's current edge
    TSideEdge left, right;
    int leftEnd = points[forward.Vertex[0]].Y, rightEnd = leftEnd;
    for (int y = leftEnd; y < last;) {
        // The next edge that reaches below this row starts on it; level edges hold no row and
        // are passed over, as the general fill never enters them.
        if (leftEnd <= y) {
            while (leftEnd <= y)
                leftEnd = points[forward.Vertex[++f & 3]].Y; // f stays below 4
            left = TSideEdge(points[forward.Vertex[f - 1]], points[forward.Vertex[f]]);
        }
        if (rightEnd <= y) {
            while (rightEnd <= y)
                rightEnd = points[backward.Vertex[++b & 3]].Y;
            right = TSideEdge(points[backward.Vertex[b - 1]], points[backward.Vertex[b]]);
        }
        for (const int until = leftEnd < rightEnd ? leftEnd : rightEnd; y < until; ++y) {
            w.Span(rows[y], y, left.X < right.X ? left.X : right.X,
                   left.X < right.X ? right.X : left.X);
            left.Advance();
            right.Advance();
        }
    }
    return true;
}

} // namespace raster
