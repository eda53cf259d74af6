#include "render/sequence/Playback.h"

#include "base/Error.h"
#include "render/DrawContext.h"
#include "render/RedrawGate.h"
#include "render/ViewControls.h"
#include "render/sequence/FrameBuffer.h"

#include <gtest/gtest.h>

namespace {
TViewFrame Frame(float scale, float originX, int rotX, int rotZ, int inBetween) {
    TViewFrame frame;
    frame.ViewScale = scale;
    frame.OriginX = originX;
    frame.OriginY = 300;
    frame.RotX = rotX;
    frame.RotZ = rotZ;
    frame.ScaleBar = 10;
    frame.OffsetX = 7;
    frame.InBetween = inBetween;
    return frame;
}

std::vector<TPlaybackView> PlayAll(const std::vector<TViewFrame>& frames, const TViewFrame& start,
                                   int direction) {
    std::vector<TPlaybackView> views;
    TPlayback playback(frames, start, direction);
    while (auto view = playback.Next())
        views.push_back(*view);
    return views;
}
} // namespace

TEST(Playback, InBetweenViewsLeadUpToTheFrameWithoutShowingIt) {
    std::vector<TViewFrame> frames = {Frame(1, 400, 70, 0, 0), Frame(2, 800, 90, 10, 4)};
    frames[1].ScaleBar = 5;
    auto views = PlayAll(frames, Frame(9, 9, 9, 9, 0), 1);
    ASSERT_EQ(views.size(), 5u);
    EXPECT_EQ(views[0].Frame, frames[0]);
    EXPECT_EQ(views[0].CurrentFrame, 0);
    EXPECT_FALSE(views[0].InBetween);
    const float scales[] = {1, 1.25f, 1.5f, 1.75f};
    const int rotZ[] = {0, 2, 5, 8}; // 2.5 and 7.5 go to the even neighbour
    for (int i = 0; i < 4; ++i) {
        const TPlaybackView& view = views[1 + i];
        EXPECT_TRUE(view.InBetween);
        EXPECT_EQ(view.CurrentFrame, 0);
        EXPECT_FLOAT_EQ(view.Frame.ViewScale, scales[i]);
        EXPECT_FLOAT_EQ(view.Frame.OriginX, 400 + 100 * i);
        EXPECT_EQ(view.Frame.RotX, 70 + 5 * i);
        EXPECT_EQ(view.Frame.RotZ, rotZ[i]);
        EXPECT_EQ(view.Frame.ScaleBar, 10); // the first frame's slot keeps its other fields
    }
}

TEST(Playback, StartsFromThePressedViewAndGoesOnFromTheLastInBetween) {
    std::vector<TViewFrame> frames = {Frame(1, 0, 0, 0, 2), Frame(1, 0, 0, 40, 2)};
    auto views = PlayAll(frames, Frame(1, 0, 0, 100, 0), 1);
    std::vector<int> rotZ;
    for (const auto& view : views)
        rotZ.push_back(view.Frame.RotZ);
    // 100 -> 0 in two steps shows 100 and 50; frame 0 itself is never reached, so the way on to
    // frame 1 starts from 50.
    EXPECT_EQ(rotZ, (std::vector<int>{100, 50, 50, 45}));
}

TEST(Playback, BackwardsVisitsTheFramesFromTheLastAndShowsTheFirstAsStored) {
    std::vector<TViewFrame> frames = {Frame(1, 0, 0, 10, 0), Frame(1, 0, 0, 20, 0),
                                      Frame(1, 0, 0, 60, 2)};
    auto views = PlayAll(frames, Frame(1, 0, 0, 0, 0), -1);
    std::vector<std::pair<int, int>> shown;
    for (const auto& view : views)
        shown.push_back({view.CurrentFrame, view.Frame.RotZ});
    EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{0, 0}, {0, 30}, {1, 20}, {0, 10}}));
    EXPECT_TRUE(PlayAll({}, Frame(1, 0, 0, 0, 0), 1).empty());
}

TEST(Playback, DelaysComeFromTheFrameOrTheDelayField) {
    const struct {
        float frame;
        const char* field;
        int milliseconds;
    } cases[] = {{0, "0.1", 100},   {0.0625f, "0.1", 62}, {-1, " 2.5 ", 2500}, {0, "0", 0},
                 {0.0004f, "x", 0}, {0, "0.0625", 62},    {0, "3600", 3600000}};
    for (const auto& c : cases)
        EXPECT_EQ(DelayMilliseconds(c.frame, c.field), c.milliseconds) << c.field;
    for (const char* bad : {"", "abc", "0,1", "-0.5", "1e9", "nan", "0.1s"})
        EXPECT_THROW(DelayMilliseconds(0, bad), TError) << bad;
}

TEST(FrameBuffer, CaptureTakesTheBarsAndApplyRestoresTheViewWithItsOwnScale) {
    TDrawContext context;
    TRedrawGate redraw;
    int repaints = 0;
    redraw.Repaint = [&] { ++repaints; };
    TViewControls controls(context, redraw);
    controls.FormResize(800, 600);
    controls.SetControl(controls.OffsetX, 20);
    controls.SetControl(controls.RotZ, 135);
    context.StudsHidden = true;
    controls.TakeReferenceView();
    TFrameBuffer buffer(controls, context, redraw);

    TViewFrame captured = buffer.CaptureFrame(3);
    EXPECT_FLOAT_EQ(captured.OriginX, 380);
    EXPECT_FLOAT_EQ(captured.OriginY, 300);
    EXPECT_EQ((std::array{captured.RotZ, captured.ScaleBar, captured.OffsetX, int(captured.Studs),
                          captured.InBetween}),
              (std::array{135, 10, 20, 0, 3}));

    TViewFrame between = captured;
    between.ViewScale = 1.6f; // between the bar's steps 6 and 7
    between.ScaleBar = 6;
    between.OriginX = 123;
    between.RotX = 95;
    between.Studs = 1;
    between.Delay = 0.5f;
    repaints = 0;
    buffer.ApplyFrame(between);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(controls.ScaleBar.Position, 6);
    EXPECT_FLOAT_EQ(context.View.ViewScale, 1.6f);
    EXPECT_FLOAT_EQ(context.View.OriginX, 123);
    EXPECT_EQ(controls.RotX.Position, 95);
    EXPECT_GE(context.View.Octant, 4);
    EXPECT_EQ(controls.OffsetX.Position, 20);
    EXPECT_FALSE(controls.Reference.StudsHidden);
    EXPECT_EQ(buffer.CaptureFrame(0).Delay, 0.5f);
}
