#include "render/RenderTestSupport.h"
#include "render/bricks/DrawBrick.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Orange = 0x2080F0;

// Straight down at one pixel per unit, the model origin at the bitmap's centre.
struct RoundBrickTest : ::testing::Test {
    TDrawContext Context;
    void SetUp() override { SetView(Context, 0, 0, 1.0f, 100, 100); }

    // Stud positions (1-based i, j) whose neighbourhood changes when studs are switched on.
    std::vector<std::pair<int, int>> StudsDrawn(int studsAcross) {
        int size = 20 * studsAcross, low = -size / 2;
        TTestCanvas with(200, 200, Context), without(200, 200, Context);
        DrawBrick(*MakeBrick('R', low, low, 0, size, size, 24, Orange, true), with.Target);
        DrawBrick(*MakeBrick('R', low, low, 0, size, size, 24, Orange, false), without.Target);
        std::vector<std::pair<int, int>> drawn;
        for (int i = 1; i <= studsAcross; ++i)
            for (int j = 1; j <= studsAcross; ++j) {
                TPoint centre =
                    ProjectPoint(Context.View, low + 20 * i - 10, low + 20 * j - 10, 24);
                if (DifferingPixelsNear(with.Bitmap, without.Bitmap, centre, 6) > 0)
                    drawn.emplace_back(i, j);
            }
        return drawn;
    }
};

TEST_F(RoundBrickTest, StudsFollowTheDiameterTable) {
    EXPECT_EQ(StudsDrawn(2).size(), 4u);
    auto three = StudsDrawn(3);
    EXPECT_EQ(three, (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {2, 2}, {2, 3}, {3, 2}}));
    auto four = StudsDrawn(4);
    EXPECT_EQ(four.size(), 12u);
    for (auto corner : {std::pair{1, 1}, {1, 4}, {4, 1}, {4, 4}})
        EXPECT_EQ(std::count(four.begin(), four.end(), corner), 0);
    EXPECT_EQ(StudsDrawn(6).size(), 24u); // rows and columns 3 and 4, and (2|5, 2|5)
    EXPECT_EQ(StudsDrawn(8).size(), 44u);
    EXPECT_TRUE(StudsDrawn(9).empty());
}

} // namespace
