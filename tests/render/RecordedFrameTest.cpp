// Banded frames whose bricks are recorded in chunks: a chunk whose bricks before it draw
// nothing starts from the frame's own pen and brush, and the recordings kept from frame to
// frame carry nothing of the last frame into the next.

#include "CityModel.h"
#include "FitView.h"
#include "RenderTestSupport.h"
#include "model/BlockList.h"
#include "raster/RasterTestSupport.h"
#include "render/DrawingThreads.h"
#include "render/Scene.h"
#include "render/ViewControls.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

namespace {

constexpr int Width = 151, Height = 113;

struct TRecordedCity {
    TBlockList Model;
    TDrawContext Context;

    explicit TRecordedCity(int bricks) {
        for (auto& brick : MakeCity(size_t(bricks))) {
            brick->Colour = 0x2020C0;
            Model.Add(std::move(brick));
        }
        TViewState& view = Context.View;
        view.TiltA = DegreesToAngle(70);
        view.AzimuthC = DegreesToAngle(30);
        ComputeViewMatrix(view);
        if (bricks > 0)
            FitView(view, Model, Width, Height, 0.9f);
    }
};

// The frame on one thread and in bands, each bitmap's canvas starting with the given brush.
void ExpectBandedAsWhole(TRecordedCity& city, TDrawingThreads& threads, TBrushStyle brush) {
    const TBackground background{0xF0F0F0, nullptr};
    TBitmap whole(Width, Height);
    whole.Canvas().Brush.Style = brush;
    city.Context.Threads = nullptr;
    DrawScene(city.Model, whole, city.Context, background);
    for (int bands : {1, 3, 7}) {
        TBitmap banded(Width, Height);
        banded.Canvas().Brush.Style = brush;
        city.Context.Threads = &threads;
        city.Context.Bands = bands;
        DrawScene(city.Model, banded, city.Context, background);
        city.Context.Threads = nullptr;
        EXPECT_TRUE(SameBytes(whole, banded)) << bands << " bands";
        EXPECT_EQ(std::pair(banded.Canvas().Brush.Style, banded.Canvas().Pen.Colour),
                  std::pair(whole.Canvas().Brush.Style, whole.Canvas().Pen.Colour));
    }
}

class RecordedFrames : public ::testing::Test {
protected:
    TShippedAppDir Shipped;
};

} // namespace

// The first brick drawn takes up the clear brush the frame began with, as one thread draws
// it; the chunks before it record nothing, so the chunk that holds it must start from there.
TEST_F(RecordedFrames, ChunksAfterBricksLeftOutStartFromTheFramesBrush) {
    TRecordedCity city(240);
    // In drawing order, and few bricks after it, so that nothing covers its hollow faces.
    city.Model.Sort(city.Context.View.Octant);
    const int first = city.Model.Count() * 2 / 3;
    for (int i = 0; i < city.Model.Count(); ++i)
        city.Model.Items(i).Step = i >= first && i < first + 4 ? 0 : 1;
    TDrawingThreads threads(2);
    ExpectBandedAsWhole(city, threads, TBrushStyle::bsClear);
    city.Model.StepLimit = 1;
    ExpectBandedAsWhole(city, threads, TBrushStyle::bsClear);
}

TEST_F(RecordedFrames, KeptRecordingsCarryNothingIntoTheNextFrame) {
    TDrawingThreads threads(3);
    for (int bricks : {400, 6, 0}) {
        TRecordedCity city(bricks);
        ExpectBandedAsWhole(city, threads, TBrushStyle::bsSolid);
    }
}
