// The four-point fill against the general scan-line fill: the same spans in the same order, or
// nothing at all for the shapes it hands back.

#include "raster/RasterQuad.h"

#include "raster/RasterPolygon.h"

#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <vector>

namespace {

using TSpan = std::tuple<int, int, int>; // y, x0, x1

// Records spans instead of writing pixels, so that a span written twice shows.
struct TSpanLog {
    std::vector<TSpan>* Spans;
    void Span(uint8_t*, int y, int x0, int x1) const { Spans->emplace_back(y, x0, x1); }
};

constexpr int Size = 64;
const TRect Clip{0, 0, Size - 1, Size - 1};

std::vector<TSpan> GeneralSpans(const TPoint* points) {
    std::vector<TSpan> spans;
    std::vector<int> sorted;
    std::vector<TEdge> edges;
    int edgeCount = 0;
    std::vector<uint8_t*> rows(Size, nullptr);
    raster::FillPolygon(rows.data(), Clip, points, 4, {sorted, edges, edgeCount}, TSpanLog{&spans});
    return spans;
}

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

// Small shapes like brick faces far away, and larger ones, with many ties in Y.
TEST(RasterQuad, RandomShapesMatchTheGeneralFill) {
    std::mt19937 random(17);
    int handled = 0;
    for (int i = 0; i < 200000; ++i) {
        const int spread = i % 3 == 0 ? 31 : 4;
        const TPoint centre{32, 32};
        TPoint points[4];
        for (TPoint& p : points)
            p = {centre.X + int(random() % unsigned(2 * spread + 1)) - spread,
                 centre.Y + int(random() % unsigned(2 * spread + 1)) - spread};
        std::vector<TSpan> quad;
        if (QuadSpans(points, quad)) {
            ++handled;
            ASSERT_EQ(quad, GeneralSpans(points)) << i;
        } else {
            ASSERT_TRUE(quad.empty());
        }
    }
    EXPECT_GT(handled, 100000); // most shapes take the short way
}

} // namespace
