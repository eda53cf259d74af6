#pragma once
// The drawing order computed step by step as first written (quadratic on big models), kept so
// the benchmark can measure the fast order against it in the same run.

#include "model/DrawOrder.h"

void LiteralInsertAllSorted(TBrickVector& order, TBrickVector incoming, int octant);
void LiteralSortDrawOrder(TBrickVector& order, int octant);
