#include "render/SceneOptions.h"

#include "base/Error.h"
#include "model/BlockList.h"
#include "render/BoundaryState.h"
#include "render/CuttingBox.h"
#include "support/Bricks.h"

#include <gtest/gtest.h>

TEST(SizeBaseplate, CentresTheFirstBaseplateAndSetsItsThickness) {
    TBlockList model;
    auto plate = std::make_unique<TBlock>();
    plate->Baseplate = true;
    plate->PartID = "3865";
    TBlock& base = model.Add(std::move(plate));
    SizeBaseplate(model, "15", "8", true, 0);
    EXPECT_EQ(BoxOf(base), (TBox{-140, -80, -24, 300, 160, 24}));
    EXPECT_EQ(base.PartID, "");
    SizeBaseplate(model, "15", "8", false, 0);
    EXPECT_EQ(base.Z, -8);
    EXPECT_EQ(model.Count(), 1);
}

// A model without a baseplate gets one; bad text stops at its field.
TEST(SizeBaseplate, AddsAGreyBaseplateToAModelWithoutOneAndBadTextStopsAtItsField) {
    TBlockList model;
    SizeBaseplate(model, "4", "2", false, 0x123456);
    ASSERT_EQ(model.Count(), 1);
    // Studded, not see-through, in the given colour, 4 x 2 studs centred on the origin.
    EXPECT_EQ(model.Items(0).SaveToString(), "B:-40:-20:-8:80:40:8:1193046:1:1:0:0:0::0");
    EXPECT_THROW(SizeBaseplate(model, "10", "x", false, 0), TError);
    // The length is set before the width was read.
    EXPECT_EQ((TBox{model.Items(0).X, model.Items(0).SX}), (TBox{-100, 80}));
    EXPECT_THROW(SizeBaseplate(model, "200000000", "2", false, 0), TError);
}

TEST(ZCutOff, StepsAndJumpsMoveTheTop) {
    TCuttingBox box;
    TZCutOff bar;
    int shown = -1, calls = 0;
    auto show = [&](int32_t value) {
        shown = value;
        ++calls;
        // The bar moving to the answer fires the handler again, which must do nothing.
        EXPECT_EQ(bar.Change(value, box, true, 96, 8, nullptr), bar.LastPosition);
    };
    EXPECT_EQ(bar.Change(9999, box, false, 96, 8, show), 19999); // start-up, no window yet
    EXPECT_EQ(shown, 19999);
    EXPECT_EQ(bar.Change(19998, box, true, 96, 8, show), 96); // one down: the model's top
    EXPECT_EQ(bar.Change(95, box, true, 96, 8, show), 88);    // then a grid step
    EXPECT_EQ(bar.Change(89, box, true, 96, 8, show), 96);
    EXPECT_EQ(bar.Change(50, box, true, 96, 8, show), 0);
    EXPECT_EQ(bar.Change(24, box, true, 96, 8, show), 19999);
    EXPECT_EQ(box.ZHigh, 19999);
    EXPECT_EQ(calls, 6);
}

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
