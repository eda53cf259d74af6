#include "app/widgets/FrameImage.h"

#include "app/GuiTest.h"
#include "raster/Bitmap.h"

TEST(FrameImage, ShowsEveryPixelFormatInPlace) {
    for (TPixelFormat format : {TPixelFormat::pf8bit, TPixelFormat::pf15bit, TPixelFormat::pf16bit,
                                TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap bitmap(5, 3, format);
        bitmap.SetPixel(0, 0, RGB(255, 0, 0));
        bitmap.SetPixel(4, 2, RGB(0, 0, 255));
        bitmap.SetPixel(2, 1, RGB(255, 255, 255));
        QImage image = FrameImage(bitmap);
        ASSERT_EQ(image.size(), QSize(5, 3));
        EXPECT_EQ(image.constBits(), bitmap.ScanLine(0)); // no copy
        EXPECT_EQ(
            (std::array{image.pixelColor(0, 0), image.pixelColor(4, 2), image.pixelColor(2, 1)}),
            (std::array{QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 255)}))
            << int(format);
    }
    TBitmap empty;
    EXPECT_TRUE(FrameImage(empty).isNull());
}
