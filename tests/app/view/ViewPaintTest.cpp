// The view's paint keeps its scratch pictures from frame to frame and shows the same pixels as
// a frame rendered afresh.
#include "app/GuiTest.h"
#include "app/view/Rgb32Frame.h"
#include "app/widgets/FrameImage.h"
#include "render/Scene.h"
#include "support/Pixels.h"

namespace {

// Every pixel a different colour, so a conversion that loses or shifts bits shows.
void FillGradient(TBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            bitmap.SetPixel(x, y, RGB(x * 7, y * 23, (x + y) * 5));
}

QSize SizeOf(const TBitmap& bitmap) {
    return {bitmap.Width(), bitmap.Height()};
}

using ViewPaintFixture = FormTest;

} // namespace

// Every depth converts as Qt does, and the conversion is kept until invalidated; a 32-bit frame
// is used as it is, and a new size converts again.
TEST(Rgb32Frame, ConvertsEveryDepthAsQtDoesAndKeepsTheConversionUntilInvalidated) {
    for (TPixelFormat format : {TPixelFormat::pf8bit, TPixelFormat::pf15bit, TPixelFormat::pf16bit,
                                TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap bitmap(37, 11, format);
        FillGradient(bitmap);
        QImage frame = FrameImage(bitmap);
        TRgb32Frame kept;
        const QImage& converted = kept.Of(frame);
        ASSERT_EQ(converted.format(), QImage::Format_RGB32);
        EXPECT_EQ(converted, frame.convertToFormat(QImage::Format_RGB32)) << int(format);
        if (format == TPixelFormat::pf32bit) {
            EXPECT_EQ(converted.constBits(), frame.constBits());
            continue;
        }
        const uchar* bits = converted.constBits();
        // A hand move between frames reuses the conversion; a new frame converts again into
        // the same pixels' memory, a new size into new memory.
        bitmap.SetPixel(3, 4, RGB(255, 255, 255));
        EXPECT_NE(kept.Of(frame).pixel(3, 4), qRgb(255, 255, 255)) << int(format);
        kept.Invalidate();
        EXPECT_EQ(kept.Of(frame).pixel(3, 4), qRgb(255, 255, 255)) << int(format);
        EXPECT_EQ(kept.Of(frame).constBits(), bits) << int(format);
        bitmap.SetSize(50, 20); // keeps the old rows, new ones are blank
        QImage grown = FrameImage(bitmap);
        EXPECT_EQ(kept.Of(grown), grown.convertToFormat(QImage::Format_RGB32)) << int(format);
    }
}

TEST_F(ViewPaintFixture, AntiAliasedFramesReuseTheDoubleSizeRenderAndShowTheSamePixels) {
    AddBrick("2x4x3", 0, 0, 0);
    Form->miAntiAlias->trigger();
    Form->RedrawPicture();
    const TBitmap& frame = Form->Frame.Bitmap;
    ASSERT_EQ(SizeOf(Form->Frame.Supersampled), 2 * SizeOf(frame));
    const uint8_t* kept = Form->Frame.Supersampled.ScanLine(0);

    Form->btnRotLeft->click();
    EXPECT_EQ(Form->Frame.Supersampled.ScanLine(0), kept);
    TBitmap fresh(frame.Width(), frame.Height());
    RenderAntiAliased(Form->Model, fresh, Form->Context,
                      {TColour(Form->Colours.Background), nullptr});
    EXPECT_EQ(DifferingPixels(frame, fresh), 0);
    EXPECT_EQ(View().grab().toImage().convertToFormat(QImage::Format_RGB32),
              FrameImage(fresh).convertToFormat(QImage::Format_RGB32));

    // A new size gets a new double-size render; turning anti-aliasing off gives its memory back.
    Form->resize(Form->width() + 40, Form->height() + 30);
    QApplication::processEvents();
    Form->RedrawPicture();
    EXPECT_EQ(SizeOf(Form->Frame.Supersampled), 2 * SizeOf(Form->Frame.Bitmap));
    Form->miAntiAlias->trigger();
    Form->RedrawPicture();
    EXPECT_TRUE(Form->Frame.Supersampled.Empty());
}
