#pragma once
// The clipped midpoint line shared by the raster surfaces and the canvas.

#include "base/Geometry.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace raster {

struct TLinePoint {
    int64_t X;
    int64_t Y;
};

// Far beyond any bitmap, small enough that the walk's arithmetic cannot overflow.
inline int64_t FloorClamped(double value) {
    constexpr double limit = 1e15;
    return int64_t(std::floor(value < -limit ? -limit : value > limit ? limit : value));
}

// Moves a point onto the clip rectangle along the line of slope dy/dx (taken from the original
// end points) and returns its outcode: X first, then the possibly moved Y.
inline int ClipLinePoint(TLinePoint& p, double dx, double dy, const TRect& clip) {
    int code = 0;
    if (p.X < clip.Left || p.X > clip.Right) {
        const int edge = p.X < clip.Left ? clip.Left : clip.Right;
        code |= p.X < clip.Left ? 1 : 2;
        if (dx != 0) {
            p.Y = FloorClamped(dy / dx * double(edge - p.X) + double(p.Y));
            p.X = edge;
        }
    }
    if (p.Y < clip.Top || p.Y > clip.Bottom) {
        const int edge = p.Y < clip.Top ? clip.Top : clip.Bottom;
        code |= p.Y < clip.Top ? 4 : 8;
        if (dy != 0) {
            p.X = FloorClamped(dx / dy * double(edge - p.Y) + double(p.X));
            p.Y = edge;
        }
    }
    return code;
}

// Walks from a to b, both included, the minor axis stepping when the decision value is above
// 0. The start is inside the clip rectangle; the end may not be, so with CheckEnd the walk stops
// where it leaves the rectangle (it cannot come back in).
template <bool CheckEnd, class Rows, class W>
void WalkLine(const Rows& rows, const TRect& clip, TLinePoint a, TLinePoint b, const W& writer) {
    const int64_t adx = std::llabs(b.X - a.X), ady = std::llabs(b.Y - a.Y);
    const int sx = b.X < a.X ? -1 : 1, sy = b.Y < a.Y ? -1 : 1;
    int64_t x = a.X, y = a.Y;
    const auto inside = [&] {
        return !CheckEnd ||
               (x >= clip.Left && x <= clip.Right && y >= clip.Top && y <= clip.Bottom);
    };
    if (adx <= ady) {
        int64_t d = 2 * adx - ady;
        for (int64_t i = 0; i <= ady && inside(); ++i) {
            writer.Put(rows[y], int(y), int(x));
            if (d > 0) {
                x += sx;
                d -= 2 * ady;
            }
            d += 2 * adx;
            y += sy;
        }
    } else {
        int64_t d = 2 * ady - adx;
        for (int64_t i = 0; i <= adx && inside(); ++i) {
            writer.Put(rows[y], int(y), int(x));
            if (d > 0) {
                y += sy;
                d -= 2 * adx;
            }
            d += 2 * ady;
            x += sx;
        }
    }
}

// Draws the clipped line p1-p2 with writer.Put and returns the clipped end point.
inline bool Inside(TPoint p, const TRect& clip) {
    return p.X >= clip.Left && p.X <= clip.Right && p.Y >= clip.Top && p.Y <= clip.Bottom;
}

template <class Rows, class W>
TPoint DrawClippedLine(const Rows& rows, const TRect& clip, TPoint p1, TPoint p2, const W& writer) {
    // Clipping moves neither end of a line that lies inside.
    if (Inside(p1, clip) && Inside(p2, clip)) {
        WalkLine<false>(rows, clip, {p1.X, p1.Y}, {p2.X, p2.Y}, writer);
        return p2;
    }
    const double dx = double(p2.X) - double(p1.X), dy = double(p2.Y) - double(p1.Y);
    TLinePoint a{p1.X, p1.Y}, b{p2.X, p2.Y};
    const int codeA = ClipLinePoint(a, dx, dy, clip);
    const int codeB = ClipLinePoint(b, dx, dy, clip);
    const TPoint end{int(b.X < INT32_MIN   ? INT32_MIN
                         : b.X > INT32_MAX ? INT32_MAX
                                           : b.X),
                     int(b.Y < INT32_MIN   ? INT32_MIN
                         : b.Y > INT32_MAX ? INT32_MAX
                                           : b.Y)};
    if ((codeA & codeB) != 0 || a.X < clip.Left || a.X > clip.Right)
        return end;
    // A horizontal line's start is only Y-checked through the shared outcode.
    if (a.Y < clip.Top || a.Y > clip.Bottom)
        return end;
    if (b.X >= clip.Left && b.X <= clip.Right && b.Y >= clip.Top && b.Y <= clip.Bottom)
        WalkLine<false>(rows, clip, a, b, writer);
    else
        WalkLine<true>(rows, clip, a, b, writer);
    return end;
}

} // namespace raster
