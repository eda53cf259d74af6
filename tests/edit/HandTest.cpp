#include "edit/Hand.h"

#include "edit/HandDrawing.h"
#include "render/DrawContext.h"
#include "support/Bricks.h"
#include "support/ModelText.h"
#include "support/Pixels.h"
#include "support/ReferenceText.h"
#include "support/TempFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {
// A model, its drawing context and the hand over them, seen from tilt 70, azimuth 30.
struct THandScene {
    TBlockList Model;
    TDrawContext Context;
    THand Hand{Model, Context};

    THandScene() { ViewAt(70, 30); }

    void ViewAt(int tilt, int azimuth) {
        Context.View.TiltA = DegreesToAngle(tilt);
        Context.View.AzimuthC = DegreesToAngle(azimuth);
        Context.View.ViewScale = 1;
        ComputeViewMatrix(Context.View);
        ComputeOrigin(Context.View, 800, 600, 0, 0);
        Model.CurrentOctant = Context.View.Octant;
    }

    TBlock& AddBrick(const char* key, int32_t x, int32_t y, int32_t z, int32_t group = 0,
                     bool selected = false) {
        auto brick = CreateBrickFromKey(key);
        brick->X = x, brick->Y = y, brick->Z = z, brick->Group = group;
        brick->Selected = selected;
        return Model.Add(std::move(brick));
    }

    // The pixel over a model point on the ground.
    TPoint Pixel(double x, double y) const { return ProjectPoint(Context.View, x, y, 0); }

    bool PickUp(int i, bool alt) {
        bool modified = false;
        return Hand.PickUp(i, alt, &modified);
    }
    int At(int32_t x, int32_t y) const {
        for (int i = 0; i < Model.Count(); ++i)
            if (Model[i].X == x && Model[i].Y == y)
                return i;
        return -1;
    }
    void Take(const char* key, int step) { Hand.TakeInHand(CreateBrickFromKey(key), step); }
    // Places the hand over a ground point and drops it there the given number of times.
    void PlaceAt(double x, double y, int drops) {
        TPoint p = Pixel(x, y);
        Hand.PlaceInHand(p.X, p.Y);
        for (int i = 0; i < drops; ++i)
            Hand.DropBrick();
    }
    void Move(int i, bool alt, int32_t x, int32_t y, int32_t z) {
        PickUp(i, alt);
        Hand.BrickInHand->X = x, Hand.BrickInHand->Y = y, Hand.BrickInHand->Z = z;
        Hand.DropBrick();
    }
};

// Each edit by the hand on one model, two single bricks and a group of two: how
// many undo steps it records and the model it leaves, as its file; every step then undone and
// redone.
const struct {
    const char* Name;
    int UndoSteps;
    std::function<void(THandScene&)> Edit;
} HandEdits[] = {
    // A second copy dropped on the same spot.
    {"stamp-two-copies", 2, [](THandScene& s) { s.Take("2x4x3", 2), s.PlaceAt(45, 25, 2); }},
    // Cell (0, 0): one stud of the 2 x 4 lies over the 1 x 1 x 3 at (20, 20).
    {"stack-on-a-lower-brick", 1, [](THandScene& s) { s.Take("2x4x3", 0), s.PlaceAt(5, 5, 1); }},
    {"move-one-brick", 2, [](THandScene& s) { s.Move(s.At(300, 300), false, 100, 200, 0); }},
    {"move-a-group", 4, [](THandScene& s) { s.Move(s.At(120, 60), false, 0, 0, 8); }},
    // The copies still in the hand take a fresh group for the next drop.
    {"alt-copy-the-selection", 4,
     [](THandScene& s) {
         s.Model[s.At(300, 300)].Selected = s.Model[s.At(100, 60)].Selected = true;
         s.Move(s.At(300, 300), true, 0, 100, 0), s.Hand.BrickInHand->Y = 200, s.Hand.DropBrick();
     }},
    {"turn-a-group-in-place", 4, [](THandScene& s) { s.Hand.TurnBrick(s.At(100, 60)); }},
    {"paint-and-studs", 4,
     [](THandScene& s) {
         s.Hand.PaintBrick(s.At(100, 60), 255, true), s.Hand.ToggleStuds(s.At(300, 300));
     }},
    {"delete-selected", 2,
     [](THandScene& s) {
         s.Model[s.At(20, 20)].Selected = s.Model[s.At(300, 300)].Selected = true;
         s.Hand.DeleteSelected();
     }},
};
} // namespace

TEST(Hand, EditsWriteTheirReferenceModelsAndUndoStepByStep) {
    const int32_t savedGroups = GroupCounter;
    for (const auto& edit : HandEdits) {
        SCOPED_TRACE(edit.Name);
        GroupCounter = 0;
        THandScene scene;
        ReadModelText(scene.Model, TTempFolder::Read(TESSARYN_TEST_DATA "models/hand-start.lgo"));
        const std::string before = SortedBricks(scene.Model);
        edit.Edit(scene);
        const std::string after = SortedBricks(scene.Model);
        ExpectReferenceText(std::string("models/hand/") + edit.Name + ".lgo", LgoText(scene.Model));
        ASSERT_EQ(scene.Model.UndoCount(), edit.UndoSteps);
        for (int i = 0; i < edit.UndoSteps; ++i)
            scene.Model.Undo();
        EXPECT_EQ(SortedBricks(scene.Model), before);
        for (int i = 0; i < edit.UndoSteps; ++i)
            scene.Model.Redo();
        EXPECT_EQ(SortedBricks(scene.Model), after);
    }
    GroupCounter = savedGroups;
}

TEST(Hand, DeletingTwoAndUndoingOnceBringsBackTheLastDeleted) {
    THandScene s;
    s.AddBrick("1x1x3", 0, 0, 0, 0, true);
    s.AddBrick("1x1x3", 200, 0, 0, 0, true);
    EXPECT_TRUE(s.Hand.DeleteSelected());
    s.Model.Undo();
    ASSERT_EQ(s.Model.Count(), 1);
    EXPECT_EQ(s.Model[0].X, 0);
    EXPECT_FALSE(s.Hand.DeselectAll());
}

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

TEST(Hand, ScreenToGroundFindsTheCellUnderThePointer) {
    THandScene s;
    for (auto [tilt, azimuth] : std::vector<std::pair<int, int>>{{70, 30}, {0, 0}, {45, 200}}) {
        s.ViewAt(tilt, azimuth);
        TPoint p = s.Pixel(47, 65);
        TGroundPoint g = s.Hand.ScreenToGround(p.X, p.Y, 20, 20);
        EXPECT_EQ((TBox{g.X, g.Y, g.Height}), (TBox{40, 60, 0})) << tilt << " " << azimuth;
    }
    TPoint left = s.Pixel(-15, 5), further = s.Pixel(-25, 5);
    EXPECT_EQ(s.Hand.ScreenToGround(left.X, left.Y, 20, 20).X, 0);
    EXPECT_EQ(s.Hand.ScreenToGround(further.X, further.Y, 20, 20).X, -20);
    s.ViewAt(90, 30); // horizontal: slides along X only
    for (int my : {100, 300, 500})
        EXPECT_EQ(s.Hand.ScreenToGround(500, my, 20, 20).Y, 0);
    s.ViewAt(90, 90); // both divisors vanish: the point maps to X = 0
    EXPECT_EQ(s.Hand.ScreenToGround(500, 100, 20, 20).X, 0);
}

TEST(Hand, RestsOnTheHighestBrickInsideTheBoundary) {
    THandScene s;
    s.AddBrick("1x1x1", 60, 80, 0); // a plate, top at 8
    s.AddBrick("1x1x3", 200, 200, 0);
    // A 2 x 4 brick whose corner stud alone lies over the plate; touching the side is no overlap.
    EXPECT_EQ(s.Hand.TopHeightAt(40, 20, 40, 80), 8);
    EXPECT_EQ(s.Hand.TopHeightAt(0, 0, 60, 80), 0);
    s.Context.Boundary.ZLow = 16;
    EXPECT_EQ(s.Hand.TopHeightAt(0, 0, 20, 20), 16);
    s.Context.Boundary.ZLow = -8;
    s.Context.Boundary.ZHigh = 16; // the plate is inside, the brick is cut away
    EXPECT_EQ(s.Hand.TopHeightAt(180, 180, 40, 40), 0);

    s.Hand.TakeInHand(CreateBrickFromKey("2x4x3"), 0);
    s.Hand.SafePositioning = false;
    s.Hand.BrickInHand->Z = 13;
    TPoint p = s.Pixel(5, 5);
    EXPECT_TRUE(s.Hand.PlaceInHand(p.X, p.Y));
    EXPECT_FALSE(s.Hand.PlaceInHand(p.X, p.Y));
    EXPECT_EQ(s.Hand.BrickInHand->Z, 8);
    s.Context.Boundary.ZHigh = 8;
    EXPECT_FALSE(s.Hand.DropBrick());
    EXPECT_EQ((TBox{s.Model.Count(), s.Model.UndoCount()}), (TBox{2, 0}));
}

TEST(Hand, TurningTheGroupInHandTurnsItsLayout) {
    THandScene s;
    s.AddBrick("2x4x3", 0, 0, 0, 2);
    s.AddBrick("1x1x3", 40, 0, 0, 2);
    ASSERT_TRUE(s.PickUp(0, false));
    EXPECT_FALSE(s.Hand.TurnHand());
    const TBlockList& group = *s.Hand.GroupInHand;
    EXPECT_EQ(BoxOf(group[0]), (TBox{0, -40, 0, 80, 40, 24}));
    EXPECT_EQ(BoxOf(group[1]), (TBox{0, -60, 0, 20, 20, 24}));
    EXPECT_EQ(s.Hand.BrickInHand->SY, 60);
    s.Hand.DropHand();
    s.Hand.TakeInHand(CreateBrickFromKey("2x4x3"), 0);
    EXPECT_TRUE(s.Hand.TurnHand());
    EXPECT_EQ(s.Hand.BrickInHand->SX, 80);
}

TEST(Hand, SelectingFlipsGroupsButNeverTheBaseplate) {
    THandScene s;
    s.AddBrick("16x8x1", -160, -80, -8).Baseplate = true;
    s.AddBrick("1x1x3", 0, 0, 0, 6, true);
    s.AddBrick("1x1x3", 20, 0, 0, 6);
    s.AddBrick("1x1x3", 40, 0, 0);
    auto selected = [&] {
        return std::vector<bool>{s.Model[0].Selected, s.Model[1].Selected, s.Model[2].Selected};
    };
    s.Hand.ClickSelect(0, false);
    s.Hand.ClickSelect(1, false); // the clicked brick's old state decides for the group
    EXPECT_EQ(selected(), (std::vector<bool>{false, false, false}));
    s.Hand.ClickSelect(2, true);
    EXPECT_EQ(selected(), (std::vector<bool>{false, false, true}));
    EXPECT_FALSE(s.PickUp(0, false)); // the baseplate stays
    EXPECT_TRUE(s.Hand.Empty());
}

TEST(Hand, PageKeysLiftAndLowerTheHand) {
    THandScene s;
    s.Hand.TakeInHand(CreateBrickFromKey("1x1x3"), 0);
    s.Hand.SafePositioning = false;
    TBlock& b = *s.Hand.BrickInHand;
    b.Z = 4;
    std::vector<int32_t> heights;
    for (auto [key, plate] : std::vector<std::pair<THandKey, bool>>{{THandKey::PageDown, false},
                                                                    {THandKey::PageDown, false}}) {
        s.Hand.MoveHand(key, plate);
        heights.push_back(b.Z);
    }
    b.Z = 0;
    s.Hand.MoveHand(THandKey::PageUp, true);
    heights.push_back(b.Z);
    s.Hand.MoveHand(THandKey::PageUp, false);
    heights.push_back(b.Z);
    EXPECT_EQ(heights, (std::vector<int32_t>{-20, -20, 8, 32})); // not above 0: stays
    s.Hand.MoveHand(THandKey::Right, false);
    s.Hand.MoveHand(THandKey::Down, true);
    EXPECT_EQ((TBox{b.X, b.Y}), (TBox{20, 20}));
    s.Hand.SafePositioning = true;
    s.Hand.MoveHand(THandKey::PageUp, false); // the rest height undoes the lift at once
    s.Hand.RestOnModel();
    EXPECT_EQ(b.Z, 0);
}

TEST(Hand, HandLayerLeavesTheFrameUntouched) {
    THandScene s;
    std::vector<uint32_t> frame(200 * 150, 0x00336699u);
    const TFrameRows view{reinterpret_cast<const uint8_t*>(frame.data()), 200 * 4, 200, 150};
    ComputeOrigin(s.Context.View, 200, 150, 0, 0);
    s.Hand.TakeInHand(CreateBrickFromKey("2x2x3"), 0);
    THandLayer layer;
    DrawHandLayer(s.Hand, s.Context, view, layer);
    ASSERT_GT(layer.Rect.Width(), 0);
    EXPECT_LE(layer.Rect.Right, 200);
    const int pixels = layer.Bitmap.Width() * layer.Bitmap.Height();
    EXPECT_GT(pixels - PixelsOfColour(layer.Bitmap, RGB(0x33, 0x66, 0x99)), 100);
    EXPECT_EQ(layer.Bitmap.Pixel(0, 0), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(std::count(frame.begin(), frame.end(), 0x00336699u), 200 * 150);
    s.Hand.TakeInHand(nullptr, 0);
    DrawHandLayer(s.Hand, s.Context, view, layer);
    EXPECT_EQ(layer.Rect.Width(), 0);
}
