// The boundary window on a headless main window: the box it puts in force, its buttons and the
// Z cut-off bar beside the view.
#include "tools/CuttingDialog.h"

#include "ToolWindowFixture.h"
#include "render/CuttingBox.h"
#include "tools/SpinButton.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

namespace {
struct CuttingFixture : ToolWindowFixture {
    TDlg& Dlg() { return *form->Dlg; }
    void Open() {
        form->Boundary1->trigger();
        ASSERT_TRUE(Dlg().isVisible());
    }
    void Close() {
        form->Boundary1->trigger();
        ASSERT_FALSE(Dlg().isVisible());
    }
    bool Inside(const TBlock& b) { return InsideCut(form->Context.Boundary, b); }
    // A step of the Z cut-off bar, as the keys and the arrows make it.
    void BarStep(int by) { form->ZLiftOff->setValue(form->ZLiftOff->value() + by); }
};
using CuttingStartUp = ShownFormTest;
} // namespace

TEST_F(CuttingFixture, ShownBoxCutsOnEveryAxisAndHidingRestoresIt) {
    TBlock& partlyOut = AddBrick("2x1x3", 30, 0, 0); // X 30 to 70
    Open();
    EXPECT_TRUE(form->Boundary1->isChecked());
    Dlg().edXLeft->setValue(0);
    Dlg().edXRight->setValue(60);
    EXPECT_EQ(form->Context.Boundary.XHigh, 60);
    EXPECT_FALSE(Inside(partlyOut));
    Dlg().close(); // the window's own close hides it too
    EXPECT_FALSE(form->Boundary1->isChecked());
    EXPECT_TRUE(Inside(partlyOut));
    EXPECT_EQ(form->Context.Boundary.XHigh, 19999);
    Open();
    EXPECT_EQ(Dlg().edXRight->value(), 60); // the kept copy comes back
    EXPECT_FALSE(Inside(partlyOut));
}

TEST_F(CuttingFixture, BothMovesARowByTheGridAndAutoRedraws) {
    Open();
    Dlg().edYBack->setValue(0);
    Dlg().edYFront->setValue(40);
    Dlg().RxSpinButton2->Up->click();
    EXPECT_EQ(form->Context.Boundary.YLow, 20);
    EXPECT_EQ(form->Context.Boundary.YHigh, 60);
    form->cbResolution->setCurrentIndex(1);
    EXPECT_EQ(Dlg().edYBack->singleStep(), 10);
    EXPECT_EQ(Dlg().edZTop->singleStep(), 4);
    Dlg().RxSpinButton3->Down->click();
    EXPECT_EQ(form->Context.Boundary.ZHigh, 19995);

    Dlg().chkAutoUpdate->setChecked(true);
    QApplication::processEvents();
    int frames = form->FramesPainted;
    Dlg().edZBottom->setValue(8);
    QApplication::processEvents();
    EXPECT_GT(form->FramesPainted, frames);
    frames = form->FramesPainted;
    Dlg().btnUpdate->click();
    QApplication::processEvents();
    EXPECT_GT(form->FramesPainted, frames);
}

TEST_F(CuttingFixture, ResetTakesTheModel) {
    Open();
    AddBrick("1x1x3", 100, 40, 24);
    Dlg().BitBtn1->click(); // the baseplate and the brick
    EXPECT_EQ(form->Boundary.Current(), (TCutLimits{-160, 160, -80, 80, -8, 48}));
    EXPECT_EQ(Dlg().edZTop->value(), 48);
}

TEST_F(CuttingFixture, LiftOffBarMovesTheTopShownOrHidden) {
    AddBrick("1x1x3", 0, 0, 24); // the model's top is 48
    BarStep(-1);
    EXPECT_EQ(form->Context.Boundary.ZHigh, 48);
    BarStep(-1);
    EXPECT_EQ(form->Context.Boundary.ZHigh, 40);
    EXPECT_EQ(form->lblZLiftOff->text(), "40");
    Open();
    EXPECT_EQ(Dlg().edZTop->value(), 40);
    BarStep(1);
    EXPECT_EQ(Dlg().edZTop->value(), 48);
    Dlg().edZTop->setValue(24);
    EXPECT_EQ(form->lblZLiftOff->text(), "24");
    Close();
    // Hidden, the box cuts nothing: the bar shows the top off.
    EXPECT_EQ(form->ZLiftOff->value(), 19999);
    EXPECT_EQ(form->lblZLiftOff->text(), "19999");
    Open();
    EXPECT_EQ(form->lblZLiftOff->text(), "24");
    EXPECT_EQ(form->ZCutOff.LastPosition, 24);
}

TEST_F(CuttingStartUp, AModelLoadedAtStartSetsOnlyTheWindowsCopy) {
    WriteFile(folder + "m.lgo", "= 70 30 10 0 0 1 1\r\nB 0 0 0 20 20 24 255 1 0 0 0 0  0\r\n");
    Open("t.ini", {folder + "m.lgo"});
    ASSERT_EQ(form->Model.Count(), 1);
    EXPECT_EQ(form->Context.Boundary.ZHigh, 19999);
    form->Boundary1->trigger();
    EXPECT_EQ(form->Dlg->edZTop->value(), 24);
}
