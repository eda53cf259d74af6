#include "render/RenderTestSupport.h"
#include "render/Studs.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/DrawBrick.h"

#include <gtest/gtest.h>

namespace {

// Draw as the brick does, but with every stud or ring of the lattice in the stated order.
void DrawEveryStud(TBlock& brick, TTestCanvas& canvas, TDrawContext& context) {
    TCanvas& c = canvas.Target.Canvas();
    PrepareBrickPaint(brick, c, context);
    TBlockDrawer(brick).DrawOctant(canvas.Target, context.View.Octant);
    int octant = context.View.Octant, columns = brick.SX / 20, rows = brick.SY / 20;
    if (octant < 4) {
        bool iDown = octant <= 1, jUp = octant == 0 || octant == 3;
        for (int n = 0; n < columns; ++n)
            for (int m = 0; m < rows; ++m) {
                int i = iDown ? columns - 1 - n : n, j = jUp ? m : rows - 1 - m;
                TPoint p = ProjectPoint(context.View, brick.X + 10 + 20 * i, brick.Y + 10 + 20 * j,
                                        brick.Z + brick.SZ);
                DrawStud(canvas.Target, context, p.X, p.Y);
            }
    } else {
        for (int i = 1; i < columns; ++i)
            for (int j = 1; j < rows; ++j) {
                TPoint p = ProjectPoint(context.View, brick.X + 20 * i, brick.Y + 20 * j, brick.Z);
                DrawTubeRing(canvas.Target, context, p.X, p.Y);
            }
    }
    ResetAfterDraw(c, context);
}

TEST(StudWindow, SkippingUnreachableStudsChangesNoPixel) {
    for (int octant = 0; octant < 8; ++octant)
        for (int shift = 0; shift < 12; ++shift) {
            int style = shift % 3;
            TDrawContext context;
            context.Shading = style != 1;
            context.SetStudStyle(style);
            SetView(context, octant < 4 ? 55 : 125, 20 + 90 * (octant & 3), 1.0f - shift * 0.05f,
                    float(23 + shift), float(31 - shift));
            auto brick = MakeBrick('B', -300, -260, -8, 640, 520, 8, 0x4080C0, true);
            TTestCanvas culled(60, 45, context), every(60, 45, context);
            DrawBrick(*brick, culled.Target);
            DrawEveryStud(*brick, every, context);
            EXPECT_EQ(DifferingPixels(culled.Bitmap, every.Bitmap), 0)
                << "octant " << octant << " style " << style;
        }
}

} // namespace
