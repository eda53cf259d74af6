#include "base/PolygonRegion.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// The pixels of a w x h area as rows of '#' (inside) and '.'.
std::string Raster(const std::vector<TRegionPoint>& points, int w, int h) {
    std::string rows;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            rows += PointInPolygonRegion(points, x, y) ? '#' : '.';
        rows += '\n';
    }
    return rows;
}
} // namespace

TEST(PolygonRegion, RectangleHoldsLeftAndTopEdgesButNotRightAndBottom) {
    EXPECT_EQ(Raster({{1, 1}, {4, 1}, {4, 3}, {1, 3}}, 6, 5), "......\n"
                                                              ".###..\n"
                                                              ".###..\n"
                                                              "......\n"
                                                              "......\n");
    // The winding direction does not matter.
    EXPECT_EQ(Raster({{1, 3}, {4, 3}, {4, 1}, {1, 1}}, 6, 5),
              Raster({{1, 1}, {4, 1}, {4, 3}, {1, 3}}, 6, 5));
}

TEST(PolygonRegion, TriangleSamplesTopLeftCorners) {
    EXPECT_EQ(Raster({{0, 0}, {4, 0}, {0, 4}}, 5, 5), "####.\n"
                                                      "###..\n"
                                                      "##...\n"
                                                      "#....\n"
                                                      ".....\n");
}

TEST(PolygonRegion, EvenOddLeavesTheOverlapOfASelfCrossingOutlineEmpty) {
    // A five-pointed star drawn in one stroke: its centre is crossed twice.
    std::vector<TRegionPoint> star = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    EXPECT_FALSE(PointInPolygonRegion(star, 10, 10));
    EXPECT_TRUE(PointInPolygonRegion(star, 10, 3));
    EXPECT_TRUE(PointInPolygonRegion(star, 3, 8));
    EXPECT_FALSE(PointInPolygonRegion(star, 0, 0));
}

TEST(PolygonRegion, DegenerateAndExtremeOutlines) {
    EXPECT_FALSE(PointInPolygonRegion({}, 0, 0));
    std::vector<TRegionPoint> line = {{0, 0}, {5, 5}};
    EXPECT_FALSE(PointInPolygonRegion(line, 2, 2));
    std::vector<TRegionPoint> huge = {{INT32_MIN, INT32_MIN},
                                      {INT32_MAX, INT32_MIN},
                                      {INT32_MAX, INT32_MAX},
                                      {INT32_MIN, INT32_MAX}};
    EXPECT_TRUE(PointInPolygonRegion(huge, 0, 0));
    EXPECT_TRUE(PointInPolygonRegion(huge, INT32_MIN, INT32_MIN));
    EXPECT_FALSE(PointInPolygonRegion(huge, INT32_MAX, 0));
}
