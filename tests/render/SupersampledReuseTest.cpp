// The anti-aliased frame may render into a double-size bitmap kept from an earlier frame; what
// that bitmap held before must never show.

#include "RenderTestSupport.h"
#include "model/BlockList.h"
#include "raster/RasterTestSupport.h"
#include "render/Scene.h"

#include <gtest/gtest.h>

TEST(SupersampledReuse, EveryFrameEqualsOneRenderedAfresh) {
    TDrawContext context;
    context.Shading = true;
    TBlockList model;
    model.Add(MakeBrick('B', -40, -20, 0, 80, 40, 24, 0x2060C0, true));
    model.Add(MakeBrick('B', 0, 0, 24, 40, 20, 24, 0xF0C010, true)).Transparent = true;
    TBackground background{0xF0F0F0, nullptr};
    // A kept bitmap of another size and format first, then frames turning round the model,
    // one of them smaller.
    TBitmap kept(7, 5, TPixelFormat::pf16bit);
    struct Frame {
        int Azimuth, Width, Height;
        TColour Background;
    } frames[] = {{30, 160, 120, 0xF0F0F0}, {75, 160, 120, 0x000000}, {200, 90, 70, 0x406080}};
    for (const Frame& frame : frames) {
        SetView(context, 60, frame.Azimuth, 1.0f, float(frame.Width) / 2, float(frame.Height) / 2);
        background.Colour = frame.Background;
        TBitmap reused(frame.Width, frame.Height), fresh(frame.Width, frame.Height);
        PaintFrame(model, reused, context, background, true, &kept);
        PaintFrame(model, fresh, context, background, true);
        EXPECT_TRUE(SameBytes(reused, fresh)) << frame.Azimuth;
        EXPECT_EQ(kept.Width(), 2 * frame.Width);
    }
}
