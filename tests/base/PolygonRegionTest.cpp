#include "base/PolygonRegion.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// Each pixel of a small area as '#' (inside) or '.': a pixel belongs when its top-left corner
// lies inside, so left and top edges belong and right and bottom ones do not, whichever way the
// outline winds.
TEST(PolygonRegion, PixelsWhoseTopLeftCornerLiesInside) {
    const struct {
        std::vector<TRegionPoint> Outline;
        int Width, Height;
        const char* Pixels;
    } cases[] = {{{{1, 1}, {4, 1}, {4, 3}, {1, 3}}, 6, 4, "......\n.###..\n.###..\n......\n"},
                 {{{1, 3}, {4, 3}, {4, 1}, {1, 1}}, 6, 4, "......\n.###..\n.###..\n......\n"},
                 {{{0, 0}, {4, 0}, {0, 4}}, 5, 5, "####.\n###..\n##...\n#....\n.....\n"}};
    for (const auto& c : cases) {
        std::string pixels;
        for (int y = 0; y < c.Height; ++y, pixels += '\n')
            for (int x = 0; x < c.Width; ++x)
                pixels += PointInPolygonRegion(c.Outline, x, y) ? '#' : '.';
        EXPECT_EQ(pixels, c.Pixels);
    }
}

TEST(PolygonRegion, SelfCrossingDegenerateAndExtremeOutlines) {
    // A five-pointed star drawn in one stroke: even-odd leaves its centre, crossed twice, empty.
    std::vector<TRegionPoint> star = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    EXPECT_EQ((std::array{PointInPolygonRegion(star, 10, 10), PointInPolygonRegion(star, 10, 3),
                          PointInPolygonRegion(star, 3, 8), PointInPolygonRegion(star, 0, 0)}),
              (std::array{false, true, true, false}));
    EXPECT_FALSE(PointInPolygonRegion({}, 0, 0));
    const std::vector<TRegionPoint> line = {{0, 0}, {5, 5}};
    EXPECT_FALSE(PointInPolygonRegion(line, 2, 2));
    std::vector<TRegionPoint> huge = {{INT32_MIN, INT32_MIN},
                                      {INT32_MAX, INT32_MIN},
                                      {INT32_MAX, INT32_MAX},
                                      {INT32_MIN, INT32_MAX}};
    EXPECT_EQ((std::array{PointInPolygonRegion(huge, 0, 0),
                          PointInPolygonRegion(huge, INT32_MIN, INT32_MIN),
                          PointInPolygonRegion(huge, INT32_MAX, 0)}),
              (std::array{true, true, false}));
}
