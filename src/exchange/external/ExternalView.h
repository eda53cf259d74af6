#pragma once
// What the external renderers take from the main view: scale, origin, size, angles, background,
// and the middle of the model.

#include "render/View.h"
#include "render/ViewControls.h"

#include <cstdint>

struct TExternalView {
    double Scale = 1;                // pixels per model unit
    double OriginX = 0, OriginY = 0; // screen position of the model origin
    int Width = 0, Height = 0;       // drawing area in pixels
    double Turn = 0, Tilt = 0;       // radians; tilt 0 looks straight down
    double CosTurn = 1, SinTurn = 0, CosTilt = 1, SinTilt = 0;
    int32_t Background = 0;
};

// The view's values as the projection keeps them (32-bit floats, widened).
TExternalView ExternalViewOf(const TViewState& view, int width, int height, int32_t background);

struct TModelMiddle {
    int64_t X = 0, Y = 0, Z = 0;
};

// min + (max - min) div 2 on each axis, truncating toward zero.
TModelMiddle MiddleOf(const TModelBounds& bounds);
