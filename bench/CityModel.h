#pragma once
// A generated city of stacked bricks and plates, the kind of dense model the drawing order
// must keep up with.

#include "model/DrawOrder.h"

#include <cstddef>
#include <cstdint>

// About `count` bricks (exactly `count`, baseplate included) in a deterministic arrangement:
// streets of buildings, each layer tiled with 2x4, 2x2, 1x4 and 1x2 bricks and plates, the
// layers laid in a running bond. The city grows in area with the count, so density stays.
TBrickVector MakeCity(size_t count, uint32_t seed = 1);
