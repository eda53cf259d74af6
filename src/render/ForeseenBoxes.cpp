#include "render/ForeseenBoxes.h"

#include "model/GeneralBlock.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Kinds whose drawing keeps within the brick's block of space, studs and tube rings as a plain
// box's: the slopes, and windows, which draw their frames on its faces. Round bricks, doors
// and wheels reach out of it at some views.
bool KeepsWithinItsBox(char kind) {
    return kind == 'T' || kind == 'N' || kind == 'E' || kind == 'C' || kind == 'I' || kind == 'W';
}

// Round bricks, doors and wheels: the brick's block of space with half its largest size and a
// brick's height around it, which holds the wheel's rim and axle, drawn at a fixed height
// whatever the brick's, the door's frame and the round brick's ellipses.
TRect RoomyBox(const TBlock& brick, const TBoxProjection& projection) {
    const int64_t sx = std::abs(int64_t(brick.SX)), sy = std::abs(int64_t(brick.SY)),
                  sz = std::abs(int64_t(brick.SZ));
    const int64_t room = std::max({sx, sy, sz}) / 2 + 32;
    const int64_t x = std::min<int64_t>(brick.X, brick.FarX()),
                  y = std::min<int64_t>(brick.Y, brick.FarY()),
                  z = std::min<int64_t>(brick.Z, brick.FarZ());
    return projection.BoxOf({x - room, y - room, z - room},
                            {x + sx + room, y + sy + room, z + sz + room});
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
    if (KeepsWithinItsBox(kind)) {
        box = Widened(Projection.BoxOf(brick));
        return true;
    }
    if (kind == 'R' || kind == 'D' || kind == 'O') {
        box = Widened(RoomyBox(brick, Projection));
        return true;
    }
    if (kind != 'G' || !brick.Definition)
        return false;
    const auto& block = static_cast<const TGeneralBlock&>(brick);
    auto found = Extents.find(block.Definition);
    if (found == Extents.end())
        found = Extents.emplace(block.Definition, PartExtentOf(*block.Definition)).first;
    TExtent3 low, high;
    if (!PlacedExtent(block, found->second, low, high))
        return false;
    box = Widened(Projection.BoxOf(low, high));
    return true;
}
