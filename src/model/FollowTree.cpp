#include "model/FollowTree.h"

#include <algorithm>
#include <climits>

namespace {
// Whether a node whose near faces are `near` (or a block whose smallest near faces they are)
// may be one the brick with far faces `far` is not wholly in front of.
bool MayBlock(const int64_t near[3], const int64_t far[3]) {
    return near[0] < far[0] && near[1] < far[1] && near[2] < far[2];
}

void Narrow(std::array<int64_t, 3>& bound, const int64_t near[3]) {
    for (int k = 0; k < 3; ++k)
        bound[size_t(k)] = std::min(bound[size_t(k)], near[k]);
}

constexpr std::array<int64_t, 3> NoNodes = {INT64_MAX, INT64_MAX, INT64_MAX};
} // namespace

TFollowTree::TFollowTree(const std::vector<TDepthBox>& boxes)
    : mBoxes(boxes), mLeft(boxes.size(), -1), mRight(boxes.size(), -1), mLength(boxes.size(), 0),
      mChainOf(boxes.size(), -1) {}

void TFollowTree::Add(int brick) {
    mLength[size_t(brick)] = 1;
    if (mRoot < 0) {
        mRoot = brick;
        return;
    }
    const TDepthBox& box = mBoxes[size_t(brick)];
    int head = mRoot, node = mRoot;
    for (;;) {
        if (node == head && mChainOf[size_t(head)] >= 0) {
            const TChain& chain = mChains[size_t(mChainOf[size_t(head)])];
            int at = FirstNotFollowed(chain, box.Far);
            if (at < 0) {
                Lengthen(head, chain.Nodes.back(), brick);
                return;
            }
            node = chain.Nodes[size_t(at)];
        } else if (InFront(box, mBoxes[size_t(node)])) {
            if (mRight[size_t(node)] < 0) {
                Lengthen(head, node, brick);
                return;
            }
            node = mRight[size_t(node)];
            continue;
        }
        if (mLeft[size_t(node)] < 0) {
            mLeft[size_t(node)] = brick;
            return;
        }
        head = node = mLeft[size_t(node)];
    }
}

std::vector<int> TFollowTree::InOrder() const {
    std::vector<int> order, stack;
    order.reserve(mLeft.size());
    int node = mRoot;
    while (node >= 0 || !stack.empty()) {
        while (node >= 0) {
            stack.push_back(node);
            node = mLeft[size_t(node)];
        }
        node = stack.back();
        stack.pop_back();
        order.push_back(node);
        node = mRight[size_t(node)];
    }
    return order;
}

void TFollowTree::Lengthen(int head, int tail, int brick) {
    mRight[size_t(tail)] = brick;
    int length = ++mLength[size_t(head)];
    if (mChainOf[size_t(head)] >= 0) {
        Extend(mChains[size_t(mChainOf[size_t(head)])], brick);
    } else if (length > LongChain) {
        mChainOf[size_t(head)] = int(mChains.size());
        TChain& chain = mChains.emplace_back();
        for (int node = head; node >= 0; node = mRight[size_t(node)])
            Extend(chain, node);
    }
}

void TFollowTree::Extend(TChain& chain, int brick) {
    chain.Nodes.push_back(brick);
    size_t count = chain.Nodes.size();
    if (count <= BlockSize)
        return;
    // Bounds are made when the chain first outgrows a block, then kept up to date.
    if (chain.BlockMinNear.empty())
        for (size_t i = 0; i + 1 < count; ++i) {
            if (i % BlockSize == 0)
                chain.BlockMinNear.push_back(NoNodes);
            Narrow(chain.BlockMinNear.back(), mBoxes[size_t(chain.Nodes[i])].Near);
        }
    const int64_t* near = mBoxes[size_t(brick)].Near;
    if ((count - 1) % BlockSize == 0)
        chain.BlockMinNear.push_back(NoNodes);
    Narrow(chain.BlockMinNear.back(), near);
    size_t blocks = chain.BlockMinNear.size();
    if (blocks <= BlockSize)
        return;
    if (chain.SuperBlockMinNear.empty())
        for (size_t b = 0; b + 1 < blocks; ++b) {
            if (b % BlockSize == 0)
                chain.SuperBlockMinNear.push_back(NoNodes);
            Narrow(chain.SuperBlockMinNear.back(), chain.BlockMinNear[b].data());
        }
    if ((count - 1) % (BlockSize * BlockSize) == 0)
        chain.SuperBlockMinNear.push_back(NoNodes);
    Narrow(chain.SuperBlockMinNear.back(), near);
}

// The place in the chain of the first node the brick is not wholly in front of, or -1.
int TFollowTree::FirstNotFollowed(const TChain& chain, const int64_t far[3]) const {
    auto scan = [&](size_t from, size_t to) {
        for (size_t i = from; i < to; ++i)
            if (MayBlock(mBoxes[size_t(chain.Nodes[i])].Near, far))
                return int(i);
        return -1;
    };
    size_t count = chain.Nodes.size();
    if (chain.BlockMinNear.empty())
        return scan(0, count);
    auto blocks = [&](size_t from, size_t to) {
        for (size_t b = from; b < to; ++b)
            if (MayBlock(chain.BlockMinNear[b].data(), far)) {
                int at = scan(b * BlockSize, std::min(count, (b + 1) * BlockSize));
                if (at >= 0)
                    return at;
            }
        return -1;
    };
    size_t blockCount = chain.BlockMinNear.size();
    if (chain.SuperBlockMinNear.empty())
        return blocks(0, blockCount);
    for (size_t s = 0; s < chain.SuperBlockMinNear.size(); ++s)
        if (MayBlock(chain.SuperBlockMinNear[s].data(), far)) {
            int at = blocks(s * BlockSize, std::min(blockCount, (s + 1) * BlockSize));
            if (at >= 0)
                return at;
        }
    return -1;
}
