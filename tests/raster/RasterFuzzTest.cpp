#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/DrawObject.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

constexpr TPixelFormat AllFormats[] = {TPixelFormat::pf8bit,  TPixelFormat::pf15bit,
                                       TPixelFormat::pf16bit, TPixelFormat::pf24bit,
                                       TPixelFormat::pf32bit, TPixelFormat::pfDevice};

// Mostly near the bitmap, sometimes far outside, sometimes at the extremes of the type.
int RandomCoordinate(std::mt19937& random, int size) {
    switch (random() % 8) {
    case 0:
        return int(random() % 2000001) - 1000000;
    case 1:
        return random() % 2 ? INT32_MAX : INT32_MIN;
    default:
        return int(random() % unsigned(size * 3)) - size;
    }
}

TPoint RandomPoint(std::mt19937& random, int width, int height) {
    return {RandomCoordinate(random, width), RandomCoordinate(random, height)};
}

} // namespace

// Random primitives through fast and canvas targets: nothing crashes and the surfaces never
// touch column 0, row 0 or the bottom row.
TEST(RasterFuzz, RandomPrimitivesStayInsideTheirBounds) {
    std::mt19937 random(1234);
    const TBrushStyle styles[] = {TBrushStyle::bsSolid, TBrushStyle::bsClear,
                                  TBrushStyle::bsDiagCross};
    for (TPixelFormat format : AllFormats)
        for (int size = 1; size <= 13; size += 3) {
            TBitmap bitmap(size + 1, size, format);
            TDrawObject target = TDrawObject::CreateFromBitmap(bitmap);
            std::vector<TPoint> points;
            for (int round = 0; round < 300; ++round) {
                target.Canvas().Pen.Colour = RGB(255, int(random() % 256), 0);
                target.Canvas().Brush.Colour = RGB(0, int(random() % 256), 255);
                target.Canvas().Brush.Style = styles[random() % 3];
                points.resize(random() % 9);
                for (TPoint& p : points)
                    p = RandomPoint(random, size + 1, size);
                const TPoint a = RandomPoint(random, size + 1, size);
                const TPoint b = RandomPoint(random, size + 1, size);
                switch (round % 7) {
                case 0:
                    target.Polygon(points.data(), int(points.size()) - 1);
                    break;
                case 1:
                    target.Polyline(points.data(), int(points.size()) - 1);
                    break;
                case 2:
                    target.Line(a.X, a.Y, b.X, b.Y);
                    break;
                case 3:
                    target.Rectangle(a.X, a.Y, b.X, b.Y);
                    break;
                case 4:
                    // The canvas operations may use the surfaces' excluded edges.
                    if (!target.FastSurface())
                        target.Ellipse(a.X, a.Y, b.X, b.Y);
                    break;
                case 5:
                    if (!target.FastSurface()) {
                        target.FillRect({a.X, a.Y, b.X, b.Y});
                        target.FrameRect({b.X, a.Y, a.X, b.Y});
                    }
                    break;
                default:
                    if (!target.FastSurface()) {
                        target.StretchDraw({a.X, a.Y, b.X, b.Y}, bitmap);
                        target.Draw(a.X, b.Y, bitmap);
                        target.CopyRect({a.X, b.Y, b.X, a.Y}, target.Canvas(),
                                        {b.X, b.Y, a.X, a.Y});
                    }
                    break;
                }
                if (!target.FastSurface())
                    continue;
                for (int x = 0; x < bitmap.Width(); ++x) {
                    ASSERT_EQ(bitmap.Pixel(x, 0), 0u);
                    ASSERT_EQ(bitmap.Pixel(x, size - 1), 0u);
                }
                for (int y = 0; y < size; ++y)
                    ASSERT_EQ(bitmap.Pixel(0, y), 0u);
            }
        }
}
