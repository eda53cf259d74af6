#pragma once
// The rows one band of a frame may write. A band draws everything clipped against the whole
// frame's clip rectangle, as one drawing of the whole would, and only then keeps to its rows:
// the pixels of all bands together are exactly those of one drawing.

#include "base/Geometry.h"

#include <algorithm>
#include <climits>

struct TRowBand {
    int Top = INT_MIN;
    int Bottom = INT_MAX; // included

    bool Holds(int y) const { return y >= Top && y <= Bottom; }
    bool Meets(int top, int bottom) const { return top <= Bottom && bottom >= Top; }
};

// The part of clip inside the band's rows; empty (Top > Bottom) when they miss each other.
inline TRect WithinBand(const TRect& clip, TRowBand band) {
    return {clip.Left, std::max(clip.Top, band.Top), clip.Right,
            std::min(clip.Bottom, band.Bottom)};
}
