#pragma once
// One brick of any kind with its box in model units, for tests that need bricks by the hand.

#include "model/Block.h"

#include <array>
#include <memory>

inline std::unique_ptr<TBlock> MakeBrick(char kind, int x, int y, int z, int sx, int sy, int sz,
                                         int32_t colour = 0xFFFFFF, bool studs = false,
                                         int turn = 0) {
    std::unique_ptr<TBlock> brick = NewBlockOfKind(kind);
    brick->Kind = kind;
    brick->X = x, brick->Y = y, brick->Z = z;
    brick->SX = sx, brick->SY = sy, brick->SZ = sz;
    brick->Colour = colour;
    brick->Studs = studs;
    brick->Turn = turn;
    return brick;
}

// Place and size in one value, so a test compares a brick's box in one line.
using TBox = std::array<int32_t, 6>;
inline TBox BoxOf(const TBlock& brick) {
    return {brick.X, brick.Y, brick.Z, brick.SX, brick.SY, brick.SZ};
}
