#include "model/FollowTree.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace {
// Whether a node whose near faces are `near` (or a block whose smallest near faces they are)
// may be one the brick with far faces `far` is not wholly in front of.
bool MayBlock(const int64_t near[3], const int64_t far[3]) {
    return (near[0] < far[0]) & (near[1] < far[1]) & (near[2] < far[2]);
}

void Narrow(std::array<int64_t, 3>& bound, const int64_t near[3]) {
    for (int k = 0; k < 3; ++k)
        bound[size_t(k)] = std::min(bound[size_t(k)], near[k]);
}

constexpr std::array<int64_t, 3> NoNodes = {INT64_MAX, INT64_MAX, INT64_MAX};
} // namespace

TFollowTree::TFollowTree(const std::vector<TDepthBox>& boxes)
    : Boxes(boxes), Left(boxes.size(), -1), Right(boxes.size(), -1), Length(boxes.size(), 0),
      ChainOf(boxes.size(), -1) {}

void TFollowTree::Add(int brick) {
    Length[size_t(brick)] = 1;
    if (Root < 0) {
        Root = brick;
        return;
    }
    const TDepthBox& box = Boxes[size_t(brick)];
    int head = Root, node = Root;
    for (;;) {
        if (node == head && ChainOf[size_t(head)] >= 0) {
            const TChain& chain = Chains[size_t(ChainOf[size_t(head)])];
            int blocking = FirstNotFollowed(chain, brick);
            if (blocking < 0) {
                Lengthen(head, chain.Nodes.back(), brick);
                return;
            }
            node = blocking;
        } else if (InFront(box, Boxes[size_t(node)])) {
            if (Right[size_t(node)] < 0) {
                Lengthen(head, node, brick);
                return;
            }
            node = Right[size_t(node)];
            continue;
        }
        if (Left[size_t(node)] < 0) {
            Left[size_t(node)] = brick;
            return;
        }
        head = node = Left[size_t(node)];
    }
}

std::vector<int> TFollowTree::InOrder() const {
    std::vector<int> order, stack;
    order.reserve(Left.size());
    int node = Root;
    while (node >= 0 || !stack.empty()) {
        while (node >= 0) {
            stack.push_back(node);
            node = Left[size_t(node)];
        }
        node = stack.back();
        stack.pop_back();
        order.push_back(node);
        node = Right[size_t(node)];
    }
    return order;
}

void TFollowTree::Lengthen(int head, int tail, int brick) {
    Right[size_t(tail)] = brick;
    int length = ++Length[size_t(head)];
    if (ChainOf[size_t(head)] >= 0) {
        TChain& chain = Chains[size_t(ChainOf[size_t(head)])];
        Extend(chain, brick);
        if (!chain.Grid && chain.Nodes.size() > GridLength) {
            if (!RanksTried) {
                size_t cells = std::max<size_t>(Left.size(), 1 << 16);
                Ranks = MakeGroundRanks(Boxes, cells);
                GridCellsLeft = GridCellsPerBrick * cells;
                RanksTried = true;
            }
            if (Ranks && Ranks->Cells() <= GridCellsLeft) {
                GridCellsLeft -= Ranks->Cells();
                chain.Grid = std::make_unique<TGroundGrid>(*Ranks, Boxes);
                for (int node : chain.Nodes)
                    chain.Grid->Add(node);
            }
        }
    } else if (length > LongChain) {
        ChainOf[size_t(head)] = int(Chains.size());
        TChain& chain = Chains.emplace_back();
        for (int node = head; node >= 0; node = Right[size_t(node)])
            Extend(chain, node);
    }
}

void TFollowTree::Extend(TChain& chain, int brick) {
    const int64_t* near = Boxes[size_t(brick)].Near;
    chain.Nodes.push_back(brick);
    if (chain.Grid)
        chain.Grid->Add(brick);
    if (chain.Levels.empty())
        chain.Levels.emplace_back();
    chain.Levels[0].push_back({near[0], near[1], near[2]});
    for (size_t level = 1; chain.Levels[level - 1].size() > 1; ++level) {
        if (chain.Levels.size() == level) {
            // A new top level over everything below, which has just grown past one entry.
            const std::vector<TBound>& below = chain.Levels[level - 1];
            std::vector<TBound> top((below.size() + Fanout - 1) / Fanout, NoNodes);
            for (size_t j = 0; j < below.size(); ++j)
                Narrow(top[j / Fanout], below[j].data());
            chain.Levels.push_back(std::move(top));
            continue;
        }
        size_t j = chain.Levels[level - 1].size() - 1;
        std::vector<TBound>& bounds = chain.Levels[level];
        if (j / Fanout == bounds.size())
            bounds.push_back(NoNodes);
        Narrow(bounds[j / Fanout], near);
    }
}

int TFollowTree::FirstNotFollowed(const TChain& chain, int brick) const {
    if (chain.Grid && !chain.Grid->AnyNotFollowed(brick))
        return -1;
    const int64_t* far = Boxes[size_t(brick)].Far;
    size_t top = chain.Levels.size() - 1;
    int at = MayBlock(chain.Levels[top][0].data(), far) ? FirstNotFollowed(chain, far, top, 0) : -1;
    return at < 0 ? -1 : chain.Nodes[size_t(at)];
}

// The place in the chain of the first node, under entry `index` of `level` (whose bound has
// let the brick through), that the brick is not wholly in front of, or -1. The entries below
// are tested all together, which costs fewer mispredicted branches than one by one.
int TFollowTree::FirstNotFollowed(const TChain& chain, const int64_t far[3], size_t level,
                                  size_t index) {
    if (level == 0)
        return int(index);
    const std::vector<TBound>& below = chain.Levels[level - 1];
    size_t begin = index * Fanout, end = std::min(below.size(), begin + Fanout);
    unsigned passing = 0;
    for (size_t child = begin; child < end; ++child)
        passing |= unsigned(MayBlock(below[child].data(), far)) << (child - begin);
    for (; passing != 0; passing &= passing - 1) {
        int at = FirstNotFollowed(chain, far, level - 1, begin + size_t(std::countr_zero(passing)));
        if (at >= 0)
            return at;
    }
    return -1;
}
