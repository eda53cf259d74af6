// Whole frames of a generated city, drawn once with the raster surfaces' shortcuts and once
// with the general routines only: every byte must agree, in every pixel format and drawing mode.

#include "CityScene.h"
#include "render/RenderTestSupport.h"
#include "render/Scene.h"

#include <gtest/gtest.h>

namespace {

// DrawScene, with the shortcuts as asked.
void Render(TCity& city, TBitmap& bitmap, bool shortcuts) {
    TDrawObject target = TDrawObject::CreateFromBitmap(bitmap);
    target.Context = &city.Context;
    target.FastSurface()->InsideShortcuts = shortcuts;
    city.Context.ComputeStudMetrics();
    if (city.Model.SortedOctant != city.Context.View.Octant)
        city.Model.Sort(city.Context.View.Octant);
    city.Model.CurrentOctant = city.Context.View.Octant;
    target.Canvas().Brush.Colour = 0xF0F0F0;
    target.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    DrawAll(city.Model, target, false);
}

} // namespace

TEST(SceneShortcuts, CityFramesAreTheSameByteForByte) {
    // Enough bricks that the tiny view still covers part of the frame.
    TCity city(MakeCity(400), 211, 157);
    // Every quarter from above and below; whole, cut by the bitmap's edges, and tiny.
    const TLook looks[] = {{70, 30, 0.95f},  {70, 120, 3.1f},  {60, 210, 0.3f}, {80, 300, 1.6f},
                           {110, 30, 0.95f}, {130, 250, 2.2f}, {0, 0, 1.0f},    {90, 45, 0.9f}};
    const TPixelFormat formats[] = {TPixelFormat::pf15bit, TPixelFormat::pf16bit,
                                    TPixelFormat::pf24bit, TPixelFormat::pf32bit};
    for (TPixelFormat format : formats)
        for (const TLook& look : looks)
            for (TMode mode : {Shaded, SeeThrough, FullStuds, WireFrame}) {
                city.Look(look);
                city.SetMode(mode);
                TBitmap fast(city.Width, city.Height, format);
                TBitmap general(city.Width, city.Height, format);
                Render(city, fast, true);
                Render(city, general, false);
                ASSERT_TRUE(FillsPartOfTheFrame(fast));
                ASSERT_TRUE(SameBytes(fast, general))
                    << "format " << int(format) << " tilt " << look.Tilt << " azimuth "
                    << look.Azimuth << " mode " << int(mode);
            }
}
