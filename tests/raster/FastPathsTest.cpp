// The raster surfaces' fast paths against the plain way of doing the same: short runs stored
// with overlapping words, the vertex order by row, and the shapes the four-point fill hands back.

#include "raster/RasterInside.h"
#include "raster/RasterQuad.h"
#include "raster/RasterSpans.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <tuple>
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

} // namespace

// The four-point fill hands back what it cannot fill; the surfaces' comparisons with the general
// routines hold the spans of what it fills.
namespace {

using TSpan = std::tuple<int, int, int>; // y, x0, x1

// Records spans instead of writing pixels, so that a span written twice shows.
struct TSpanLog {
    std::vector<TSpan>* Spans;
    void Span(uint8_t*, int y, int x0, int x1) const { Spans->emplace_back(y, x0, x1); }
};

constexpr int Size = 64;

// The spans of the four-point fill; false when it left the shape to the general fill.
bool QuadSpans(const TPoint* points, std::vector<TSpan>& spans) {
    std::vector<uint8_t*> rows(Size, nullptr);
    return raster::FillQuadInside(rows.data(), points, TSpanLog{&spans});
}

// An arrowhead turns back up and is handed on; a face seen at an angle is filled.
TEST(RasterQuad, OnlyShapesThatTurnBackUpAreHandedOn) {
    const TPoint arrow[4] = {{10, 10}, {20, 30}, {30, 10}, {20, 40}};
    const TPoint face[4] = {{10, 10}, {30, 14}, {34, 30}, {12, 26}};
    std::vector<TSpan> spans;
    EXPECT_FALSE(QuadSpans(arrow, spans));
    EXPECT_TRUE(QuadSpans(face, spans));
    EXPECT_FALSE(spans.empty());
}

} // namespace
