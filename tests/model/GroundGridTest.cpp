#include "model/GroundGrid.h"

#include "model/DepthBox.h"
#include "model/GeneratedModels.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {
TDepthBox Box(int64_t x, int64_t y, int64_t z, int64_t sx, int64_t sy, int64_t sz) {
    return {{x, y, z}, {x + sx, y + sy, z + sz}};
}

bool NotFollowed(const TDepthBox& added, const TDepthBox& brick) {
    return added.Near[0] < brick.Far[0] && added.Near[1] < brick.Far[1] &&
           added.Near[2] < brick.Far[2];
}
} // namespace

// The grid's answer against the brick-by-brick one, for every seventh brick, while half of them
// (in rising numbers, as the tree adds them) join the path.
TEST(GroundGrid, AgreesWithBrickByBrickTest) {
    std::mt19937 rng(3);
    for (const char* kind : {"lattice", "negative", "one cell", "huge", "size 0"}) {
        SCOPED_TRACE(kind);
        std::vector<TDepthBox> boxes;
        for (const auto& brick : Model(kind, rng, 400))
            boxes.push_back(DepthBox(*brick, int(rng() % 8)));
        std::unique_ptr<TGroundRanks> ranks = MakeGroundRanks(boxes, 1 << 16);
        ASSERT_TRUE(ranks);
        TGroundGrid grid(*ranks, boxes);
        std::vector<size_t> added;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (rng() % 2) {
                grid.Add(int(i));
                added.push_back(i);
            }
            for (size_t brick = 0; brick < boxes.size(); brick += 7) {
                bool expected = false;
                for (size_t a : added)
                    expected = expected || NotFollowed(boxes[a], boxes[brick]);
                ASSERT_EQ(grid.AnyNotFollowed(int(brick)), expected) << "brick " << brick;
            }
        }
    }
}

TEST(GroundGrid, NoGridForFacesOffACoarseLattice) {
    // Faces 1 and 2 apart across 100 000 units would need 10^10 cells.
    std::vector<TDepthBox> boxes = {Box(0, 0, 0, 1, 1, 1), Box(1, 1, 0, 1, 1, 1),
                                    Box(3, 3, 0, 1, 1, 1), Box(100000, 100000, 0, 1, 1, 1)};
    EXPECT_FALSE(MakeGroundRanks(boxes, 1 << 16));
    // A huge brick spanning the others does not stretch the grid.
    boxes.push_back(
        Box(-(int64_t(1) << 32), -(int64_t(1) << 32), 0, int64_t(1) << 33, int64_t(1) << 33, 1));
    boxes[3] = Box(100, 100, 0, 1, 1, 1);
    EXPECT_TRUE(MakeGroundRanks(boxes, 1 << 16));
}
