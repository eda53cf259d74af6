// Editing through real mouse and key events sent to the view box of a headless main window.
// The hand's own tests hold the grid, stacking and undo numbers; here each button, modifier
// and key reaches its edit.
#include "app/GuiTest.h"
#include "app/tools/AdvancedToolbox.h"

namespace {
struct EditingFixture : FormTest {
    void PressAt(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
        Form->PaintBox1MouseDown(button, modifiers, at.x(), at.y());
    }
};
const char* White2x4 = "B:0:0:0:40:80:24:16777215:1:0:0:0:0::0";
} // namespace

// One row per event: the model's bricks after it, from a model holding only what the row adds.
TEST_F(EditingFixture, EachButtonModifierAndKeyMakesItsEdit) {
    const std::tuple<const char*, std::function<void()>, std::vector<std::string>> rows[] = {
        {"Ctrl right click turns in place",
         [&] { Click(TopOf(AddBrick("2x4x3", 0, 0, 0)), Qt::RightButton, Qt::ControlModifier); },
         {"B:0:0:0:80:40:24:16777215:1:0:1:0:0::0"}},
        {"right click paints",
         [&] { Click(TopOf(AddBrick("2x4x3", 0, 0, 0)), Qt::RightButton); },
         {"B:0:0:0:40:80:24:255:1:0:0:0:0::0"}},
        {"Alt right press takes the studs off",
         [&] { PressAt(TopOf(AddBrick("2x4x3", 0, 0, 0)), Qt::RightButton, Qt::AltModifier); },
         {"B:0:0:0:40:80:24:16777215:0:0:0:0:0::0"}},
        {"Shift picks a group up, a click puts it down once",
         [&] {
             AddBrick("1x1x1", 100, 60, 24, 9);
             Click(TopOf(AddBrick("2x2x3", 100, 60, 0, 9)), Qt::LeftButton, Qt::ShiftModifier);
             Click(Pixel(-35, -35));
             EXPECT_TRUE(Form->Editing.Hand.Empty());
         },
         {"B:-20:-20:0:40:40:24:16777215:1:0:0:0:9::0",
          "B:-20:-20:24:20:20:8:16777215:1:0:0:0:9::0"}},
        {"Ctrl selects, Alt Shift copies the selection",
         [&] {
             TBlock& a = AddBrick("1x1x3", 0, 0, 0);
             Click(TopOf(a), Qt::LeftButton, Qt::ControlModifier);
             Click(TopOf(AddBrick("1x2x3", 60, 0, 0)), Qt::LeftButton, Qt::ControlModifier);
             PressAt(TopOf(a), Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier);
             ASSERT_EQ(Form->Editing.Hand.GroupInHand->Count(), 2);
             Form->DropHand();
         },
         {"B:60:0:0:20:40:24:16777215:1:0:0:0:0::0", "B:0:0:0:20:20:24:16777215:1:0:0:0:0::0"}},
        {"Delete removes the clicked brick",
         [&] { Click(TopOf(AddBrick("1x1x3", 0, 0, 0))), Key(Qt::Key_Delete); },
         {}},
        {"keys lift, move and place the hand",
         [&] {
             TakeInHand("1x1x3");
             for (int key :
                  {Qt::Key_F12, Qt::Key_PageUp, Qt::Key_Right, Qt::Key_Return, Qt::Key_Escape})
                 Key(key);
         },
         {"B:20:0:24:20:20:24:16777215:1:0:0:0:0::0"}},
    };
    for (const auto& [event, act, model] : rows) {
        SCOPED_TRACE(event);
        Form->DropHand();
        Form->btnClearClick();
        Form->Colours.CurrentColour = 255;
        act();
        EXPECT_EQ(ModelLines(), model);
        Form->Files.Modified = false;
    }
}

TEST_F(EditingFixture, PlacingIsUndoneRedoneAndClearedWithTheButtons) {
    TakeInHand("2x4x3", 0, 0, 0);
    MoveTo(Pixel(7, 5));
    EXPECT_EQ(View().cursor().shape(), Qt::BlankCursor);
    Click(Pixel(7, 5));
    EXPECT_EQ(ModelLines(), std::vector<std::string>{White2x4});
    EXPECT_TRUE(Form->Files.Modified &&
                !Form->Editing.Hand.Empty()); // a palette brick keeps stamping
    Form->btnUndo->click();
    EXPECT_TRUE(ModelLines().empty() && !Form->btnUndo->isEnabled());
    Form->btnRedo->click();
    EXPECT_EQ(ModelLines(), std::vector<std::string>{White2x4});

    AnswerNextMessageBox(QMessageBox::No); // the changed model is dropped
    Form->btnClear->click();
    ASSERT_EQ(Form->Model.Count(), 1);
    EXPECT_TRUE(Form->Model[0].Baseplate && !Form->btnRedo->isEnabled() && !Form->Files.Modified);
}

TEST_F(EditingFixture, DiscardKeysDeleteABrickTakenFromTheModelAndUndoBringsItBack) {
    for (int key : {Qt::Key_Escape, Qt::Key_Delete, Qt::Key_Backspace}) {
        AddBrick("2x2x3", 0, 0, 0);
        PressAt(Pixel(20, 20, 24), Qt::LeftButton, Qt::ShiftModifier);
        Form->PaintBox1MouseUp();
        ASSERT_FALSE(Form->Editing.Hand.Empty()) << key;
        EXPECT_TRUE(Key(key) && Form->Editing.Hand.Empty() && ModelLines().empty()) << key;
        Form->btnUndo->click();
        EXPECT_EQ(ModelLines().size(), 1u) << key;
        Form->Files.Modified = false;
        Form->btnClearClick();
    }
}

TEST_F(EditingFixture, MovingTheHandRepaintsOnlyTheHandAndTheToolboxFollows) {
    Form->Advancedtoolbox1->trigger();
    AddBrick("1x1x3", 0, 0, 0);
    TakeInHand("2x4x3");
    int frames = Form->Frame.FramesPainted, handPaints = Form->Editing.HandPaints;
    for (int k = 0; k < 10; ++k)
        MoveTo(Pixel(-90 + 20 * k, -50 + 10 * k));
    EXPECT_TRUE(Form->Frame.FramesPainted == frames && Form->Editing.HandPaints > handPaints + 5);
    EXPECT_EQ(Form->Tools.AdvOptions->lx->text(),
              QString::number(Form->Editing.Hand.BrickInHand->X));
}

TEST_F(EditingFixture, KeysAreConsumedBeforeTheFocusedBox) {
    QLineEdit& box = *Form->BSizeX;
    box.setText("16");
    Key(Qt::Key_Backspace, Qt::NoModifier, &box);
    Key(Qt::Key_Q, Qt::NoModifier, &box);
    EXPECT_EQ(box.text(), "16");
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2");
    QApplication::sendEvent(&box, &digit);
    EXPECT_EQ(box.text(), "162");
    EXPECT_TRUE(!Form->FormKeyDown(Qt::Key_F4, Qt::AltModifier) &&
                Form->FormKeyDown(Qt::Key_F11, Qt::NoModifier));
}

TEST_F(EditingFixture, DraggingWithShiftAndRightTurnsTheView) {
    Form->miWfOnMouse->setChecked(true);
    QPoint start(300, 300);
    Mouse(QEvent::MouseButtonPress, start, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_TRUE(Form->btnWireFrame->isChecked());
    MoveTo(start + QPoint(2, 0), Qt::RightButton, Qt::ShiftModifier);
    MoveTo(start + QPoint(2, 3), Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(std::pair(Form->Controls.RotZ.Position, Form->Controls.RotX.Position),
              std::pair(32, 67));
    Mouse(QEvent::MouseButtonRelease, start, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_FALSE(Form->btnWireFrame->isChecked());
    // A wireframe the user chose survives plain clicks.
    Form->btnWireFrame->click();
    Click(QPoint(5, 5));
    EXPECT_TRUE(Form->btnWireFrame->isChecked());
}

TEST_F(EditingFixture, SubAssemblyGoesIntoTheHandAndStampsAtTheShownStep) {
    Form->LoadModelFile(WriteModel("sub.lgo", "B 100 60 0 40 40 24 255 1 0 0 0 0  0\r\n"
                                              "B 120 60 24 20 20 24 0 1 0 0 0 0  0\r\n"),
                        1);
    ASSERT_TRUE(Form->Editing.Hand.HoldingGroup && !Form->Editing.Hand.PlaceOnce);
    Click(Pixel(45, 45));
    Click(Pixel(145, 45));
    EXPECT_EQ(ModelLines().size(), 4u);
    EXPECT_GE(Find("B:40:40:0:40:40:24:255:1:0:0:0:" + std::to_string(GroupCounter - 2) +
                   "::" + std::to_string(Form->Model.StepLimit)),
              0);
    Form->btnPointer->click();
    EXPECT_TRUE(Form->Editing.Hand.Empty());
}
