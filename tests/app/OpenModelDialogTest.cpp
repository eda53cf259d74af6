#include "app/dialogs/OpenModelDialog.h"

#include "GuiTest.h"
#include "app/window/ColourSwatches.h"
#include "app/window/MainForm.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(OpenModelDialog, PreviewPictureBesideTheModel) {
    TestApp();
    std::string dir = TestFolder();
    WriteFile(dir + "a.lgo", "= 70 30 10 0 0 1 1\r\n");
    WriteFile(dir + "b.lgo", "= 70 30 10 0 0 1 1\r\n");
    QImage(30, 20, QImage::Format_RGB32).save(QString::fromStdString(dir + "a.bmp"));
    EXPECT_EQ(TOpenModelDialog::PictureFileOf(QString::fromStdString(dir + "a.lgo")),
              QString::fromStdString(dir + "a.bmp"));
    EXPECT_TRUE(TOpenModelDialog::PictureFileOf(QString::fromStdString(dir + "b.lgo")).isEmpty());

    TOpenModelDialog dialog;
    dialog.SelectionChanged(QString::fromStdString(dir + "a.lgo"));
    EXPECT_EQ(dialog.PictureLabel->text(), " (30x20)");
    EXPECT_TRUE(dialog.PreviewButton->isEnabled());
    dialog.SelectionChanged(QString::fromStdString(dir + "b.lgo"));
    EXPECT_EQ(dialog.PictureLabel->text(), "Picture:");
    EXPECT_FALSE(dialog.PreviewButton->isEnabled());
    EXPECT_TRUE(dialog.Picture.isNull());
}

TEST(OpenModelDialog, PictureFitsTheBox) {
    EXPECT_EQ(TOpenModelDialog::PictureRect({40, 20}, {100, 100}), QRect(30, 40, 40, 20));
    EXPECT_EQ(TOpenModelDialog::PictureRect({400, 200}, {100, 100}), QRect(0, 0, 100, 50));
    EXPECT_EQ(TOpenModelDialog::PictureRect({200, 400}, {100, 100}), QRect(0, 0, 50, 100));
}

TEST(ColourSwatches, TakeTheTableColoursExceptTheSixthColumn) {
    TestApp();
    TColourSwatches swatches;
    EXPECT_EQ(swatches.Swatch[0].Colour, QColor(242, 243, 242)); // White, 15
    EXPECT_EQ(swatches.Swatch[11].Colour, QColor(196, 40, 27));  // Red, 4
    EXPECT_EQ(swatches.Swatch[4].Colour, QColor(35, 71, 139));   // Purple Blue, 23
    EXPECT_EQ(swatches.Swatch[5].Colour, QColor(13, 105, 171));  // own colour, tag 1
    EXPECT_EQ(swatches.Swatch[13].Colour, QColor(40, 127, 70));  // own colour, tag 2
    EXPECT_EQ(swatches.Swatch[15].Box, QRect(129, 23, 13, 14));
    EXPECT_EQ(swatches.SwatchAt({131, 25}), 15);
    EXPECT_EQ(swatches.SwatchAt({20, 20}), -1);
}

TEST(MainFormPaint, TimingShowsTheFrameTimeInTheCaption) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->miTiming->trigger();
    form->RedrawPicture();
    EXPECT_EQ(form->windowTitle(), QString::number(form->LastFrameMilliseconds));
}

TEST(MainFormColours, LeftClickChoosesTheColourRightClickTheBackground) {
    auto form = NewForm(TestFolder() + "s.ini");
    EXPECT_EQ(form->CurrentColour, form->SwatchColour(0)); // white at start
    int32_t background = form->Background;
    QTest::mouseClick(form->Swatches, Qt::LeftButton, {}, QPoint(62, 28)); // Red
    EXPECT_EQ(form->CurrentColour, form->SwatchColour(11));
    EXPECT_EQ(form->Background, background);
    QTest::mouseClick(form->Swatches, Qt::RightButton, {}, QPoint(8, 8)); // White
    EXPECT_EQ(form->Background, form->SwatchColour(0));
    EXPECT_EQ(form->CurrentColour, form->SwatchColour(11));
    form->mRestBg->trigger();
    EXPECT_EQ(form->Background, form->ButtonFaceColour());
}
