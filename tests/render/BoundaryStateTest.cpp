#include "render/BoundaryState.h"

#include "model/BlockList.h"
#include "support/Bricks.h"

#include <gtest/gtest.h>

namespace {
const TCutLimits NoCut = {-19999, 19999, -19999, 19999, -19999, 19999};
} // namespace

TEST(BoundaryState, ResetTakesTheModelExtentsAndAnEmptyModelCutsNothing) {
    TCuttingBox box;
    TBoundaryState state(box);
    TBlockList model;
    state.Show();
    state.Reset(model);
    EXPECT_EQ(state.Current(), NoCut);
    EXPECT_EQ(ModelTop(model), 0); // the ground, for the Z cut-off bar's first step down
    model.Add(MakeBrick('B', -160, -80, -8, 320, 160, 8));
    model.Add(MakeBrick('B', 20, 0, 0, 40, 20, 24));
    state.Reset(model);
    EXPECT_EQ(state.Current(), (TCutLimits{-160, 160, -80, 80, -8, 24}));
    EXPECT_EQ(state.Kept, state.Current());
    EXPECT_EQ(ModelTop(model), 24);
}

TEST(BoundaryState, StartUpResetChangesOnlyTheKeptCopy) {
    TCuttingBox box;
    TBoundaryState state(box);
    TBlockList model;
    model.Add(MakeBrick('B', 0, 0, 0, 20, 20, 24));
    state.ResetKept(model);
    EXPECT_EQ(LimitsOf(box), NoCut);
    EXPECT_TRUE(InsideCut(box, model.Add(MakeBrick('B', 0, 0, 96, 20, 20, 24))));
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
