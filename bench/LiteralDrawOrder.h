#pragma once
// The drawing order computed step by step as first written (quadratic on big models), kept so
// the benchmark can measure the fast order against it and the tests can check it is identical.

#include "model/DrawOrder.h"

size_t LiteralInsertSortedPosition(const TBrickVector& order, const TBlock& brick, int octant);
void LiteralInsertAllSorted(TBrickVector& order, TBrickVector incoming, int octant);
void LiteralSortDrawOrder(TBrickVector& order, int octant);
