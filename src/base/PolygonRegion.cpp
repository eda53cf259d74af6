#include "base/PolygonRegion.h"

bool PointInPolygonRegion(std::span<const TRegionPoint> points, int32_t x, int32_t y) {
    bool inside = false;
    size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        TRegionPoint a = points[i];
        TRegionPoint b = points[(i + 1) % n];
        if (a.Y == b.Y)
            continue; // horizontal edges cross no scan line
        if (a.Y > b.Y) {
            TRegionPoint t = a;
            a = b;
            b = t;
        }
        // Half-open in Y: the top end of an edge counts, the bottom end does not.
        if (y < a.Y || y >= b.Y)
            continue;
        // The edge crosses scan line y at xc; the pixel is right of it when xc <= x. Exact for
        // any 32-bit coordinates: (xc - a.X) * dy = (y - a.Y) * dx.
        using Wide = __int128;
        Wide dy = Wide(b.Y) - a.Y;
        Wide dx = Wide(b.X) - a.X;
        Wide lhs = (Wide(y) - a.Y) * dx;
        Wide rhs = (Wide(x) - a.X) * dy;
        if (lhs <= rhs)
            inside = !inside;
    }
    return inside;
}
