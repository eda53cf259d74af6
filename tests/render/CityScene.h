#pragma once
// A generated city with its drawing context, for whole-frame tests that draw the same view two
// ways and compare every byte.

#include "CityModel.h"
#include "EveryKindCity.h"
#include "FitView.h"
#include "ShapedCity.h"
#include "base/LDrawColours.h"
#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "raster/RasterTestSupport.h"
#include "render/DrawContext.h"
#include "render/ViewControls.h"

#include <span>

enum class TCityKind { Plain, Shaped, EveryKind };

inline TBrickVector MakeCityOfKind(TCityKind kind) {
    return kind == TCityKind::Plain    ? MakeCity(300)
           : kind == TCityKind::Shaped ? MakeShapedCity(300)
                                       : MakeEveryKindCity(330);
}

struct TLook {
    int Tilt, Azimuth;
    float Zoom;
};

enum TMode { Shaded, Plain, FullStuds, EllipseStuds, WireFrame, SeeThrough, AntiAliased };

struct TCity {
    TBlockList Model;
    TDrawContext Context;
    int Width, Height;

    // Every fifth brick transparent and every 23rd selected, so that blending and the selection
    // outline are drawn too.
    TCity(TBrickVector bricks, int width, int height) : Width(width), Height(height) {
        size_t n = 0;
        for (auto& brick : bricks) {
            brick->Studs = true;
            brick->Colour =
                brick->Baseplate ? ColourOfLDrawNumber(7) : LDrawColourTable[n % 16].Colour();
            brick->Transparent = ++n % 5 == 0;
            brick->Selected = n % 23 == 0;
            Model.Add(std::move(brick));
        }
        Context.DetailLevel = 2; // the decoration pictures of the general blocks
    }

    // Looks from tilt and azimuth with the city's projected box zoom times the bitmap's size.
    void Look(const TLook& look) {
        TViewState& view = Context.View;
        view.TiltA = DegreesToAngle(look.Tilt);
        view.AzimuthC = DegreesToAngle(look.Azimuth);
        ComputeViewMatrix(view);
        FitView(view, Model, Width, Height, look.Zoom);
    }

    // Wire frame restores what it hid when it ends, so it ends before the rest is set.
    void SetMode(TMode mode) {
        Context.SetWireFrame(false);
        Context.Shading = mode != Plain && mode != SeeThrough;
        Context.SetStudStyle(mode == FullStuds      ? StudFull
                             : mode == EllipseStuds ? StudEllipse
                                                    : StudOutline);
        Context.SetWireFrame(mode == WireFrame);
        Context.SeeThroughBaseplate = mode == SeeThrough;
    }
};

// Whether the city covers part of the frame, so that an empty frame cannot pass a comparison.
inline bool FillsPartOfTheFrame(const TBitmap& frame) {
    int drawn = 0;
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); x += 3)
            drawn += frame.Pixel(x, y) != frame.Pixel(0, 0);
    return drawn > frame.Width() * frame.Height() / 100;
}

// Each look in each mode and pixel format. Anti-aliasing draws at 32 bits whatever the view's
// format; the rarer combinations take turns among the looks, to keep the tests short.
template <class Each>
void ForEachLookModeAndFormat(std::span<const TLook> looks, std::span<const TMode> modes,
                              Each each) {
    const TPixelFormat formats[] = {TPixelFormat::pf8bit, TPixelFormat::pf15bit,
                                    TPixelFormat::pf16bit, TPixelFormat::pf24bit,
                                    TPixelFormat::pf32bit};
    for (size_t lookIndex = 0; lookIndex < looks.size(); ++lookIndex)
        for (TMode mode : modes)
            for (TPixelFormat format : formats) {
                if (mode == AntiAliased && format != TPixelFormat::pf32bit)
                    continue;
                if (format != TPixelFormat::pf32bit && mode != Shaded &&
                    (int(mode) + int(format) + int(lookIndex)) % 3 != 0)
                    continue;
                each(looks[lookIndex], mode, format);
            }
}
