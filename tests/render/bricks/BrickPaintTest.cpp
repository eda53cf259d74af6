// The hatched-brush test that lets a frame drawn front to back turn down see-through bricks
// before drawing anything must agree with the brush the brick's drawing takes.

#include "render/bricks/BrickPaint.h"

#include "model/Block.h"
#include "raster/Bitmap.h"
#include "render/DrawContext.h"

#include <gtest/gtest.h>

namespace {

TEST(BrickPaint, TellsTheHatchedBrushAsPreparingThePaintGivesIt) {
    struct TCase {
        int32_t Colour;
        bool Transparent, Baseplate, WireFrame, SeeThroughBaseplate;
        int Octant;
        bool Hatched;
    };
    const TCase cases[] = {
        {0x0000FF, false, false, false, false, 0, false}, // opaque red
        {0xFFFF00, false, false, false, false, 0, true},  // the glass colour
        {0x0000FF, true, false, false, false, 0, true},   // transparent
        {0x0000FF, true, false, true, false, 0, false},   // wireframe draws outlines only
        {0xFFFF00, false, true, false, true, 5, false},   // see-through baseplate from below
        {0xFFFF00, false, true, false, true, 2, true},    // ... but not from above
        {0xFFFF00, false, false, false, true, 5, true},   // ... and only baseplates
    };
    TBitmap bitmap(4, 4);
    for (const TCase& c : cases) {
        TBlock brick;
        brick.Colour = c.Colour;
        brick.Transparent = c.Transparent;
        brick.Baseplate = c.Baseplate;
        TDrawContext context;
        context.WireFrame = c.WireFrame;
        context.SeeThroughBaseplate = c.SeeThroughBaseplate;
        context.View.Octant = c.Octant;
        TCanvas canvas(bitmap);
        canvas.Brush.Style = TBrushStyle::bsSolid;
        PrepareBrickStyle(brick, canvas, context);
        const int index = int(&c - cases);
        EXPECT_EQ(canvas.Brush.Style == TBrushStyle::bsDiagCross, c.Hatched) << "case " << index;
        EXPECT_EQ(HatchedBrush(brick, context), c.Hatched) << "case " << index;
    }
}

} // namespace
