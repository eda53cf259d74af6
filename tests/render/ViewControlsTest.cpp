// The view's bars and buttons driven click by click, each click's outcome one line of a
// transcript compared with a reference.

#include "render/ViewControls.h"

#include "model/Block.h"
#include "support/ReferenceFile.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

struct ViewControlsTest : ::testing::Test {
    TDrawContext Context;
    TRedrawGate Gate;
    TViewControls Controls{Context, Gate};
    int Repaints = 0;
    std::string Transcript;

    void SetUp() override {
        Gate.Repaint = [this] { ++Repaints; };
        Controls.FormResize(800, 600);
        Repaints = 0;
    }

    // Does the action and writes the bars, the view they make and the repaints so far.
    void Step(const std::string& action, const std::function<void()>& act) {
        act();
        const TViewState& view = Context.View;
        std::ostringstream line;
        line << action << ": tilt " << Controls.RotX.Position << " azimuth "
             << Controls.RotZ.Position << " turn " << Controls.RotY.Position << " zoom "
             << Controls.ScaleBar.Position << " offset " << Controls.OffsetX.Position << ","
             << Controls.OffsetY.Position << " | octant " << view.Octant << " scale "
             << view.ViewScale << " origin " << view.OriginX << "," << view.OriginY
             << (Context.StudsHidden ? " studs hidden" : "") << " | repaints " << Repaints << "\n";
        Transcript += line.str();
    }
};

TEST_F(ViewControlsTest, ClicksMoveTheBarsAndTheView) {
    TScrollControl &tilt = Controls.RotX, &azimuth = Controls.RotZ, &zoom = Controls.ScaleBar;
    Step("start-up view", [] {});
    // Set values are clamped to the range; a set that moves nothing repaints nothing.
    Step("tilt 500", [&] { Controls.SetControl(tilt, 500); });
    Step("zoom 0", [&] { Controls.SetControl(zoom, 0); });
    Step("offset y -7000", [&] { Controls.SetControl(Controls.OffsetY, -7000); });
    Step("offset y -5001", [&] { Controls.SetControl(Controls.OffsetY, -5001); });
    // Azimuth and turn go round past the ends, never reaching 0 by the buttons; tilt and zoom
    // stop at theirs.
    const struct {
        const char* Name;
        TScrollControl& Bar;
        void (TViewControls::*Click)();
        std::vector<int> Starts;
    } buttons[] = {{"left", azimuth, &TViewControls::btnRotLeftClick, {0, 5}},
                   {"right", azimuth, &TViewControls::btnRotRightClick, {355, 360}},
                   {"turn ccw", Controls.RotY, &TViewControls::btnRotCCLWClick, {0}},
                   {"turn cw", Controls.RotY, &TViewControls::btnRotCLWClick, {350}},
                   {"up", tilt, &TViewControls::btnRotUpClick, {180, 0}},
                   {"down", tilt, &TViewControls::btnRotDownClick, {3}},
                   {"zoom out", zoom, &TViewControls::btnZoomOutClick, {80}},
                   {"zoom in", zoom, &TViewControls::btnZoomInClick, {1}}};
    for (const auto& button : buttons)
        for (int start : button.Starts)
            Step(std::string(button.Name) + " from " + std::to_string(start), [&] {
                Controls.SetControl(button.Bar, start);
                (Controls.*button.Click)();
            });
    // The wheel only counts over the view.
    Step("zoom 1", [&] { Controls.SetControl(zoom, 1); });
    Step("wheel up over the view", [&] { EXPECT_TRUE(Controls.FormMouseWheelUp(true)); });
    Step("wheel down elsewhere", [&] { EXPECT_FALSE(Controls.FormMouseWheelDown(false)); });
    // Fixed views from tilt 45 and azimuth 100: the top and front views keep the azimuth, the
    // side views the tilt; each repaints once, and one that does not exist not at all.
    for (int fixed :
         std::initializer_list<int>{TopView, FromFront, FromRight, FromLeft, FromBack, FrontLeft,
                                    BackRight, BackLeft, FrontRight, FrontView, FrontView + 1})
        Step("fixed view " + std::to_string(fixed), [&] {
            Controls.SetViewAngles(45, 100);
            Repaints = 0;
            Controls.RadioGroup1Click(fixed);
        });
    EXPECT_FALSE(Gate.Busy || Gate.SuppressPaint);
    Step("up while busy", [&] {
        Gate.Busy = true;
        Controls.btnRotUpClick();
        Gate.Busy = false;
    });
    Step("centre an empty model", [&] {
        Controls.SetControl(Controls.OffsetX, 37);
        Controls.SetControl(Controls.OffsetY, -12);
        Controls.btnHomeClick(TModelBounds{});
    });
    Step("centre a brick", [&] {
        TBlock brick;
        brick.X = 100, brick.Y = 40, brick.Z = 0, brick.SX = 41, brick.SY = 20, brick.SZ = 24;
        TModelBounds bounds;
        bounds.Add(brick);
        Controls.btnHomeClick(bounds);
        // Its centre, 141 div 2 = 120 across, comes to the middle of the view.
        EXPECT_EQ(ProjectPoint(Context.View, 120, 50, 12), (TPoint{400, 300}));
    });
    Step("the file's view", [&] { Controls.ApplyFileView(45, 200, 5, 20, -30, false); });
    Step("front left, zoom out, studs shown", [&] {
        Controls.RadioGroup1Click(FrontLeft);
        Controls.btnZoomOutClick();
        Context.StudsHidden = false;
    });
    Step("restore the file's view", [&] { Controls.btnRestoreViewClick(); });
    // The saved view comes back whole, whatever the bars show.
    Step("save, change, from the front, restore", [&] {
        Controls.SaveView();
        Context.View.ViewScale *= 4;
        Context.View.OriginX = -3;
        Controls.RadioGroup1Click(FromFront);
        Controls.RestoreView();
    });
    EXPECT_TRUE(MatchesReferenceText(Transcript, "render/view-controls.txt"));
}

} // namespace
