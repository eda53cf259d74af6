// Frames drawn in bands on several threads against the same frames drawn whole on one: every
// byte must agree, for every kind of brick, pixel format, drawing mode and number of bands.

#include "CityScene.h"
#include "RenderTestSupport.h"
#include "render/BandedScene.h"
#include "render/DrawingThreads.h"
#include "render/Scene.h"
#include "support/ShippedAppDir.h"

#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

constexpr int Width = 173, Height = 131;

// Every quarter from above and below, whole, cut by the bitmap's edges and close up.
const TLook Looks[] = {{70, 30, 0.95f}, {70, 120, 3.1f},  {60, 210, 0.9f},
                       {80, 300, 1.6f}, {110, 30, 0.95f}, {130, 250, 2.2f}};

struct TBandedCase {
    const char* Name;
    TCityKind Kind;
};

class BandedFrames : public ::testing::TestWithParam<TBandedCase> {
protected:
    TShippedAppDir Shipped;
};

} // namespace

TEST_P(BandedFrames, AreTheSingleThreadFrameByteForByte) {
    TCity city(MakeCityOfKind(GetParam().Kind), Width, Height);
    TDrawingThreads threads(3);
    const TBackground background{0xF0F0F0, nullptr};
    const int bandCounts[] = {1, 2, 3, 7, Height};
    const TMode modes[] = {Shaded,    Plain,      FullStuds,  EllipseStuds,
                           WireFrame, SeeThrough, AntiAliased};
    ForEachLookModeAndFormat(Looks, modes, [&](const TLook& look, TMode mode, TPixelFormat format) {
        city.Look(look);
        city.SetMode(mode);
        TBitmap whole(Width, Height, format);
        city.Context.Threads = nullptr;
        PaintFrame(city.Model, whole, city.Context, background, mode == AntiAliased);
        ASSERT_TRUE(FillsPartOfTheFrame(whole));
        for (int bands : bandCounts) {
            TBitmap banded(Width, Height, format);
            city.Context.Threads = &threads;
            city.Context.Bands = bands;
            PaintFrame(city.Model, banded, city.Context, background, mode == AntiAliased);
            city.Context.Threads = nullptr;
            ASSERT_TRUE(SameBytes(whole, banded))
                << GetParam().Name << ": format " << int(format) << " tilt " << look.Tilt
                << " azimuth " << look.Azimuth << " mode " << int(mode) << ", " << bands
                << " bands";
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BandedFrames,
                         ::testing::Values(TBandedCase{"plain", TCityKind::Plain},
                                           TBandedCase{"shaped", TCityKind::Shaped},
                                           TBandedCase{"every kind", TCityKind::EveryKind}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(BandedBackground, IsStretchedOnceUnderTheBands) {
    TCity city(MakeCity(300), Width, Height);
    city.Look({70, 30, 0.8f});
    TBitmap picture(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            picture.SetPixel(x, y, RGB(30 * x, 40 * y, 200));
    const TBackground background{0xF0F0F0, &picture};
    TBitmap whole(Width, Height), banded(Width, Height);
    DrawScene(city.Model, whole, city.Context, background);
    TDrawingThreads threads(2);
    city.Context.Threads = &threads;
    city.Context.Bands = 5;
    DrawScene(city.Model, banded, city.Context, background);
    EXPECT_TRUE(SameBytes(whole, banded));
}

TEST(DrawingThreads, RunEveryTaskOnceAndPassOnTheFirstError) {
    TDrawingThreads threads(3);
    for (int round = 0; round < 20; ++round) {
        std::vector<std::atomic<int>> runs(37);
        threads.Run(37, [&](int task) { ++runs[size_t(task)]; });
        for (const auto& count : runs)
            ASSERT_EQ(count.load(), 1);
    }
    EXPECT_THROW(threads.Run(5,
                             [](int task) {
                                 if (task == 3)
                                     throw std::runtime_error("band failed");
                             }),
                 std::runtime_error);
    std::atomic<int> after{0};
    threads.Run(4, [&](int) { ++after; });
    EXPECT_EQ(after.load(), 4) << "the threads go on working after an error";
}
