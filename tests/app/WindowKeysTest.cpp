// The window's keys and the commands around them, sent through the key preview and the real
// handlers: colour cycling, the keys on the hand, the second-stage keys, the save question and
// the drop-down menus.
#include "GuiTest.h"
#include "app/system/IniFile.h"
#include "app/window/ColourSwatches.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>

namespace {
struct KeysFixture : ShownFormTest {
    void SetUp() override {
        Open("s.ini");
        form->SetViewAngles(70, 30);
        form->Modified = false;
    }
};

// Answers the next save question; Yes then meets a file dialog given the file name (a cancel
// when it is empty).
void AnswerSaveQuestion(QMessageBox::StandardButton answer, const std::string& fileName = "") {
    QTimer::singleShot(0, [answer, fileName] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (answer == QMessageBox::Yes)
            AnswerNextFileDialog(fileName);
        box->button(answer)->click();
    });
}
} // namespace

TEST_F(KeysFixture, CloseWaitsUntilTheModelIsSavedOrDroppedAndAsksNothingWhenUnchanged) {
    AddBrick("B2x2x3", 0, 0, 0);
    form->Modified = true;
    AnswerSaveQuestion(QMessageBox::Cancel);
    EXPECT_FALSE(form->close());
    AnswerSaveQuestion(QMessageBox::Yes); // and the file dialog cancelled
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible() && form->Modified);
    EXPECT_FALSE(std::filesystem::exists(folder + "s.ini"));

    AnswerSaveQuestion(QMessageBox::Yes, folder + "kept.lgo");
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->Modified);
    EXPECT_TRUE(std::filesystem::exists(folder + "kept.lgo"));
    EXPECT_EQ(TIniFile(folder + "s.ini").ReadInteger("Main", "Version", 0), 2);

    form->show();
    form->Modified = true;
    AnswerSaveQuestion(QMessageBox::No);
    EXPECT_TRUE(form->close());
    form->show();
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            asked = true, box->button(QMessageBox::No)->click();
    });
    EXPECT_TRUE(form->close());
    QApplication::processEvents();
    EXPECT_FALSE(asked);
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
    MoveTo(Pixel(110, 110));
    ASSERT_EQ(form->Hand.BrickInHand->X, 100);
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
        form->btnUndo->click();
        EXPECT_EQ(form->Model.Count(), before) << key;
        form->Modified = false;
        form->btnClearClick();
    }
}

TEST_F(KeysFixture, SecondStageKeysActAndBringThePointerToTheHand) {
    auto scale = [&] { return form->Controls.ScaleBar.Position; };
    auto wireframe = [&] { return int(form->btnWireFrame->isChecked()); };
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<int()> state;
        int change;
    };
    const std::vector<Case> cases{
        {Qt::Key_Plus, Qt::KeypadModifier, scale, -1},
        {Qt::Key_Equal, Qt::NoModifier, scale, -1},
        {Qt::Key_Minus, Qt::NoModifier, scale, 1},
        {Qt::Key_T, Qt::NoModifier, wireframe, 1},
        {Qt::Key_Asterisk, Qt::KeypadModifier, wireframe, -1},
        {Qt::Key_O, Qt::NoModifier, [&] { return int(form->btnStuds->isChecked()); }, 1},
        {Qt::Key_End, Qt::NoModifier, [&] { return form->Controls.RotX.Position; }, -70},
        {Qt::Key_Home, Qt::NoModifier, [&] { return int(form->Context.View.OriginX); }, 0},
    };
    TakeInHand("B2x4x3", 40, 20, 0);
    for (const Case& c : cases) {
        int before = c.state();
        form->PointerTarget = QPoint(-1, -1);
        EXPECT_TRUE(Key(c.key, c.modifiers)) << c.key;
        if (c.change != 0)
            EXPECT_EQ(c.state() - before, c.change) << c.key;
        EXPECT_EQ(form->PointerTarget, Pixel(40, 20)) << c.key;
    }
    EXPECT_TRUE(Key(Qt::Key_Insert)); // turns the hand
    EXPECT_EQ(form->Hand.BrickInHand->SX, 80);

    // B opens the viewing menu below its button, in its order.
    std::vector<QAction*> shown;
    QTimer::singleShot(0, [&shown] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                shown.push_back(a);
        menu->close();
    });
    form->PointerTarget = QPoint(-1, -1);
    EXPECT_TRUE(Key(Qt::Key_B));
    EXPECT_EQ(form->PointerTarget, Pixel(40, 20));
    std::vector<QAction*> expected{form->miNoDetail,  form->miMoreDetail,  form->miMostDetail,
                                   form->miShading,   form->miAdjustLight, form->miSeeThroughBP,
                                   form->miWfOnMouse, form->pf8bit1,       form->pf16bit1,
                                   form->pf24bit1,    form->pf32bit1,      form->pfdevice1};
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(form->btnViewOptions->isChecked());
    EXPECT_EQ(form->btnViewOptions->menu(), form->pumViewOptions);
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

TEST_F(KeysFixture, MenusFollowTheSelectionToGroupAndBreak) {
    TBlock& a = AddBrick("B2x2x3", 0, 0, 0, 0, true);
    emit form->pumOptions->aboutToShow();
    EXPECT_TRUE(form->miGroup->isEnabled());
    EXPECT_FALSE(form->miBreak->isEnabled());
    form->miGroup->trigger(); // one selected brick: nothing happens
    EXPECT_TRUE(a.Selected);

    TBlock& b = AddBrick("B2x2x3", 40, 0, 0, 0, true);
    emit form->pumSave->aboutToShow();
    EXPECT_TRUE(form->mSaveSelected->isEnabled());
    form->miGroup->trigger();
    EXPECT_GT(a.Group, 0);
    EXPECT_EQ(a.Group, b.Group);
    EXPECT_FALSE(a.Selected || b.Selected);
    emit form->pumSave->aboutToShow();
    EXPECT_FALSE(form->mSaveSelected->isEnabled());

    a.Selected = b.Selected = true;
    emit form->pumOptions->aboutToShow();
    ASSERT_TRUE(form->miBreak->isEnabled());
    form->miBreak->trigger();
    EXPECT_EQ(a.Group, 0);
    EXPECT_EQ(b.Group, 0);
    emit form->pumOptions->aboutToShow();
    EXPECT_FALSE(form->miBreak->isEnabled());
    EXPECT_FALSE(form->miGroup->isEnabled());
}
