// A drawing recorded in two parts and drawn again band by band against the same drawing sent
// straight to the bitmap: the second part takes up the pen, brush, writers and pen position
// the first left, as the chunks of a frame do.

#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "raster/RasterTestSupport.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

constexpr int Width = 61, Height = 47;

// Marks the points that lie in the band, as drawing that writes the bitmap itself must.
void MarkPoints(TDrawObject& target, const void*, const TPoint* points, int count) {
    TCanvas& canvas = target.Canvas();
    for (int i = 0; i < count; ++i)
        if (canvas.Band.Holds(points[i].Y))
            canvas.Bitmap().SetPixel(points[i].X, points[i].Y, RGB(255, 0, 255));
}

void FirstPart(TDrawObject& target) {
    TCanvas& canvas = target.Canvas();
    canvas.Pen.Colour = RGB(200, 0, 0);
    canvas.Brush = {RGB(0, 90, 200), TBrushStyle::bsSolid};
    const TPoint quad[] = {{3, 2}, {57, 9}, {50, 44}, {8, 30}};
    target.Polygon(quad, 3);
    canvas.Brush = {RGB(250, 250, 0), TBrushStyle::bsDiagCross};
    const TPoint triangle[] = {{20, -10}, {70, 25}, {10, 40}};
    target.Polygon(triangle, 2);
    canvas.Pen.Colour = RGB(0, 160, 0);
    const TPoint zigzag[] = {{2, 40}, {15, 12}, {28, 41}, {41, 13}};
    target.Polyline(zigzag, 3);
    // Clipped at both sides: a surface leaves the pen where the line leaves the bitmap.
    target.Line(-20, 10, 80, 40);
}

// Nothing here sets the writers or the pen position before using them.
void SecondPart(TDrawObject& target) {
    TCanvas& canvas = target.Canvas();
    canvas.Pen.Colour = RGB(20, 20, 20);
    target.LineTo(30, 45);
    const TPoint stud[] = {{-2, 0}, {0, -2}, {2, 0}, {0, 2}, {-2, 0}};
    const TPoint origins[] = {{10, 8}, {30, 22}, {45, 40}};
    target.PolylineAtEach(stud, 4, origins, 3);
    target.PolylineAt(stud, 4, {52, 5});
    canvas.Brush = {RGB(90, 200, 90), TBrushStyle::bsSolid};
    target.Ellipse(5, 5, 30, 25);
    target.Rectangle(40, 30, 55, 8);
    // A box's three faces, then a fill with the brush the last face leaves.
    const TPoint faces[3][4] = {{{34, 20}, {44, 16}, {54, 20}, {44, 24}},
                                {{34, 20}, {44, 24}, {44, 34}, {34, 30}},
                                {{44, 24}, {54, 20}, {54, 30}, {44, 34}}};
    const TColour colours[3] = {RGB(200, 60, 60), RGB(150, 40, 40), RGB(100, 20, 20)};
    target.Quads(faces, colours, 3, 0);
    target.FillRect({48, 40, 56, 46});
    canvas.Brush = {RGB(140, 40, 90), TBrushStyle::bsSolid};
    target.FrameRect({10, 30, 20, 40});
    target.FillRect({22, 32, 28, 38});
    target.MoveTo(58, 2);
    target.LineTo(33, 27);
    const TPoint marks[] = {{5, 1}, {6, 20}, {7, 45}};
    target.DrawWith(MarkPoints, nullptr, marks, 3);
}

void Clear(TBitmap& bitmap) {
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush = {RGB(240, 240, 240), TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, Width, Height});
}

} // namespace

TEST(DrawRecording, ReplayedInBandsIsTheDrawingSentStraight) {
    const TPixelFormat formats[] = {TPixelFormat::pf8bit, TPixelFormat::pf16bit,
                                    TPixelFormat::pf24bit, TPixelFormat::pf32bit};
    for (TPixelFormat format : formats) {
        TBitmap direct(Width, Height, format);
        Clear(direct);
        TDrawObject straight = TDrawObject::CreateFromBitmap(direct);
        FirstPart(straight);
        SecondPart(straight);

        TBitmap replayed(Width, Height, format);
        Clear(replayed);
        TBitmap untouched(Width, Height, format);
        Clear(untouched);
        TDrawRecording first, second;
        TCanvas recordingCanvas(replayed);
        {
            TDrawObject target = TDrawObject::Recording(replayed, recordingCanvas, first);
            FirstPart(target);
        }
        {
            TDrawObject target = TDrawObject::Recording(replayed, recordingCanvas, second);
            SecondPart(target);
        }
        ASSERT_TRUE(SameBytes(replayed, untouched)) << "recording draws nothing";
        const TRecordingStart start{false, replayed.Canvas().PenPos};
        const TRecordingStart afterFirst = first.Left(start);
        for (int bands : {1, 2, 5, Height}) {
            Clear(replayed);
            for (int b = 0; b < bands; ++b) {
                TCanvas canvas(replayed);
                canvas.Band = {Height * b / bands, Height * (b + 1) / bands - 1};
                TDrawObject target = TDrawObject::CreateForBand(replayed, canvas);
                first.Replay(target, canvas.Band, start);
                second.Replay(target, canvas.Band, afterFirst);
            }
            EXPECT_TRUE(SameBytes(direct, replayed))
                << "format " << int(format) << ", " << bands << " bands";
        }
    }
}

TEST(DrawRecording, RefusesWhatKeepsToNoBand) {
    TBitmap bitmap(Width, Height), picture(3, 3);
    TCanvas canvas(bitmap);
    TDrawRecording recording;
    TDrawObject target = TDrawObject::Recording(bitmap, canvas, recording);
    EXPECT_THROW(target.TextOut(2, 2, "x"), std::logic_error);
    EXPECT_THROW(target.Draw(2, 2, picture), std::logic_error);
    EXPECT_THROW(target.StretchDraw({0, 0, 9, 9}, picture), std::logic_error);
    EXPECT_TRUE(recording.Empty());
}

// Where the recorded commands may write: every point, lines clipped or not, and each copy of a
// shape drawn at several origins.
TEST(DrawRecording, BoundsHoldEveryPointRecorded) {
    TBitmap bitmap(Width, Height);
    TCanvas canvas(bitmap);
    TDrawRecording recording;
    EXPECT_GT(recording.Bounds().Left, recording.Bounds().Right) << "nothing recorded";

    static const TPoint stud[] = {{-2, 0}, {0, -3}, {2, 0}, {0, 2}};
    static const TPoint origins[] = {{30, 22}, {10, 8}, {45, 40}};
    const struct {
        void (*Draw)(TDrawObject&);
        TRect Expected;
    } cases[] = {
        {[](TDrawObject& target) { target.PolylineAtEach(stud, 3, origins, 3); }, {8, 5, 47, 42}},
        {[](TDrawObject& target) { target.Line(-20, 10, 80, 40); }, {-20, 10, 80, 40}},
        {[](TDrawObject& target) {
             target.FillRect({48, 46, 56, 40});
         },
         {48, 40, 56, 46}},
        {FirstPart, {-20, -10, 80, 44}},
        {[](TDrawObject& target) {
             FirstPart(target);
             SecondPart(target);
         },
         {-20, -10, 80, 46}},
    };
    for (const auto& one : cases) {
        TDrawObject target = TDrawObject::Recording(bitmap, canvas, recording);
        one.Draw(target);
        EXPECT_EQ(recording.Bounds(), one.Expected);
        EXPECT_EQ(recording.BoundsOf(0, SIZE_MAX), one.Expected);
    }
    // The opaque quad before the first blending polygon, alone.
    TDrawObject target = TDrawObject::Recording(bitmap, canvas, recording);
    FirstPart(target);
    EXPECT_EQ(recording.OpaqueHead(), 1u);
    EXPECT_EQ(recording.BoundsOf(0, 1), (TRect{3, 2, 57, 44}));
}
