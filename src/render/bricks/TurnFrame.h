#pragma once
// The brick frame of a turn: a turned brick is drawn as its unturned shape in a frame whose
// points project with the view rows of that quarter turn.

#include "model/Block.h"

#include <cstdint>

// Corner and extents of the brick's box in the frame, wide enough for any field values.
struct TTurnFrame {
    int64_t X = 0, Y = 0, Z = 0;
    int64_t SX = 0, SY = 0, SZ = 0;
    int Turn = 0; // 0 to 3, the projection rows to use
};

// A world point (x, y) has frame coordinates (x, y), (-y, x), (-x, -y), (y, -x) for turns 0
// to 3, so the box's low corner and extents follow from its far faces.
inline TTurnFrame FrameOfTurn(const TBlock& brick) {
    TTurnFrame f;
    f.Turn = brick.Turn & 3;
    f.Z = brick.Z;
    f.SZ = brick.SZ;
    const int64_t x = brick.X, y = brick.Y, sx = brick.SX, sy = brick.SY;
    bool odd = (f.Turn & 1) != 0;
    f.SX = odd ? sy : sx;
    f.SY = odd ? sx : sy;
    switch (f.Turn) {
    case 1:
        f.X = -y - sy, f.Y = x;
        break;
    case 2:
        f.X = -x - sx, f.Y = -y - sy;
        break;
    case 3:
        f.X = y, f.Y = -x - sx;
        break;
    default:
        f.X = x, f.Y = y;
        break;
    }
    return f;
}
