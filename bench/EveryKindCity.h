#pragma once
// The generated city with bricks of every kind: round, sloped, windows, doors, wheels and
// general blocks among the plain ones.

#include "model/DrawOrder.h"

#include <cstddef>

// MakeCity(count) where, of every eleven bricks, one is of each kind letter; a general block is
// a shipped part with the brick's footprint (turned to fit; plain when no part fits). Turns
// vary. The part definitions come from AppDir; their errors propagate.
TBrickVector MakeEveryKindCity(size_t count);
