#pragma once
// The hand drawn over the last frame: a small layer takes the frame's pixels under the hand and
// the hand is drawn into it, so the frame stays untouched and the scene is never drawn again.

#include "base/Geometry.h"
#include "raster/Bitmap.h"

#include <cstdint>

class THand;
class TDrawContext;

struct THandLayer {
    TBitmap Bitmap;
    TRect Rect; // where the layer goes on the view; empty when nothing is drawn
};

// A view of the frame's 32-bit rows (blue, green, red, unused), top-down.
struct TFrameRows {
    const uint8_t* Bits = nullptr;
    int Pitch = 0, Width = 0, Height = 0;
};

// The view rectangle the hand covers (studs included), clipped to the frame; empty when the
// hand is empty or wholly outside.
TRect HandScreenRect(THand& hand, TDrawContext& context, int width, int height);

// Fills the layer with the frame under the hand and draws the hand over it: the brick, or the
// bricks of the group in hand at the hand's place, the boundary and the step limit ignored.
void DrawHandLayer(THand& hand, TDrawContext& context, const TFrameRows& frame, THandLayer& layer);
