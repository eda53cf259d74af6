#include "model/DrawOrder.h"

#include "LiteralDrawOrder.h"
#include "model/DepthBox.h"
#include "model/GeneratedModels.h"

#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {
TBrickVector InOrder(TBrickVector bricks, int octant) {
    TBrickVector sorted;
    LiteralInsertAllSorted(sorted, std::move(bricks), octant);
    LiteralSortDrawOrder(sorted, octant);
    return sorted;
}

void ExpectSortedAsReference(const TBrickVector& input, int octant) {
    TBrickVector expected = Copy(input), actual = Copy(input);
    LiteralSortDrawOrder(expected, octant);
    SortDrawOrder(actual, octant);
    ASSERT_EQ(Ids(actual), Ids(expected)) << "sorting for " << octant;
}

// Loading (into an empty and into a filled list), sorting and single insertion through both the
// step-by-step and the production code, for one model and every octant, valid or not.
void ExpectSameAsReference(const TBrickVector& model) {
    for (int octant = -1; octant <= 8; ++octant) {
        SCOPED_TRACE("octant " + std::to_string(octant));
        TBrickVector expected, actual;
        LiteralInsertAllSorted(expected, Copy(model), octant);
        InsertAllSorted(actual, Copy(model), octant);
        ASSERT_EQ(Ids(actual), Ids(expected)) << "loading";

        TBrickVector first(Copy(model)), second;
        for (size_t i = model.size() / 2; i < first.size(); ++i)
            second.push_back(std::move(first[i]));
        first.resize(model.size() / 2);
        TBrickVector expectedMore = Copy(first), actualMore = Copy(first);
        LiteralInsertAllSorted(expectedMore, Copy(second), octant);
        InsertAllSorted(actualMore, Copy(second), octant);
        ASSERT_EQ(Ids(actualMore), Ids(expectedMore)) << "loading into a filled list";

        ExpectSortedAsReference(expected, octant);
        ExpectSortedAsReference(expected, (octant + 3) & 7);
        ExpectSortedAsReference(model, octant); // a list in file order
        for (const auto& b : model)
            ASSERT_EQ(InsertSortedPosition(expected, *b, octant),
                      LiteralInsertSortedPosition(expected, *b, octant));
    }
}
} // namespace

TEST(MayFollow, NearSideDependsOnOctantAndOverlapsNeverFollow) {
    auto low = Brick(0, 0, 0, 20, 20, 24), high = Brick(20, 0, 0, 20, 20, 24);
    // Octants 0, 1, 4, 5 look from low X: the brick at lower X is nearer and may follow.
    for (int octant = 0; octant < 8; ++octant) {
        const bool fromLowX = octant % 4 < 2;
        EXPECT_EQ(MayFollow(*low, *high, octant), fromLowX) << octant;
        EXPECT_EQ(MayFollow(*high, *low, octant), !fromLowX) << octant;
    }
    auto below = Brick(0, 0, 0, 20, 20, 24), above = Brick(0, 0, 24, 20, 20, 8);
    EXPECT_EQ((std::array{MayFollow(*above, *below, 0), MayFollow(*below, *above, 4),
                          MayFollow(*below, *above, 0)}),
              (std::array{true, true, false}));

    auto a = Brick(0, 0, 0, 40, 40, 24), b = Brick(10, 10, 8, 40, 40, 24);
    auto apart = Brick(500, 0, 0, 20, 20, 24);
    for (int octant : {-1, 0, 3, 7, 8, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(MayFollow(*a, *b, octant) || MayFollow(*b, *a, octant)) << octant;
        if (octant < 0 || octant > 7) {
            EXPECT_FALSE(MayFollow(*a, *apart, octant) || MayFollow(*apart, *a, octant));
        }
    }
    // X + SX beyond 32 bits: the wide brick still ends after the right one starts.
    auto wide = Brick(INT32_MAX - 5, 0, 0, INT32_MAX, 20, 24);
    auto right = Brick(INT32_MAX, 0, 0, 20, 20, 24), left = Brick(INT32_MIN, 0, 0, 10, 20, 24);
    EXPECT_FALSE(MayFollow(*wide, *right, 0));
    EXPECT_TRUE(MayFollow(*left, *right, 0));
}

TEST(MayFollow, MirroredBoxesAgree) {
    std::mt19937 rng(5);
    for (const char* kind : {"random grid", "random scattered", "random extreme"}) {
        TBrickVector bricks = Model(kind, rng, 40);
        for (int octant = 0; octant < 8; ++octant)
            for (const auto& a : bricks)
                for (const auto& b : bricks)
                    ASSERT_EQ(InFront(DepthBox(*a, octant), DepthBox(*b, octant)),
                              MayFollow(*a, *b, octant));
    }
}

// An invalid octant appends, and a sort for it keeps the tree's left spine order.
TEST(DrawOrder, InvalidOctantByHand) {
    TBrickVector order, pair;
    EXPECT_EQ(InsertSortedPosition(order, *Brick(0, 0, 0, 20, 20, 24), 9), 0u);
    pair.push_back(Brick(40, 0, 0, 20, 20, 24, 0));
    pair.push_back(Brick(0, 0, 0, 20, 20, 24, 1));
    InsertAllSorted(order, std::move(pair), 9);
    EXPECT_EQ(Ids(order), (std::vector<int32_t>{0, 1}));
    SortDrawOrder(order, -1);
    EXPECT_EQ(Ids(order), (std::vector<int32_t>{1, 0}));
}

TEST(DrawOrder, MatchesReferenceOnRandomModels) {
    std::mt19937 rng(20261206);
    for (const char* kind : {"random grid", "random scattered", "random extreme"})
        for (int count : {1, 2, 3, 5, 17, 60, 120})
            for (int round = 0; round < 2; ++round) {
                SCOPED_TRACE(std::string(kind) + ", " + std::to_string(count) + " bricks");
                TBrickVector model = Model(kind, rng, count);
                ExpectSameAsReference(model);
                // The same bricks as a saved file holds them: in drawing order.
                ExpectSameAsReference(InOrder(std::move(model), int(rng() % 8)));
            }
}

// Models big enough that the sort's longest path gets its ground grid: loaded as a saved file,
// re-sorted for the same octant, as a refresh does, and for another, as a turn of the view does.
TEST(DrawOrder, MatchesReferenceOnLargeModels) {
    std::mt19937 rng(17);
    for (std::string kind :
         {"city", "towers", "lattice", "one cell", "huge", "size 0", "negative", "equal"}) {
        TBrickVector model = Model(kind, rng, kind == "city" ? 1500 : 1300);
        for (int saved = 0; saved < 8; ++saved) {
            SCOPED_TRACE(kind + ", saved for " + std::to_string(saved));
            TBrickVector input;
            InsertAllSorted(input, Copy(model), saved);
            if (saved == 0) {
                TBrickVector expected;
                LiteralInsertAllSorted(expected, Copy(model), saved);
                ASSERT_EQ(Ids(input), Ids(expected)) << "loading";
            }
            SortDrawOrder(input, saved);
            ExpectSortedAsReference(input, saved);
            if (saved % 2 == 0)
                ExpectSortedAsReference(input, (saved + 5) & 7);
        }
    }
}
