#include "GuiTest.h"
#include "app/view/ViewBox.h"

#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
void Wheel(QWidget* target, int delta) {
    QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent e(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}
} // namespace

// The view controls' tests hold the numbers; here each button, bar and the wheel reach them.
TEST(MainFormView, ButtonsBarsAndWheelMoveTheView) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->show();
    form->btnRotLeft->click();
    EXPECT_EQ(form->RotZ->value(), 25);
    form->btnRotUp->click();
    EXPECT_EQ(form->Controls.RotX.Position, 75);
    form->FixedViews[2]->click(); // from right
    EXPECT_EQ(form->Controls.RotZ.Position, 270);
    Wheel(form->PaintBox1, -120);
    EXPECT_EQ(form->ScaleBar->value(), 9);
    form->btnZoomIn->click();
    EXPECT_EQ(form->Controls.ScaleBar.Position, 8);
    form->OffsetX->setValue(100);
    EXPECT_EQ(form->Controls.OffsetX.Position, 100);
    form->btnRestoreView->click();
    EXPECT_EQ(form->OffsetX->value(), 0);
}

TEST(MainFormView, RotateButtonsRepeatWhileHeld) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->show();
    QTest::mousePress(form->btnRotRight, Qt::LeftButton);
    QTest::qWait(form->btnRotRight->autoRepeatDelay() +
                 3 * form->btnRotRight->autoRepeatInterval());
    QTest::mouseRelease(form->btnRotRight, Qt::LeftButton);
    EXPECT_GE(form->Controls.RotZ.Position, 40);
}

TEST(MainFormView, CentreMovesTheModelToTheMiddle) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->show();
    QTest::qWaitForWindowExposed(form.get());
    // Only the baseplate: its centre (0, 0, -4) goes to the middle of the view box.
    form->OffsetX->setValue(300);
    form->btnCenter->click();
    TPoint centre = ProjectPoint(form->Context.View, 0, 0, -4);
    EXPECT_NEAR(centre.X, form->PaintBox1->width() / 2, 1);
    EXPECT_NEAR(centre.Y, form->PaintBox1->height() / 2, 1);
}

namespace {
TColour PlainColour(int32_t c) {
    return TColour(c) & 0xFFFFFF;
}

std::vector<uint8_t> Pixels(const TBitmap& bitmap) {
    std::vector<uint8_t> all;
    for (int y = 0; y < bitmap.Height(); ++y)
        all.insert(all.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.Pitch());
    return all;
}
} // namespace

TEST(MainFormView, TheViewBoxShowsTheRenderedFrame) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->RedrawPicture();
    const TBitmap& frame = form->ViewBitmap;
    ASSERT_EQ(frame.Width(), form->PaintBox1->width());
    ASSERT_EQ(frame.Height(), form->PaintBox1->height());
    // The baseplate covers the view's centre; a corner shows the background.
    TPoint centre = ProjectPoint(form->Context.View, 0, 0, 0);
    EXPECT_NE(frame.Pixel(centre.X, centre.Y), PlainColour(form->Background));
    EXPECT_EQ(frame.Pixel(1, 1), PlainColour(form->Background));

    // What is on the screen is the frame.
    QImage shown = form->PaintBox1->grab().toImage();
    EXPECT_EQ(shown.pixelColor(centre.X, centre.Y).red(), RedOf(frame.Pixel(centre.X, centre.Y)));

    std::vector<uint8_t> before = Pixels(frame);
    form->btnRotLeft->click();
    EXPECT_NE(Pixels(frame), before);
    form->btnRotRight->click();
    EXPECT_EQ(Pixels(frame), before);

    // A right click on a swatch makes its colour the background.
    form->Edit7MouseDown(11, true);
    EXPECT_EQ(frame.Pixel(1, 1), PlainColour(form->SwatchColour(11)));
}
