#include "model/DrawOrder.h"

#include "CityModel.h"
#include "LiteralDrawOrder.h"
#include "model/DepthBox.h"
#include "support/Bricks.h"

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

// Models of the shapes that make the order hard, numbered in list order: touching faces and
// overlaps on a coarse grid, scattered bricks, the ends of the 32-bit range, layers tiling a
// stud grid (long sorted stretches, long paths in the sort's tree), a city, piles in one grid
// cell, huge bricks spanning every cell, bricks of size 0, negative coordinates, equal boxes.
TBrickVector Model(const std::string& kind, std::mt19937& rng, int count) {
    auto pick = [&](int lo, int hi) { return int32_t(lo + int(rng() % unsigned(hi - lo + 1))); };
    const int32_t extremes[] = {INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX};
    auto any = [&] { return extremes[rng() % std::size(extremes)]; };
    TBrickVector out;
    if (kind == "city")
        out = MakeCity(count);
    for (int32_t z = 0; kind == "towers" && int(out.size()) < count;) {
        int32_t height = rng() % 3 == 0 ? 8 : 24;
        for (int j = 0; j < 10; ++j)
            for (int i = 0; i < 10; ++i)
                out.push_back(Brick(i * 40, j * 40, z, 20 * pick(1, 2), 20 * pick(1, 2), height));
        z += height;
    }
    const bool random = kind.rfind("random", 0) == 0;
    for (int i = int(out.size()); i < count && kind != "city"; ++i) {
        if (i > 0 && random && rng() % 10 == 0) { // with duplicates
            const TBlock& d = *out[rng() % out.size()];
            out.push_back(Brick(d.X, d.Y, d.Z, d.SX, d.SY, d.SZ));
        } else if (kind == "random grid")
            out.push_back(Brick(pick(0, 8) * 10, pick(0, 8) * 10, pick(0, 6) * 8, pick(0, 4) * 10,
                                pick(0, 4) * 10, pick(0, 3) * 8));
        else if (kind == "random scattered")
            out.push_back(Brick(pick(-1000, 1000), pick(-1000, 1000), pick(-1000, 1000),
                                pick(-50, 400), pick(-50, 400), pick(-50, 400)));
        else if (kind == "random extreme")
            out.push_back(Brick(any(), any(), any(), any(), any(), any()));
        else if (kind == "lattice")
            out.push_back(Brick(pick(0, 60) * 20, pick(0, 60) * 20, pick(0, 30) * 8,
                                pick(1, 4) * 20, pick(1, 4) * 20, pick(1, 3) * 8));
        else if (kind == "one cell")
            out.push_back(Brick(0, 0, pick(0, 400) * 8, 20, 20, pick(1, 3) * 8));
        else if (kind == "huge")
            out.push_back(i % 25 == 0 ? Brick(-100000, -100000, pick(0, 40) * 24, 200000, 200000, 8)
                                      : Brick(pick(0, 40) * 20, pick(0, 40) * 20, pick(0, 40) * 24,
                                              40, 20, 24));
        else if (kind == "size 0")
            out.push_back(
                Brick(pick(0, 30) * 20, pick(0, 30) * 20, pick(0, 30) * 8, 0, pick(0, 1) * 20, 0));
        else if (kind == "negative")
            out.push_back(Brick(pick(-40, 40) * 20 - 5, pick(-40, 40) * 20 - 5, pick(-30, 30) * 8,
                                40, 40, 24));
        else
            out.push_back(Brick(40, 40, 0, 40, 20, 24));
    }
    // A baseplate-sized plate under everything, half-way down a hand-made list.
    if (kind == "city" || kind == "lattice")
        out.insert(out.begin() + std::ptrdiff_t(out.size() / 2),
                   Brick(-200, -200, -8, 2000, 2000, 8));
    for (size_t i = 0; i < out.size(); ++i)
        out[i]->Step = int32_t(i);
    return out;
}

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
    TBrickVector appended, pair;
    pair.push_back(Brick(40, 0, 0, 20, 20, 24, 0));
    pair.push_back(Brick(0, 0, 0, 20, 20, 24, 1));
    InsertAllSorted(appended, std::move(pair), 9);
    EXPECT_EQ(Ids(appended), (std::vector<int32_t>{0, 1}));
    SortDrawOrder(appended, -1);
    EXPECT_EQ(Ids(appended), (std::vector<int32_t>{1, 0}));
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
