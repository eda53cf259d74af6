#pragma once
// The drawing order of bricks for an octant: far bricks first, so painting first to last
// hides what is behind.

#include "model/Block.h"

#include <memory>
#include <vector>

using TBrickVector = std::vector<std::unique_ptr<TBlock>>;

// A may be drawn after B when seen from the octant: A lies wholly on B's near side along at
// least one axis (touching faces count as separated). Always false outside octants 0 to 7.
bool MayFollow(const TBlock& a, const TBlock& b, int octant);

// The index at which InsertSorted puts the brick: one past the last brick, scanning from the
// end, after which the brick may not follow.
size_t InsertSortedPosition(const TBrickVector& order, const TBlock& brick, int octant);

// InsertSorted of each incoming brick in turn (the list that gives), without scanning brick by
// brick: loading a big model must not take quadratic time.
void InsertAllSorted(TBrickVector& order, TBrickVector incoming, int octant);

// The order Sort gives: a binary tree built in list order (right when the new brick may follow
// the node), walked in order, each brick InsertSorted into an emptied list. Exactly that list,
// reached without walking every node of the tree's long paths; it runs on every view turn.
void SortDrawOrder(TBrickVector& order, int octant);
