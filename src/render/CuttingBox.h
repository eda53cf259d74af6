#pragma once
// The boundary: a box in model space outside of which bricks are neither drawn nor picked.

#include <cstdint>

class TBlock;

struct TCuttingBox {
    int32_t XLow = -19999, XHigh = 19999;
    int32_t YLow = -19999, YHigh = 19999;
    int32_t ZLow = -19999, ZHigh = 19999;
    bool Shown = false; // the boundary window is shown: all six limits apply, else only Z

    // The vertical grid step moves the top; LowerTop first drops it onto the model's top.
    int32_t LowerTop(int32_t modelTop, int32_t gridStep);
    int32_t RaiseTop(int32_t gridStep);
    int32_t TopToZero();
    int32_t TopOff();
};

bool InsideCut(const TCuttingBox& box, const TBlock& brick);
