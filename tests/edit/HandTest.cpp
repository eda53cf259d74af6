#include "edit/Hand.h"

#include "edit/HandDrawing.h"
#include "render/DrawContext.h"
#include "support/Bricks.h"
#include "support/Pixels.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
struct HandFixture : ::testing::Test {
    TBlockList model;
    TDrawContext context;
    THand hand{model, context};

    void SetUp() override { ViewAt(70, 30); }

    void ViewAt(int tilt, int azimuth) {
        context.View.TiltA = DegreesToAngle(tilt);
        context.View.AzimuthC = DegreesToAngle(azimuth);
        context.View.ViewScale = 1;
        ComputeViewMatrix(context.View);
        ComputeOrigin(context.View, 800, 600, 0, 0);
        model.CurrentOctant = context.View.Octant;
    }

    TBlock& AddBrick(const char* key, int32_t x, int32_t y, int32_t z, int32_t group = 0) {
        auto brick = CreateBrickFromKey(key);
        brick->X = x, brick->Y = y, brick->Z = z, brick->Group = group;
        return model.Add(std::move(brick));
    }

    // The pixel over a model point on the ground.
    TPoint Pixel(double x, double y) const { return ProjectPoint(context.View, x, y, 0); }
};
} // namespace

TEST(PositioningGrid, RoundsTowardZeroOnEachGrid) {
    const struct {
        int Mode;
        bool Height;
        int32_t Value, Snapped;
    } cases[] = {{0, false, -15, 0}, {0, false, -19, 0},  {0, false, -25, -20}, {0, false, 39, 20},
                 {0, true, -9, -8},  {0, true, 17, 16},   {1, false, -15, -10}, {1, false, 29, 20},
                 {1, true, 7, 4},    {2, false, -15, -15}};
    TPositioningGrid grid;
    for (const auto& c : cases) {
        grid.SetMode(c.Mode);
        EXPECT_EQ(c.Height ? grid.SnapZ(c.Value) : grid.SnapXY(c.Value), c.Snapped)
            << "mode " << c.Mode << " value " << c.Value;
    }
    grid.SetMode(1);
    EXPECT_EQ(grid.GridXY, 10);
    grid.SetMode(7); // no such mode: the grid stays
    EXPECT_EQ(grid.GridMode, 1);
}

TEST_F(HandFixture, ScreenToGroundFindsTheCellUnderThePointer) {
    for (auto [tilt, azimuth] : std::vector<std::pair<int, int>>{{70, 30}, {0, 0}, {45, 200}}) {
        ViewAt(tilt, azimuth);
        TPoint p = Pixel(47, 65);
        TGroundPoint g = hand.ScreenToGround(p.X, p.Y, 20, 20);
        EXPECT_EQ((TBox{g.X, g.Y, g.Height}), (TBox{40, 60, 0})) << tilt << " " << azimuth;
    }
    TPoint left = Pixel(-15, 5), further = Pixel(-25, 5);
    EXPECT_EQ(hand.ScreenToGround(left.X, left.Y, 20, 20).X, 0);
    EXPECT_EQ(hand.ScreenToGround(further.X, further.Y, 20, 20).X, -20);
}

TEST_F(HandFixture, HorizontalViewSlidesAlongXOnly) {
    ViewAt(90, 30);
    for (int my : {100, 300, 500})
        EXPECT_EQ(hand.ScreenToGround(500, my, 20, 20).Y, 0);
    ViewAt(90, 90); // both divisors vanish: the point maps to X = 0
    EXPECT_EQ(hand.ScreenToGround(500, 100, 20, 20).X, 0);
}

TEST_F(HandFixture, RestsOnTheHighestBrickUnderTheFootprint) {
    AddBrick("1x1x1", 60, 80, 0); // a plate, top at 8
    AddBrick("1x1x3", 200, 200, 0);
    // A 2 x 4 brick whose corner stud alone lies over the plate.
    EXPECT_EQ(hand.TopHeightAt(40, 20, 40, 80), 8);
    EXPECT_EQ(hand.TopHeightAt(0, 0, 60, 80), 0); // touching the side is no overlap
    context.Boundary.ZLow = 16;
    EXPECT_EQ(hand.TopHeightAt(0, 0, 20, 20), 16);
    context.Boundary.ZLow = -8;
    context.Boundary.ZHigh = 16; // the plate is inside, the brick is cut away
    EXPECT_EQ(hand.TopHeightAt(180, 180, 40, 40), 0);
}

TEST_F(HandFixture, PlacingStampsCopiesWithOneRecordEach) {
    hand.TakeInHand(CreateBrickFromKey("2x4x3"), 2);
    TPoint p = Pixel(45, 25);
    EXPECT_TRUE(hand.PlaceInHand(p.X, p.Y));
    EXPECT_FALSE(hand.PlaceInHand(p.X, p.Y));
    ASSERT_TRUE(hand.DropBrick());
    ASSERT_TRUE(hand.DropBrick()); // a second copy on the same spot
    ASSERT_EQ(model.Count(), 2);
    EXPECT_EQ((TBox{model[0].X, model[0].Y, model[0].Step, model.UndoCount()}),
              (TBox{40, 20, 2, 2}));
    EXPECT_EQ(model.UndoLog[0], "+:" + model[0].SaveToString());
    EXPECT_FALSE(hand.Empty());
    EXPECT_EQ(hand.LastDrop[0], 40);
    model.Undo();
    EXPECT_EQ(model.Count(), 1);
}

TEST_F(HandFixture, StacksOnALowerBrickAndRefusesDropsOutsideTheBoundary) {
    AddBrick("1x1x3", 20, 20, 0);
    hand.TakeInHand(CreateBrickFromKey("2x4x3"), 0);
    TPoint p = Pixel(5, 5); // cell (0, 0): one stud of the 2 x 4 lies over the 1 x 1
    hand.PlaceInHand(p.X, p.Y);
    EXPECT_EQ(hand.BrickInHand->Z, 24);
    hand.SafePositioning = false;
    hand.BrickInHand->Z = 13;
    hand.PlaceInHand(p.X, p.Y);
    EXPECT_EQ(hand.BrickInHand->Z, 8);
    context.Boundary.ZHigh = 16;
    EXPECT_FALSE(hand.DropBrick());
    EXPECT_EQ((TBox{model.Count(), model.UndoCount()}), (TBox{1, 0}));
}

TEST_F(HandFixture, MovingOneBrickIsTwoUndoSteps) {
    AddBrick("2x2x3", 0, 0, 0);
    bool modified = false;
    ASSERT_TRUE(hand.PickUp(0, false, &modified));
    EXPECT_TRUE(modified);
    EXPECT_TRUE(hand.PlaceOnce);
    EXPECT_EQ(model.Count(), 0);
    hand.BrickInHand->X = 100;
    ASSERT_TRUE(hand.DropBrick());
    EXPECT_TRUE(hand.Empty());
    ASSERT_EQ(model.Count(), 1);
    EXPECT_EQ(model[0].X, 100);
    model.Undo();
    EXPECT_EQ(model.Count(), 0);
    model.Undo();
    ASSERT_EQ(model.Count(), 1);
    EXPECT_EQ((TBox{model[0].X, model.UndoCount()}), (TBox{0, 0}));
}

TEST_F(HandFixture, MovingAGroupMovesEveryBrickOnce) {
    AddBrick("2x2x3", 100, 60, 0, 5);
    AddBrick("1x1x1", 120, 60, 24, 5);
    AddBrick("1x1x1", 300, 300, 0);
    bool modified = false;
    ASSERT_TRUE(hand.PickUp(1, false, &modified));
    EXPECT_TRUE(hand.HoldingGroup);
    EXPECT_EQ(model.Count(), 1);
    EXPECT_EQ(BoxOf(*hand.BrickInHand), (TBox{100, 60, 0, 40, 40, 32}));
    hand.BrickInHand->X = 0, hand.BrickInHand->Y = 0, hand.BrickInHand->Z = 8;
    ASSERT_TRUE(hand.DropBrick());
    EXPECT_TRUE(hand.Empty());
    ASSERT_EQ(model.Count(), 3);
    EXPECT_GE(model.IndexOfText("B:0:0:8:40:40:24:16777215:1:0:0:0:5::0"), 0);
    EXPECT_GE(model.IndexOfText("B:20:0:32:20:20:8:16777215:1:0:0:0:5::0"), 0);
    // Each brick's removal and placing: "-" twice, then "+" twice.
    ASSERT_EQ(model.UndoCount(), 4);
    EXPECT_EQ(model.UndoLog[0][0], '+');
    EXPECT_EQ(model.UndoLog[3][0], '-');
    for (int i = 0; i < 4; ++i)
        model.Undo();
    EXPECT_GE(model.IndexOfText("B:100:60:0:40:40:24:16777215:1:0:0:0:5::0"), 0);
    EXPECT_EQ(model.Count(), 3);
}

TEST_F(HandFixture, AltCopiesTheSelectionIntoOneNewGroup) {
    AddBrick("2x2x3", 0, 0, 0, 3).Selected = true;
    AddBrick("1x1x1", 60, 0, 0).Selected = true;
    AddBrick("1x1x1", 200, 0, 0);
    int32_t before = GroupCounter;
    bool modified = true;
    ASSERT_TRUE(hand.PickUp(2, true, &modified));
    EXPECT_FALSE(modified || hand.PlaceOnce);
    EXPECT_EQ((TBox{model.Count(), model.UndoCount(), model.FirstSelected()}), (TBox{3, 0, -1}));
    ASSERT_EQ(hand.GroupInHand->Count(), 2);
    EXPECT_EQ((TBox{hand.GroupInHand->Items(0).Group, hand.GroupInHand->Items(1).Group,
                    hand.BrickInHand->SX}),
              (TBox{before + 1, before + 1, 80}));
    hand.BrickInHand->Y = 100;
    ASSERT_TRUE(hand.DropBrick());
    EXPECT_EQ(model.Count(), 5);
    // Stamping: the copies still in the hand take a fresh group for the next drop.
    EXPECT_EQ(hand.GroupInHand->Items(0).Group, before + 2);
    EXPECT_EQ(model.UndoCount(), 2);
}

TEST_F(HandFixture, StampedCopiesOfGroupOneTakeAFreshGroup) {
    GroupCounter = 0;
    AddBrick("1x1x3", 0, 0, 0).Selected = true;
    AddBrick("1x1x3", 20, 0, 0).Selected = true;
    bool modified = false;
    ASSERT_TRUE(hand.PickUp(0, true, &modified));
    ASSERT_EQ(hand.GroupInHand->Items(0).Group, 1);
    hand.BrickInHand->Y = 100;
    ASSERT_TRUE(hand.DropBrick());
    EXPECT_EQ(hand.GroupInHand->Items(0).Group, 2);
}

TEST_F(HandFixture, TurningTheGroupInHandTurnsItsLayout) {
    AddBrick("2x4x3", 0, 0, 0, 2);
    AddBrick("1x1x3", 40, 0, 0, 2);
    bool modified = false;
    ASSERT_TRUE(hand.PickUp(0, false, &modified));
    EXPECT_FALSE(hand.TurnHand());
    const TBlockList& group = *hand.GroupInHand;
    EXPECT_EQ(BoxOf(group[0]), (TBox{0, -40, 0, 80, 40, 24}));
    EXPECT_EQ(BoxOf(group[1]), (TBox{0, -60, 0, 20, 20, 24}));
    EXPECT_EQ(hand.BrickInHand->SY, 60);
    hand.DropHand();
    hand.TakeInHand(CreateBrickFromKey("2x4x3"), 0);
    EXPECT_TRUE(hand.TurnHand());
    EXPECT_EQ(hand.BrickInHand->SX, 80);
}

TEST_F(HandFixture, RightButtonEditsAreOneStepEach) {
    TBlock& a = AddBrick("2x4x3", 0, 0, 0, 4);
    AddBrick("1x2x3", 100, 0, 0, 4);
    AddBrick("1x2x3", 200, 0, 0, 4);
    hand.TurnBrick(0);
    EXPECT_EQ((TBox{model[0].Turn, model[1].Turn, model[2].Turn, model.UndoCount()}),
              (TBox{1, 1, 1, 6}));
    EXPECT_EQ((TBox{a.X, a.SX, model[1].X}), (TBox{0, 80, 100})); // each turns in its own place
    for (int i = 0; i < 3; ++i)
        model.Undo();
    ASSERT_EQ(model.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(model[i].Turn, 0);

    hand.PaintBrick(0, 255, true);
    hand.ToggleStuds(0);
    EXPECT_EQ(model.UndoCount(), 4);
    model.Undo();
    model.Undo();
    EXPECT_GE(model.IndexOfText("B:0:0:0:40:80:24:16777215:1:0:0:0:4::0"), 0);
}

TEST_F(HandFixture, SelectingFlipsGroupsButNeverTheBaseplate) {
    AddBrick("16x8x1", -160, -80, -8).Baseplate = true;
    AddBrick("1x1x3", 0, 0, 0, 6).Selected = true;
    AddBrick("1x1x3", 20, 0, 0, 6);
    AddBrick("1x1x3", 40, 0, 0);
    auto selected = [&] {
        return std::vector<bool>{model[0].Selected, model[1].Selected, model[2].Selected};
    };
    hand.ClickSelect(0, false);
    hand.ClickSelect(1, false); // the clicked brick's old state decides for the group
    EXPECT_EQ(selected(), (std::vector<bool>{false, false, false}));
    hand.ClickSelect(2, true);
    EXPECT_EQ(selected(), (std::vector<bool>{false, false, true}));
    bool modified = false;
    EXPECT_FALSE(hand.PickUp(0, false, &modified)); // the baseplate stays
    EXPECT_TRUE(hand.Empty());
}

TEST_F(HandFixture, DeletingTwoAndUndoingOnceBringsBackTheLastDeleted) {
    AddBrick("1x1x3", 0, 0, 0).Selected = true;
    AddBrick("1x1x3", 100, 0, 0);
    AddBrick("1x1x3", 200, 0, 0).Selected = true;
    EXPECT_TRUE(hand.DeleteSelected());
    ASSERT_EQ(model.Count(), 1);
    model.Undo();
    ASSERT_EQ(model.Count(), 2);
    EXPECT_GE(model.IndexOfText("B:0:0:0:20:20:24:16777215:1:0:0:0:0::0"), 0);
    EXPECT_FALSE(hand.DeselectAll());
}

TEST_F(HandFixture, PageKeysLiftAndLowerTheHand) {
    hand.TakeInHand(CreateBrickFromKey("1x1x3"), 0);
    hand.SafePositioning = false;
    hand.BrickInHand->Z = 4;
    hand.MoveHand(THandKey::PageDown, false);
    EXPECT_EQ(hand.BrickInHand->Z, -20);
    hand.MoveHand(THandKey::PageDown, false);
    EXPECT_EQ(hand.BrickInHand->Z, -20); // not above 0: stays
    hand.BrickInHand->Z = 0;
    hand.MoveHand(THandKey::PageUp, true);
    EXPECT_EQ(hand.BrickInHand->Z, 8);
    hand.MoveHand(THandKey::PageUp, false);
    EXPECT_EQ(hand.BrickInHand->Z, 32);
    hand.MoveHand(THandKey::Right, false);
    hand.MoveHand(THandKey::Down, true);
    EXPECT_EQ((TBox{hand.BrickInHand->X, hand.BrickInHand->Y}), (TBox{20, 20}));
    hand.SafePositioning = true;
    hand.MoveHand(THandKey::PageUp, false); // the rest height undoes the lift at once
    hand.RestOnModel();
    EXPECT_EQ(hand.BrickInHand->Z, 0);
}

TEST_F(HandFixture, HandLayerLeavesTheFrameUntouched) {
    std::vector<uint32_t> frame(200 * 150, 0x00336699u);
    ViewAt(70, 30);
    ComputeOrigin(context.View, 200, 150, 0, 0);
    hand.TakeInHand(CreateBrickFromKey("2x2x3"), 0);
    THandLayer layer;
    DrawHandLayer(hand, context,
                  {reinterpret_cast<const uint8_t*>(frame.data()), 200 * 4, 200, 150}, layer);
    ASSERT_GT(layer.Rect.Width(), 0);
    EXPECT_LE(layer.Rect.Right, 200);
    const int pixels = layer.Bitmap.Width() * layer.Bitmap.Height();
    EXPECT_GT(pixels - PixelsOfColour(layer.Bitmap, RGB(0x33, 0x66, 0x99)), 100);
    EXPECT_EQ(layer.Bitmap.Pixel(0, 0), RGB(0x33, 0x66, 0x99));
    for (uint32_t pixel : frame)
        ASSERT_EQ(pixel, 0x00336699u);
    hand.TakeInHand(nullptr, 0);
    DrawHandLayer(hand, context,
                  {reinterpret_cast<const uint8_t*>(frame.data()), 200 * 4, 200, 150}, layer);
    EXPECT_EQ(layer.Rect.Width(), 0);
}
