// Frames drawn front to back, each pixel keeping the first write it gets, and frames drawn in
// bands on several threads, against the same frames drawn whole and back to front on one: every
// byte and the canvas left behind must agree, for every kind of brick, octant, pixel format,
// drawing mode and number of threads and bands, see-through bricks among them.

#include "CityScene.h"
#include "render/DrawingThreads.h"
#include "render/FirstWriteScene.h"
#include "render/Scene.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

constexpr int Width = 181, Height = 127;

// Every octant, whole, cut by the bitmap's edges and close up.
const TLook Looks[] = {{70, 30, 0.95f},  {70, 120, 3.1f},  {60, 210, 0.9f},  {80, 300, 1.6f},
                       {110, 30, 0.95f}, {130, 120, 1.3f}, {130, 250, 2.2f}, {100, 300, 0.9f}};

// The city with no see-through bricks, so that every write is opaque.
std::unique_ptr<TCity> OpaqueCity(TCityKind kind) {
    auto city = std::make_unique<TCity>(MakeCityOfKind(kind), Width, Height);
    for (int i = 0; i < city->Model.Count(); ++i)
        city->Model.Items(i).Transparent = false;
    return city;
}

struct TCanvasLeft {
    TColour Pen, Brush;
    TBrushStyle Style;
    TPoint PenPos;
    bool operator==(const TCanvasLeft&) const = default;
};

TCanvasLeft LeftOn(TBitmap& bitmap) {
    const TCanvas& canvas = bitmap.Canvas();
    return {canvas.Pen.Colour, canvas.Brush.Colour, canvas.Brush.Style, canvas.PenPos};
}

class FirstWriteFrames : public ::testing::TestWithParam<std::tuple<TCityKind, bool>> {
protected:
    TShippedAppDir Shipped;
};

} // namespace

TEST_P(FirstWriteFrames, AreTheBackToFrontFrameByteForByte) {
    const auto [kind, opaque] = GetParam();
    std::unique_ptr<TCity> city =
        opaque ? OpaqueCity(kind) : std::make_unique<TCity>(MakeCityOfKind(kind), Width, Height);
    TDrawingThreads two(2), three(3), eight(8);
    // Threads and bands (0: as many as the threads choose).
    const std::vector<std::pair<TDrawingThreads*, int>> ways =
        opaque ? std::vector<std::pair<TDrawingThreads*, int>>{{nullptr, 0},
                                                               {&two, 0},
                                                               {&three, 0},
                                                               {&eight, 0}}
               : std::vector<std::pair<TDrawingThreads*, int>>{
                     {nullptr, 0}, {&two, 0}, {&three, 2}, {&three, 7}, {&three, Height}};
    const TBackground background{0xF0F0F0, nullptr};
    const TMode modes[] = {Shaded,    Plain,      FullStuds,  EllipseStuds,
                           WireFrame, SeeThrough, AntiAliased};
    ForEachLookModeAndFormat(Looks, modes, [&](const TLook& look, TMode mode, TPixelFormat format) {
        city->Look(look);
        city->SetMode(mode);
        const bool antiAliased = mode == AntiAliased;
        TBitmap reference(Width, Height, format);
        city->Context.Threads = nullptr;
        city->Context.FrontToBack = false;
        PaintFrame(city->Model, reference, city->Context, background, antiAliased);
        city->Context.FrontToBack = true;
        ASSERT_TRUE(FillsPartOfTheFrame(reference));
        for (auto [threads, bands] : ways) {
            TBitmap frame(Width, Height, format);
            city->Context.Threads = threads;
            city->Context.Bands = bands;
            PaintFrame(city->Model, frame, city->Context, background, antiAliased);
            city->Context.Threads = nullptr;
            city->Context.Bands = 0;
            const std::string where =
                "format " + std::to_string(int(format)) + " tilt " + std::to_string(look.Tilt) +
                " azimuth " + std::to_string(look.Azimuth) + " mode " + std::to_string(int(mode)) +
                ", " + std::to_string(threads ? threads->Count() : 1) + " threads, " +
                std::to_string(bands) + " bands";
            ASSERT_TRUE(SameBytes(reference, frame)) << where;
            EXPECT_TRUE(antiAliased || LeftOn(reference) == LeftOn(frame)) << where;
        }
        // Not by falling back: every brick kept within the screen box foreseen for it.
        if (!antiAliased && format != TPixelFormat::pf8bit && format != TPixelFormat::pf24bit) {
            TBitmap frame(Width, Height, format);
            EXPECT_TRUE(DrawSceneFirstWriteWins(city->Model, frame, city->Context, background))
                << "format " << int(format) << " tilt " << look.Tilt << " mode " << int(mode);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FirstWriteFrames,
                         ::testing::Combine(::testing::Values(TCityKind::Plain, TCityKind::Shaped,
                                                              TCityKind::EveryKind),
                                            ::testing::Bool()),
                         [](const auto& info) { return std::to_string(info.index); });

// The comparisons above must not pass only because every frame fell back to drawing forwards.
TEST(FirstWriteFrame, IsTakenWhereTheFormatTakesACoverMask) {
    std::unique_ptr<TCity> opaque = OpaqueCity(TCityKind::Plain);
    opaque->Look(Looks[0]);
    const TBackground background{0xF0F0F0, nullptr};
    struct TCase {
        TPixelFormat Format;
        TMode Mode;
        bool Taken;
    };
    const TCase cases[] = {
        {TPixelFormat::pf32bit, Shaded, true},       {TPixelFormat::pf16bit, Plain, true},
        {TPixelFormat::pf15bit, FullStuds, true},    {TPixelFormat::pf32bit, WireFrame, true},
        {TPixelFormat::pf24bit, Shaded, false},      {TPixelFormat::pf8bit, Shaded, false},
        {TPixelFormat::pf32bit, EllipseStuds, true},
    };
    for (const TCase& c : cases) {
        opaque->SetMode(c.Mode);
        opaque->Context.ComputeStudMetrics();
        TBitmap frame(Width, Height, c.Format);
        EXPECT_EQ(DrawSceneFirstWriteWins(opaque->Model, frame, opaque->Context, background),
                  c.Taken)
            << "format " << int(c.Format) << " mode " << int(c.Mode);
    }

    // See-through bricks are drawn over the opaque ones afterwards; their general blocks load
    // shipped parts, wherever the tests before left the program's folder.
    TShippedAppDir shipped;
    TCity glass(MakeEveryKindCity(300), Width, Height);
    glass.Look(Looks[0]);
    glass.SetMode(Shaded);
    glass.Context.ComputeStudMetrics();
    TBitmap frame(Width, Height);
    EXPECT_TRUE(DrawSceneFirstWriteWins(glass.Model, frame, glass.Context, background));
}

TEST(FirstWriteFrame, DrawsOverABackgroundPictureAndIntoTinyBitmaps) {
    std::unique_ptr<TCity> city = OpaqueCity(TCityKind::Plain);
    TBitmap picture(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            picture.SetPixel(x, y, RGB(30 * x, 40 * y, 200));
    TDrawingThreads threads(2);
    const int sizes[][2] = {{Width, Height}, {1, 1}, {3, 2}, {2, 9}};
    for (const auto& size : sizes) {
        city->Width = size[0];
        city->Height = size[1];
        city->Look({70, 30, 0.8f});
        city->SetMode(Shaded);
        for (const TBackground& background :
             {TBackground{0xF0F0F0, &picture}, TBackground{0x102030, nullptr}}) {
            TBitmap reference(size[0], size[1]), frame(size[0], size[1]), banded(size[0], size[1]),
                split(size[0], size[1]);
            city->Context.FrontToBack = false;
            DrawScene(city->Model, reference, city->Context, background);
            city->Context.FrontToBack = true;
            DrawScene(city->Model, frame, city->Context, background);
            city->Context.Threads = &threads;
            city->Context.Bands = 5;
            DrawScene(city->Model, banded, city->Context, background);
            city->Context.Bands = 0;
            DrawScene(city->Model, split, city->Context, background);
            city->Context.Threads = nullptr;
            EXPECT_TRUE(SameBytes(reference, frame)) << size[0] << " x " << size[1];
            EXPECT_TRUE(SameBytes(reference, banded)) << size[0] << " x " << size[1];
            EXPECT_TRUE(SameBytes(reference, split)) << size[0] << " x " << size[1];
        }
    }
}
