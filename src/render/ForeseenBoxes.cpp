#include "render/ForeseenBoxes.h"

#include "model/GeneralBlock.h"
#include "render/bricks/DrawBrick.h"

#include <algorithm>
#include <cstdlib>

namespace {

TExtent3 Low(const TBlock& brick) {
    return {std::min<int64_t>(brick.X, brick.FarX()), std::min<int64_t>(brick.Y, brick.FarY()),
            std::min<int64_t>(brick.Z, brick.FarZ())};
}

TExtent3 High(const TBlock& brick) {
    return {std::max<int64_t>(brick.X, brick.FarX()), std::max<int64_t>(brick.Y, brick.FarY()),
            std::max<int64_t>(brick.Z, brick.FarZ())};
}

// Bricks whose drawing keeps within their block of space, studs and tube rings as a plain box's:
// slopes and windows of the sizes their shapes fit in. Round bricks, doors and wheels reach out
// of it at some views or sizes.
bool KeepsWithinItsBox(const TBlock& brick) {
    switch (brick.ClassKind()) {
    case 'T':
    case 'N':
    case 'E':
    case 'C':
    case 'I':
        // The lips are 6 high and the top strip 20 deep, whatever the brick's size.
        return brick.SX >= 20 && brick.SY >= 20 && brick.SZ >= 6;
    case 'W':
        // The frame is 2 wide, the sill 3 deep, the pane 8 above the foot and 2 below the top.
        return brick.SX >= 4 && brick.SY >= 3 && brick.SZ >= 10;
    default:
        return false;
    }
}

// A door's leaves are notched 28 below their top and 12 aside from their middle, which reach
// out of a low or narrow brick's block of space.
TRect DoorBox(const TBlock& brick, const TBoxProjection& projection) {
    const TExtent3 low = Low(brick), high = High(brick);
    return projection.BoxOf({low.X - 12, low.Y - 12, std::min(low.Z, high.Z - 28)},
                            {high.X + 12, high.Y + 12, high.Z});
}

// A wheel's disks stand on its axle 28 above its foot, with a rim of three eighths of its
// length, whatever the brick's height.
TRect WheelBox(const TBlock& brick, const TBoxProjection& projection) {
    const TExtent3 low = Low(brick), high = High(brick);
    const int64_t rim = 3 * std::max(high.X - low.X, high.Y - low.Y) / 8 + 1;
    return projection.BoxOf({low.X, low.Y, std::min(low.Z, low.Z + 28 - rim)},
                            {high.X, high.Y, std::max(high.Z, low.Z + 28 + rim)});
}

TRect Union(const TRect& a, const TRect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// Room for the rounding of points worked out apart from the box.
TRect Widened(const TRect& box) {
    return {box.Left - 1, box.Top - 1, box.Right + 1, box.Bottom + 1};
}

} // namespace

bool TForeseenBoxes::BoxOf(const TBlock& brick, TRect& box) {
    // Bricks of no size leave the paint as it was, which their drawing tells.
    if (!Projection.Finite() || brick.SX == 0)
        return false;
    const char kind = brick.ClassKind();
    if (KeepsWithinItsBox(brick)) {
        box = Widened(Projection.BoxOf(brick));
        return true;
    }
    // Round bricks: the ellipses as drawn, the studs and tube ring within the block of space.
    if (kind == 'R') {
        box = Widened(Union(RoundBodyBox(brick, Context), Projection.BoxOf(brick)));
        return true;
    }
    if (kind == 'D' || kind == 'O') {
        box = Widened(kind == 'D' ? DoorBox(brick, Projection) : WheelBox(brick, Projection));
        return true;
    }
    if (kind != 'G' || !brick.Definition)
        return false;
    const auto& block = static_cast<const TGeneralBlock&>(brick);
    TExtent3 low, high;
    if (!PlacedExtent(block, KeptExtentOf(*block.Definition, Extents), low, high))
        return false;
    box = Widened(Projection.BoxOf(low, high));
    return true;
}
