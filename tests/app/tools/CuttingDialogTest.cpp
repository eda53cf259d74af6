// The boundary window on a headless main window: the box it puts in force, its buttons and the
// Z cut-off bar beside the view.
#include "app/tools/CuttingDialog.h"

#include "app/GuiTest.h"
#include "render/CuttingBox.h"

namespace {
struct CuttingFixture : FormTest {
    TDlg& Dlg() { return *Form->Tools.Dlg; }
    void Toggle(bool shown) {
        Form->Boundary1->trigger();
        ASSERT_EQ(Dlg().isVisible(), shown);
    }
    bool Inside(const TBlock& b) { return InsideCut(Form->Context.Boundary, b); }
    // A step of the Z cut-off bar, as the keys and the arrows make it.
    void BarStep(int by) { Form->ZLiftOff->setValue(Form->ZLiftOff->value() + by); }
};
} // namespace

TEST_F(CuttingFixture, ShownBoxCutsAndHidingRestoresIt) {
    TBlock& partlyOut = AddBrick("2x1x3", 30, 0, 0); // X 30 to 70
    Toggle(true);
    EXPECT_TRUE(Form->Boundary1->isChecked());
    Dlg().edXLeft->setValue(0);
    Dlg().edXRight->setValue(60);
    EXPECT_FALSE(Inside(partlyOut));
    Dlg().close(); // the window's own close hides it too
    EXPECT_TRUE(!Form->Boundary1->isChecked() && Inside(partlyOut));
    Toggle(true);
    // The kept copy comes back.
    EXPECT_TRUE(Dlg().edXRight->value() == 60 && !Inside(partlyOut));
}

// The bar's steps are the cut-off's own tests; here the bar, its label and the window's top
// field follow one another.
TEST_F(CuttingFixture, LiftOffBarMovesTheTopShownOrHidden) {
    AddBrick("1x1x3", 0, 0, 24); // the model's top is 48
    BarStep(-1);
    BarStep(-1);
    EXPECT_EQ(std::pair(Form->Context.Boundary.ZHigh, Form->lblZLiftOff->text()),
              std::pair(40, QString("40")));
    Toggle(true);
    EXPECT_EQ(Dlg().edZTop->value(), 40);
    // The lower arrow is the higher level.
    Form->ZLiftOff->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Dlg().edZTop->value(), 48);
    Dlg().edZTop->setValue(24);
    EXPECT_EQ(Form->lblZLiftOff->text(), "24");
    Toggle(false);
    // Hidden, the box cuts nothing: the bar shows the top off.
    EXPECT_EQ(std::pair(Form->ZLiftOff->value(), Form->lblZLiftOff->text()),
              std::pair(19999, QString("19999")));
    Toggle(true);
    EXPECT_EQ(std::pair(Form->lblZLiftOff->text(), Form->Tools.ZCutOff.LastPosition),
              std::pair(QString("24"), 24));
}

TEST_F(ShownFormTest, AModelLoadedAtStartSetsOnlyTheCuttingWindowsCopy) {
    Open("t.ini", {WriteModel("m.lgo", "B 0 0 0 20 20 24 255 1 0 0 0 0  0\r\n")});
    ASSERT_EQ(Form->Model.Count(), 1);
    EXPECT_EQ(Form->Context.Boundary.ZHigh, 19999);
    Form->Boundary1->trigger();
    EXPECT_EQ(Form->Tools.Dlg->edZTop->value(), 24);
}

// The bar's arrows past its ends and tops typed beyond them: one step is a step, never a jump.
TEST_F(CuttingFixture, ArrowsBeyondTheBarsEndsStepAndAnEmptyModelsTopIsTheGround) {
    AddBrick("1x1x3", 0, 0, 0);
    auto arrow = [&](QAbstractSlider::SliderAction action) {
        Form->ZLiftOff->triggerAction(action);
        return Form->lblZLiftOff->text();
    };
    // The lower arrow is the higher level: it raises the top past the bar's end.
    EXPECT_EQ(arrow(QAbstractSlider::SliderSingleStepAdd), "20007");
    EXPECT_EQ(arrow(QAbstractSlider::SliderSingleStepSub), "24");
    Toggle(true);
    Dlg().edZTop->setValue(-50);
    EXPECT_EQ(arrow(QAbstractSlider::SliderSingleStepAdd), "-42");
    Dlg().edZTop->setValue(30000);
    EXPECT_EQ(arrow(QAbstractSlider::SliderSingleStepSub), "24");
    Form->Model.Clear();
    Dlg().edZTop->setValue(100);
    EXPECT_EQ(arrow(QAbstractSlider::SliderSingleStepSub), "0");
}
