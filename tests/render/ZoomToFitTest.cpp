// "Zoom to fit": the model's whole box shows in the view at the fitted zoom and offsets, and
// one step more zoom would cut it, whatever the angles.

#include "render/ZoomToFit.h"

#include "model/BlockList.h"
#include "support/Bricks.h"
#include "support/ModelScreenBox.h"

#include <gtest/gtest.h>

namespace {
// The view as the window sets it from the bars.
TViewState ViewOf(int tilt, int azimuth, int scaleBar, int offsetX, int offsetY, int w, int h) {
    TViewState view;
    view.TiltA = DegreesToAngle(tilt);
    view.AzimuthC = DegreesToAngle(azimuth);
    ComputeViewMatrix(view);
    view.ViewScale = float(10.0 / scaleBar);
    ComputeOrigin(view, w, h, offsetX, offsetY);
    return view;
}
} // namespace

TEST(ZoomToFit, WholeModelShowsCentredAndOneStepCloserFillsMoreThanTheMargin) {
    TBlockList model;
    model.Add(MakeBrick('B', -400, 100, 0, 40, 20, 24));
    model.Add(MakeBrick('B', 900, -700, 200, 80, 80, 96));
    const int w = 640, h = 480;
    const std::pair<int, int> angles[] = {{70, 30}, {0, 0}, {90, 270}, {150, 200}};
    for (auto [tilt, azimuth] : angles) {
        std::optional<TZoomFit> fit = ZoomToFit(ViewOf(tilt, azimuth, 10, 0, 0, w, h), model, w, h);
        ASSERT_TRUE(fit);
        TRect box = ModelScreenBox(
            ViewOf(tilt, azimuth, fit->ScaleBar, fit->OffsetX, fit->OffsetY, w, h), model);
        EXPECT_TRUE(box.Left >= 0 && box.Top >= 0 && box.Right < w && box.Bottom < h)
            << tilt << " " << azimuth;
        EXPECT_NEAR(box.Left + box.Right, w, 2);
        EXPECT_NEAR(box.Top + box.Bottom, h, 2);
        ASSERT_GT(fit->ScaleBar, 1);
        TRect closer = ModelScreenBox(ViewOf(tilt, azimuth, fit->ScaleBar - 1, 0, 0, w, h), model);
        EXPECT_TRUE(closer.Width() > 0.9 * w || closer.Height() > 0.9 * h);
    }
}

TEST(ZoomToFit, NothingToFitLeavesTheViewAlone) {
    TBlockList model;
    EXPECT_FALSE(ZoomToFit(ViewOf(70, 30, 10, 0, 0, 100, 100), model, 100, 100));
    model.Add(MakeBrick('B', 0, 0, 0, 20, 20, 24));
    EXPECT_FALSE(ZoomToFit(ViewOf(70, 30, 10, 0, 0, 0, 0), model, 0, 0));
    // A brick smaller than a pixel's worth takes the closest zoom there is.
    EXPECT_EQ(ZoomToFit(ViewOf(70, 30, 10, 0, 0, 4000, 4000), model, 4000, 4000)->ScaleBar, 1);
}
