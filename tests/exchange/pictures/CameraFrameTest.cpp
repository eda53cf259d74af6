#include "exchange/pictures/CameraFrame.h"

#include "base/Error.h"
#include "support/ReferenceFile.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

TCameraFrame FrameAt(int left, int top, int right, int bottom) {
    TCameraFrame frame;
    frame.Rect = {left, top, right, bottom};
    frame.LayOut();
    return frame;
}

std::string Text(const TPictureFrame& r) {
    return std::to_string(r.Left) + " " + std::to_string(r.Top) + " " + std::to_string(r.Right) +
           " " + std::to_string(r.Bottom);
}

using TAction = std::function<void(TCameraFrame&)>;

// A press at from, a move halfway and one to to.
TAction Dragged(int fromX, int fromY, int toX, int toY) {
    return [=](TCameraFrame& frame) {
        frame.Press(fromX, fromY);
        frame.Drag((fromX + toX) / 2, (fromY + toY) / 2);
        frame.Drag(toX, toY);
    };
}

TAction Preset(TFrameKeys keys) {
    return [=](TCameraFrame& frame) { frame.PresetSize(keys); };
}

TAction Resized(int width, int height) {
    return [=](TCameraFrame& frame) { frame.Resize(width, height); };
}

} // namespace

// What a press does and which cursor shows at each pixel around the frame, as runs of equal
// answers per row, each row that differs from the one above: the title bar's hot areas in press
// order, the edges grabbed within three pixels, and the inside that moves.
std::string PressAndCursorMap(const TCameraFrame& frame) {
    static const char* const Areas[] = {"-",  "close",  "whole", "preset", "seen",
                                        "aa", "double", "x4",    "x8",     "size"};
    static const char* const Cursors[] = {"-", "move", "ns", "we", "nwse", "nesw", "hand"};
    auto grabbed = [](const TCameraFrame& f) {
        return std::string(f.Moving ? "M" : "") + (f.DragTop ? "T" : "") +
               (f.DragBottom ? "B" : "") + (f.DragLeft ? "L" : "") + (f.DragRight ? "R" : "");
    };
    auto answer = [&](int x, int y) {
        TCameraFrame pressed = frame;
        const std::string area = Areas[int(pressed.Press(x, y))], edges = grabbed(pressed);
        pressed.Release();
        EXPECT_EQ(grabbed(pressed), "");
        EXPECT_EQ(frame.AreaAt(x, y), frame.Inside(x, y) ? TFrameArea::None : pressed.AreaAt(x, y));
        return (edges.empty() ? area : edges) + "/" + Cursors[int(frame.CursorAt(x, y))];
    };
    const TPictureFrame& r = frame.Rect;
    std::string map, previous;
    for (int y = r.Top - 20; y <= r.Bottom + 5; ++y) {
        std::string runs;
        for (int x = r.Left - 5, start = x; x <= r.Right + 60; ++x)
            if (x == r.Right + 60 || answer(x + 1, y) != answer(start, y)) {
                runs +=
                    " " + std::to_string(start) + "-" + std::to_string(x) + " " + answer(start, y);
                start = x + 1;
            }
        if (runs != previous)
            map += "from y " + std::to_string(y) + ":" + runs + "\n";
        previous = runs;
    }
    return map;
}

TEST(CameraFrame, PressesAndCursorsMatchTheirReferences) {
    EXPECT_TRUE(MatchesReferenceText(PressAndCursorMap(FrameAt(100, 100, 500, 400)),
                                     "exchange/camera-frame.txt"));
    // 64 wide: the preset glyph starts at left + 22, so every label's right end lies beyond it
    // and no save label is drawn or acts; the hidden x8 label would lie over the size label.
    EXPECT_TRUE(MatchesReferenceText(PressAndCursorMap(FrameAt(100, 100, 164, 164)),
                                     "exchange/camera-frame-narrow.txt"));
}

TEST(CameraFrame, SaveLabelsFollowThePresetGlyphsPlaceAtThePreviousDrawing) {
    TCameraFrame frame = FrameAt(100, 100, 500, 400);
    EXPECT_TRUE(frame.LabelShown(TFrameArea::SaveEightfold));
    frame.Rect.Right = 230; // preset glyph now at 188
    frame.LayOut();
    EXPECT_TRUE(frame.LabelShown(TFrameArea::SaveEightfold));
    frame.LayOut();
    EXPECT_TRUE(frame.LabelShown(TFrameArea::SaveFourfold));
    EXPECT_FALSE(frame.LabelShown(TFrameArea::SaveEightfold));
}

// Where each action leaves a 400 x 300 frame at 100, 100.
TEST(CameraFrame, ActionsMoveAndSizeTheFrame) {
    const struct {
        TAction Act;
        const char* Rect;
    } cases[] = {
        // 400 x 300, 10 pixels right of the centre, and only the first time.
        {[](TCameraFrame& f) { f.PlaceAtStart(800, 600), f.PlaceAtStart(1200, 900); },
         "210 150 610 450"},
        // Edges stop at the minimum from the opposite one; a corner takes both; inside moves.
        {Dragged(499, 250, 100, 250), "100 100 164 400"},
        {Dragged(100, 250, 480, 250), "436 100 500 400"},
        {Dragged(300, 101, 300, 390), "100 336 500 400"},
        {Dragged(300, 399, 300, 10), "100 100 500 164"},
        {Dragged(499, 399, 520, 430), "100 100 521 431"},
        {Dragged(300, 200, 250, 260), "50 160 450 460"},
        // Preset sizes keep the top left corner; Ctrl wins over the others.
        {Preset({}), "100 100 216 216"},
        {Preset({true, false, false}), "100 100 250 292"},
        {Preset({false, true, false}), "100 100 420 340"},
        {Preset({false, false, true}), "100 100 740 580"},
        {Preset({true, true, true}), "100 100 250 292"},
        {[](TCameraFrame& f) { f.WholeView(800, 600); }, "2 14 798 598"},
        // Resizing keeps the centre, dw = -99 and dh = -199 halving toward zero; sizes under
        // the minimum are refused.
        {Resized(301, 101), "149 199 450 300"},
        {Resized(64, 64), "268 218 332 282"},
        {Resized(63, 200), "refused 100 100 500 400"},
        {Resized(200, -5), "refused 100 100 500 400"},
    };
    for (const auto& c : cases) {
        TCameraFrame frame = FrameAt(100, 100, 500, 400);
        std::string refused;
        try {
            c.Act(frame);
        } catch (const TError&) {
            refused = "refused ";
        }
        EXPECT_EQ(refused + Text(frame.Rect), c.Rect);
    }
}
