// The advanced toolbox on a headless main window. The selection commands' and the mapping
// row's own tests hold what each command does; here each field and button reaches it.
#include "tools/AdvancedToolbox.h"

#include "ToolWindowFixture.h"
#include "exchange/ldraw/LDrawMap.h"
#include "tools/SpinButton.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {
struct ToolboxFixture : ToolWindowFixture {
    TAdvOptions& Box() { return *form->AdvOptions; }
    QString Position() {
        return Box().lx->text() + " " + Box().ly->text() + " " + Box().lz->text();
    }
};
} // namespace

TEST_F(ToolboxFixture, MenuEntryShowsTheBoxWithTheHandsPositionAndCloseUnchecks) {
    ASSERT_TRUE(form->Advancedtoolbox1->isEnabled());
    form->Advancedtoolbox1->trigger();
    EXPECT_TRUE(Box().isVisible());
    EXPECT_EQ(Box().windowTitle(), "Advanced toolbox");
    EXPECT_EQ(Box().pos(), QPoint(0, 52));
    EXPECT_FALSE(Box().LDrawGroup->isVisible());
    int narrow = Box().width();
    Box().spEditLDrawInfo->click();
    EXPECT_TRUE(Box().LDrawGroup->isVisible());
    EXPECT_GT(Box().width(), narrow);
    Box().spEditLDrawInfo->click();
    EXPECT_EQ(Box().width(), narrow);
    // The position shows the hand, and zero without it.
    ASSERT_TRUE(form->TakeFromPalette("2x4x3", 255));
    TBlock& hand = *form->Hand.BrickInHand;
    EXPECT_EQ(Position(), QString("%1 %2 %3").arg(hand.X).arg(hand.Y).arg(hand.Z));
    form->DropHand();
    EXPECT_EQ(Position(), "0 0 0");

    Box().spClose->click();
    EXPECT_FALSE(Box().isVisible());
    EXPECT_FALSE(form->Advancedtoolbox1->isChecked());
    form->Advancedtoolbox1->trigger();
    Box().close();
    EXPECT_FALSE(form->Advancedtoolbox1->isChecked());
}

TEST_F(ToolboxFixture, SelectionCommandsChangeOnlyTheSelectedBricks) {
    TBlock& a = AddBrick("2x4x3", 0, 0, 0, 0, true);
    TBlock& b = AddBrick("1x2x3", 100, 0, 0);
    form->ToolboxShowSelection();
    form->CurrentColour = 0x00FF00;
    bool studs = a.Studs, transparent = a.Transparent;
    Box().spStud->click();
    Box().spTransp->click();
    Box().sbColor->click();
    Box().spTurn->click();
    Box().edNewID->setText("3001");
    Box().spSetIdentity->click();
    Box().edStepNo->setText("7");
    Box().spSetStep->click();
    EXPECT_NE(a.Studs, studs);
    EXPECT_NE(a.Transparent, transparent);
    EXPECT_EQ(a.Colour, 0x00FF00);
    EXPECT_EQ(a.SX, 80);
    EXPECT_EQ(a.PartID, "3001");
    EXPECT_EQ(a.Step, 7);
    EXPECT_EQ(b.SX, 20);
    EXPECT_NE(b.Colour, 0x00FF00);
    EXPECT_NE(b.Step, 7);
    EXPECT_TRUE(form->Modified);
    // The turn left the order stale: the redraw sorted it again.
    EXPECT_EQ(form->Model.SortedOctant, form->Context.View.Octant);

    for (auto [edit, button, text] : {std::tuple{Box().edNewID, Box().spSetIdentity, "30:01"},
                                      std::tuple{Box().edStepNo, Box().spSetStep, "seven"}}) {
        edit->setText(text);
        AnswerNextMessageBox(QMessageBox::Ok);
        button->click();
        EXPECT_EQ(a.PartID, "3001") << text;
        EXPECT_EQ(a.Step, 7) << text;
    }
}

TEST_F(ToolboxFixture, SelectionRefreshFillsAndDisablesTheFields) {
    form->ToolboxShowSelection();
    EXPECT_FALSE(Box().edNewID->isEnabled());
    EXPECT_FALSE(Box().spSetStep->isEnabled());
    TBlock& a = AddBrick("2x4x3", 0, 0, 0, 0, true);
    a.PartID = "3001";
    a.Step = 4;
    form->ToolboxShowSelection();
    EXPECT_TRUE(Box().spSetIdentity->isEnabled());
    EXPECT_EQ(Box().edNewID->text(), "3001");
    EXPECT_EQ(Box().edStepNo->text(), "4");
    // A new brick takes the step shown.
    ASSERT_TRUE(form->TakeFromPalette("2x2x3", 255));
    EXPECT_EQ(form->Hand.BrickInHand->Step, 4);
}

TEST_F(ToolboxFixture, NudgesMoveByTheGridAndShowTheSmallestPosition) {
    TBlock& a = AddBrick("2x4x3", 40, 20, 0, 0, true);
    TBlock& b = AddBrick("1x2x3", 100, 0, 24, 0, true);
    Box().sz->Up->click();
    Box().sx->Down->click();
    Box().sy->Up->click();
    EXPECT_EQ(Position(), "20 20 8"); // the smallest of each, the lowest brick was at 0
    EXPECT_EQ(a.X, 20);
    EXPECT_EQ(b.Y, 20);
    form->cbResolution->setCurrentIndex(2);
    Box().sx->Up->click();
    EXPECT_EQ(a.X, 21);
}

TEST_F(ToolboxFixture, ColourButtonsReachTheModelAndTheCurrentColour) {
    TBlock& selected = AddBrick("2x4x3", 0, 0, 0, 0, true);
    TBlock& unselected = AddBrick("2x4x3", 200, 0, 0);
    selected.Colour = unselected.Colour = 0x0000FF;
    form->CurrentColour = 0x00FF00;
    Box().spReplaceColor->click();
    EXPECT_EQ(selected.Colour, 0x00FF00);
    EXPECT_EQ(unselected.Colour, 0x00FF00);

    selected.Colour = 0x123457;
    Box().spUseThisColor->click();
    EXPECT_EQ(form->CurrentColour, 0x123457);
    Box().spMatchLDRAWcolor->click();
    EXPECT_NE(selected.Colour, 0x123457);
}

TEST_F(ToolboxFixture, ShowStepSetsTheStepLimitAndRedraws) {
    EXPECT_EQ(form->Model.StepLimit, 9999);
    int frames = form->FramesPainted;
    Box().spStep->setValue(3);
    EXPECT_EQ(form->Model.StepLimit, 3);
    EXPECT_GT(form->FramesPainted, frames);
}

TEST_F(ToolboxFixture, MappingRowIsLookedUpMarkedWhileChangedAndSaved) {
    std::string table = folder + "ts2ld.lst";
    WriteFile(table, "B 2 4 3 1 16 1 2 3 1 3001.DAT 0  \r\nB 1 2 3 1 16 0 -4 0 0 3004.DAT 0  \r\n");
    TLDrawMap map(folder);
    TAdvOptions box(*form, map);
    box.spEditLDrawInfo->click();
    box.edNewID->setText("3004");
    EXPECT_TRUE(box.LDrawGroup->isEnabled());
    EXPECT_EQ(box.spYoffsetL->value(), -4);

    auto red = [](QSpinBox* s) { return s->palette().color(QPalette::Text) == QColor(255, 0, 0); };
    box.spXoffsetL->setValue(5);
    EXPECT_TRUE(red(box.spXoffsetL));
    box.spXoffsetL->setValue(0);
    EXPECT_FALSE(red(box.spXoffsetL));
    box.spXoffsetL->setValue(5);
    box.spUpdateLDraw->click();
    EXPECT_FALSE(red(box.spXoffsetL));
    EXPECT_NE(TTempFolder::Read(table).find("B 1 2 3 1 16 5 -4 0 0 3004.DAT"), std::string::npos);
}

TEST_F(ToolboxFixture, UndoAndRedoKeysShowTheSelectionOfTheModelTheyLeave) {
    form->Advancedtoolbox1->trigger();
    form->SetViewAngles(70, 30);
    auto selectable = [&] { return Box().spSetStep->isEnabled(); };

    // A placed brick, then selected: undoing the placing leaves nothing selected.
    TakeInHand("2x4x3");
    MoveTo(Pixel(47, 25));
    Click(Pixel(47, 25));
    Key(Qt::Key_Escape);
    int placed = Find("B:40:20:0:40:80:24:16777215:1:0:0:0:0::0");
    ASSERT_GE(placed, 0);
    Click(TopOf(form->Model[placed]));
    ASSERT_TRUE(selectable());
    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_LT(Find("B:40:20:0:40:80:24:16777215:1:0:0:0:0::0"), 0);
    EXPECT_FALSE(selectable());

    // A brick picked up and put back by undo, then selected: redoing the pick-up takes it away.
    TBlock& kept = AddBrick("2x2x3", -100, -60, 0);
    kept.Step = 3;
    Click(TopOf(kept), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_FALSE(form->Hand.Empty());
    Key(Qt::Key_Escape);
    Key(Qt::Key_Z, Qt::ControlModifier);
    int back = Find("B:-100:-60:0:40:40:24:16777215:1:0:0:0:0::3");
    ASSERT_GE(back, 0);
    Click(TopOf(form->Model[back]));
    ASSERT_TRUE(selectable());
    EXPECT_EQ(Box().edStepNo->text(), "3");
    Key(Qt::Key_Y, Qt::ControlModifier);
    ASSERT_LT(Find("B:-100:-60:0:40:40:24:16777215:1:0:0:0:0::3"), 0);
    EXPECT_FALSE(selectable());
}
