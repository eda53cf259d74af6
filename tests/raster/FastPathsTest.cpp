// The raster surfaces' fast paths against the plain way of doing the same: short runs stored
// with overlapping words, the four-point vertex order, and shapes stamped in batches.

#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/FastDraw.h"
#include "raster/RasterInside.h"
#include "raster/RasterSpans.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace {

// Every run length up to well past the longest fixed set of stores, at every pixel offset within
// a block, between guard bytes: exactly the run's pixels change, each to the pixel given.
template <class Pixel> void CheckRuns(Pixel value) {
    constexpr int guard = 32;
    for (int count = 0; count <= 80; ++count)
        for (int offset = 0; offset < 8; ++offset) {
            std::vector<uint8_t> bytes(std::size_t(2 * guard + 88 * sizeof(Pixel)), 0xA5);
            uint8_t* at = bytes.data() + guard + offset * sizeof(Pixel);
            FillRun(at, count, value);
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                const std::ptrdiff_t inRun = bytes.data() + i - at;
                const bool written = inRun >= 0 && inRun < std::ptrdiff_t(count * sizeof(Pixel));
                const uint8_t expected =
                    written ? uint8_t(value >> (8 * (std::size_t(inRun) % sizeof(Pixel)))) : 0xA5;
                ASSERT_EQ(bytes[i], expected)
                    << "pixel size " << sizeof(Pixel) << " count " << count << " byte " << i;
            }
        }
}

TEST(FillRun, WritesExactlyTheRunForEveryLengthAndOffset) {
    CheckRuns<uint32_t>(0x11223344u);
    CheckRuns<uint16_t>(uint16_t(0x5566));
    // A negative count, which no caller means, writes nothing.
    std::vector<uint8_t> bytes(64, 0xA5);
    FillRun(bytes.data() + 16, -3, 0x01020304u);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0xA5; }));
}

TEST(SortByRow, OrdersByRowThenIndexLikeAStableSort) {
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        const int n = 3 + int(random() % 6);
        // Few rows, so that ties are common; sometimes far off and negative.
        const int spread = round % 3 == 0 ? 1 << 27 : 4;
        std::vector<TPoint> points(static_cast<std::size_t>(n));
        for (TPoint& p : points)
            p = {int(random() % 9), int(random() % unsigned(2 * spread)) - spread};
        std::vector<int> expected(static_cast<std::size_t>(n));
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(),
                         [&](int a, int b) { return points[a].Y < points[b].Y; });
        int sorted[raster::MaxInsideVertices];
        raster::SortByRow(points.data(), n, sorted);
        ASSERT_EQ(std::vector<int>(sorted, sorted + n), expected) << "round " << round;
    }
}

constexpr TPixelFormat FastFormats[] = {TPixelFormat::pf15bit, TPixelFormat::pf16bit,
                                        TPixelFormat::pf24bit, TPixelFormat::pf32bit};

std::unique_ptr<TFastDraw> SurfaceFor(TBitmap& bitmap) {
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf15bit:
        return std::make_unique<TFastDraw15>(bitmap, false);
    case TPixelFormat::pf16bit:
        return std::make_unique<TFastDraw15>(bitmap, true);
    case TPixelFormat::pf24bit:
        return std::make_unique<TFastDraw24>(bitmap);
    default:
        return std::make_unique<TFastDraw32>(bitmap);
    }
}

// A batch of origins, some putting the shape across the bitmap's edges or far off, drawn in one
// call, against one PolylineAt each through the general routines: the same bytes (blending
// shows the order and every double write) and the same pen position.
TEST(PolylineAtEach, BatchesDrawWhatSinglePolylinesDraw) {
    std::mt19937 random(11);
    const TPoint ring[9] = {{-3, 1}, {-3, -1}, {-1, -2}, {1, -2}, {3, -1},
                            {3, 1},  {1, 2},   {-1, 2},  {-3, 1}};
    for (TPixelFormat format : FastFormats)
        for (TBrushStyle style : {TBrushStyle::bsSolid, TBrushStyle::bsDiagCross}) {
            TBitmap batched(41, 29, format), single(41, 29, format);
            for (int y = 0; y < batched.Height(); ++y)
                for (int i = 0; i < batched.Pitch(); ++i)
                    batched.ScanLine(y)[i] = uint8_t(random());
            single.Assign(batched);
            auto fast = SurfaceFor(batched);
            auto general = SurfaceFor(single);
            general->InsideShortcuts = false;
            for (TBitmap* b : {&batched, &single})
                b->Canvas().Brush.Style = style;
            // The last Polygon chooses whether lines blend.
            const TPoint dot[3] = {{-9, -9}, {-9, -9}, {-9, -9}};
            fast->Polygon(dot, 2);
            general->Polygon(dot, 2);
            for (int round = 0; round < 40; ++round) {
                std::vector<TPoint> origins(std::size_t(random() % 70));
                for (TPoint& o : origins)
                    o = random() % 8 == 0 ? TPoint{int(random() % 2000) - 1000, -500}
                                          : TPoint{int(random() % 49) - 4, int(random() % 37) - 4};
                const TColour pen = TColour(random() & 0xFFFFFF);
                batched.Canvas().Pen.Colour = single.Canvas().Pen.Colour = pen;
                batched.Canvas().PenPos = single.Canvas().PenPos = {7, 7};
                fast->PolylineAtEach(ring, 8, origins.data(), int(origins.size()));
                for (TPoint o : origins)
                    general->PolylineAt(ring, 8, o);
                ASSERT_EQ(std::memcmp(batched.ScanLine(0), single.ScanLine(0),
                                      std::size_t(batched.Pitch()) * batched.Height()),
                          0)
                    << "format " << int(format) << " round " << round;
                ASSERT_EQ(batched.Canvas().PenPos, single.Canvas().PenPos);
            }
        }
}

} // namespace
