// The window's keys and the commands around them, sent through the key preview and the real
// handlers: colour cycling, the keys on the hand, the second-stage keys, the save question and
// the drop-down menus.
#include "GuiTest.h"
#include "app/view/ViewBox.h"
#include "app/window/ColourSwatches.h"

#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
struct KeysFixture : ShownFormTest {
    void SetUp() override {
        Open("s.ini");
        form->SetViewAngles(70, 30);
        form->Modified = false;
    }

    bool Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent e(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(form->PaintBox1, &e);
        return e.isAccepted();
    }
    QPoint Pixel(double x, double y, double z = 0) {
        TPoint p = ProjectPoint(form->Context.View, x, y, z);
        return {p.X, p.Y};
    }
    TBlock& AddBrick(const char* key, int32_t x, int32_t y, int32_t z, int32_t group = 0) {
        auto brick = CreateBrickFromKey(key);
        brick->X = x, brick->Y = y, brick->Z = z, brick->Group = group;
        return form->Model.InsertSorted(std::move(brick));
    }
    void TakeInHand(const char* key, int32_t x, int32_t y, int32_t z) {
        auto brick = CreateBrickFromKey(key);
        brick->X = x, brick->Y = y, brick->Z = z;
        form->Hand.TakeInHand(std::move(brick), 0);
    }
};

// The answer of the next file dialog: the file name, or a cancel when it is empty.
void AnswerNextFileDialog(const std::string& fileName) {
    QTimer::singleShot(0, [fileName] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (fileName.empty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(QString::fromStdString(fileName));
        static_cast<QDialog*>(dialog)->accept(); // the file dialog checks the name
    });
}
} // namespace

TEST_F(KeysFixture, YesAtTheSaveQuestionClosesOnlyAfterACompletedSave) {
    AddBrick("B2x2x3", 0, 0, 0);
    form->Modified = true;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        AnswerNextFileDialog("");
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->Modified);

    QTimer::singleShot(0, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        AnswerNextFileDialog(folder + "kept.lgo");
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->Modified);
    EXPECT_TRUE(std::filesystem::exists(folder + "kept.lgo"));
}

TEST_F(KeysFixture, PageKeysCycleTheSwatchesInTheirOrderAndWrap) {
    const auto& order = TColourSwatches::CycleOrder;
    form->CurrentColour = form->SwatchColour(order.front());
    Key(Qt::Key_PageDown);
    EXPECT_EQ(form->CurrentColour, form->SwatchColour(order[1]));
    EXPECT_EQ(form->CurrentSwatch, order[1]);
    Key(Qt::Key_PageUp);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(form->CurrentColour, form->SwatchColour(order.back()));
    Key(Qt::Key_PageDown);
    EXPECT_EQ(form->CurrentColour, form->SwatchColour(order.front()));

    // A colour no cycled swatch has (the sixth column's, or the colour dialog's) stays.
    for (int32_t colour : {form->SwatchColour(5), int32_t(0x030201)}) {
        form->CurrentColour = colour;
        EXPECT_TRUE(Key(Qt::Key_PageUp));
        EXPECT_TRUE(Key(Qt::Key_PageDown));
        EXPECT_EQ(form->CurrentColour, colour);
    }
}

TEST_F(KeysFixture, GroupInHandRestsWithEveryBrickAboveWhatIsUnderIt) {
    AddBrick("B2x2x6", 140, 100, 0); // 48 high under the group's upper brick
    auto group = std::make_unique<TBlockList>();
    for (int32_t i : {0, 1}) {
        auto b = CreateBrickFromKey("B2x2x3");
        b->X = 40 * i, b->Z = 24 * i;
        group->Add(std::move(b));
    }
    form->Hand.TakeGroupInHand(std::move(group), CreateBrickFromKey("B4x2x6"), 0);
    QPoint at = Pixel(110, 110);
    form->PaintBox1MouseMove(Qt::NoButton, Qt::NoModifier, at.x(), at.y());
    ASSERT_EQ(form->Hand.BrickInHand->X, 100);
    EXPECT_EQ(form->Hand.BrickInHand->Z, 24);
    form->Hand.AlignGroupToHand();
    const auto& bricks = form->Hand.GroupInHand->Items();
    EXPECT_EQ(bricks[0]->Z, 24);
    EXPECT_EQ(bricks[1]->Z, 48);
}

TEST_F(KeysFixture, DiscardKeysDeleteABrickTakenFromTheModelAndUndoBringsItBack) {
    for (int key : {Qt::Key_Escape, Qt::Key_Delete, Qt::Key_Backspace}) {
        AddBrick("B2x2x3", 0, 0, 0);
        int before = form->Model.Count();
        QPoint top = Pixel(20, 20, 24);
        form->PaintBox1MouseDown(Qt::LeftButton, Qt::ShiftModifier, top.x(), top.y());
        form->PaintBox1MouseUp();
        ASSERT_FALSE(form->Hand.Empty()) << key;
        EXPECT_TRUE(Key(key));
        EXPECT_TRUE(form->Hand.Empty());
        EXPECT_EQ(form->Model.Count(), before - 1) << key;
        ASSERT_FALSE(form->Model.UndoLog.empty());
        EXPECT_EQ(form->Model.UndoLog.front()[0], '-') << key;
        EXPECT_TRUE(form->btnUndo->isEnabled());
        form->btnUndo->click();
        EXPECT_EQ(form->Model.Count(), before) << key;
        form->Modified = false;
        form->btnClearClick();
    }
}

TEST_F(KeysFixture, InsertTurnsTheHand) {
    TakeInHand("B2x4x3", 0, 0, 0);
    EXPECT_TRUE(Key(Qt::Key_Insert));
    EXPECT_EQ(form->Hand.BrickInHand->SX, 80);
    EXPECT_EQ(form->Hand.BrickInHand->SY, 40);
    EXPECT_TRUE(Key(Qt::Key_Insert));
    EXPECT_EQ(form->Hand.BrickInHand->SX, 40);
}

TEST_F(KeysFixture, SecondStageKeysActAndBringThePointerToTheHand) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<int()> state;
        int change;
    };
    const std::vector<Case> cases{
        {Qt::Key_Plus, Qt::KeypadModifier, [&] { return form->Controls.ScaleBar.Position; }, -1},
        {Qt::Key_Equal, Qt::NoModifier, [&] { return form->Controls.ScaleBar.Position; }, -1},
        {Qt::Key_Minus, Qt::NoModifier, [&] { return form->Controls.ScaleBar.Position; }, 1},
        {Qt::Key_T, Qt::NoModifier, [&] { return int(form->btnWireFrame->isChecked()); }, 1},
        {Qt::Key_Asterisk, Qt::KeypadModifier, [&] { return int(form->btnWireFrame->isChecked()); },
         -1},
        {Qt::Key_O, Qt::NoModifier, [&] { return int(form->btnStuds->isChecked()); }, 1},
        {Qt::Key_End, Qt::NoModifier, [&] { return form->Controls.RotX.Position; }, -70},
        {Qt::Key_Home, Qt::NoModifier, [&] { return int(form->Context.View.OriginX); }, 0},
    };
    TakeInHand("B2x2x3", 40, 20, 0);
    for (const Case& c : cases) {
        int before = c.state();
        form->PointerTarget = QPoint(-1, -1);
        EXPECT_TRUE(Key(c.key, c.modifiers)) << c.key;
        if (c.change != 0)
            EXPECT_EQ(c.state() - before, c.change) << c.key;
        EXPECT_EQ(form->PointerTarget, Pixel(40, 20)) << c.key;
    }

    QTimer::singleShot(0, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            menu->close();
    });
    form->PointerTarget = QPoint(-1, -1);
    EXPECT_TRUE(Key(Qt::Key_B));
    EXPECT_EQ(form->PointerTarget, Pixel(40, 20));
}

TEST_F(KeysFixture, ShiftArrowsPanAndAltArrowsMoveTheZCutOff) {
    struct Case {
        int key;
        QScrollBar* bar;
        int change;
    };
    const std::vector<Case> cases{
        {Qt::Key_Left, form->OffsetX, -5},
        {Qt::Key_Right, form->OffsetX, 5},
        {Qt::Key_Up, form->OffsetY, -5},
        {Qt::Key_Down, form->OffsetY, 5},
    };
    for (const Case& c : cases) {
        int before = c.bar->value();
        EXPECT_TRUE(Key(c.key, Qt::ShiftModifier));
        EXPECT_EQ(c.bar->value() - before, c.change) << c.key;
    }

    // The steps of the cut-off are the bar's business; the keys only have to reach it.
    AddBrick("B2x2x6", 0, 0, 0);
    int32_t top = form->Context.Boundary.ZHigh;
    EXPECT_TRUE(Key(Qt::Key_Left, Qt::AltModifier));
    int32_t lowered = form->Context.Boundary.ZHigh;
    EXPECT_LT(lowered, top);
    EXPECT_EQ(form->lblZLiftOff->text().toInt(), lowered);
    EXPECT_TRUE(Key(Qt::Key_Right, Qt::AltModifier));
    EXPECT_GT(form->Context.Boundary.ZHigh, lowered);
}

TEST_F(KeysFixture, SaveDropDownAndBreakGroupFollowTheSelection) {
    TBlock& a = AddBrick("B2x2x3", 0, 0, 0, 3);
    TBlock& b = AddBrick("B2x2x3", 40, 0, 0, 3);
    emit form->pumSave->aboutToShow();
    EXPECT_FALSE(form->mSaveSelected->isEnabled());
    a.Selected = b.Selected = true;
    emit form->pumSave->aboutToShow();
    EXPECT_TRUE(form->mSaveSelected->isEnabled());

    emit form->pumOptions->aboutToShow();
    EXPECT_TRUE(form->miBreak->isEnabled());
    form->miBreak->trigger();
    EXPECT_EQ(a.Group, 0);
    EXPECT_EQ(b.Group, 0);
    EXPECT_FALSE(a.Selected || b.Selected);
    emit form->pumOptions->aboutToShow();
    EXPECT_FALSE(form->miBreak->isEnabled());
    EXPECT_FALSE(form->miGroup->isEnabled());
}
