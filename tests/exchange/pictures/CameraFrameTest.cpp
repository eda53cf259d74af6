#include "exchange/pictures/CameraFrame.h"

#include "base/Error.h"

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

TEST(CameraFrame, PressesOnTheTitleBarFindTheirAreaInOrder) {
    // Title bar from y 87 to 99 for a frame whose top is 100.
    TCameraFrame frame = FrameAt(100, 100, 500, 400);
    struct Case {
        int x, y;
        TFrameArea area;
    } cases[] = {
        {488, 87, TFrameArea::Close},         {495, 98, TFrameArea::Close},
        {496, 90, TFrameArea::None},          {474, 90, TFrameArea::WholeView},
        {458, 90, TFrameArea::PresetSize},    {465, 90, TFrameArea::PresetSize},
        {104, 90, TFrameArea::SaveAsSeen},    {124, 90, TFrameArea::SaveAntiAliased},
        {151, 90, TFrameArea::SaveDouble},    {164, 90, TFrameArea::SaveFourfold},
        {191, 90, TFrameArea::SaveEightfold}, {504, 90, TFrameArea::SizeLabel},
        {553, 90, TFrameArea::SizeLabel},     {554, 90, TFrameArea::None},
        {104, 99, TFrameArea::None},          {104, 86, TFrameArea::None},
        {300, 90, TFrameArea::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frame.AreaAt(c.x, c.y), c.area) << c.x << "," << c.y;
        TCameraFrame pressed = frame;
        EXPECT_EQ(pressed.Press(c.x, c.y), c.area) << c.x << "," << c.y;
        EXPECT_FALSE(pressed.Moving);
    }
}

TEST(CameraFrame, SaveLabelsThatAreNotDrawnDoNotAct) {
    // 64 wide: the preset glyph starts at left + 22, so every label's right end lies beyond it
    // and the hidden x4 and x8 labels would lie over nothing but the title bar.
    TCameraFrame narrow = FrameAt(100, 100, 164, 164);
    for (TFrameArea label : {TFrameArea::SaveAntiAliased, TFrameArea::SaveDouble,
                             TFrameArea::SaveFourfold, TFrameArea::SaveEightfold})
        EXPECT_FALSE(narrow.LabelShown(label));
    // A narrow frame's hidden x8 label (184..192) lies over its size label (168..218).
    EXPECT_EQ(narrow.AreaAt(186, 90), TFrameArea::SizeLabel);
    EXPECT_EQ(narrow.AreaAt(124, 90), TFrameArea::PresetSize);

    // The labels follow the preset glyph's place at the previous drawing.
    TCameraFrame frame = FrameAt(100, 100, 500, 400);
    EXPECT_TRUE(frame.LabelShown(TFrameArea::SaveEightfold));
    frame.Rect.Right = 230; // preset glyph now at 188
    frame.LayOut();
    EXPECT_TRUE(frame.LabelShown(TFrameArea::SaveEightfold));
    frame.LayOut();
    EXPECT_TRUE(frame.LabelShown(TFrameArea::SaveFourfold));
    EXPECT_FALSE(frame.LabelShown(TFrameArea::SaveEightfold));
}

TEST(CameraFrame, PressInsideGrabsEdgesWithinThreePixelsOrMoves) {
    struct Case {
        int x, y;
        bool moving, top, bottom, left, right;
    } cases[] = {
        {300, 200, true, false, false, false, false}, {300, 102, false, true, false, false, false},
        {300, 103, true, false, false, false, false}, {300, 397, false, false, true, false, false},
        {101, 250, false, false, false, true, false}, {498, 250, false, false, false, false, true},
        {100, 100, false, true, false, true, false},  {499, 399, false, false, true, false, true},
    };
    for (const Case& c : cases) {
        TCameraFrame frame = FrameAt(100, 100, 500, 400);
        EXPECT_EQ(frame.Press(c.x, c.y), TFrameArea::None);
        EXPECT_EQ(frame.Moving, c.moving) << c.x << "," << c.y;
        EXPECT_EQ(frame.DragTop, c.top) << c.x << "," << c.y;
        EXPECT_EQ(frame.DragBottom, c.bottom) << c.x << "," << c.y;
        EXPECT_EQ(frame.DragLeft, c.left) << c.x << "," << c.y;
        EXPECT_EQ(frame.DragRight, c.right) << c.x << "," << c.y;
        frame.Release();
        EXPECT_FALSE(frame.Moving || frame.DragTop || frame.DragBottom || frame.DragLeft ||
                     frame.DragRight);
    }
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

TEST(CameraFrame, CursorsTellWhatAPressWouldDo) {
    TCameraFrame frame = FrameAt(100, 100, 500, 400);
    struct Case {
        int x, y;
        TFrameCursor cursor;
    } cases[] = {
        {300, 250, TFrameCursor::Move},     {300, 101, TFrameCursor::SizeNS},
        {300, 398, TFrameCursor::SizeNS},   {101, 250, TFrameCursor::SizeWE},
        {499, 250, TFrameCursor::SizeWE},   {100, 100, TFrameCursor::SizeNWSE},
        {499, 399, TFrameCursor::SizeNWSE}, {499, 100, TFrameCursor::SizeNESW},
        {100, 399, TFrameCursor::SizeNESW}, {490, 90, TFrameCursor::Hand},
        {190, 90, TFrameCursor::Hand},      {520, 90, TFrameCursor::Normal},
        {50, 50, TFrameCursor::Normal},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frame.CursorAt(c.x, c.y), c.cursor) << c.x << "," << c.y;
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
