#pragma once
// The binary tree that Sort builds (right when the new brick may follow the node), grown without
// walking every node of a long path; gives exactly the in-order sequence of the plain tree.

#include "model/DepthBox.h"
#include "model/GroundGrid.h"

#include <array>
#include <memory>
#include <vector>

class TFollowTree {
public:
    // Bricks are named by their index into `boxes`, which must outlive the tree.
    explicit TFollowTree(const std::vector<TDepthBox>& boxes);

    // Adds bricks 0, 1, 2, ... in turn; brick 0 is the root.
    void Add(int brick);
    // The bricks in order: left subtree, node, right subtree.
    std::vector<int> InOrder() const;

private:
    // A path of right children, entered only at its head (the root or a left child). A walk
    // along it goes right until the first node the new brick may not follow, so it only needs
    // that first node. Once the path is long, a hierarchy of bounds (the smallest near faces
    // of each Fanout nodes, of each Fanout of those, ...) skips the nodes that certainly let
    // the brick pass. Short paths are walked node by node. A very long path also gets a grid over
    // the ground plane that tells at once whether the brick passes all of it: in a list already
    // in order, most bricks join the longest path, having passed all of it.
    static constexpr size_t Fanout = 8;
    static_assert(Fanout <= 32, "the entries under one bound are tested as one 32-bit mask");
    static constexpr int LongChain = 64;
    using TBound = std::array<int64_t, 3>;
    // The first paths to grow this long get a grid, while the grids together take no more than
    // GridCellsPerBrick cells per brick (each may take one per brick).
    static constexpr size_t GridLength = 1024;
    static constexpr size_t GridCellsPerBrick = 4;
    struct TChain {
        std::vector<int> Nodes;
        std::vector<std::vector<TBound>> Levels; // Levels[0]: the nodes' own near faces
        std::unique_ptr<TGroundGrid> Grid;
    };

    const std::vector<TDepthBox>& Boxes;
    int Root = -1;
    std::vector<int> Left, Right;
    std::vector<int> Length;  // for a chain's head node: the number of nodes in the chain
    std::vector<int> ChainOf; // for the head node of a long chain: its entry in Chains
    std::vector<TChain> Chains;
    std::unique_ptr<TGroundRanks> Ranks; // made for the first path that gets a grid
    bool RanksTried = false;
    size_t GridCellsLeft = 0;

    // Adds `brick` below `tail`, the last node of the chain that starts at `head`.
    void Lengthen(int head, int tail, int brick);
    void Extend(TChain& chain, int brick);
    // The first node of the chain the brick is not wholly in front of, or -1.
    int FirstNotFollowed(const TChain& chain, int brick) const;
    static int FirstNotFollowed(const TChain& chain, const int64_t far[3], size_t level,
                                size_t index);
};
