#pragma once
// Lines and small polygons lying wholly inside the clip rectangle: the pixels DrawClippedLine
// and FillPolygon give them, without the clipping arithmetic, the buffers or the wide integers.
// Studs and brick faces are nearly all of this kind, so they take these routines.

#include "base/Geometry.h"

#include <algorithm>
#include <concepts>
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

// Writers that can tell a pixel already written, which they would leave alone: a walk passes
// over those at its start without touching the bitmap. Outlines drawn front to back mostly lie
// on edges that nearer faces have written.
template <class W>
concept SkipsWritten = requires(const W& w, const uint8_t* at) {
    { w.Written(at) } -> std::same_as<bool>;
};

// The midpoint walk of WalkLine from a to b, both inside the bitmap, stepping an address.
template <class F, class W>
void WalkInside(const TRowGrid& grid, TPoint a, TPoint b, const W& writer) {
    // A copy the pixel stores cannot alias, so its colour stays in a register.
    const W w = writer;
    const int adx = std::abs(b.X - a.X), ady = std::abs(b.Y - a.Y);
    const std::ptrdiff_t stepX = b.X < a.X ? -F::Size : F::Size;
    const std::ptrdiff_t stepY = b.Y < a.Y ? -grid.Pitch : grid.Pitch;
    const bool yMajor = adx <= ady;
    const std::ptrdiff_t major = yMajor ? stepY : stepX, minor = yMajor ? stepX : stepY;
    const int length = yMajor ? ady : adx, across = yMajor ? adx : ady;
    uint8_t* at = grid.Origin + a.Y * grid.Pitch + std::ptrdiff_t(a.X) * F::Size;
    int i = 0;
    if (across == 0) { // the decision value never rises above 0
        if constexpr (SkipsWritten<W>)
            for (; i <= length && w.Written(at); ++i)
                at += major;
        for (; i <= length; ++i, at += major)
            w.PutAt(at);
        return;
    }
    const int rise = 2 * across, fall = 2 * across - 2 * length;
    const std::ptrdiff_t diagonal = major + minor;
    int d = rise - length;
    const auto step = [&] {
        const bool minorStep = d > 0;
        at += minorStep ? diagonal : major;
        d += minorStep ? fall : rise;
    };
    if constexpr (SkipsWritten<W>)
        for (; i <= length && w.Written(at); ++i)
            step();
    for (; i <= length; ++i) {
        w.PutAt(at);
        step();
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
static_assert((MaxInsideVertices & (MaxInsideVertices - 1)) == 0, "SortByRow masks the index");

// The active edges entered at their upper ends, so their positions start exact and only the
// Bresenham steps remain; a whole step of DX / DY columns is taken at once per scan line. Each
// edge lives in the slot of its key (the vertex it starts from) as separate arrays, and the
// active list holds keys: removing an edge then moves one integer, where moving a record that
// was just written field by field would stall on the store.
struct TInsideEdges {
    int X[MaxInsideVertices];
    int Step[MaxInsideVertices];      // +1, -1 or 0
    int Whole[MaxInsideVertices];     // Step * (DX div DY)
    int Remainder[MaxInsideVertices]; // DX mod DY
    int DY[MaxInsideVertices];
    int Error[MaxInsideVertices];
    int Active[MaxInsideVertices]; // keys, in the order the general fill keeps its table
    int Count = 0;

    void Add(TPoint a, TPoint b, int key) {
        const int xDiff = b.X - a.X, dy = b.Y - a.Y;
        const int dx = std::abs(xDiff), step = xDiff > 0 ? 1 : xDiff < 0 ? -1 : 0;
        // Steep and upright edges, the most common, need no division.
        const int whole = dx < dy ? 0 : dx / dy;
        X[key] = a.X;
        Step[key] = step;
        Whole[key] = step * whole;
        Remainder[key] = dx - whole * dy;
        DY[key] = dy;
        Error[key] = 0;
        Active[Count++] = key;
    }
    void Remove(int key) {
        for (int i = 0; i < Count; ++i)
            if (Active[i] == key) {
                Active[i] = Active[--Count];
                return;
            }
    }
    void Advance(int key) {
        const int error = Error[key] + Remainder[key];
        const bool carry = error >= DY[key];
        X[key] += carry ? Whole[key] + Step[key] : Whole[key];
        Error[key] = carry ? error - DY[key] : error;
    }
};

// One active edge copied out of its slot, field by field, for a run of rows.
struct TInsideStepper {
    int X, Step, Whole, Remainder, DY, Error;
    TInsideStepper(const TInsideEdges& e, int key)
        : X(e.X[key]), Step(e.Step[key]), Whole(e.Whole[key]), Remainder(e.Remainder[key]),
          DY(e.DY[key]), Error(e.Error[key]) {}
    // As TInsideEdges::Advance.
    void Advance() {
        const int error = Error + Remainder;
        const bool carry = error >= DY;
        X += carry ? Whole + Step : Whole;
        Error = carry ? error - DY : error;
    }
    void StoreTo(TInsideEdges& e, int key) const {
        e.X[key] = X;
        e.Error[key] = Error;
    }
};

// The indices of points[0..n-1] by Y, equal Y in index order. Brick faces, nearly all four
// points, take a fixed network of minima and maxima on Y and index together, which has no
// branches to mispredict; other counts an insertion sort.
inline void SortByRow(const TPoint* points, int n, int* sorted) {
    if (n == 4) {
        // Scalars, not an array: the compiler would gather an array's fresh stores with one
        // wide load, which waits for the stores to reach the cache.
        const auto key = [points](int i) { return int64_t(points[i].Y) * MaxInsideVertices + i; };
        int64_t k0 = key(0), k1 = key(1), k2 = key(2), k3 = key(3);
        const auto order = [](int64_t& a, int64_t& b) {
            const int64_t low = std::min(a, b), high = std::max(a, b);
            a = low;
            b = high;
        };
        order(k0, k1);
        order(k2, k3);
        order(k0, k2);
        order(k1, k3);
        order(k1, k2);
        constexpr int64_t index = MaxInsideVertices - 1;
        sorted[0] = int(k0 & index);
        sorted[1] = int(k1 & index);
        sorted[2] = int(k2 & index);
        sorted[3] = int(k3 & index);
        return;
    }
    for (int i = 0; i < n; ++i) {
        int j = i;
        for (; j > 0 && points[sorted[j - 1]].Y > points[i].Y; --j)
            sorted[j] = sorted[j - 1];
        sorted[j] = i;
    }
}

// FillPolygon for 2 < n <= MaxInsideVertices points all inside the clip rectangle. With every
// edge entered at its upper end the clamps and the entry's floating point fall away, and the
// error keeps below DY, so a remainder and one comparison replace the division by DY.
template <class W>
void FillInside(uint8_t* const* rows, const TPoint* points, int n, const W& writer) {
    const W w = writer; // as in WalkInside
    int sorted[MaxInsideVertices];
    SortByRow(points, n, sorted);
    TInsideEdges edges;
    int* const active = edges.Active;

    // The active edges change only on rows that hold a vertex; between them two edges, the
    // common case, need no sorting: the span runs from the smaller X to the larger.
    const int last = points[sorted[n - 1]].Y;
    int taken = 0;
    for (int y = points[sorted[0]].Y; y <= last;) {
        while (taken < n && points[sorted[taken]].Y <= y) {
            const int v = sorted[taken++];
            const int p = v == 0 ? n - 1 : v - 1;
            const int next = v == n - 1 ? 0 : v + 1;
            if (points[p].Y < y)
                edges.Remove(p);
            else if (points[p].Y > y)
                edges.Add(points[v], points[p], p);
            if (points[next].Y < y)
                edges.Remove(v);
            else if (points[next].Y > y)
                edges.Add(points[v], points[next], v);
        }
        const int until = taken < n ? points[sorted[taken]].Y : last + 1;
        if (edges.Count == 2) {
            // Held in locals through the rows: the compiler cannot tell the two slots apart,
            // so stepping them in place would go through memory on every row.
            TInsideStepper a(edges, active[0]), b(edges, active[1]);
            for (; y < until; ++y) {
                w.Span(rows[y], y, a.X < b.X ? a.X : b.X, a.X < b.X ? b.X : a.X);
                a.Advance();
                b.Advance();
            }
            a.StoreTo(edges, active[0]);
            b.StoreTo(edges, active[1]);
            continue;
        }
        for (; y < until; ++y) {
            for (int i = 1; i < edges.Count; ++i)
                for (int j = i; j > 0 && edges.X[active[j]] < edges.X[active[j - 1]]; --j) {
                    const int swapped = active[j];
                    active[j] = active[j - 1];
                    active[j - 1] = swapped;
                }
            for (int i = 0; i + 1 < edges.Count; i += 2) {
                w.Span(rows[y], y, edges.X[active[i]], edges.X[active[i + 1]]);
                edges.Advance(active[i]);
                edges.Advance(active[i + 1]);
            }
        }
    }
}

} // namespace raster
