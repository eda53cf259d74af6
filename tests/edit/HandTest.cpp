#include "edit/Hand.h"

#include "edit/HandDrawing.h"
#include "render/DrawContext.h"
#include "support/ModelText.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
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

    // Two single bricks, a 1 x 1 x 3 at (20, 20) and a plate at (300, 300), and a group of two:
    // a 2 x 2 x 3 at (100, 60) with a plate on it at (120, 60).
    void LoadStart() {
        ReadModelText(Model, TTempFolder::Read(TESSARYN_TEST_DATA "models/hand-start.lgo"));
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
    // Free placing, the brick in hand at height z.
    void Unsafe(int32_t z) { Hand.SafePositioning = false, Hand.BrickInHand->Z = z; }
    // The hand's bricks in their text forms, the group's first.
    std::string InHand() const {
        std::string text = "# in hand\r\n";
        for (int i = 0; Hand.GroupInHand && i < Hand.GroupInHand->Count(); ++i)
            text += (*Hand.GroupInHand)[i].SaveToString() + "\r\n";
        return Hand.Empty() ? text : text + Hand.BrickInHand->SaveToString() + "\r\n";
    }
};

// Runs an edit's commands, separated by ", ": a brick is named by its place, "X Y".
void RunEdit(THandScene& s, const std::string& edit) {
    static const std::map<std::string, THandKey> keys = {{"pageup", THandKey::PageUp},
                                                         {"pagedown", THandKey::PageDown},
                                                         {"right", THandKey::Right},
                                                         {"down", THandKey::Down}};
    std::istringstream commands(edit);
    for (std::string command; std::getline(commands >> std::ws, command, ',');) {
        std::istringstream w(command);
        std::string verb, word, size;
        int a = 0, b = 0, c = 0;
        w >> verb;
        if (verb == "take")
            w >> word >> a, s.Take(word.c_str(), a);
        else if (verb == "key") // by a plate's height or a brick's
            w >> word >> size, s.Hand.MoveHand(keys.at(word), size == "plate");
        else if (w >> a >> b, verb == "place") // over a ground point, dropped c times
            w >> c, s.PlaceAt(a, b, c);
        else if (verb == "select")
            s.Model[s.At(a, b)].Selected = true;
        else if (verb == "pickup" || verb == "copy")
            s.PickUp(s.At(a, b), verb == "copy");
        else if (verb == "hand")
            w >> c, s.Hand.BrickInHand->X = a, s.Hand.BrickInHand->Y = b, s.Hand.BrickInHand->Z = c;
        else if (verb == "turn")
            s.Hand.TurnBrick(s.At(a, b));
        else if (verb == "paint")
            s.Hand.PaintBrick(s.At(a, b), 255, true);
        else if (verb == "studs")
            s.Hand.ToggleStuds(s.At(a, b));
        else if (verb == "unsafe") // free placing, the brick in hand at height a
            s.Unsafe(a);
        else if (verb == "ceiling")
            s.Context.Boundary.ZHigh = a;
        else if (verb == "restyle")
            s.Hand.RestyleHand([](TBlock& brick) { brick.Colour = 0x123456; });
        else if (verb == "drop")
            s.Hand.DropBrick();
        else if (verb == "turnhand")
            s.Hand.TurnHand();
        else if (verb == "rest")
            s.Hand.RestOnModel();
        else if (verb == "delete")
            s.Hand.DeleteSelected();
        else
            ADD_FAILURE() << "no command " << verb;
    }
}
} // namespace

// Each edit of edit/hand-edits.txt on one model, two single bricks and a group of two: how many
// undo steps it records, the model it leaves, as its file, and what is left in the hand; every
// step then undone and redone.
TEST(Hand, EditsWriteTheirReferenceModelsAndUndoStepByStep) {
    const int32_t savedGroups = GroupCounter;
    std::istringstream edits(TTempFolder::Read(TESSARYN_TEST_DATA "edit/hand-edits.txt"));
    for (std::string line; std::getline(edits, line);) {
        std::istringstream words(line);
        std::string name;
        int undoSteps = 0;
        if (!(words >> name >> undoSteps) || name[0] == '#')
            continue;
        SCOPED_TRACE(name);
        GroupCounter = 0;
        THandScene scene;
        scene.LoadStart();
        const std::string before = SortedBricks(scene.Model);
        RunEdit(scene, line.substr(line.find(':') + 1));
        const std::string after = SortedBricks(scene.Model);
        EXPECT_TRUE(MatchesReferenceText(LgoText(scene.Model) + scene.InHand(),
                                         "models/hand/" + name + ".txt"));
        ASSERT_EQ(scene.Model.UndoCount(), undoSteps);
        for (int i = 0; i < undoSteps; ++i)
            scene.Model.Undo();
        EXPECT_EQ(SortedBricks(scene.Model), before);
        for (int i = 0; i < undoSteps; ++i)
            scene.Model.Redo();
        EXPECT_EQ(SortedBricks(scene.Model), after);
    }
    GroupCounter = savedGroups;
}

TEST(PositioningGrid, RoundsTowardZeroOnEachGrid) {
    TPositioningGrid grid;
    EXPECT_TRUE(MatchesTranscript("edit/positioning-grid.txt", [&](const std::string& line) {
        std::istringstream words(line);
        std::string mode, axis;
        int number = 0, value = 0;
        words >> mode >> number >> axis >> value;
        grid.SetMode(number);
        return "mode " + std::to_string(grid.GridMode) + " steps " + std::to_string(grid.GridXY) +
               " " + std::to_string(grid.GridZ) + ", snapped " +
               std::to_string(axis == "height" ? grid.SnapZ(value) : grid.SnapXY(value));
    }));
}

TEST(Hand, ScreenToGroundFindsTheCellUnderThePointer) {
    THandScene s;
    for (auto [tilt, azimuth] : std::vector<std::pair<int, int>>{{70, 30}, {0, 0}, {45, 200}}) {
        s.ViewAt(tilt, azimuth);
        TPoint p = s.Pixel(47, 65);
        TGroundPoint g = s.Hand.ScreenToGround(p.X, p.Y, 20, 20);
        EXPECT_EQ((std::array{g.X, g.Y, g.Height}), (std::array{40, 60, 0}))
            << tilt << " " << azimuth;
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

// The window redraws only when placing moved the hand, along any one axis.
TEST(Hand, PlacingTellsWhetherTheHandMoved) {
    THandScene s;
    s.Take("B1x1x3", 1);
    for (auto [x, y, moved] :
         {std::tuple{47, 65, true}, {47, 65, false}, {67, 65, true}, {67, 85, true}})
        EXPECT_EQ(s.Hand.PlaceInHand(s.Pixel(x, y).X, s.Pixel(x, y).Y), moved) << x << "," << y;
}

TEST(Hand, RestsOnTheHighestBrickInsideTheBoundaryAndSelectsByGroup) {
    THandScene s;
    s.LoadStart();
    // A 2 x 4 brick whose corner stud alone lies over the plate; touching its side is no overlap.
    EXPECT_EQ(s.Hand.TopHeightAt(280, 240, 40, 80), 8);
    EXPECT_EQ(s.Hand.TopHeightAt(260, 240, 40, 80), 0);
    s.Context.Boundary.ZLow = 16;
    EXPECT_EQ(s.Hand.TopHeightAt(0, 0, 20, 20), 16);
    s.Context.Boundary.ZLow = -8;
    s.Context.Boundary.ZHigh = 16; // the plate is inside, the bricks of the group are cut away
    EXPECT_EQ(
        (std::array{s.Hand.TopHeightAt(100, 60, 40, 40), s.Hand.TopHeightAt(300, 300, 20, 20)}),
        (std::array{0, 8}));

    s.Model[s.At(20, 20)].Baseplate = true;
    s.Model[s.At(100, 60)].Selected = true;
    s.Hand.ClickSelect(s.At(20, 20), false);
    s.Hand.ClickSelect(s.At(100, 60), false); // the clicked brick's old state decides for the group
    EXPECT_EQ(s.Model.FirstSelected(), -1);
    s.Hand.ClickSelect(s.At(120, 60), true);
    EXPECT_EQ((std::array{s.Model.FirstSelected(), s.Model.NextSelected(s.At(120, 60))}),
              (std::array{s.At(120, 60), -1}));
    EXPECT_FALSE(s.PickUp(s.At(20, 20), false)); // the baseplate stays
    EXPECT_TRUE(s.Hand.Empty());
}

// The layer takes the frame under the hand and draws over it the group picked up from the
// start model, then a brick taken in its place; the frame itself stays untouched.
TEST(Hand, HandLayerDrawsOverTheFrameAndLeavesItUntouched) {
    THandScene s;
    s.LoadStart();
    std::vector<uint32_t> frame(200 * 150, 0x00336699u);
    const TFrameRows view{reinterpret_cast<const uint8_t*>(frame.data()), 200 * 4, 200, 150};
    ComputeOrigin(s.Context.View, 200, 150, 0, 0);
    THandLayer layer;
    s.PickUp(s.At(100, 60), false);
    for (const char* name : {"group", "brick"}) {
        if (*name == 'b')
            s.Hand.DropHand(), s.Take("2x2x3", 0);
        s.PlaceAt(-20, -20, 0);
        DrawHandLayer(s.Hand, s.Context, view, layer);
        EXPECT_GT(layer.Rect.Width(), 0);
        EXPECT_LE(layer.Rect.Right, 200);
        EXPECT_TRUE(
            MatchesReferencePicture(layer.Bitmap, std::string("edit/hand-layer-") + name + ".png"));
    }
    EXPECT_EQ(std::count(frame.begin(), frame.end(), 0x00336699u), 200 * 150);
    s.Hand.TakeInHand(nullptr, 0);
    DrawHandLayer(s.Hand, s.Context, view, layer);
    EXPECT_EQ(layer.Rect.Width(), 0);
}

// The screen rectangle around the hand follows the brick: moved along each axis of the model,
// it moves as the ground point under it does (a pixel either way for rounding).
TEST(Hand, ScreenRectFollowsTheBrickAlongEveryAxis) {
    THandScene s;
    s.Take("2x2x3", 0);
    s.Unsafe(0);
    s.Hand.BrickInHand->X = 0, s.Hand.BrickInHand->Y = 0;
    const TRect start = HandScreenRect(s.Hand, s.Context, 800, 600);
    const struct {
        int32_t X, Y, Z;
    } moves[] = {{120, 0, 0}, {0, 120, 0}, {0, 0, 24}, {-60, 40, 8}};
    for (auto move : moves) {
        s.Hand.BrickInHand->X = move.X, s.Hand.BrickInHand->Y = move.Y;
        s.Hand.BrickInHand->Z = move.Z;
        const TRect moved = HandScreenRect(s.Hand, s.Context, 800, 600);
        const TPoint from = ProjectPoint(s.Context.View, 0, 0, 0),
                     to = ProjectPoint(s.Context.View, move.X, move.Y, move.Z);
        for (int shift : {moved.Left - start.Left, moved.Right - start.Right})
            EXPECT_NEAR(shift, to.X - from.X, 1) << move.X << "," << move.Y << "," << move.Z;
        for (int shift : {moved.Top - start.Top, moved.Bottom - start.Bottom})
            EXPECT_NEAR(shift, to.Y - from.Y, 1) << move.X << "," << move.Y << "," << move.Z;
    }
}

// The window tells the user when a drop is refused: the answer must say whether it happened.
TEST(Hand, DroppingTellsWhetherTheBrickWentIntoTheModel) {
    THandScene s;
    s.Take("2x4x3", 0);
    s.PlaceAt(5, 5, 0);
    EXPECT_TRUE(s.Hand.DropBrick());
    EXPECT_EQ(s.Model.Count(), 1);
    s.Context.Boundary.ZHigh = 16;
    s.Unsafe(24);
    EXPECT_FALSE(s.Hand.DropBrick());
    EXPECT_EQ(s.Model.Count(), 1);
}
