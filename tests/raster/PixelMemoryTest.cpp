#include "raster/Bitmap.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

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
