#include "render/ViewControls.h"

#include "model/Block.h"

#include <gtest/gtest.h>

namespace {

struct ViewControlsTest : ::testing::Test {
    TDrawContext Context;
    TRedrawGate Gate;
    TViewControls Controls{Context, Gate};
    int Repaints = 0;

    void SetUp() override {
        Gate.Repaint = [this] { ++Repaints; };
        Controls.FormResize(800, 600);
        Repaints = 0;
    }
    // Tilt, azimuth, scale bar and offsets, to compare in one line.
    std::array<int, 5> Positions() const {
        return {Controls.RotX.Position, Controls.RotZ.Position, Controls.ScaleBar.Position,
                Controls.OffsetX.Position, Controls.OffsetY.Position};
    }
};

TEST_F(ViewControlsTest, StartsAtTheStartUpView) {
    EXPECT_EQ((std::array{Controls.RotX.Position, Controls.RotZ.Position, Context.View.Octant}),
              (std::array{70, 30, 0}));
    EXPECT_EQ((std::array{Context.View.ViewScale, Context.View.OriginX}),
              (std::array{1.0f, 400.0f}));
}

TEST_F(ViewControlsTest, SetValuesAreClampedToTheRange) {
    Controls.SetControl(Controls.RotX, 500);
    EXPECT_EQ(Controls.RotX.Position, 180);
    Controls.SetControl(Controls.ScaleBar, 0);
    EXPECT_EQ(Controls.ScaleBar.Position, 1);
    EXPECT_EQ(Context.View.ViewScale, 10.0f);
    Controls.SetControl(Controls.OffsetY, -7000);
    EXPECT_EQ(Controls.OffsetY.Position, -5000);
    EXPECT_EQ(Context.View.OriginY, 5300.0f);
    EXPECT_EQ(Repaints, 3);
    Controls.SetControl(Controls.OffsetY, -5001); // no movement, no change handler
    EXPECT_EQ(Repaints, 3);
}

TEST_F(ViewControlsTest, ButtonsGoRoundOrStopAtTheEnds) {
    using TClick = void (TViewControls::*)();
    const struct {
        TScrollControl TViewControls::*Bar;
        int Start; // -1: as the click before left it
        TClick Click;
        int Position;
    } steps[] = {
        // Azimuth goes round past the ends; 0 is never reached by the buttons.
        {&TViewControls::RotZ, 0, &TViewControls::btnRotLeftClick, 355},
        {&TViewControls::RotZ, -1, &TViewControls::btnRotRightClick, 5},
        {&TViewControls::RotZ, -1, &TViewControls::btnRotLeftClick, 355},
        {&TViewControls::RotZ, 360, &TViewControls::btnRotRightClick, 5},
        {&TViewControls::RotY, -1, &TViewControls::btnRotCCLWClick, 350},
        {&TViewControls::RotY, -1, &TViewControls::btnRotCLWClick, 10},
        // Tilt and zoom stop at their ends.
        {&TViewControls::RotX, 180, &TViewControls::btnRotUpClick, 180},
        {&TViewControls::RotX, 3, &TViewControls::btnRotDownClick, 0},
        {&TViewControls::RotX, -1, &TViewControls::btnRotUpClick, 5},
        {&TViewControls::ScaleBar, 80, &TViewControls::btnZoomOutClick, 80},
        {&TViewControls::ScaleBar, 1, &TViewControls::btnZoomInClick, 1},
    };
    for (const auto& step : steps) {
        TScrollControl& bar = Controls.*step.Bar;
        if (step.Start >= 0)
            Controls.SetControl(bar, step.Start);
        (Controls.*step.Click)();
        EXPECT_EQ(bar.Position, step.Position) << &step - steps;
    }
    EXPECT_EQ(Context.View.ViewScale, 10.0f);
}

TEST_F(ViewControlsTest, TheWheelOnlyCountsOverTheView) {
    Controls.SetControl(Controls.ScaleBar, 1);
    EXPECT_TRUE(Controls.FormMouseWheelUp(true));
    EXPECT_EQ(Controls.ScaleBar.Position, 2);
    EXPECT_EQ(Context.View.ViewScale, 5.0f);
    EXPECT_FALSE(Controls.FormMouseWheelDown(false));
    EXPECT_EQ(Controls.ScaleBar.Position, 2);
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
        Controls.SetViewAngles(45, 100);
        Repaints = 0;
        Controls.RadioGroup1Click(c.View);
        EXPECT_EQ((std::array{Controls.RotX.Position, Controls.RotZ.Position, Context.View.Octant,
                              Repaints}),
                  (std::array{c.Tilt, c.Azimuth, c.Octant, 1}))
            << c.View;
    }
    Controls.RadioGroup1Click(FrontView + 1); // no such view
    EXPECT_EQ(Repaints, 1);
    EXPECT_FALSE(Gate.Busy || Gate.SuppressPaint);
}

TEST_F(ViewControlsTest, RedrawWhileBusyIsLost) {
    Gate.Busy = true;
    Controls.btnRotUpClick();
    EXPECT_EQ(Repaints, 0);
    EXPECT_EQ(Controls.RotX.Position, 75);
}

TEST_F(ViewControlsTest, CentringAnEmptyModelCentresTheOrigin) {
    Controls.SetControl(Controls.OffsetX, 37);
    Controls.SetControl(Controls.OffsetY, -12);
    Repaints = 0;
    Controls.btnHomeClick(TModelBounds{});
    EXPECT_EQ((std::array{Controls.OffsetX.Position, Controls.OffsetY.Position, Repaints}),
              (std::array{0, 0, 1}));
}

TEST_F(ViewControlsTest, CentringMovesTheModelCentreToTheViewCentre) {
    TBlock brick;
    brick.X = 100, brick.Y = 40, brick.Z = 0, brick.SX = 41, brick.SY = 20, brick.SZ = 24;
    TModelBounds bounds;
    bounds.Add(brick);
    Controls.btnHomeClick(bounds);
    TPoint centre = ProjectPoint(Context.View, 120, 50, 12); // 141 div 2 = 120
    EXPECT_EQ(centre, (TPoint{400, 300}));
    EXPECT_EQ(Controls.RotX.Position, 70);
}

TEST_F(ViewControlsTest, RestoreViewGoesBackToTheFileView) {
    Controls.ApplyFileView(45, 200, 5, 20, -30, false);
    EXPECT_TRUE(Context.StudsHidden);
    EXPECT_EQ(Context.View.ViewScale, 2.0f);
    Controls.RadioGroup1Click(FrontLeft);
    Controls.btnZoomOutClick();
    Context.StudsHidden = false;
    Repaints = 0;
    Controls.btnRestoreViewClick();
    EXPECT_EQ(Positions(), (std::array{45, 200, 5, 20, -30}));
    EXPECT_TRUE(Context.StudsHidden);
    EXPECT_EQ(Repaints, 1);
}

TEST_F(ViewControlsTest, RestoreViewPutsBackTheSavedState) {
    Controls.SaveView();
    TViewState before = Context.View;
    Context.View.ViewScale *= 4;
    Context.View.OriginX = -3;
    Controls.RadioGroup1Click(FromBack);
    Controls.RestoreView();
    EXPECT_EQ((std::array{Context.View.ViewScale, Context.View.OriginX}),
              (std::array{before.ViewScale, before.OriginX}));
    EXPECT_EQ(Context.View.Octant, before.Octant);
    EXPECT_EQ(Context.View.RowY[2], before.RowY[2]);
}

} // namespace
