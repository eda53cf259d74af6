#include "model/BlockList.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<TBlock> Brick(int32_t x, int32_t y, int32_t z, int32_t colour = 1) {
    auto b = CreateFromString("B:0:0:0:20:20:24:1:1:0:0:0:0::0");
    b->X = x, b->Y = y, b->Z = z, b->Colour = colour;
    return b;
}

std::vector<int32_t> Xs(const TBlockList& list) {
    std::vector<int32_t> xs;
    for (const auto& b : list.Items())
        xs.push_back(b->X);
    return xs;
}
} // namespace

TEST(BlockListOrder, InsertSortedFollowsTheCurrentOctant) {
    TBlockList list;
    list.InsertSorted(Brick(0, 0, 0));
    EXPECT_EQ(list.Count(), 1);
    list.InsertSorted(Brick(40, 0, 0)); // farther away in octant 0: drawn first
    list.InsertSorted(Brick(20, 0, 0));
    EXPECT_EQ(Xs(list), (std::vector<int32_t>{40, 20, 0}));
    EXPECT_TRUE(list.MayFollow(list[2], list[0]));
    EXPECT_FALSE(list.MayFollow(list[0], list[2]));

    auto overlapping = Brick(10, 10, 10);
    EXPECT_FALSE(list.MayFollow(*overlapping, list[2]));
    EXPECT_FALSE(list.MayFollow(list[2], *overlapping));

    TBlockList outside;
    outside.CurrentOctant = 8;
    outside.InsertSorted(Brick(0, 0, 0));
    outside.InsertSorted(Brick(40, 0, 0));
    EXPECT_EQ(Xs(outside), (std::vector<int32_t>{0, 40}));
}

TEST(BlockListOrder, SortRebuildsForTheOctantAndNeedsTwoBricks) {
    TBlockList list;
    list.CurrentOctant = 2;
    list.Add(Brick(40, 0, 0));
    list.Sort(2);
    EXPECT_EQ(list.SortedOctant, 0);
    list.Add(Brick(0, 0, 0));
    list.Add(Brick(20, 0, 0));
    list.Sort(2); // the viewer stands at high X: low X is far
    EXPECT_EQ(Xs(list), (std::vector<int32_t>{0, 20, 40}));
    EXPECT_EQ(list.SortedOctant, 2);
    list.CurrentOctant = 0;
    list.Sort(0);
    EXPECT_EQ(Xs(list), (std::vector<int32_t>{40, 20, 0}));
}

TEST(BlockListEdit, InsertListAtMovesTheSourceAndInsertsCopies) {
    TBlockList source;
    source.Add(Brick(100, 60, 0)).Group = 5;
    source.Add(Brick(120, 60, 24)).Group = 5;
    TBlockList model;
    model.InsertListAt(source, 0, 0, 8);
    EXPECT_EQ(model.SortedOctant, -1);
    ASSERT_EQ(model.Count(), 2);
    EXPECT_EQ(source[0].SaveToString(), "B:0:0:8:20:20:24:1:1:0:0:0:5::0");
    EXPECT_EQ(source[1].SaveToString(), "B:20:0:32:20:20:24:1:1:0:0:0:5::0");
    EXPECT_GE(model.IndexOfText(source[0].SaveToString()), 0);
    EXPECT_GE(model.IndexOfText(source[1].SaveToString()), 0);
    EXPECT_NE(&model[0], &source[0]);

    // Corners far from the origin are found too (no fixed start value).
    TBlockList far;
    far.Add(Brick(50000, 50000, 50000));
    model.InsertListAt(far, 0, 0, 0);
    EXPECT_EQ((std::array{far[0].X, far[0].Z}), (std::array{0, 0}));
}

TEST(BlockListEdit, QueriesGroupingAndClearing) {
    TBlockList list;
    for (int i = 0; i < 4; ++i)
        list.Add(Brick(i * 20, 0, 0));
    EXPECT_EQ(list.FirstSelected(), -1);
    list[0].Selected = true;
    EXPECT_EQ(list.FirstSelected(), 0);
    EXPECT_EQ(list.NextSelected(0), -1);

    int32_t before = GroupCounter;
    list.GroupSelected(); // one brick: nothing happens
    EXPECT_EQ(GroupCounter, before);
    EXPECT_TRUE(list[0].Selected);

    list[2].Selected = true;
    list.GroupSelected();
    EXPECT_EQ(GroupCounter, before + 1);
    EXPECT_EQ((std::array{list.FirstInGroup(before + 1), list.NextInGroup(before + 1, 0),
                          list.NextInGroup(before + 1, 2), list.FirstSelected()}),
              (std::array{0, 2, -1, -1}));

    list[2].Selected = true;
    list.UngroupSelected();
    EXPECT_EQ((std::array{list[2].Group, list[0].Group}), (std::array{0, before + 1}));
    EXPECT_FALSE(list[2].Selected);

    EXPECT_EQ(list.IndexOfText(list[1].SaveToString()), 1);
    EXPECT_EQ(list.IndexOfText("b" + list[1].SaveToString().substr(1)), -1);

    auto moved = list.Extract(1);
    EXPECT_EQ((std::array{moved->X, list.Count()}), (std::array{20, 3}));

    list.RecordCommand('+', list[0]);
    list.RedoLog.push_front("x");
    list.ClearItems();
    EXPECT_EQ((std::array{list.Count(), list.UndoCount(), list.RedoCount()}),
              (std::array{0, 1, 1}));
    list.Add(Brick(0, 0, 0));
    list.Clear();
    EXPECT_EQ((std::array{list.Count(), list.UndoCount(), list.RedoCount()}),
              (std::array{0, 0, 0}));
}

TEST(BlockListEdit, GroupCounterWrapsInsteadOfOverflowing) {
    int32_t saved = GroupCounter;
    GroupCounter = INT32_MAX;
    EXPECT_EQ(NewGroupNumber(), INT32_MIN);
    GroupCounter = saved;
}
