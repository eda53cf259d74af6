#include "raster/Canvas.h"

#include "base/Error.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "raster/RasterTestSupport.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr TColour Pen = RGB(255, 0, 0);
constexpr TColour Brush = RGB(0, 0, 255);
const std::map<TColour, char> Legend = {{0, '.'}, {Pen, 'P'}, {Brush, 'B'}};

} // namespace

TEST(Canvas, RectanglesExcludeTheirRightAndBottomEdges) {
    TBitmap bitmap(7, 6);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Colour = Pen;
    canvas.Brush.Colour = Brush;
    canvas.Rectangle(0, 0, 5, 4);
    canvas.FillRect({5, 4, 9, 9});
    canvas.Brush.Colour = Pen;
    canvas.FrameRect({4, 1, 4, 3});
    EXPECT_EQ(Picture(bitmap, Legend), (std::vector<std::string>{
                                           "PPPPP..",
                                           "PBBBP..",
                                           "PBBBP..",
                                           "PPPPP..",
                                           ".....BB",
                                           ".....BB",
                                       }));
}

TEST(Canvas, LinesReachTheBitmapEdges) {
    TBitmap bitmap(5, 4);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Colour = Pen;
    canvas.MoveTo(-3, 0);
    canvas.LineTo(9, 0);
    const TPoint corner[] = {{4, 0}, {4, 3}, {0, 3}};
    canvas.Polyline(corner, 2);
    EXPECT_EQ(canvas.PenPos, (TPoint{9, 0}));
    EXPECT_EQ(Picture(bitmap, Legend), (std::vector<std::string>{
                                           "PPPPP",
                                           "....P",
                                           "....P",
                                           "PPPPP",
                                       }));
}

TEST(Canvas, EllipseIsSymmetricAndInsideItsBox) {
    TBitmap bitmap(12, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Colour = Pen;
    canvas.Brush.Colour = Brush;
    canvas.Ellipse(1, 1, 11, 8);
    const auto picture = Picture(bitmap, Legend);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inBox = x >= 1 && x < 11 && y >= 1 && y < 8;
            if (!inBox) {
                EXPECT_EQ(picture[y][x], '.') << x << "," << y;
            }
            EXPECT_EQ(picture[y][x], picture[y][11 - x]) << x << "," << y;
            if (y >= 1 && y < 8) {
                EXPECT_EQ(picture[y][x], picture[8 - y][x]) << x << "," << y;
            }
        }
    EXPECT_EQ(picture[4][1], 'P');
    EXPECT_EQ(picture[4][5], 'B');
    EXPECT_EQ(picture[1][5], 'P');
    EXPECT_EQ(picture[1][1], '.');
    // Every interior pixel is enclosed: its left and right neighbours are never background.
    for (int y = 1; y < 8; ++y)
        for (int x = 1; x < 11; ++x)
            if (picture[y][x] == 'B') {
                EXPECT_TRUE(picture[y][x - 1] != '.' && picture[y][x + 1] != '.');
            }
}

TEST(Canvas, TransparencyBrushBlendsWhereTheFormatAllows) {
    const TColour back = RGB(100, 100, 100);
    for (TPixelFormat format : {TPixelFormat::pf32bit, TPixelFormat::pf24bit}) {
        TBitmap bitmap(12, 12, format);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Brush.Colour = back;
        canvas.FillRect({0, 0, 12, 12});
        canvas.Brush.Colour = RGB(200, 0, 0);
        canvas.Pen.Colour = RGB(0, 0, 200);
        canvas.Brush.Style = TBrushStyle::bsDiagCross;
        canvas.Ellipse(0, 0, 12, 12);
        EXPECT_EQ(bitmap.Pixel(6, 6), RGB(150, 50, 50));
        EXPECT_EQ(bitmap.Pixel(0, 6), RGB(50, 50, 150));
        EXPECT_EQ(bitmap.Pixel(0, 0), back);
    }
}

TEST(Canvas, TransparencyBrushHatchesEightBitAndDeviceBitmaps) {
    for (TPixelFormat format : {TPixelFormat::pf8bit, TPixelFormat::pfDevice}) {
        TBitmap bitmap(20, 20, format);
        TDrawObject target = TDrawObject::CreateFromBitmap(bitmap);
        ASSERT_EQ(target.FastSurface(), nullptr);
        target.Canvas().Brush.Colour = RGB(255, 255, 255);
        target.Canvas().Brush.Style = TBrushStyle::bsDiagCross;
        target.FillRect({0, 0, 20, 20});
        int hatched = 0;
        for (int y = 0; y < 19; ++y)
            for (int x = 0; x < 19; ++x) {
                const TColour pixel = bitmap.Pixel(x, y);
                ASSERT_TRUE(pixel == 0 || pixel == RGB(255, 255, 255));
                if (pixel != 0) {
                    ++hatched;
                    const bool diagonal =
                        bitmap.Pixel(x + 1, y + 1) != 0 || bitmap.Pixel(x - 1, y + 1) != 0 ||
                        bitmap.Pixel(x + 1, y - 1) != 0 || bitmap.Pixel(x - 1, y - 1) != 0;
                    EXPECT_TRUE(diagonal) << x << "," << y;
                }
            }
        EXPECT_GT(hatched, 40);
        EXPECT_LT(hatched, 200);
    }
}

TEST(Canvas, CopiesConvertPixelFormats) {
    TBitmap source(2, 1, TPixelFormat::pf16bit);
    uint16_t words[2] = {uint16_t(16 << 11 | 32 << 5 | 31), 0xFFFF};
    std::memcpy(source.ScanLine(0), words, 4);
    TBitmap target(4, 3);
    target.Canvas().Draw(1, 1, source);
    EXPECT_EQ(target.Pixel(1, 1), RGB(132, 130, 255));
    EXPECT_EQ(target.Pixel(2, 1), RGB(255, 255, 255));
    EXPECT_EQ(target.Pixel(0, 1), 0u);

    target.Canvas().StretchDraw({0, 0, 4, 3}, source);
    EXPECT_EQ(target.Pixel(1, 2), RGB(132, 130, 255));
    EXPECT_EQ(target.Pixel(2, 0), RGB(255, 255, 255));

    // Reaching outside either bitmap copies what overlaps and nothing else.
    TBitmap small(3, 3);
    small.Canvas().CopyRect({-1, -1, 2, 2}, target.Canvas(), {2, 0, 5, 3});
    EXPECT_EQ(small.Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(small.Pixel(0, 1), RGB(255, 255, 255));
    EXPECT_EQ(small.Pixel(1, 0), 0u);
}

TEST(Bitmap, EightBitPixelsTakeTheFirstNearestPaletteEntry) {
    // Black is entry 0 and again the first grey of the ramp; the first one counts.
    TBitmap bitmap(1, 1, TPixelFormat::pf8bit);
    bitmap.SetPixel(0, 0, 0x000000);
    EXPECT_EQ(bitmap.ScanLine(0)[0], 0);
}

TEST(Bitmap, FormatChangesKeepTheColours) {
    TBitmap bitmap(3, 2);
    bitmap.SetPixel(0, 0, RGB(255, 255, 255));
    bitmap.SetPixel(1, 0, RGB(8, 16, 248));
    bitmap.SetPixelFormat(TPixelFormat::pf15bit);
    EXPECT_EQ(bitmap.Pitch(), 8);
    EXPECT_EQ(bitmap.Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(bitmap.Pixel(1, 0), RGB(8, 16, 255));
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    EXPECT_EQ(bitmap.Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(bitmap.Pixel(1, 0), RGB(0, 0, 255));

    bitmap.SetSize(5, 5);
    EXPECT_EQ(bitmap.Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(bitmap.Pixel(4, 4), 0u);
    EXPECT_EQ(bitmap.Pixel(-1, 0), 0u);
    EXPECT_THROW(bitmap.SetSize(-1, 5), TError);
    EXPECT_THROW(bitmap.SetSize(100000, 100000), TError);
}
