#include "raster/Canvas.h"

#include "base/Error.h"
#include "raster/Bitmap.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

TEST(Bitmap, EightBitPixelsTakeTheFirstNearestPaletteEntry) {
    // Black is entry 0 and again the first grey of the ramp; the first one counts.
    TBitmap bitmap(1, 1, TPixelFormat::pf8bit);
    bitmap.SetPixel(0, 0, 0x000000);
    EXPECT_EQ(bitmap.ScanLine(0)[0], 0);
    // A near entry first does not stop the search for an exact one further on.
    TPalette palette = bitmap.Palette();
    palette[0] = RGB(10, 20, 31);
    palette[9] = RGB(10, 20, 30);
    bitmap.SetPalette(palette);
    bitmap.SetPixel(0, 0, RGB(10, 20, 30));
    EXPECT_EQ(bitmap.ScanLine(0)[0], 9);
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

TEST(Bitmap, PixelsOutsideAreNeitherWrittenNorRead) {
    // One coordinate out at a time, on each side, in a bitmap whose every pixel is set: a
    // stray write would land in a neighbouring row or outside the memory.
    for (TPixelFormat format :
         {TPixelFormat::pf8bit, TPixelFormat::pf16bit, TPixelFormat::pf32bit}) {
        TBitmap bitmap(4, 3, format);
        bitmap.Canvas().Brush.Colour = RGB(255, 255, 255);
        bitmap.Canvas().FillRect({0, 0, 4, 3});
        for (TPoint at : {TPoint{-1, 1}, TPoint{4, 1}, TPoint{1, -1}, TPoint{1, 3}, TPoint{-1, -1},
                          TPoint{4, 3}}) {
            bitmap.SetPixel(at.X, at.Y, 0x000000);
            EXPECT_EQ(bitmap.Pixel(at.X, at.Y), 0u) << at.X << "," << at.Y;
        }
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(bitmap.Pixel(x, y), RGB(255, 255, 255)) << x << "," << y;
    }
}

namespace {

bool AllZero(const TBitmap& bitmap) {
    std::vector<uint8_t> zero(size_t(bitmap.Pitch()), 0);
    for (int y = 0; y < bitmap.Height(); ++y)
        if (std::memcmp(bitmap.ScanLine(y), zero.data(), zero.size()) != 0)
            return false;
    return true;
}

} // namespace

// Small bitmaps and those mapped from the system in huge pages behave alike.
TEST(PixelMemory, FreshGrownCopiedAndConvertedBitmapsKeepTheirPixels) {
    for (int width : {5, 300, 1920}) {
        TBitmap bitmap(width, 1080);
        EXPECT_TRUE(AllZero(bitmap)) << width; // new pixels are black

        bitmap.SetPixel(width - 1, 1079, 0x123456);
        bitmap.SetPixel(0, 0, 0xABCDEF);
        TBitmap copy;
        copy.Assign(bitmap);
        bitmap.SetPixel(0, 0, 0x000001);
        EXPECT_EQ(copy.Pixel(0, 0), 0xABCDEF) << width; // the copy has memory of its own
        EXPECT_EQ(copy.Pixel(width - 1, 1079), 0x123456) << width;

        copy.SetSize(width + 700, 1300);
        EXPECT_EQ(copy.Pixel(width - 1, 1079), 0x123456) << width;
        EXPECT_EQ(copy.Pixel(width + 699, 1299), 0) << width;
        copy.SetPixelFormat(TPixelFormat::pf24bit);
        EXPECT_EQ(copy.Pixel(0, 0), 0xABCDEF) << width;
        EXPECT_EQ(copy.Pixel(width + 699, 1299), 0) << width;
    }
}
