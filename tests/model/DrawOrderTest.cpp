#include "model/DrawOrder.h"

#include "LiteralDrawOrder.h"
#include "model/GeneratedModels.h"
#include "support/ReferenceFile.h"

#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
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

// Whether a may follow b in octants 0 to 7, then in the invalid octants -1, 8, INT_MIN, INT_MAX.
TEST(MayFollow, NearSideDependsOnOctantAndOverlapsNeverFollow) {
    EXPECT_TRUE(MatchesTranscript("models/may-follow.txt", [](const std::string& line) {
        std::istringstream words(line);
        std::array<int32_t, 12> v{};
        for (int32_t& value : v)
            words >> value;
        auto a = Brick(v[0], v[1], v[2], v[3], v[4], v[5]),
             b = Brick(v[6], v[7], v[8], v[9], v[10], v[11]);
        std::string follows;
        for (int octant : {0, 1, 2, 3, 4, 5, 6, 7, -1, 8, INT_MIN, INT_MAX})
            follows +=
                std::string(octant == -1 ? " " : "") + (MayFollow(*a, *b, octant) ? "1" : "0");
        return follows;
    }));
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
