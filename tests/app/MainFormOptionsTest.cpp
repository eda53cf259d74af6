#include "GuiTest.h"
#include "base/Error.h"
#include "support/Bricks.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
const TBlock& Baseplate(const TMainForm& form) {
    for (int i = 0; i < form.Model.Count(); ++i)
        if (form.Model[i].Baseplate)
            return form.Model[i];
    throw TError("no baseplate");
}
} // namespace

TEST(MainFormOptions, WireframeHidesStudsDetailAndShadingAndPutsThemBack) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->miShading->trigger();
    form->miMostDetail->trigger();
    ASSERT_TRUE(form->Context.Shading);
    form->btnWireFrame->click();
    EXPECT_TRUE(form->Context.WireFrame);
    EXPECT_TRUE(form->btnStuds->isChecked());
    EXPECT_FALSE(form->miShading->isChecked());
    EXPECT_EQ(form->Context.DetailLevel, 0);
    form->btnWireFrame->click();
    EXPECT_FALSE(form->btnStuds->isChecked());
    EXPECT_TRUE(form->miShading->isChecked());
    EXPECT_TRUE(form->miMostDetail->isChecked());

    // A detail entry switches wireframe off.
    form->btnWireFrame->click();
    form->miMoreDetail->trigger();
    EXPECT_FALSE(form->btnWireFrame->isChecked());
    EXPECT_EQ(form->Context.DetailLevel, 1);
}

TEST(MainFormOptions, StudEntriesAndBitDepthsKeepTheirMarks) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->Nostuds2->trigger();
    EXPECT_TRUE(form->btnStuds->isChecked());
    EXPECT_TRUE(form->Context.StudsHidden);
    form->BetterStuds2->trigger();
    EXPECT_FALSE(form->btnStuds->isChecked());
    EXPECT_EQ(form->Context.StudStyle, 1);

    form->pf16bit1->trigger();
    form->miAntiAlias->trigger();
    EXPECT_TRUE(form->pf32bit1->isChecked());
    EXPECT_TRUE(form->miAntiAlias->isChecked());
    EXPECT_EQ(form->BitDepth, 4);
    form->pf16bit1->trigger();
    EXPECT_FALSE(form->miAntiAlias->isChecked());
    EXPECT_EQ(form->BitDepth, 2);
}

// The scene options' tests hold the sizes, levels and refusals; here the boxes, the button and
// the slider reach them.
TEST(MainFormOptions, BaseplateSizeBoxes) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->show();
    form->BSizeX->setText("15");
    QTest::keyClick(form->BSizeX, Qt::Key_Return);
    EXPECT_EQ(Baseplate(*form).SX, 300);
    form->ThickBase->click();
    EXPECT_EQ(Baseplate(*form).SZ, 24);
    // Unlike the core's field-by-field reading, the window changes nothing on a bad box.
    form->BSizeX->setText("20");
    form->BSizeY->setText("wide");
    EXPECT_THROW(form->BSizeXKeyPress(), TError);
    EXPECT_EQ(Baseplate(*form).X, -140);
    EXPECT_EQ(Baseplate(*form).SX, 300);
}

TEST(MainFormOptions, ZCutOffStepsThroughTheLevels) {
    auto form = NewForm(TestFolder() + "s.ini");
    EXPECT_EQ(form->lblZLiftOff->text(), "19999");
    form->Model.Add(MakeBrick('B', 0, 0, 0, 40, 40, 24, 255, true));
    form->ZLiftOff->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(form->Context.Boundary.ZHigh, 24);
    EXPECT_EQ(form->ZLiftOff->value(), 24);
    form->ZLiftOff->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(form->lblZLiftOff->text(), "0");
}
