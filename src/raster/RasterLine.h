#pragma once
// The clipped midpoint line shared by the raster surfaces and the canvas.

#include "base/Geometry.h"
#include "raster/RowBand.h"

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

// Minor-axis steps the walk below has taken after i major steps: the decision value keeps
// within (2 minor - 2 major, 2 minor], which leaves one whole number of steps.
inline int64_t MinorStepsAfter(int64_t i, int64_t minor, int64_t major) {
    return int64_t((__int128(2) * minor * i + major - 1) / (2 * __int128(major)));
}

// The first major step after which the minor steps number at least m (m >= 1, minor >= 1).
inline int64_t FirstStepReaching(int64_t m, int64_t minor, int64_t major) {
    return int64_t((__int128(2) * major * m - major) / (2 * __int128(minor))) + 1;
}

// Walks from a to b, both included, the minor axis stepping when the decision value is above
// 0. The start is inside the clip rectangle; the end may not be, so with CheckEnd the walk stops
// where it leaves the rectangle (it cannot come back in). Only the band's rows are written; the
// walk takes up a band below its start where the whole walk would be, not afresh.
template <bool CheckEnd, class Rows, class W>
void WalkLine(const Rows& rows, const TRect& clip, TLinePoint a, TLinePoint b, const W& writer,
              TRowBand band = {}) {
    const int64_t adx = std::llabs(b.X - a.X), ady = std::llabs(b.Y - a.Y);
    const int sx = b.X < a.X ? -1 : 1, sy = b.Y < a.Y ? -1 : 1;
    // The band as minor or major steps from a along Y: rows a.Y + sy * k for k in near..far.
    const int64_t near = sy > 0 ? int64_t(band.Top) - a.Y : a.Y - int64_t(band.Bottom);
    const int64_t far = sy > 0 ? int64_t(band.Bottom) - a.Y : a.Y - int64_t(band.Top);
    int64_t x = a.X, y = a.Y;
    const auto inside = [&] {
        return !CheckEnd ||
               (x >= clip.Left && x <= clip.Right && y >= clip.Top && y <= clip.Bottom);
    };
    if (adx <= ady) {
        const int64_t first = std::max<int64_t>(0, near), last = std::min(ady, far);
        int64_t d = 2 * adx - ady;
        if (first > 0 && first <= last) {
            const int64_t m = MinorStepsAfter(first, adx, ady);
            x += sx * m;
            y += sy * first;
            d = int64_t(__int128(2) * adx * (first + 1) - ady - __int128(2) * ady * m);
        }
        for (int64_t i = first; i <= last && inside(); ++i) {
            writer.Put(rows[y], int(y), int(x));
            if (d > 0) {
                x += sx;
                d -= 2 * ady;
            }
            d += 2 * adx;
            y += sy;
        }
    } else {
        if (far < 0 || near > ady)
            return;
        const int64_t first = near > 0 ? FirstStepReaching(near, ady, adx) : 0;
        const int64_t last = far < ady ? FirstStepReaching(far + 1, ady, adx) - 1 : adx;
        int64_t d = 2 * ady - adx;
        if (first > 0 && first <= last) {
            const int64_t m = MinorStepsAfter(first, ady, adx);
            x += sx * first;
            y += sy * m;
            d = int64_t(__int128(2) * ady * (first + 1) - adx - __int128(2) * adx * m);
        }
        for (int64_t i = first; i <= last && inside(); ++i) {
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
TPoint DrawClippedLine(const Rows& rows, const TRect& clip, TPoint p1, TPoint p2, const W& writer,
                       TRowBand band = {}) {
    // Clipping moves neither end of a line that lies inside.
    if (Inside(p1, clip) && Inside(p2, clip)) {
        WalkLine<false>(rows, clip, {p1.X, p1.Y}, {p2.X, p2.Y}, writer, band);
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
        WalkLine<false>(rows, clip, a, b, writer, band);
    else
        WalkLine<true>(rows, clip, a, b, writer, band);
    return end;
}

} // namespace raster
