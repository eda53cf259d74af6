#include "render/BoxCorners.h"

#include "model/Block.h"
#include "render/View.h"

TBoxCorners ProjectBoxCorners(const TViewState& view, const TBlock& brick, int octant) {
    int quarter = octant & 3;
    bool fromBelow = octant >= 4;
    // Far faces are taken wide: a box at the edge of the 32-bit range must not wrap.
    double lowX = brick.X, highX = double(brick.FarX());
    double lowY = brick.Y, highY = double(brick.FarY());
    double lowZ = brick.Z, highZ = double(brick.FarZ());
    double nearX = quarter <= 1 ? lowX : highX, farX = quarter <= 1 ? highX : lowX;
    double nearY = quarter == 1 || quarter == 2 ? lowY : highY;
    double farY = quarter == 1 || quarter == 2 ? highY : lowY;
    double nearZ = fromBelow ? lowZ : highZ, farZ = fromBelow ? highZ : lowZ;
    TBoxCorners c;
    c.C = ProjectPoint(view, nearX, nearY, nearZ);
    c.Cx = ProjectPoint(view, farX, nearY, nearZ);
    c.Cy = ProjectPoint(view, nearX, farY, nearZ);
    c.Cz = ProjectPoint(view, nearX, nearY, farZ);
    c.Cxy = ProjectPoint(view, farX, farY, nearZ);
    c.Cxz = ProjectPoint(view, farX, nearY, farZ);
    c.Cyz = ProjectPoint(view, nearX, farY, farZ);
    return c;
}

void BoxSilhouette(const TBoxCorners& c, TPoint out[6]) {
    out[0] = c.Cx;
    out[1] = c.Cxy;
    out[2] = c.Cy;
    out[3] = c.Cyz;
    out[4] = c.Cz;
    out[5] = c.Cxz;
}
