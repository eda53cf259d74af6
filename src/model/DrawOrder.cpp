#include "model/DrawOrder.h"

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
} // namespace

bool MayFollow(const TBlock& a, const TBlock& b, int octant) {
    if (octant < 0 || octant > 7)
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
    for (auto& brick : incoming) {
        size_t at = InsertSortedPosition(order, *brick, octant);
        order.insert(order.begin() + std::ptrdiff_t(at), std::move(brick));
    }
}

void SortDrawOrder(TBrickVector& order, int octant) {
    if (order.size() < 2)
        return;
    struct Node {
        int Left = -1, Right = -1;
    };
    std::vector<Node> tree(order.size());
    for (size_t i = 1; i < order.size(); ++i) {
        int node = 0;
        for (;;) {
            int& next = MayFollow(*order[i], *order[size_t(node)], octant)
                            ? tree[size_t(node)].Right
                            : tree[size_t(node)].Left;
            if (next < 0) {
                next = int(i);
                break;
            }
            node = next;
        }
    }
    TBrickVector walked;
    walked.reserve(order.size());
    std::vector<int> stack;
    int node = 0;
    while (node >= 0 || !stack.empty()) {
        while (node >= 0) {
            stack.push_back(node);
            node = tree[size_t(node)].Left;
        }
        node = stack.back();
        stack.pop_back();
        walked.push_back(std::move(order[size_t(node)]));
        node = tree[size_t(node)].Right;
    }
    order.clear();
    InsertAllSorted(order, std::move(walked), octant);
}
