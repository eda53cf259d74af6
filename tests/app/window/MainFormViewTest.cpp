// The view controls' tests hold the numbers, the buttons' wrapping too; here each button, key,
// bar and the wheel reach them, and the view box shows the frame they make.
#include "app/GuiTest.h"
#include "app/widgets/FrameImage.h"

TEST_F(FormTest, ButtonsAndKeysTurnTheViewAndWrapDifferently) {
    auto rotX = [&] { return Form->Controls.RotX.Position; };
    auto rotZ = [&] { return Form->Controls.RotZ.Position; };
    // What is used, from which azimuth, the angle it changes and that angle after.
    const std::tuple<const char*, int, std::function<void()>, std::function<int()>, int> cases[] = {
        {"left button", 30, [&] { Form->btnRotLeft->click(); }, rotZ, 25},
        {"up button", 30, [&] { Form->btnRotUp->click(); }, rotX, 75},
        {"from right", 30, [&] { Form->FixedViews[2]->click(); }, rotZ, 270},
        {"F3", 30, [&] { Key(Qt::Key_F3); }, rotZ, 270},
        {"Ctrl+Up", 30, [&] { Key(Qt::Key_Up, Qt::ControlModifier); }, rotX, 75},
        {"Ctrl+Left at 0", 0, [&] { Key(Qt::Key_Left, Qt::ControlModifier); }, rotZ, 360},
        {"Ctrl+Right at 360", 360, [&] { Key(Qt::Key_Right, Qt::ControlModifier); }, rotZ, 0},
        {"right button at 360", 360, [&] { Form->btnRotRight->click(); }, rotZ, 5},
    };
    for (const auto& [what, fromZ, act, angle, expected] : cases) {
        Form->SetViewAngles(70, fromZ);
        act();
        EXPECT_EQ(angle(), expected) << what;
    }
    EXPECT_EQ(Form->RotZ->value(), 5); // the bar follows
}

TEST_F(FormTest, WheelZoomsOverTheViewTheOffsetBarsAndTheCornerButton) {
    int offsetX = Form->OffsetX->value(), offsetY = Form->OffsetY->value(),
        scale = Form->Controls.ScaleBar.Position;
    for (QWidget* target : std::initializer_list<QWidget*>{Form->PaintBox1, Form->OffsetX,
                                                           Form->OffsetY, Form->btnCenter}) {
        Wheel(target, -120);
        EXPECT_EQ(Form->Controls.ScaleBar.Position, --scale) << target->objectName().toStdString();
    }
    EXPECT_EQ(Form->ScaleBar->value(), scale);
    Wheel(Form->OffsetY, 120);
    Form->btnZoomIn->click();
    EXPECT_EQ((std::array{Form->Controls.ScaleBar.Position, Form->OffsetX->value(),
                          Form->OffsetY->value()}),
              (std::array{scale, offsetX, offsetY}));

    Form->OffsetX->setValue(100);
    EXPECT_EQ(Form->Controls.OffsetX.Position, 100);
    Form->btnRestoreView->click();
    EXPECT_EQ(Form->OffsetX->value(), 0);
}

TEST_F(FormTest, TheViewBoxShowsTheRenderedFrameCentredAndTimed) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    Form->RedrawPicture();
    TBitmap& frame = Form->Frame.Bitmap;
    ASSERT_EQ(QSize(frame.Width(), frame.Height()), View().size());
    // The baseplate covers the view's centre; a corner shows the background.
    QPoint centre = Pixel(0, 0, 0);
    EXPECT_NE(frame.Pixel(centre.x(), centre.y()), TColour(Form->Colours.Background) & 0xFFFFFF);
    EXPECT_EQ(frame.Pixel(1, 1), TColour(Form->Colours.Background) & 0xFFFFFF);

    QImage before = FrameImage(frame).copy();
    Form->btnRotLeft->click();
    EXPECT_NE(FrameImage(frame), before);
    Form->btnRotRight->click();
    EXPECT_EQ(FrameImage(frame), before);

    // Only the baseplate: Centre puts its centre (0, 0, -4) in the middle of the view box.
    Form->OffsetX->setValue(300);
    Form->btnCenter->click();
    QPoint off = Pixel(0, 0, -4) - QPoint(View().width() / 2, View().height() / 2);
    EXPECT_LE(std::max(std::abs(off.x()), std::abs(off.y())), 1);

    Form->miTiming->trigger();
    Form->RedrawPicture();
    EXPECT_EQ(Form->windowTitle(), QString::number(Form->Frame.LastMilliseconds));
}
