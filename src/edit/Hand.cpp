// The hand's positioning: grid, inverse projection, rest height, and putting it down.
#include "edit/Hand.h"

#include "render/DrawContext.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double Epsilon = 0.00001;

// Positions stay inside int32 however far a key or a hostile file pushes them.
int32_t Held(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Floor to an integer, with NaN and far-off points held at the ends of the range.
int64_t FloorHeld(double v) {
    if (!(v > -2e9))
        return -2000000000;
    if (v > 2e9)
        return 2000000000;
    return int64_t(std::floor(v));
}

int32_t Shifted(int32_t v, int64_t by) {
    return Held(int64_t(v) + by);
}
} // namespace

void TPositioningGrid::SetMode(int index) {
    static const int32_t steps[3][2] = {{20, 8}, {10, 4}, {1, 1}};
    if (index < 0 || index > 2)
        return;
    GridMode = index;
    GridXY = steps[index][0];
    GridZ = steps[index][1];
}

int32_t TPositioningGrid::SnapXY(int64_t v) const {
    switch (GridMode) {
    case 0:
        return Held(v / 20 * 20);
    case 1:
        return Held(2 * v / 20 * 10);
    default:
        return Held(v);
    }
}

int32_t TPositioningGrid::SnapZ(int64_t v) const {
    switch (GridMode) {
    case 0:
        return Held(v / 8 * 8);
    case 1:
        return Held(v / 4 * 4);
    default:
        return Held(v);
    }
}

int32_t THand::TopHeightAt(int32_t x, int32_t y, int32_t sx, int32_t sy) const {
    int32_t height = std::max<int32_t>(Context.Boundary.ZLow, 0);
    for (const auto& brick : Model.Items())
        if (InsideCut(Context.Boundary, *brick))
            height = std::max(height, brick->TopAt(x, y, sx, sy));
    return height;
}

TGroundPoint THand::ScreenToGround(int mx, int my, int32_t sx, int32_t sy) const {
    const TViewState& view = Context.View;
    double c = view.RowX[0][0], s = view.RowX[0][1], S = view.ViewScale;
    double rowYx = view.RowY[0][0], rowYy = view.RowY[0][1];
    double dx = mx - double(view.OriginX), dy = my - double(view.OriginY);
    double x = 0, y = 0;
    if (std::abs(c) > Epsilon) {
        double d = (s * rowYx - c * rowYy) * S;
        y = std::abs(d) < Epsilon ? 0 : (dx * rowYx + dy * c) / d;
        x = (dx / S - s * y) / c;
    } else {
        x = std::abs(rowYx) < Epsilon ? 0 : (-dy / S) / rowYx;
        y = std::abs(s) < Epsilon ? 0 : (dx / S) / s;
    }
    TGroundPoint ground;
    ground.X = Grid.SnapXY(FloorHeld(x));
    ground.Y = Grid.SnapXY(FloorHeld(y));
    if (HoldingGroup && GroupInHand) {
        int32_t minX = 99999, minY = 99999, minZ = 99999;
        for (const auto& b : GroupInHand->Items()) {
            minX = std::min(minX, b->X);
            minY = std::min(minY, b->Y);
            minZ = std::min(minZ, b->Z);
        }
        int64_t height = -99999;
        for (const auto& b : GroupInHand->Items()) {
            int32_t base = TopHeightAt(Shifted(ground.X, int64_t(b->X) - minX),
                                       Shifted(ground.Y, int64_t(b->Y) - minY), b->SX, b->SY);
            height = std::max<int64_t>(height, int64_t(base) - (int64_t(b->Z) - minZ));
        }
        ground.Height = Held(height);
    } else {
        ground.Height = TopHeightAt(ground.X, ground.Y, sx, sy);
    }
    return ground;
}

bool THand::PlaceInHand(int mx, int my) {
    if (!BrickInHand)
        return false;
    TBlock& hand = *BrickInHand;
    int32_t old[3] = {hand.X, hand.Y, hand.Z};
    TGroundPoint ground = ScreenToGround(mx, my, hand.SX, hand.SY);
    hand.X = ground.X;
    hand.Y = ground.Y;
    hand.Z = SafePositioning ? ground.Height : Grid.SnapZ(hand.Z);
    return hand.X != old[0] || hand.Y != old[1] || hand.Z != old[2];
}

bool THand::DropBrick() {
    if (!BrickInHand || !InsideCut(Context.Boundary, *BrickInHand))
        return false;
    TBlock& hand = *BrickInHand;
    TBlock* dropped = nullptr;
    hand.GetPosition(LastDrop);
    Model.CurrentOctant = Context.View.Octant;
    if (HoldingGroup && GroupInHand) {
        Model.InsertListAt(*GroupInHand, hand.X, hand.Y, hand.Z);
        for (const auto& b : GroupInHand->Items())
            Model.RecordCommand('+', *b);
        // The bricks staying in the hand form new groups, so the next drop is not joined to
        // this one. Ungrouped bricks stay ungrouped.
        int32_t counter = NewGroupNumber();
        int32_t smallest = 999999;
        for (const auto& b : GroupInHand->Items())
            if (b->Group > 0)
                smallest = std::min(smallest, b->Group);
        for (const auto& b : GroupInHand->Items())
            if (b->Group > 0)
                b->Group = Held(int64_t(b->Group) - smallest + counter);
    } else {
        Model.RecordCommand('+', hand);
        dropped = &Model.Add(std::move(BrickInHand));
    }
    Model.Sort(Context.View.Octant);
    if (PlaceOnce) {
        BrickInHand.reset();
        GroupInHand.reset();
        HoldingGroup = false;
        PlaceOnce = false;
    } else if (dropped) {
        BrickInHand = Clone(*dropped); // the dropped brick now belongs to the model
    }
    return true;
}

void THand::TakeInHand(std::unique_ptr<TBlock> brick, int32_t step) {
    BrickInHand = std::move(brick);
    if (BrickInHand)
        BrickInHand->Step = step;
    PlaceOnce = false;
}

void THand::TakeGroupInHand(std::unique_ptr<TBlockList> group, std::unique_ptr<TBlock> box,
                            int32_t step) {
    DropHand();
    if (!group || group->Count() == 0 || !box)
        return;
    GroupInHand = std::move(group);
    HoldingGroup = true;
    TakeInHand(std::move(box), step);
}

void THand::RestyleHand(const std::function<void(TBlock&)>& change) {
    if (!BrickInHand)
        return;
    change(*BrickInHand);
    if (HoldingGroup && GroupInHand)
        for (const auto& b : GroupInHand->Items())
            change(*b);
}

void THand::DropHand() {
    BrickInHand.reset();
    GroupInHand.reset();
    PlaceOnce = false;
    HoldingGroup = false;
}

bool THand::TurnHand() {
    if (!BrickInHand)
        return false;
    if (HoldingGroup && GroupInHand) {
        for (const auto& b : GroupInHand->Items()) {
            int32_t oldX = b->X;
            b->X = b->Y;
            b->Y = Held(-(int64_t(oldX) + b->SX));
            b->Rotate();
        }
        GroupInHand->SortedOctant = -1;
        BrickInHand->Rotate();
        return false;
    }
    BrickInHand->Rotate();
    return true;
}

void THand::MoveHand(THandKey key, bool shift) {
    if (!BrickInHand)
        return;
    TBlock& hand = *BrickInHand;
    switch (key) {
    case THandKey::PageUp:
        hand.Z = Shifted(hand.Z, shift ? Grid.GridZ : hand.SZ);
        break;
    case THandKey::PageDown:
        if (hand.Z > 0)
            hand.Z = Shifted(hand.Z, -int64_t(shift ? Grid.GridZ : hand.SZ));
        break;
    case THandKey::Left:
        hand.X = Shifted(hand.X, -int64_t(shift ? Grid.GridXY : hand.SX));
        break;
    case THandKey::Right:
        hand.X = Shifted(hand.X, shift ? Grid.GridXY : hand.SX);
        break;
    case THandKey::Up:
        hand.Y = Shifted(hand.Y, -int64_t(shift ? Grid.GridXY : hand.SY));
        break;
    case THandKey::Down:
        hand.Y = Shifted(hand.Y, shift ? Grid.GridXY : hand.SY);
        break;
    }
}

void THand::RestOnModel() {
    if (BrickInHand && SafePositioning)
        BrickInHand->Z =
            TopHeightAt(BrickInHand->X, BrickInHand->Y, BrickInHand->SX, BrickInHand->SY);
}

void THand::AlignGroupToHand() {
    if (!HoldingGroup || !GroupInHand || !BrickInHand || GroupInHand->Count() == 0)
        return;
    int32_t minX = INT32_MAX, minY = INT32_MAX, minZ = INT32_MAX;
    for (const auto& b : GroupInHand->Items()) {
        minX = std::min(minX, b->X);
        minY = std::min(minY, b->Y);
        minZ = std::min(minZ, b->Z);
    }
    for (const auto& b : GroupInHand->Items()) {
        b->X = Shifted(BrickInHand->X, int64_t(b->X) - minX);
        b->Y = Shifted(BrickInHand->Y, int64_t(b->Y) - minY);
        b->Z = Shifted(BrickInHand->Z, int64_t(b->Z) - minZ);
    }
}
