#pragma once
// A brick's box as seen from one octant, mirrored so that on every axis lower means nearer:
// the drawing-order test then reads the same on all three axes.

#include "model/Block.h"

#include <cstdint>

struct TDepthBox {
    int64_t Near[3]; // the face towards the viewer, mirrored
    int64_t Far[3];  // the face away from the viewer, mirrored
};

// The box of a brick for an octant 0 to 7. An axis whose near side is high is negated, so
// "B.X + B.SX <= A.X" becomes "A.Far <= B.Near" as on the other axes.
inline TDepthBox DepthBox(const TBlock& b, int octant) {
    // Bit k set: the near side of axis k is low (X, Y, Z as bits 0, 1, 2).
    static constexpr unsigned LowNear[8] = {1, 3, 2, 0, 5, 7, 6, 4};
    const int64_t pos[3] = {b.X, b.Y, b.Z};
    const int64_t far[3] = {b.FarX(), b.FarY(), b.FarZ()};
    TDepthBox box;
    for (int k = 0; k < 3; ++k) {
        bool low = (LowNear[octant] >> k) & 1u;
        box.Near[k] = low ? pos[k] : -far[k];
        box.Far[k] = low ? far[k] : -pos[k];
    }
    return box;
}

// MayFollow on mirrored boxes: A lies wholly on B's near side along some axis.
inline bool InFront(const TDepthBox& a, const TDepthBox& b) {
    return a.Far[0] <= b.Near[0] || a.Far[1] <= b.Near[1] || a.Far[2] <= b.Near[2];
}
