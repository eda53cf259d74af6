// Editing through real mouse and key events sent to the view box of a headless main window.
#include "app/GuiTest.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <fstream>
#include <gtest/gtest.h>

namespace {
struct EditingFixture : ShownFormTest {
    void SetUp() override {
        Open("t.ini");
        form->SetViewAngles(70, 30);
        form->Modified = false; // closing asks nothing
    }

    TViewBox& View() { return *form->PaintBox1; }
    QPoint Pixel(double x, double y, double z = 0) {
        TPoint p = ProjectPoint(form->Context.View, x, y, z);
        return {p.X, p.Y};
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent e(type, at, View().mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
        QApplication::sendEvent(&View(), &e);
    }
    void MoveTo(QPoint at, Qt::MouseButton held = Qt::NoButton,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent e(QEvent::MouseMove, at, View().mapToGlobal(at), Qt::NoButton, held, modifiers);
        QApplication::sendEvent(&View(), &e);
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Mouse(QEvent::MouseButtonPress, at, button, modifiers);
        Mouse(QEvent::MouseButtonRelease, at, button, modifiers);
    }
    bool Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* to = nullptr) {
        QKeyEvent e(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(to ? to : &View(), &e);
        return e.isAccepted();
    }
    TBlock& AddBrick(const char* key, int32_t x, int32_t y, int32_t z, int32_t group = 0) {
        auto brick = CreateBrickFromKey(key);
        brick->X = x, brick->Y = y, brick->Z = z, brick->Group = group;
        return form->Model.InsertSorted(std::move(brick));
    }
    // Centre of a brick's top face on screen, where a click finds it.
    QPoint TopOf(const TBlock& b) { return Pixel(b.X + b.SX / 2.0, b.Y + b.SY / 2.0, b.FarZ()); }
    int Find(const std::string& text) { return form->Model.IndexOfText(text); }
};
} // namespace

TEST_F(EditingFixture, PlacesOnTheGridAndStacksOnOneOverlappingStud) {
    form->Hand.TakeInHand(CreateBrickFromKey("2x4x3"), 0);
    MoveTo(Pixel(47, 25));
    EXPECT_EQ(View().cursor().shape(), Qt::BlankCursor);
    Click(Pixel(47, 25));
    ASSERT_GE(Find("B:40:20:0:40:80:24:16777215:1:0:0:0:0::0"), 0);
    EXPECT_TRUE(form->Modified);
    EXPECT_TRUE(form->btnUndo->isEnabled());
    EXPECT_FALSE(form->Hand.Empty()); // a palette brick keeps stamping

    form->Hand.DropHand();
    AddBrick("1x1x3", 200, 200, 0);
    form->Hand.TakeInHand(CreateBrickFromKey("2x4x3"), 0);
    Click(Pixel(185, 145)); // cell (180, 140): only the corner stud lies over the 1 x 1
    EXPECT_GE(Find("B:180:140:24:40:80:24:16777215:1:0:0:0:0::0"), 0);
    EXPECT_EQ(form->Model.UndoCount(), 2);
    form->btnUndo->click();
    EXPECT_LT(Find("B:180:140:24:40:80:24:16777215:1:0:0:0:0::0"), 0);
    EXPECT_TRUE(form->btnRedo->isEnabled());
}

TEST_F(EditingFixture, MovingTheHandRepaintsOnlyTheHand) {
    AddBrick("1x1x3", 0, 0, 0);
    form->Hand.TakeInHand(CreateBrickFromKey("2x4x3"), 0);
    int frames = form->FramesPainted, handPaints = form->HandPaints;
    for (int k = 0; k < 10; ++k)
        MoveTo(Pixel(-90 + 20 * k, -50 + 10 * k));
    EXPECT_EQ(form->FramesPainted, frames);
    EXPECT_GT(form->HandPaints, handPaints + 5);
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
    // Taken out brick by brick and put back brick by brick.
    ASSERT_EQ(form->Model.UndoCount(), 4);
    EXPECT_EQ(form->Model.UndoLog[0][0], '+');
    EXPECT_EQ(form->Model.UndoLog[2][0], '-');
    EXPECT_TRUE(form->btnPointer->isChecked());
}

// The hand's tests hold the numbers; here each button and modifier reaches its edit.
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

TEST_F(EditingFixture, AltShiftCopiesTheSelection) {
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
}

TEST_F(EditingFixture, DeleteKeyRemovesTheSelection) {
    Click(TopOf(AddBrick("1x1x3", 0, 0, 0)));
    EXPECT_TRUE(Key(Qt::Key_Delete));
    EXPECT_EQ(form->Model.Count(), 1);
}

TEST_F(EditingFixture, KeysMoveAndPlaceTheHand) {
    form->Hand.TakeInHand(CreateBrickFromKey("1x1x3"), 0);
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

TEST_F(EditingFixture, AzimuthWrapsDifferentlyForKeysAndButtons) {
    form->SetViewAngles(70, 0);
    Key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(form->Controls.RotZ.Position, 360);
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(form->Controls.RotZ.Position, 0);
    form->btnRotLeft->click();
    EXPECT_EQ(form->Controls.RotZ.Position, 355);
    form->SetViewAngles(70, 360);
    form->btnRotRight->click();
    EXPECT_EQ(form->Controls.RotZ.Position, 5);
    Key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(form->Controls.RotX.Position, 75);
    Key(Qt::Key_F3);
    EXPECT_EQ(form->Controls.RotZ.Position, 270);
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
    MoveTo(start + QPoint(1, 0), Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(form->Controls.RotZ.Position, 30);
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

TEST_F(EditingFixture, SubAssemblyGoesIntoTheHandAndStamps) {
    std::string name = folder + "sub.lgo";
    std::ofstream(name) << "= 70 30 10 0 0 1 1\r\nB 100 60 0 40 40 24 255 1 0 0 0 0  0\r\n"
                           "B 120 60 24 20 20 24 0 1 0 0 0 0  0\r\n";
    form->LoadModelFile(name, 1);
    ASSERT_TRUE(form->Hand.HoldingGroup);
    EXPECT_FALSE(form->Hand.PlaceOnce);
    EXPECT_EQ(form->Hand.BrickInHand->SX, 40);
    Click(Pixel(45, 45));
    Click(Pixel(145, 45));
    EXPECT_EQ(form->Model.Count(), 5);
    // A sub-assembly's bricks take the step limit shown in the toolbox as their step.
    EXPECT_GE(Find("B:40:40:0:40:40:24:255:1:0:0:0:" + std::to_string(GroupCounter - 2) +
                   "::" + std::to_string(form->Model.StepLimit)),
              0);
    EXPECT_EQ(form->Model.UndoCount(), 4);
    form->btnPointer->click();
    EXPECT_TRUE(form->Hand.Empty());
}
