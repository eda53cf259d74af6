#pragma once
// Round and sloped bricks for the drawing tests, and pixel comparisons of two renders.

#include "RenderTestSupport.h"
#include "model/BlockKinds.h"

#include <gtest/gtest.h>

inline std::unique_ptr<TBlock> Shaped(char kind, int x, int y, int z, int sx, int sy, int sz,
                                      int32_t colour, bool studs = false, int turn = 0) {
    std::unique_ptr<TBlock> brick = NewBlockOfKind(kind);
    brick->Kind = kind;
    brick->X = x, brick->Y = y, brick->Z = z;
    brick->SX = sx, brick->SY = sy, brick->SZ = sz;
    brick->Colour = colour;
    brick->Studs = studs;
    brick->Turn = turn;
    return brick;
}

inline int DifferingPixels(const TTestCanvas& a, const TTestCanvas& b) {
    int count = 0;
    for (int y = 0; y < a.Bitmap.Height(); ++y)
        for (int x = 0; x < a.Bitmap.Width(); ++x)
            count += a.At(x, y) != b.At(x, y);
    return count;
}

// Pixels that differ inside the square of half-width r around p.
inline int DifferingPixelsNear(const TTestCanvas& a, const TTestCanvas& b, TPoint p, int r) {
    int count = 0;
    for (int y = p.Y - r; y <= p.Y + r; ++y)
        for (int x = p.X - r; x <= p.X + r; ++x)
            count += a.At(x, y) != b.At(x, y);
    return count;
}
