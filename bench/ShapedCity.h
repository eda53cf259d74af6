#pragma once
// The generated city with half of its bricks made round or sloped, every turn among them.

#include "model/DrawOrder.h"

#include <cstddef>
#include <cstdint>

// MakeCity's bricks (same count and places); every second brick above the baseplate becomes
// one of R, T, N, C, E, I in turn, round only where its footprint is square, turns 0 to 3.
TBrickVector MakeShapedCity(size_t count, uint32_t seed = 1);
