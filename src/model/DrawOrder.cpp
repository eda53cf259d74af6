#include "model/DrawOrder.h"

#include "model/DepthBox.h"
#include "model/FollowTree.h"
#include "model/SortedInserter.h"

#include <algorithm>

namespace {
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
    return InFront(DepthBox(a, octant), DepthBox(b, octant));
}

size_t InsertSortedPosition(const TBrickVector& order, const TBlock& brick, int octant) {
    if (!ValidOctant(octant))
        return order.size();
    const TDepthBox box = DepthBox(brick, octant);
    size_t i = order.size();
    while (i > 0 && InFront(DepthBox(*order[i - 1], octant), box))
        --i;
    return i;
}

void InsertAllSorted(TBrickVector& order, TBrickVector incoming, int octant) {
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
