#include "exchange/pictures/CameraFrame.h"

#include "base/Error.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TCameraFrame FrameAt(int left, int top, int right, int bottom) {
    TCameraFrame frame;
    frame.Rect = {left, top, right, bottom};
    frame.LayOut();
    return frame;
}

bool SameRect(const TPictureFrame& a, const TPictureFrame& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

} // namespace

TEST(CameraFrame, StartsAt400By300RightOfTheCentreAndKeepsItsPlace) {
    TCameraFrame frame;
    frame.PlaceAtStart(800, 600);
    EXPECT_TRUE(SameRect(frame.Rect, {210, 150, 610, 450}));
    frame.PlaceAtStart(1200, 900);
    EXPECT_TRUE(SameRect(frame.Rect, {210, 150, 610, 450}));
}

// What a press does and which cursor shows at each pixel around the frame, as runs of equal
// answers per row, rows with the same runs merged: the title bar's hot areas in press order, the
// edges grabbed within three pixels, and the inside that moves.
std::string PressAndCursorMap(const TCameraFrame& frame) {
    static const char* const Areas[] = {"-",  "close",  "whole", "preset", "seen",
                                        "aa", "double", "x4",    "x8",     "size"};
    static const char* const Cursors[] = {"-", "move", "ns", "we", "nwse", "nesw", "hand"};
    auto answer = [&](int x, int y) {
        TCameraFrame pressed = frame;
        std::string text = Areas[int(pressed.Press(x, y))];
        if (pressed.Moving || pressed.DragTop || pressed.DragBottom || pressed.DragLeft ||
            pressed.DragRight)
            text = std::string(pressed.Moving ? "M" : "") + (pressed.DragTop ? "T" : "") +
                   (pressed.DragBottom ? "B" : "") + (pressed.DragLeft ? "L" : "") +
                   (pressed.DragRight ? "R" : "");
        pressed.Release();
        EXPECT_FALSE(pressed.Moving || pressed.DragTop || pressed.DragBottom || pressed.DragLeft ||
                     pressed.DragRight);
        EXPECT_EQ(frame.AreaAt(x, y), frame.Inside(x, y) ? TFrameArea::None : pressed.AreaAt(x, y));
        return text + "/" + Cursors[int(frame.CursorAt(x, y))];
    };
    const TPictureFrame& r = frame.Rect;
    std::string map, previous;
    int from = r.Top - 20;
    for (int y = from; y <= r.Bottom + 5; ++y) {
        std::string runs;
        for (int x = r.Left - 5, start = x; x <= r.Right + 60; ++x)
            if (x == r.Right + 60 || answer(x + 1, y) != answer(start, y)) {
                runs +=
                    " " + std::to_string(start) + "-" + std::to_string(x) + " " + answer(start, y);
                start = x + 1;
            }
        if (y > from && runs != previous) {
            map +=
                "y " + std::to_string(from) + "-" + std::to_string(y - 1) + ":" + previous + "\n";
            from = y;
        }
        previous = runs;
    }
    return map + "y " + std::to_string(from) + "-" + std::to_string(r.Bottom + 5) + ":" + previous +
           "\n";
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

TEST(CameraFrame, EdgeDragsStopAtTheMinimumAndMovesShiftEverything) {
    struct Case {
        int pressX, pressY, toX, toY;
        TPictureFrame expected;
    } cases[] = {
        {499, 250, 100, 250, {100, 100, 164, 400}}, // right edge stops at left + 64
        {100, 250, 480, 250, {436, 100, 500, 400}}, // left stops 64 left of right
        {300, 101, 300, 390, {100, 336, 500, 400}}, // top stops 64 above bottom
        {300, 399, 300, 10, {100, 100, 500, 164}},  // bottom stops 64 below top
        {499, 399, 520, 430, {100, 100, 521, 431}}, // corner: both edges follow
        {300, 200, 250, 260, {50, 160, 450, 460}},  // moving
    };
    for (const Case& c : cases) {
        TCameraFrame frame = FrameAt(100, 100, 500, 400);
        frame.Press(c.pressX, c.pressY);
        frame.Drag((c.pressX + c.toX) / 2, (c.pressY + c.toY) / 2);
        frame.Drag(c.toX, c.toY);
        EXPECT_TRUE(SameRect(frame.Rect, c.expected))
            << frame.Rect.Left << " " << frame.Rect.Top << " " << frame.Rect.Right << " "
            << frame.Rect.Bottom;
    }
}

TEST(CameraFrame, PresetSizesKeepTheTopLeftCorner) {
    struct Case {
        TFrameKeys keys;
        int width, height;
    } cases[] = {
        {{}, 116, 116},
        {{true, false, false}, 150, 192},
        {{false, true, false}, 320, 240},
        {{false, false, true}, 640, 480},
        {{true, true, true}, 150, 192},
    };
    for (const Case& c : cases) {
        TCameraFrame frame = FrameAt(30, 40, 500, 400);
        frame.PresetSize(c.keys);
        EXPECT_TRUE(SameRect(frame.Rect, {30, 40, 30 + c.width, 40 + c.height}));
    }
    TCameraFrame whole = FrameAt(30, 40, 500, 400);
    whole.WholeView(800, 600);
    EXPECT_TRUE(SameRect(whole.Rect, {2, 14, 798, 598}));
}

TEST(CameraFrame, ResizeKeepsTheCentreAndRefusesSizesUnderTheMinimum) {
    TCameraFrame frame = FrameAt(100, 100, 500, 400);
    frame.Resize(301, 101);
    // dw = -99 and dh = -199 halve toward zero.
    EXPECT_TRUE(SameRect(frame.Rect, {149, 199, 450, 300}));
    frame.Resize(64, 64);
    EXPECT_EQ(frame.Width(), 64);
    TCameraFrame kept = FrameAt(100, 100, 500, 400);
    EXPECT_THROW(kept.Resize(63, 200), TError);
    EXPECT_THROW(kept.Resize(200, -5), TError);
    EXPECT_TRUE(SameRect(kept.Rect, {100, 100, 500, 400}));
}
