#pragma once
// The projected corners of a brick's box as seen from an octant: C is the nearest corner, the
// others differ from it along the axes named.

#include "base/Geometry.h"

class TBlock;
struct TViewState;

struct TBoxCorners {
    TPoint C, Cx, Cy, Cz, Cxy, Cxz, Cyz;
};

TBoxCorners ProjectBoxCorners(const TViewState& view, const TBlock& brick, int octant);

// The outline of the box on screen: Cx, Cxy, Cy, Cyz, Cz, Cxz.
void BoxSilhouette(const TBoxCorners& corners, TPoint out[6]);
