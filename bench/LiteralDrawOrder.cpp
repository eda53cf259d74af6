#include "LiteralDrawOrder.h"

size_t LiteralInsertSortedPosition(const TBrickVector& order, const TBlock& brick, int octant) {
    size_t i = order.size();
    while (i > 0 && MayFollow(*order[i - 1], brick, octant))
        --i;
    return i;
}

void LiteralInsertAllSorted(TBrickVector& order, TBrickVector incoming, int octant) {
    for (auto& brick : incoming) {
        size_t i = LiteralInsertSortedPosition(order, *brick, octant);
        order.insert(order.begin() + std::ptrdiff_t(i), std::move(brick));
    }
}

void LiteralSortDrawOrder(TBrickVector& order, int octant) {
    if (order.size() < 2)
        return;
    std::vector<int> left(order.size(), -1), right(order.size(), -1);
    for (size_t i = 1; i < order.size(); ++i) {
        int node = 0;
        for (;;) {
            int& next = MayFollow(*order[i], *order[size_t(node)], octant) ? right[size_t(node)]
                                                                           : left[size_t(node)];
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
            node = left[size_t(node)];
        }
        node = stack.back();
        stack.pop_back();
        walked.push_back(std::move(order[size_t(node)]));
        node = right[size_t(node)];
    }
    order.clear();
    LiteralInsertAllSorted(order, std::move(walked), octant);
}
