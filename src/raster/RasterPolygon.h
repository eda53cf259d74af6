#pragma once
// The scan-line polygon fill with its active edge table, shared by the surfaces and the canvas.

#include "base/Geometry.h"
#include "raster/Edge.h"
#include "raster/RowBand.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <vector>

namespace raster {

// Buffers reused from polygon to polygon.
struct TPolygonScratch {
    std::vector<int>& Sorted;
    std::vector<TEdge>& Edges;
    int& EdgeCount;
};

// Edge from vertex a (the smaller Y) to b, entering at scan line y.
inline TEdge MakeEdge(TPoint a, TPoint b, int y, int key) {
    TEdge edge;
    const int64_t xDiff = int64_t(b.X) - a.X, yDiff = int64_t(b.Y) - a.Y;
    edge.X = int64_t(std::floor(double(xDiff) / double(yDiff) * (double(y) - double(a.Y)))) + a.X;
    edge.DX = xDiff < 0 ? -xDiff : xDiff;
    edge.DY = yDiff;
    edge.Step = xDiff > 0 ? 1 : xDiff < 0 ? -1 : 0;
    edge.Key = key;
    return edge;
}

// The edge a to b as the fill holds it on scan line y after entering it on scan line entry and
// stepping it row by row: a band that starts below the entry must go on from the same start,
// because an edge entered afresh lower down can round to another column.
inline TEdge SteppedEdge(TPoint a, TPoint b, int entry, int y, int key) {
    TEdge edge = MakeEdge(a, b, entry, key);
    if (y > entry) {
        // Error starts at 0, so k steps move X by k * DX div DY and leave k * DX mod DY.
        const __int128 total = __int128(y - entry) * edge.DX;
        edge.X += edge.Step * int64_t(total / edge.DY);
        edge.Error = int64_t(total % edge.DY);
    }
    return edge;
}

inline void RemoveEdge(TPolygonScratch& s, int key) {
    for (int i = 0; i < s.EdgeCount; ++i)
        if (s.Edges[i].Key == key) {
            s.Edges[i] = s.Edges[--s.EdgeCount];
            return;
        }
}

inline void AdvanceEdge(TEdge& e) {
    e.Error += e.DX;
    if (e.Error >= e.DY) {
        // Same as stepping one pixel at a time while the error reaches DY, without the loop.
        const int64_t steps = e.Error / e.DY;
        e.X += steps * e.Step;
        e.Error -= steps * e.DY;
    }
}

// Fills the interior of points[0..n-1], n > 2, inside clip with writer.Span, on the band's rows.
template <class Rows, class W>
void FillPolygon(const Rows& rows, const TRect& clip, const TPoint* points, int n,
                 TPolygonScratch s, const W& writer, TRowBand band = {}) {
    s.Sorted.resize(std::size_t(n));
    std::iota(s.Sorted.begin(), s.Sorted.end(), 0);
    std::sort(s.Sorted.begin(), s.Sorted.end(),
              [points](int a, int b) { return points[a].Y < points[b].Y; });
    if (s.Edges.size() < std::size_t(n))
        s.Edges.resize(std::size_t(n));
    s.EdgeCount = 0;

    const int first = std::max({clip.Top, points[s.Sorted.front()].Y, band.Top});
    const int last = std::min({clip.Bottom, points[s.Sorted.back()].Y, band.Bottom});
    int taken = 0;
    for (int y = first; y <= last; ++y) {
        while (taken < n && points[s.Sorted[taken]].Y <= y) {
            const int v = s.Sorted[taken++];
            const int p = v == 0 ? n - 1 : v - 1;
            const int next = v == n - 1 ? 0 : v + 1;
            if (points[p].Y < y)
                RemoveEdge(s, p);
            else if (points[p].Y > y && s.EdgeCount < n)
                s.Edges[s.EdgeCount++] =
                    SteppedEdge(points[v], points[p], std::max(points[v].Y, clip.Top), y, p);
            if (points[next].Y < y)
                RemoveEdge(s, v);
            else if (points[next].Y > y && s.EdgeCount < n)
                s.Edges[s.EdgeCount++] =
                    SteppedEdge(points[v], points[next], std::max(points[v].Y, clip.Top), y, v);
        }
        TEdge* edges = s.Edges.data();
        for (int i = 1; i < s.EdgeCount; ++i)
            for (int j = i; j > 0 && edges[j].X < edges[j - 1].X; --j)
                std::swap(edges[j], edges[j - 1]);
        const int paired = s.EdgeCount & ~1;
        for (int i = 0; i < paired; i += 2) {
            const int64_t left = std::max<int64_t>(edges[i].X, clip.Left);
            const int64_t right = std::min<int64_t>(edges[i + 1].X, clip.Right);
            if (left <= right)
                writer.Span(rows[y], y, int(left), int(right));
            AdvanceEdge(edges[i]);
            AdvanceEdge(edges[i + 1]);
        }
    }
}

} // namespace raster
