#include "model/DrawOrder.h"

#include "model/DepthBox.h"
#include "model/FollowTree.h"
#include "model/SortedInserter.h"

#include <algorithm>

namespace {
struct NearSide {
    bool LowX, LowY, LowZ;
};

constexpr NearSide NearSides[8] = {
    {true, false, false}, {true, true, false}, {false, true, false}, {false, false, false},
    {true, false, true},  {true, true, true},  {false, true, true},  {false, false, true},
};

bool OnNearSide(bool low, int32_t aPos, int64_t aFar, int32_t bPos, int64_t bFar) {
    return low ? aFar <= bPos : bFar <= aPos;
}

bool ValidOctant(int octant) {
    return octant >= 0 && octant <= 7;
}

std::vector<TDepthBox> DepthBoxes(const TBrickVector& bricks, int octant) {
    std::vector<TDepthBox> boxes;
    boxes.reserve(bricks.size());
    for (const auto& b : bricks)
        boxes.push_back(DepthBox(*b, octant));
    return boxes;
}

// Rearranges the bricks into the order of indices given.
TBrickVector Rearranged(TBrickVector& bricks, const std::vector<int>& order) {
    TBrickVector out;
    out.reserve(order.size());
    for (int i : order)
        out.push_back(std::move(bricks[size_t(i)]));
    return out;
}

// InsertSorted of every brick in turn, starting from an empty list.
std::vector<int> InsertAllInTurn(const std::vector<TDepthBox>& boxes,
                                 const std::vector<int>& sequence) {
    TSortedInserter list(boxes);
    for (int brick : sequence)
        list.InsertSorted(brick);
    return list.Order();
}
} // namespace

bool MayFollow(const TBlock& a, const TBlock& b, int octant) {
    if (!ValidOctant(octant))
        return false;
    const NearSide& n = NearSides[octant];
    return OnNearSide(n.LowX, a.X, a.FarX(), b.X, b.FarX()) ||
           OnNearSide(n.LowY, a.Y, a.FarY(), b.Y, b.FarY()) ||
           OnNearSide(n.LowZ, a.Z, a.FarZ(), b.Z, b.FarZ());
}

size_t InsertSortedPosition(const TBrickVector& order, const TBlock& brick, int octant) {
    size_t i = order.size();
    while (i > 0 && MayFollow(*order[i - 1], brick, octant))
        --i;
    return i;
}

void InsertAllSorted(TBrickVector& order, TBrickVector incoming, int octant) {
    if (incoming.empty())
        return;
    if (!ValidOctant(octant)) {
        // Nothing may follow anything: every brick goes to the end.
        for (auto& brick : incoming)
            order.push_back(std::move(brick));
        return;
    }
    size_t existing = order.size();
    for (auto& brick : incoming)
        order.push_back(std::move(brick));
    std::vector<TDepthBox> boxes = DepthBoxes(order, octant);
    TSortedInserter list(boxes);
    for (size_t i = 0; i < order.size(); ++i) {
        if (i < existing)
            list.Append(int(i));
        else
            list.InsertSorted(int(i));
    }
    order = Rearranged(order, list.Order());
}

void SortDrawOrder(TBrickVector& order, int octant) {
    if (order.size() < 2)
        return;
    if (!ValidOctant(octant)) {
        // Every brick goes left of the one before, and is then appended in that order.
        std::reverse(order.begin(), order.end());
        return;
    }
    std::vector<TDepthBox> boxes = DepthBoxes(order, octant);
    TFollowTree tree(boxes);
    for (size_t i = 0; i < order.size(); ++i)
        tree.Add(int(i));
    order = Rearranged(order, InsertAllInTurn(boxes, tree.InOrder()));
}
