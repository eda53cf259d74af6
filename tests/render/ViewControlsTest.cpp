#include "render/ViewControls.h"

#include "model/Block.h"

#include <gtest/gtest.h>

namespace {

struct ViewControlsTest : ::testing::Test {
    TDrawContext context;
    TRedrawGate gate;
    TViewControls controls{context, gate};
    int repaints = 0;

    void SetUp() override {
        gate.Repaint = [this] { ++repaints; };
        controls.FormResize(800, 600);
        repaints = 0;
    }
    // Tilt, azimuth, scale bar and offsets, to compare in one line.
    std::array<int, 5> Positions() const {
        return {controls.RotX.Position, controls.RotZ.Position, controls.ScaleBar.Position,
                controls.OffsetX.Position, controls.OffsetY.Position};
    }
};

TEST_F(ViewControlsTest, StartsAtTheStartUpView) {
    EXPECT_EQ((std::array{controls.RotX.Position, controls.RotZ.Position, context.View.Octant}),
              (std::array{70, 30, 0}));
    EXPECT_EQ((std::array{context.View.ViewScale, context.View.OriginX}),
              (std::array{1.0f, 400.0f}));
}

TEST_F(ViewControlsTest, SetValuesAreClampedToTheRange) {
    controls.SetControl(controls.RotX, 500);
    EXPECT_EQ(controls.RotX.Position, 180);
    controls.SetControl(controls.ScaleBar, 0);
    EXPECT_EQ(controls.ScaleBar.Position, 1);
    EXPECT_EQ(context.View.ViewScale, 10.0f);
    controls.SetControl(controls.OffsetY, -7000);
    EXPECT_EQ(controls.OffsetY.Position, -5000);
    EXPECT_EQ(context.View.OriginY, 5300.0f);
    EXPECT_EQ(repaints, 3);
    controls.SetControl(controls.OffsetY, -5001); // no movement, no change handler
    EXPECT_EQ(repaints, 3);
}

TEST_F(ViewControlsTest, RotateLeftAndRightGoRoundPastTheEnds) {
    controls.SetControl(controls.RotZ, 0);
    // 0 is never reached by the buttons.
    std::vector<int> seen;
    for (auto click : {&TViewControls::btnRotLeftClick, &TViewControls::btnRotRightClick,
                       &TViewControls::btnRotLeftClick}) {
        (controls.*click)();
        seen.push_back(controls.RotZ.Position);
    }
    EXPECT_EQ(seen, (std::vector<int>{355, 5, 355}));
    controls.SetControl(controls.RotZ, 360);
    controls.btnRotRightClick();
    EXPECT_EQ((std::array{controls.RotZ.Position, context.View.Octant}), (std::array{5, 0}));
    controls.btnRotCCLWClick();
    EXPECT_EQ(controls.RotY.Position, 350);
    controls.btnRotCLWClick();
    EXPECT_EQ(controls.RotY.Position, 10);
}

TEST_F(ViewControlsTest, RotateUpAndDownStopAtTheEnds) {
    controls.SetControl(controls.RotX, 180);
    controls.btnRotUpClick();
    EXPECT_EQ(controls.RotX.Position, 180);
    controls.SetControl(controls.RotX, 3);
    controls.btnRotDownClick();
    EXPECT_EQ(controls.RotX.Position, 0);
    controls.btnRotUpClick();
    EXPECT_EQ(controls.RotX.Position, 5);
}

TEST_F(ViewControlsTest, ZoomStopsAtTheEndsAndTheWheelOnlyCountsOverTheView) {
    controls.SetControl(controls.ScaleBar, 1);
    repaints = 0;
    controls.btnZoomInClick();
    EXPECT_EQ(repaints, 0);
    EXPECT_TRUE(controls.FormMouseWheelUp(true));
    EXPECT_EQ(controls.ScaleBar.Position, 2);
    EXPECT_EQ(context.View.ViewScale, 5.0f);
    EXPECT_FALSE(controls.FormMouseWheelDown(false));
    EXPECT_EQ(controls.ScaleBar.Position, 2);
    controls.SetControl(controls.ScaleBar, 80);
    controls.btnZoomOutClick();
    EXPECT_EQ(controls.ScaleBar.Position, 80);
    EXPECT_EQ(context.View.ViewScale, 0.125f);
}

TEST_F(ViewControlsTest, FixedViewsSetOrKeepEachAngleWithOneRepaint) {
    // From tilt 45 and azimuth 100: the top and front views keep the azimuth, the side views
    // the tilt.
    const struct {
        int View, Tilt, Azimuth, Octant;
    } cases[] = {{TopView, 0, 100, 1},    {FromFront, 45, 0, 0},  {FromRight, 45, 270, 3},
                 {FromLeft, 45, 90, 1},   {FromBack, 45, 180, 2}, {FrontLeft, 70, 30, 0},
                 {BackRight, 70, 210, 2}, {BackLeft, 70, 150, 1}, {FrontRight, 70, 330, 3},
                 {FrontView, 90, 100, 5}};
    for (const auto& c : cases) {
        controls.SetViewAngles(45, 100);
        repaints = 0;
        controls.RadioGroup1Click(c.View);
        EXPECT_EQ((std::array{controls.RotX.Position, controls.RotZ.Position, context.View.Octant,
                              repaints}),
                  (std::array{c.Tilt, c.Azimuth, c.Octant, 1}))
            << c.View;
    }
    controls.RadioGroup1Click(FrontView + 1); // no such view
    EXPECT_EQ(repaints, 1);
    EXPECT_FALSE(gate.Busy || gate.SuppressPaint);
}

TEST_F(ViewControlsTest, RedrawWhileBusyIsLost) {
    gate.Busy = true;
    controls.btnRotUpClick();
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(controls.RotX.Position, 75);
}

TEST_F(ViewControlsTest, CentringAnEmptyModelCentresTheOrigin) {
    controls.SetControl(controls.OffsetX, 37);
    controls.SetControl(controls.OffsetY, -12);
    repaints = 0;
    controls.btnHomeClick(TModelBounds{});
    EXPECT_EQ((std::array{controls.OffsetX.Position, controls.OffsetY.Position, repaints}),
              (std::array{0, 0, 1}));
}

TEST_F(ViewControlsTest, CentringMovesTheModelCentreToTheViewCentre) {
    TBlock brick;
    brick.X = 100, brick.Y = 40, brick.Z = 0, brick.SX = 41, brick.SY = 20, brick.SZ = 24;
    TModelBounds bounds;
    bounds.Add(brick);
    controls.btnHomeClick(bounds);
    TPoint centre = ProjectPoint(context.View, 120, 50, 12); // 141 div 2 = 120
    EXPECT_EQ(centre, (TPoint{400, 300}));
    EXPECT_EQ(controls.RotX.Position, 70);
}

TEST_F(ViewControlsTest, RestoreViewGoesBackToTheFileView) {
    controls.ApplyFileView(45, 200, 5, 20, -30, false);
    EXPECT_TRUE(context.StudsHidden);
    EXPECT_EQ(context.View.ViewScale, 2.0f);
    controls.RadioGroup1Click(FrontLeft);
    controls.btnZoomOutClick();
    context.StudsHidden = false;
    repaints = 0;
    controls.btnRestoreViewClick();
    EXPECT_EQ(Positions(), (std::array{45, 200, 5, 20, -30}));
    EXPECT_TRUE(context.StudsHidden);
    EXPECT_EQ(repaints, 1);
}

TEST_F(ViewControlsTest, RestoreViewPutsBackTheSavedState) {
    controls.SaveView();
    TViewState before = context.View;
    context.View.ViewScale *= 4;
    context.View.OriginX = -3;
    controls.RadioGroup1Click(FromBack);
    controls.RestoreView();
    EXPECT_EQ((std::array{context.View.ViewScale, context.View.OriginX}),
              (std::array{before.ViewScale, before.OriginX}));
    EXPECT_EQ(context.View.Octant, before.Octant);
    EXPECT_EQ(context.View.RowY[2], before.RowY[2]);
}

} // namespace
