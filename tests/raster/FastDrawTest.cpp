#include "raster/FastDraw.h"

#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/RasterTestSupport.h"
#include "support/Pixels.h"
#include "support/ReferenceFile.h"

#include <gtest/gtest.h>

namespace {

constexpr TColour Pen = RGB(255, 0, 0);
constexpr TColour Brush = RGB(0, 0, 255);
const std::map<TColour, char> Legend = {{0, '.'}, {Pen, 'P'}, {Brush, 'B'}};

struct Surface32 {
    TBitmap Bitmap{10, 8};
    TFastDraw32 Surface{Bitmap};
    Surface32() {
        Bitmap.Canvas().Pen.Colour = Pen;
        Bitmap.Canvas().Brush.Colour = Brush;
    }
};

} // namespace

// The surface's rules drawn on a 10 x 8 bitmap, pen 'P' and brush 'B', each picture checked by
// hand when its reference was made.
TEST(FastDraw, HandWorkedPictures) {
    const struct {
        const char* Rule;
        void (*Draw)(Surface32&);
    } cases[] = {
        {"the clip excludes column 0, row 0 and the bottom row",
         [](Surface32& s) { s.Surface.Rectangle(-100, -100, 100, 100); }},
        {"the minor axis steps only above zero and lines walk from their start",
         [](Surface32& s) {
             s.Surface.DrawLine({1, 1}, {5, 3});
             s.Bitmap.Canvas().Pen.Colour = Brush;
             s.Surface.DrawLine({5, 3}, {1, 5});
         }},
        // Left ends move to (1, 3): floor(4/8 * 4 + 1), and (1, 2): floor(-3/8 * 3 + 4).
        {"lines clip with the floor of the original slope",
         [](Surface32& s) {
             s.Surface.DrawLine({-3, 1}, {5, 5});
             s.Bitmap.Canvas().Pen.Colour = Brush;
             s.Surface.DrawLine({-2, 4}, {6, 1});
         }},
        {"lines on the excluded edges draw nothing",
         [](Surface32& s) {
             s.Surface.DrawLine({2, 0}, {8, 0});
             s.Surface.DrawLine({2, 7}, {8, 7});
             s.Surface.DrawLine({0, 1}, {0, 6});
             s.Surface.DrawLine({-5, -5}, {-1, 20});
             s.Surface.DrawLine({9, 1}, {9, 6});
         }},
        {"polygons fill by the edge table and outline in the pen",
         [](Surface32& s) {
             const TPoint triangle[] = {{2, 1}, {7, 1}, {2, 6}};
             s.Surface.Polygon(triangle, 2);
         }},
        {"a polygon straddling the top starts with interpolated edges",
         [](Surface32& s) {
             s.Bitmap.Canvas().Pen.Colour = Brush;
             const TPoint triangle[] = {{4, -4}, {8, 4}, {0, 4}};
             s.Surface.Polygon(triangle, 2);
         }},
    };
    std::string pictures;
    for (const auto& c : cases) {
        Surface32 s;
        c.Draw(s);
        pictures += std::string("# ") + c.Rule + "\n";
        for (const std::string& row : Picture(s.Bitmap, Legend))
            pictures += row + "\n";
    }
    EXPECT_TRUE(MatchesReferenceText(pictures, "raster/fast-draw-rules.txt"));
    Surface32 s;
    const TPoint triangle[] = {{2, 1}, {7, 1}, {2, 6}};
    s.Surface.Polygon(triangle, 2);
    EXPECT_EQ(s.Bitmap.Canvas().PenPos, (TPoint{2, 6}));
}

TEST(FastDraw, ClippedEndOutsideTheBitmapIsNeverWritten) {
    // The end point comes out at (-2, 14) after clipping; only (1, 14) lies inside.
    TBitmap bitmap(20, 16);
    TFastDraw32 surface(bitmap);
    bitmap.Canvas().Pen.Colour = Pen;
    surface.Line(-29, 12, 12, 15);
    EXPECT_EQ(PixelsOfColour(bitmap, Pen), 1);
    EXPECT_EQ(bitmap.Pixel(1, 14), Pen);
    EXPECT_EQ(bitmap.Canvas().PenPos, (TPoint{-2, 14}));
}

TEST(FastDraw, PolygonEdgeCases) {
    Surface32 s;
    const TPoint above[] = {{1, -9}, {8, -9}, {5, -2}};
    s.Surface.Polygon(above, 2);
    const TPoint far[] = {{-2000000000, -2000000000}, {2000000000, 5}, {3, 2000000000}};
    s.Bitmap.Canvas().Brush.Style = TBrushStyle::bsClear;
    s.Surface.Polygon(far, 2);
    EXPECT_EQ(PixelsOfColour(s.Bitmap, 0), 10 * 8);

    // Two points: only the outline, there and back.
    s.Bitmap.Canvas().Brush.Style = TBrushStyle::bsSolid;
    const TPoint pair[] = {{2, 2}, {4, 2}};
    s.Surface.Polygon(pair, 1);
    EXPECT_EQ(s.Bitmap.Pixel(3, 2), Pen);
    EXPECT_EQ(s.Bitmap.Canvas().PenPos, (TPoint{4, 2}));

    // A polygon with a zero-height part and repeated points fills like the plain one.
    Surface32 plain, repeated;
    const TPoint square[] = {{2, 2}, {6, 2}, {6, 5}, {2, 5}};
    const TPoint squareRepeated[] = {{2, 2}, {4, 2}, {4, 2}, {6, 2}, {6, 5}, {2, 5}, {2, 5}};
    plain.Surface.Polygon(square, 3);
    repeated.Surface.Polygon(squareRepeated, 6);
    EXPECT_EQ(Picture(plain.Bitmap, Legend), Picture(repeated.Bitmap, Legend));
}

TEST(FastDraw, PolylineAndPenPosition) {
    Surface32 s;
    const TPoint single[] = {{3, 3}};
    s.Surface.Polyline(single, 0);
    EXPECT_EQ(s.Bitmap.Pixel(3, 3), 0u);
    EXPECT_EQ(s.Bitmap.Canvas().PenPos, (TPoint{3, 3}));

    s.Surface.Line(2, 2, 20, 2);
    EXPECT_EQ(s.Bitmap.Canvas().PenPos, (TPoint{9, 2}));
    EXPECT_EQ(s.Bitmap.Pixel(9, 2), Pen);

    s.Surface.MoveTo(1, 5);
    s.Surface.LineTo(3, 5);
    EXPECT_EQ(s.Bitmap.Pixel(1, 5), Pen);
    EXPECT_EQ(s.Bitmap.Pixel(3, 5), Pen);
    EXPECT_EQ(s.Bitmap.Canvas().PenPos, (TPoint{3, 5}));
}
