#pragma once
// Lines and small polygons lying wholly inside the clip rectangle: the pixels DrawClippedLine
// and FillPolygon give them, without the clipping arithmetic, the buffers or the wide integers.
// Studs and brick faces are nearly all of this kind, so they take these routines.

#include "base/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace raster {

// Bitmap rows as row 0's address and the byte distance between rows.
struct TRowGrid {
    uint8_t* Origin;
    std::ptrdiff_t Pitch;
};

// Where the points' bounding box lies within clip; for n = 0 too.
inline bool AllInside(const TPoint* points, int n, const TRect& clip) {
    for (int i = 0; i < n; ++i)
        if (points[i].X < clip.Left || points[i].X > clip.Right || points[i].Y < clip.Top ||
            points[i].Y > clip.Bottom)
            return false;
    return true;
}

// The midpoint walk of WalkLine from a to b, both inside the bitmap, stepping an address.
template <class F, class W>
void WalkInside(const TRowGrid& grid, TPoint a, TPoint b, const W& writer) {
    const int adx = std::abs(b.X - a.X), ady = std::abs(b.Y - a.Y);
    const std::ptrdiff_t stepX = b.X < a.X ? -F::Size : F::Size;
    const std::ptrdiff_t stepY = b.Y < a.Y ? -grid.Pitch : grid.Pitch;
    const bool yMajor = adx <= ady;
    const std::ptrdiff_t major = yMajor ? stepY : stepX, minor = yMajor ? stepX : stepY;
    const int length = yMajor ? ady : adx, across = yMajor ? adx : ady;
    uint8_t* at = grid.Origin + a.Y * grid.Pitch + std::ptrdiff_t(a.X) * F::Size;
    if (across == 0) { // the decision value never rises above 0
        for (int i = 0; i <= length; ++i, at += major)
            writer.PutAt(at);
        return;
    }
    // Chosen rather than branched on: the minor steps of a slanted line follow no pattern the
    // processor could predict.
    const int rise = 2 * across, fall = 2 * across - 2 * length;
    const std::ptrdiff_t diagonal = major + minor;
    int d = rise - length;
    for (int i = 0; i <= length; ++i) {
        writer.PutAt(at);
        const bool minorStep = d > 0;
        at += minorStep ? diagonal : major;
        d += minorStep ? fall : rise;
    }
}

// Points[0..high] joined in turn and, when closed, the last to the first.
template <class F, class W>
void WalkPolylineInside(const TRowGrid& grid, const TPoint* points, int high, bool closed,
                        const W& writer) {
    for (int i = 0; i < high; ++i)
        WalkInside<F>(grid, points[i], points[i + 1], writer);
    if (closed)
        WalkInside<F>(grid, points[high], points[0], writer);
}

constexpr int MaxInsideVertices = 16;

// An active edge entered at its upper end, so its position starts exact and only the
// Bresenham steps remain; a whole step of DX / DY columns is taken at once per scan line.
struct TInsideEdge {
    int X;
    int Step;      // +1, -1 or 0
    int Whole;     // Step * (DX div DY)
    int Remainder; // DX mod DY
    int DY;
    int Error;
    int Key;
};

// FillPolygon for 2 < n <= MaxInsideVertices points all inside the clip rectangle. With every
// edge entered at its upper end the clamps and the entry's floating point fall away, and the
// error keeps below DY, so a remainder and one comparison replace the division by DY.
template <class W>
void FillInside(uint8_t* const* rows, const TPoint* points, int n, const W& writer) {
    int sorted[MaxInsideVertices];
    for (int i = 0; i < n; ++i) {
        int j = i;
        for (; j > 0 && points[sorted[j - 1]].Y > points[i].Y; --j)
            sorted[j] = sorted[j - 1];
        sorted[j] = i;
    }
    TInsideEdge edges[MaxInsideVertices];
    int count = 0;
    const auto add = [&](TPoint a, TPoint b, int key) {
        const int xDiff = b.X - a.X, dy = b.Y - a.Y;
        const int dx = std::abs(xDiff), step = xDiff > 0 ? 1 : xDiff < 0 ? -1 : 0;
        // Steep and upright edges, the most common, need no division.
        const int whole = dx < dy ? 0 : dx / dy;
        edges[count++] = {a.X, step, step * whole, dx - whole * dy, dy, 0, key};
    };
    const auto remove = [&](int key) {
        for (int i = 0; i < count; ++i)
            if (edges[i].Key == key) {
                edges[i] = edges[--count];
                return;
            }
    };
    // Chosen, not branched on, as in WalkInside.
    const auto advance = [](TInsideEdge& e) {
        e.Error += e.Remainder;
        const bool carry = e.Error >= e.DY;
        e.X += carry ? e.Whole + e.Step : e.Whole;
        e.Error -= carry ? e.DY : 0;
    };

    // The active edges change only on rows that hold a vertex; between them two edges, the
    // common case, need no table: the span runs from the smaller X to the larger.
    const int last = points[sorted[n - 1]].Y;
    int taken = 0;
    for (int y = points[sorted[0]].Y; y <= last;) {
        while (taken < n && points[sorted[taken]].Y <= y) {
            const int v = sorted[taken++];
            const int p = v == 0 ? n - 1 : v - 1;
            const int next = v == n - 1 ? 0 : v + 1;
            if (points[p].Y < y)
                remove(p);
            else if (points[p].Y > y)
                add(points[v], points[p], p);
            if (points[next].Y < y)
                remove(v);
            else if (points[next].Y > y)
                add(points[v], points[next], v);
        }
        const int until = taken < n ? points[sorted[taken]].Y : last + 1;
        if (count == 2) {
            TInsideEdge a = edges[0], b = edges[1];
            for (; y < until; ++y) {
                writer.Span(rows[y], y, a.X < b.X ? a.X : b.X, a.X < b.X ? b.X : a.X);
                advance(a);
                advance(b);
            }
            edges[0] = a;
            edges[1] = b;
            continue;
        }
        for (; y < until; ++y) {
            for (int i = 1; i < count; ++i)
                for (int j = i; j > 0 && edges[j].X < edges[j - 1].X; --j) {
                    const TInsideEdge swapped = edges[j];
                    edges[j] = edges[j - 1];
                    edges[j - 1] = swapped;
                }
            for (int i = 0; i + 1 < count; i += 2) {
                writer.Span(rows[y], y, edges[i].X, edges[i + 1].X);
                advance(edges[i]);
                advance(edges[i + 1]);
            }
        }
    }
}

} // namespace raster
