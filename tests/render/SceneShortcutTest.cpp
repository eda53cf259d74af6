// Whole frames of a generated city, drawn once with the raster surfaces' shortcuts and once
// with the general routines only: every byte must agree, in every pixel format and drawing mode.

#include "CityModel.h"
#include "FitView.h"
#include "base/LDrawColours.h"
#include "model/BlockList.h"
#include "render/RenderTestSupport.h"
#include "render/Scene.h"
#include "render/ViewControls.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr int Width = 211, Height = 157;

struct TCity {
    TBlockList Model;
    TDrawContext Context;

    // Every fifth brick transparent and every 23rd selected, so that blending and the
    // selection outline are drawn too.
    TCity() {
        size_t n = 0;
        for (auto& brick : MakeCity(400)) {
            brick->Studs = true;
            brick->Colour =
                brick->Baseplate ? ColourOfLDrawNumber(7) : LDrawColourTable[n % 16].Colour();
            brick->Transparent = ++n % 5 == 0;
            brick->Selected = n % 23 == 0;
            Model.Add(std::move(brick));
        }
    }

    // Looks from tilt and azimuth with the city's projected box zoom times the bitmap's size.
    void Look(int tilt, int azimuth, float zoom) {
        TViewState& view = Context.View;
        view.TiltA = DegreesToAngle(tilt);
        view.AzimuthC = DegreesToAngle(azimuth);
        ComputeViewMatrix(view);
        FitView(view, Model, Width, Height, zoom);
    }

    // DrawScene, with the shortcuts as asked.
    void Render(TBitmap& bitmap, bool shortcuts) {
        TDrawObject target = TDrawObject::CreateFromBitmap(bitmap);
        target.Context = &Context;
        target.FastSurface()->InsideShortcuts = shortcuts;
        Context.ComputeStudMetrics();
        if (Model.SortedOctant != Context.View.Octant)
            Model.Sort(Context.View.Octant);
        Model.CurrentOctant = Context.View.Octant;
        target.Canvas().Brush.Colour = 0xF0F0F0;
        target.FillRect({0, 0, Width, Height});
        DrawAll(Model, target, false);
    }
};

} // namespace

TEST(SceneShortcuts, CityFramesAreTheSameByteForByte) {
    TCity city;
    struct TLook {
        int Tilt, Azimuth;
        float Zoom;
    };
    // Every quarter from above and below; whole, cut by the bitmap's edges, and tiny.
    const TLook looks[] = {{70, 30, 0.95f},  {70, 120, 3.1f},  {60, 210, 0.3f}, {80, 300, 1.6f},
                           {110, 30, 0.95f}, {130, 250, 2.2f}, {0, 0, 1.0f},    {90, 45, 0.9f}};
    const TPixelFormat formats[] = {TPixelFormat::pf15bit, TPixelFormat::pf16bit,
                                    TPixelFormat::pf24bit, TPixelFormat::pf32bit};
    for (TPixelFormat format : formats)
        for (const TLook& look : looks)
            for (int mode = 0; mode < 4; ++mode) {
                city.Look(look.Tilt, look.Azimuth, look.Zoom);
                city.Context.Shading = mode != 1;
                city.Context.SetStudStyle(mode == 2 ? StudFull : StudOutline);
                city.Context.SetWireFrame(mode == 3);
                city.Context.SeeThroughBaseplate = mode == 1;
                TBitmap fast(Width, Height, format), general(Width, Height, format);
                city.Render(fast, true);
                city.Render(general, false);
                city.Context.SetWireFrame(false);
                int drawn = 0;
                for (int y = 0; y < Height; ++y)
                    for (int x = 0; x < Width; x += 3)
                        drawn += fast.Pixel(x, y) != general.Pixel(0, 0);
                ASSERT_GT(drawn, Width * Height / 100) << "the city must fill part of the frame";
                ASSERT_EQ(std::memcmp(fast.ScanLine(0), general.ScanLine(0),
                                      std::size_t(fast.Pitch()) * Height),
                          0)
                    << "format " << int(format) << " tilt " << look.Tilt << " azimuth "
                    << look.Azimuth << " mode " << mode;
            }
}
