#include "render/sequence/Playback.h"

#include "base/Error.h"
#include "render/DrawContext.h"
#include "render/RedrawGate.h"
#include "render/ViewControls.h"
#include "render/sequence/FrameBuffer.h"
#include "support/ErrorMessage.h"
#include "support/ReferenceFile.h"

#include <gtest/gtest.h>
#include <sstream>

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

// Every field of a frame, so that one field taken from the wrong frame shows.
std::string Text(const TViewFrame& f) {
    std::ostringstream text;
    text << "scale " << f.ViewScale << " origin " << f.OriginX << "," << f.OriginY << " tilt "
         << f.RotX << " azimuth " << f.RotZ << " zoom " << f.ScaleBar << " offset " << f.OffsetX
         << "," << f.OffsetY << " studs " << int(f.Studs) << " delay " << f.Delay << " leading "
         << f.InBetween;
    return text.str();
}

// One line per view shown: the frame it counts as, whether it lies between frames, the view and
// how long it waits.
std::string Played(const std::vector<TViewFrame>& frames, const TViewFrame& start, int direction) {
    std::ostringstream text;
    TPlayback playback(frames, start, direction);
    while (auto view = playback.Next())
        text << "frame " << view->CurrentFrame << (view->InBetween ? " between: " : ": ")
             << Text(view->Frame) << " waits " << view->Delay << "\n";
    return text.str();
}
} // namespace

// In-between views lead up to a frame without showing it, the first frame's slot keeping its
// other fields (azimuths 2.5 and 7.5 go to the even neighbour), and wait for the delay of the
// frame they lead to; playing starts from the pressed view and goes on from the last in-between
// view, as frame 0 itself is never reached; backwards visits the frames from the last and shows
// the first as stored.
TEST(Playback, ShowsTheViewsOfTheReference) {
    std::vector<TViewFrame> forward = {Frame(1, 400, 70, 0, 0), Frame(2, 800, 90, 10, 4)};
    forward[1].ScaleBar = 5;
    forward[0].Delay = 0.25f;
    forward[1].Delay = 0.5f;
    const std::vector<TViewFrame> fromPressed = {Frame(1, 0, 0, 0, 2), Frame(1, 0, 0, 40, 2)};
    const std::vector<TViewFrame> backwards = {Frame(1, 0, 0, 10, 0), Frame(1, 0, 0, 20, 0),
                                               Frame(1, 0, 0, 60, 2)};
    const std::string text = "forward\n" + Played(forward, Frame(9, 9, 9, 9, 0), 1) +
                             "from the pressed view\n" +
                             Played(fromPressed, Frame(1, 0, 0, 100, 0), 1) + "backwards\n" +
                             Played(backwards, Frame(1, 0, 0, 0, 0), -1) + "no frames\n" +
                             Played({}, Frame(1, 0, 0, 0, 0), 1);
    EXPECT_TRUE(MatchesReferenceText(text, "render/sequence/playback.txt"));
}

TEST(Playback, DelaysComeFromTheFrameOrTheDelayField) {
    EXPECT_TRUE(MatchesTranscript("render/sequence/delays.txt", [](const std::string& line) {
        const std::size_t blank = line.find(' ');
        std::string milliseconds;
        const std::string refused = MessageOf([&] {
            milliseconds = std::to_string(
                DelayMilliseconds(std::stof(line.substr(0, blank)), line.substr(blank + 1)));
        });
        return refused.empty() ? milliseconds : refused;
    }));
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
    EXPECT_EQ(Text(captured), "scale 1 origin 380,300 tilt 70 azimuth 135 zoom 10 offset 20,0 "
                              "studs 0 delay 0 leading 3");

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
    EXPECT_FLOAT_EQ(context.View.OriginX, 123);
    EXPECT_GE(context.View.Octant, 4);
    // Capturing again takes the applied bars, scale, studs and delay; the origin it works out
    // afresh from the offsets.
    EXPECT_EQ(Text(buffer.CaptureFrame(0)), "scale 1.6 origin 380,300 tilt 95 azimuth 135 zoom 6 "
                                            "offset 20,0 studs 1 delay 0.5 leading 0");
}
