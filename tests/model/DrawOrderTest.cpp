#include "model/DrawOrder.h"

#include "CityModel.h"
#include "LiteralDrawOrder.h"
#include "model/DepthBox.h"
#include "support/Bricks.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

std::unique_ptr<TBlock> Brick(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz,
                              int32_t id = 0) {
    auto b = MakeBrick('B', x, y, z, sx, sy, sz);
    b->Step = id; // tells the bricks apart when comparing orders
    return b;
}

TBrickVector Copy(const TBrickVector& bricks) {
    TBrickVector out;
    for (const auto& b : bricks)
        out.push_back(Brick(b->X, b->Y, b->Z, b->SX, b->SY, b->SZ, b->Step));
    return out;
}

std::vector<int32_t> Ids(const TBrickVector& bricks) {
    std::vector<int32_t> ids;
    for (const auto& b : bricks)
        ids.push_back(b->Step);
    return ids;
}

// Random models of the shapes that make the order hard: bricks on a coarse grid so that faces
// touch and boxes overlap, separated bricks, duplicates, empty and inverted sizes, and
// coordinates near the ends of the 32-bit range.
enum class TShape { Grid, Scattered, Extreme };

TBrickVector RandomModel(std::mt19937& rng, size_t count, TShape shape) {
    TBrickVector out;
    auto pick = [&](int lo, int hi) { return int32_t(lo + int(rng() % unsigned(hi - lo + 1))); };
    for (size_t i = 0; i < count; ++i) {
        int32_t id = int32_t(i);
        if (i > 0 && rng() % 10 == 0) {
            const TBlock& d = *out[rng() % out.size()];
            out.push_back(Brick(d.X, d.Y, d.Z, d.SX, d.SY, d.SZ, id));
            continue;
        }
        switch (shape) {
        case TShape::Grid:
            out.push_back(Brick(pick(0, 8) * 10, pick(0, 8) * 10, pick(0, 6) * 8, pick(0, 4) * 10,
                                pick(0, 4) * 10, pick(0, 3) * 8, id));
            break;
        case TShape::Scattered:
            out.push_back(Brick(pick(-1000, 1000), pick(-1000, 1000), pick(-1000, 1000),
                                pick(-50, 400), pick(-50, 400), pick(-50, 400), id));
            break;
        case TShape::Extreme: {
            const int32_t values[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
            auto any = [&] { return values[rng() % std::size(values)]; };
            out.push_back(Brick(any(), any(), any(), any(), any(), any(), id));
            break;
        }
        }
    }
    return out;
}

// Layers of bricks tiling a stud grid, as a built model has them: many touching faces, long
// stretches of the list in order, and long paths in the sort's tree.
TBrickVector StackedModel(std::mt19937& rng, int side, int layers) {
    TBrickVector out;
    int32_t z = 0;
    for (int layer = 0; layer < layers; ++layer) {
        int32_t height = rng() % 3 == 0 ? 8 : 24;
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i) {
                int32_t sx = 20 * int32_t(1 + rng() % 2), sy = 20 * int32_t(1 + rng() % 2);
                out.push_back(Brick(i * 40, j * 40, z, sx, sy, height, int32_t(out.size())));
            }
        z += height;
    }
    return out;
}

TBrickVector InOrder(TBrickVector bricks, int octant) {
    TBrickVector sorted;
    LiteralInsertAllSorted(sorted, std::move(bricks), octant);
    LiteralSortDrawOrder(sorted, octant);
    return sorted;
}

// Runs loading (into an empty and into a filled list), sorting and single insertion through
// both the reference and the production code, for one model and every octant.
void ExpectSameAsReference(const TBrickVector& model) {
    for (int octant = -1; octant <= 8; ++octant) {
        SCOPED_TRACE("octant " + std::to_string(octant));
        TBrickVector expected, actual;
        LiteralInsertAllSorted(expected, Copy(model), octant);
        InsertAllSorted(actual, Copy(model), octant);
        ASSERT_EQ(Ids(actual), Ids(expected)) << "loading";

        size_t half = model.size() / 2;
        TBrickVector first(Copy(model)), second;
        for (size_t i = half; i < first.size(); ++i)
            second.push_back(std::move(first[i]));
        first.resize(half);
        TBrickVector expectedMore = Copy(first), actualMore = Copy(first);
        LiteralInsertAllSorted(expectedMore, Copy(second), octant);
        InsertAllSorted(actualMore, Copy(second), octant);
        ASSERT_EQ(Ids(actualMore), Ids(expectedMore)) << "loading into a filled list";

        for (int other : {octant, (octant + 3) & 7}) {
            TBrickVector expectedSorted = Copy(expected), actualSorted = Copy(expected);
            LiteralSortDrawOrder(expectedSorted, other);
            SortDrawOrder(actualSorted, other);
            ASSERT_EQ(Ids(actualSorted), Ids(expectedSorted)) << "sorting for " << other;
        }
        TBrickVector unsorted = Copy(model);
        LiteralSortDrawOrder(unsorted, octant);
        TBrickVector actualUnsorted = Copy(model);
        SortDrawOrder(actualUnsorted, octant);
        ASSERT_EQ(Ids(actualUnsorted), Ids(unsorted)) << "sorting a list in file order";

        for (const auto& b : model)
            ASSERT_EQ(InsertSortedPosition(expected, *b, octant),
                      LiteralInsertSortedPosition(expected, *b, octant));
    }
}
} // namespace

TEST(MayFollow, NearSideDependsOnOctant) {
    auto low = Brick(0, 0, 0, 20, 20, 24), high = Brick(20, 0, 0, 20, 20, 24);
    // Octants 0, 1, 4, 5 look from low X: the brick at lower X is nearer and may follow.
    for (int octant : {0, 1, 4, 5}) {
        EXPECT_TRUE(MayFollow(*low, *high, octant));
        EXPECT_FALSE(MayFollow(*high, *low, octant));
    }
    for (int octant : {2, 3, 6, 7}) {
        EXPECT_FALSE(MayFollow(*low, *high, octant));
        EXPECT_TRUE(MayFollow(*high, *low, octant));
    }
    auto below = Brick(0, 0, 0, 20, 20, 24), above = Brick(0, 0, 24, 20, 20, 8);
    EXPECT_TRUE(MayFollow(*above, *below, 0));
    EXPECT_TRUE(MayFollow(*below, *above, 4));
    EXPECT_FALSE(MayFollow(*below, *above, 0));
}

TEST(MayFollow, OverlapOrInvalidOctantNeverFollows) {
    auto a = Brick(0, 0, 0, 40, 40, 24), b = Brick(10, 10, 8, 40, 40, 24);
    for (int octant = 0; octant < 8; ++octant) {
        EXPECT_FALSE(MayFollow(*a, *b, octant));
        EXPECT_FALSE(MayFollow(*b, *a, octant));
    }
    auto apart = Brick(500, 0, 0, 20, 20, 24);
    for (int octant : {-1, 8, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(MayFollow(*a, *apart, octant));
        EXPECT_FALSE(MayFollow(*apart, *a, octant));
    }
}

TEST(MayFollow, FarFacesDoNotOverflow) {
    // X + SX is beyond 32 bits: the left brick still ends after the right one starts.
    auto wide = Brick(INT32_MAX - 5, 0, 0, INT32_MAX, 20, 24);
    auto right = Brick(INT32_MAX, 0, 0, 20, 20, 24);
    EXPECT_FALSE(MayFollow(*wide, *right, 0));
    auto left = Brick(INT32_MIN, 0, 0, 10, 20, 24);
    EXPECT_TRUE(MayFollow(*left, *right, 0));
}

TEST(MayFollow, MirroredBoxesAgree) {
    std::mt19937 rng(5);
    for (TShape shape : {TShape::Grid, TShape::Scattered, TShape::Extreme}) {
        TBrickVector bricks = RandomModel(rng, 40, shape);
        for (int octant = 0; octant < 8; ++octant)
            for (const auto& a : bricks)
                for (const auto& b : bricks)
                    ASSERT_EQ(InFront(DepthBox(*a, octant), DepthBox(*b, octant)),
                              MayFollow(*a, *b, octant));
    }
}

TEST(DrawOrder, SmallCasesByHand) {
    TBrickVector order;
    EXPECT_EQ(InsertSortedPosition(order, *Brick(0, 0, 0, 20, 20, 24), 0), 0u);

    // Seen from octant 0 (low X, high Y, high Z) the brick at high X is farthest.
    TBrickVector row;
    row.push_back(Brick(0, 0, 0, 20, 20, 24, 0));
    row.push_back(Brick(40, 0, 0, 20, 20, 24, 1));
    row.push_back(Brick(20, 0, 0, 20, 20, 24, 2));
    InsertAllSorted(order, std::move(row), 0);
    EXPECT_EQ(Ids(order), (std::vector<int32_t>{1, 2, 0}));
    SortDrawOrder(order, 2);
    EXPECT_EQ(Ids(order), (std::vector<int32_t>{0, 2, 1}));

    // An invalid octant appends and a sort for it keeps the tree's left spine order.
    TBrickVector appended;
    TBrickVector pair;
    pair.push_back(Brick(40, 0, 0, 20, 20, 24, 0));
    pair.push_back(Brick(0, 0, 0, 20, 20, 24, 1));
    InsertAllSorted(appended, std::move(pair), 9);
    EXPECT_EQ(Ids(appended), (std::vector<int32_t>{0, 1}));
    SortDrawOrder(appended, -1);
    EXPECT_EQ(Ids(appended), (std::vector<int32_t>{1, 0}));

    TBrickVector single;
    single.push_back(Brick(0, 0, 0, 20, 20, 24, 7));
    SortDrawOrder(single, 3);
    EXPECT_EQ(Ids(single), (std::vector<int32_t>{7}));
}

TEST(DrawOrder, MatchesReferenceOnRandomModels) {
    std::mt19937 rng(20261206);
    for (TShape shape : {TShape::Grid, TShape::Scattered, TShape::Extreme})
        for (size_t count : {2u, 3u, 5u, 17u, 60u, 120u}) {
            for (int round = 0; round < 2; ++round) {
                SCOPED_TRACE("shape " + std::to_string(int(shape)) + ", " + std::to_string(count) +
                             " bricks, round " + std::to_string(round));
                TBrickVector model = RandomModel(rng, count, shape);
                ExpectSameAsReference(model);
                // The same bricks as a saved file holds them: in drawing order.
                ExpectSameAsReference(InOrder(std::move(model), int(rng() % 8)));
            }
        }
}

TEST(DrawOrder, MatchesReferenceOnLargeStackedModel) {
    std::mt19937 rng(7);
    TBrickVector saved = InOrder(StackedModel(rng, 13, 7), 0);
    TBrickVector expected, actual;
    LiteralInsertAllSorted(expected, Copy(saved), 0);
    InsertAllSorted(actual, Copy(saved), 0);
    ASSERT_EQ(Ids(actual), Ids(expected));
    for (int octant : {0, 5}) {
        SCOPED_TRACE("octant " + std::to_string(octant));
        LiteralSortDrawOrder(expected, octant);
        SortDrawOrder(actual, octant);
        ASSERT_EQ(Ids(actual), Ids(expected));
    }
}

namespace {
// Models big enough that the sort's longest path gets its ground grid, each built to stress it:
// a city, towers, bricks scattered on a lattice, piles where every brick shares one grid cell,
// huge bricks spanning every cell, bricks of size 0, negative coordinates and identical boxes.
TBrickVector LargeModel(const std::string& kind, std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return int32_t(lo + int(rng() % unsigned(hi - lo + 1))); };
    TBrickVector out;
    if (kind == "city") {
        out = MakeCity(1500);
    } else if (kind == "towers") {
        out = StackedModel(rng, 10, 13);
    } else {
        for (int i = 0; i < 1300; ++i) {
            if (kind == "lattice")
                out.push_back(Brick(pick(0, 60) * 20, pick(0, 60) * 20, pick(0, 30) * 8,
                                    pick(1, 4) * 20, pick(1, 4) * 20, pick(1, 3) * 8));
            else if (kind == "one cell")
                out.push_back(Brick(0, 0, pick(0, 400) * 8, 20, 20, pick(1, 3) * 8));
            else if (kind == "huge")
                out.push_back(
                    i % 25 == 0
                        ? Brick(-100000, -100000, pick(0, 40) * 24, 200000, 200000, 8)
                        : Brick(pick(0, 40) * 20, pick(0, 40) * 20, pick(0, 40) * 24, 40, 20, 24));
            else if (kind == "size 0")
                out.push_back(Brick(pick(0, 30) * 20, pick(0, 30) * 20, pick(0, 30) * 8, 0,
                                    pick(0, 1) * 20, 0));
            else if (kind == "negative")
                out.push_back(Brick(pick(-40, 40) * 20 - 5, pick(-40, 40) * 20 - 5,
                                    pick(-30, 30) * 8, 40, 40, 24));
            else if (kind == "equal")
                out.push_back(Brick(40, 40, 0, 40, 20, 24));
        }
    }
    // A baseplate-sized plate under everything, half-way down a hand-made list.
    if (kind == "city" || kind == "lattice")
        out.insert(out.begin() + std::ptrdiff_t(out.size() / 2),
                   Brick(-200, -200, -8, 2000, 2000, 8));
    for (size_t i = 0; i < out.size(); ++i)
        out[i]->Step = int32_t(i);
    return out;
}
} // namespace

// A list already in drawing order re-sorted for the same octant, as a refresh does, and for
// another, as a turn of the view does, against the step-by-step order.
TEST(DrawOrder, MatchesReferenceWhenResortingLargeModels) {
    std::mt19937 rng(17);
    for (std::string kind :
         {"city", "towers", "lattice", "one cell", "huge", "size 0", "negative", "equal"}) {
        TBrickVector model = LargeModel(kind, rng);
        for (int saved = 0; saved < 8; ++saved) {
            TBrickVector input;
            InsertAllSorted(input, Copy(model), saved);
            SortDrawOrder(input, saved);
            for (int octant : {saved, (saved + 5) & 7}) {
                if (octant != saved && saved % 2 == 1)
                    continue;
                SCOPED_TRACE(kind + ", saved for " + std::to_string(saved) + ", sorted for " +
                             std::to_string(octant));
                TBrickVector expected = Copy(input), actual = Copy(input);
                LiteralSortDrawOrder(expected, octant);
                SortDrawOrder(actual, octant);
                ASSERT_EQ(Ids(actual), Ids(expected));
            }
        }
    }
}
