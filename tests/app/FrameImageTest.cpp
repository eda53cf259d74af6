#include "app/widgets/FrameImage.h"

#include "GuiTest.h"
#include "app/view/CanvasText.h"
#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "support/Pixels.h"

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

TEST(CanvasText, DrawsAndMeasuresWithTheWindowFonts) {
    TestApp();
    InstallCanvasTextHooks();
    TBitmap bitmap(80, 30);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush.Colour = RGB(255, 255, 255);
    canvas.FillRect({0, 0, 80, 30});
    canvas.Font.Colour = RGB(0, 0, 0);
    canvas.Font.Size = 12;
    int width = canvas.TextWidth("WWW");
    EXPECT_GT(width, canvas.TextWidth("i"));
    canvas.TextOut(2, 2, "WWW");
    EXPECT_EQ(canvas.PenPos.X, 2 + width);
    EXPECT_GT(80 * 30 - PixelsOfColour(bitmap, RGB(255, 255, 255)), 10);
}
