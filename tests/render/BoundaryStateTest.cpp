#include "render/BoundaryState.h"

#include "model/BlockList.h"

#include <gtest/gtest.h>

namespace {
const TCutLimits NoCut = {-19999, 19999, -19999, 19999, -19999, 19999};

TBlock& AddBrick(TBlockList& model, int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy,
                 int32_t sz) {
    auto b = std::make_unique<TBlock>();
    b->X = x, b->Y = y, b->Z = z, b->SX = sx, b->SY = sy, b->SZ = sz;
    return model.Add(std::move(b));
}
} // namespace

TEST(BoundaryState, ResetTakesTheModelExtentsAndAnEmptyModelCutsNothing) {
    TCuttingBox box;
    TBoundaryState state(box);
    TBlockList model;
    state.Show();
    state.Reset(model);
    EXPECT_EQ(state.Current(), NoCut);
    AddBrick(model, -160, -80, -8, 320, 160, 8);
    AddBrick(model, 20, 0, 0, 40, 20, 24);
    state.Reset(model);
    EXPECT_EQ(state.Current(), (TCutLimits{-160, 160, -80, 80, -8, 24}));
    EXPECT_EQ(state.Kept, state.Current());
}

TEST(BoundaryState, StartUpResetChangesOnlyTheKeptCopy) {
    TCuttingBox box;
    TBoundaryState state(box);
    TBlockList model;
    AddBrick(model, 0, 0, 0, 20, 20, 24);
    state.ResetKept(model);
    EXPECT_EQ(LimitsOf(box), NoCut);
    EXPECT_TRUE(InsideCut(box, AddBrick(model, 0, 0, 96, 20, 20, 24)));
    state.Show();
    EXPECT_EQ(box.ZHigh, 24);
}

TEST(BoundaryState, ChangeWhileHiddenOnlyUpdatesTheCopyAndHidingKeepsTheBox) {
    TCuttingBox box;
    TBoundaryState state(box);
    state.Change({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(LimitsOf(box), NoCut);
    state.Show();
    state.Change({0, 10, 0, 10, 0, 10});
    EXPECT_EQ(state.Current(), (TCutLimits{0, 10, 0, 10, 0, 10}));
    state.Hide();
    EXPECT_EQ(LimitsOf(box), NoCut);
    EXPECT_EQ(state.Kept, (TCutLimits{0, 10, 0, 10, 0, 10}));
}
