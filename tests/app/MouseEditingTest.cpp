// Editing through real mouse and key events sent to the view box of a headless main window.
// The hand's own tests hold the grid, stacking and undo numbers; here each button, modifier
// and key reaches its edit.
#include "app/GuiTest.h"
#include "tools/AdvancedToolbox.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {
struct EditingFixture : ShownFormTest {
    void SetUp() override {
        Open("t.ini");
        form->SetViewAngles(70, 30);
        form->Modified = false; // closing asks nothing
    }
};
} // namespace

TEST_F(EditingFixture, PlacesOnTheGridAndUndoRedoAndClearFollow) {
    TakeInHand("2x4x3");
    MoveTo(Pixel(47, 25));
    EXPECT_EQ(View().cursor().shape(), Qt::BlankCursor);
    Click(Pixel(47, 25));
    ASSERT_GE(Find("B:40:20:0:40:80:24:16777215:1:0:0:0:0::0"), 0);
    EXPECT_TRUE(form->Modified);
    EXPECT_FALSE(form->Hand.Empty()); // a palette brick keeps stamping
    ASSERT_TRUE(form->btnUndo->isEnabled());
    form->btnUndo->click();
    EXPECT_LT(Find("B:40:20:0:40:80:24:16777215:1:0:0:0:0::0"), 0);
    EXPECT_FALSE(form->btnUndo->isEnabled());
    EXPECT_TRUE(form->btnRedo->isEnabled());

    AnswerNextMessageBox(QMessageBox::No); // the changed model is dropped
    form->btnClear->click();
    ASSERT_EQ(form->Model.Count(), 1);
    EXPECT_TRUE(form->Model[0].Baseplate);
    EXPECT_FALSE(form->btnRedo->isEnabled());
    EXPECT_FALSE(form->Modified);
}

TEST_F(EditingFixture, MovingTheHandRepaintsOnlyTheHandAndTheToolboxFollows) {
    form->Advancedtoolbox1->trigger();
    AddBrick("1x1x3", 0, 0, 0);
    TakeInHand("2x4x3");
    int frames = form->FramesPainted, handPaints = form->HandPaints;
    for (int k = 0; k < 10; ++k)
        MoveTo(Pixel(-90 + 20 * k, -50 + 10 * k));
    EXPECT_EQ(form->FramesPainted, frames);
    EXPECT_GT(form->HandPaints, handPaints + 5);
    EXPECT_EQ(form->AdvOptions->lx->text(), QString::number(form->Hand.BrickInHand->X));
}

TEST_F(EditingFixture, MovesAGroupWithShiftAndPutsItDownOnce) {
    TBlock& a = AddBrick("2x2x3", 100, 60, 0, 9);
    AddBrick("1x1x1", 100, 60, 24, 9);
    Click(TopOf(a), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_TRUE(form->Hand.HoldingGroup);
    EXPECT_TRUE(form->Hand.PlaceOnce);
    EXPECT_EQ(form->Model.Count(), 1); // the baseplate
    EXPECT_EQ(form->PointerTarget, Pixel(100, 60, 0));
    Click(Pixel(-35, -35));
    EXPECT_TRUE(form->Hand.Empty());
    EXPECT_GE(Find("B:-20:-20:0:40:40:24:16777215:1:0:0:0:9::0"), 0);
    EXPECT_GE(Find("B:-20:-20:24:20:20:8:16777215:1:0:0:0:9::0"), 0);
    EXPECT_TRUE(form->btnPointer->isChecked());
}

TEST_F(EditingFixture, RightButtonPaintsTurnsAndTogglesStuds) {
    TBlock& a = AddBrick("2x4x3", 0, 0, 0);
    Click(TopOf(a), Qt::RightButton, Qt::ControlModifier);
    EXPECT_GE(Find("B:0:0:0:80:40:24:16777215:1:0:1:0:0::0"), 0); // turned in its place
    auto brick = [&]() -> TBlock& { return form->Model[form->Model[0].Baseplate ? 1 : 0]; };
    form->CurrentColour = 255;
    Click(TopOf(brick()), Qt::RightButton);
    EXPECT_EQ(brick().Colour, 255);
    QPoint top = TopOf(brick());
    form->PaintBox1MouseDown(Qt::RightButton, Qt::AltModifier, top.x(), top.y());
    EXPECT_FALSE(brick().Studs);
    EXPECT_TRUE(form->btnUndo->isEnabled());
}

TEST_F(EditingFixture, ControlSelectsAltShiftCopiesAndDeleteRemoves) {
    TBlock& a = AddBrick("1x1x3", 0, 0, 0);
    TBlock& b = AddBrick("1x2x3", 60, 0, 0);
    Click(TopOf(a), Qt::LeftButton, Qt::ControlModifier);
    Click(TopOf(b), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_TRUE(a.Selected && b.Selected);
    form->PaintBox1MouseDown(Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, TopOf(a).x(),
                             TopOf(a).y());
    ASSERT_TRUE(form->Hand.HoldingGroup);
    EXPECT_EQ(form->Hand.GroupInHand->Count(), 2);
    EXPECT_EQ(form->Model.Count(), 3); // the sources stay
    form->DropHand();
    Click(TopOf(a));
    EXPECT_TRUE(Key(Qt::Key_Delete));
    EXPECT_EQ(form->Model.Count(), 2);
}

TEST_F(EditingFixture, KeysMoveAndPlaceTheHand) {
    TakeInHand("1x1x3");
    TBlock& hand = *form->Hand.BrickInHand;
    Key(Qt::Key_F12);
    EXPECT_FALSE(form->mSafePos->isChecked());
    Key(Qt::Key_PageUp);
    EXPECT_EQ(hand.Z, 24);
    Key(Qt::Key_Right);
    EXPECT_EQ(hand.X, 20);
    Key(Qt::Key_Return);
    EXPECT_GE(Find("B:20:0:24:20:20:24:16777215:1:0:0:0:0::0"), 0);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(form->Hand.Empty());
}

TEST_F(EditingFixture, KeysAreConsumedBeforeTheFocusedBox) {
    QLineEdit& box = *form->BSizeX;
    box.setText("16");
    Key(Qt::Key_Backspace, Qt::NoModifier, &box);
    Key(Qt::Key_Q, Qt::NoModifier, &box);
    EXPECT_EQ(box.text(), "16");
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2");
    QApplication::sendEvent(&box, &digit);
    EXPECT_EQ(box.text(), "162");
    EXPECT_FALSE(form->FormKeyDown(Qt::Key_F4, Qt::AltModifier));
    EXPECT_TRUE(form->FormKeyDown(Qt::Key_F11, Qt::NoModifier));
}

TEST_F(EditingFixture, DraggingWithShiftAndRightTurnsTheView) {
    form->miWfOnMouse->setChecked(true);
    QPoint start(300, 300);
    Mouse(QEvent::MouseButtonPress, start, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_TRUE(form->btnWireFrame->isChecked());
    MoveTo(start + QPoint(2, 0), Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(form->Controls.RotZ.Position, 32);
    MoveTo(start + QPoint(2, 3), Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(form->Controls.RotX.Position, 67);
    Mouse(QEvent::MouseButtonRelease, start, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_FALSE(form->btnWireFrame->isChecked());
    // A wireframe the user chose survives plain clicks.
    form->btnWireFrame->click();
    Click(QPoint(5, 5));
    EXPECT_TRUE(form->btnWireFrame->isChecked());
}

TEST_F(EditingFixture, SubAssemblyGoesIntoTheHandAndStampsAtTheShownStep) {
    WriteFile(folder + "sub.lgo", "= 70 30 10 0 0 1 1\r\nB 100 60 0 40 40 24 255 1 0 0 0 0  0\r\n"
                                  "B 120 60 24 20 20 24 0 1 0 0 0 0  0\r\n");
    form->LoadModelFile(folder + "sub.lgo", 1);
    ASSERT_TRUE(form->Hand.HoldingGroup);
    EXPECT_FALSE(form->Hand.PlaceOnce);
    Click(Pixel(45, 45));
    Click(Pixel(145, 45));
    EXPECT_EQ(form->Model.Count(), 5);
    EXPECT_GE(Find("B:40:40:0:40:40:24:255:1:0:0:0:" + std::to_string(GroupCounter - 2) +
                   "::" + std::to_string(form->Model.StepLimit)),
              0);
    form->btnPointer->click();
    EXPECT_TRUE(form->Hand.Empty());
}
