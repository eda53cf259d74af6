#include "app/view/CanvasText.h"

#include "app/GuiTest.h"
#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "support/Pixels.h"

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
