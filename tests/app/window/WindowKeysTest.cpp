// The window's keys and the commands around them, sent through the key preview and the real
// handlers: colour cycling, the keys on the hand, the second-stage keys, the save question and
// the drop-down menus.
#include "app/GuiTest.h"
#include "app/system/IniFile.h"
#include "app/window/ColourSwatches.h"

namespace {
using KeysFixture = FormTest;

// Answers the next save question; Yes then meets a file dialog given the file name (a cancel
// when it is empty).
void AnswerSaveQuestion(QMessageBox::StandardButton answer, const std::string& fileName = "") {
    OnNextDialog<QMessageBox>([answer, fileName](QMessageBox& box) {
        if (answer == QMessageBox::Yes)
            AnswerNextFileDialog(fileName);
        box.button(answer)->click();
    });
}
} // namespace

TEST_F(KeysFixture, CloseWaitsUntilTheModelIsSavedOrDroppedAndAsksNothingWhenUnchanged) {
    AddBrick("B2x2x3", 0, 0, 0);
    Form->Files.Modified = true;
    // Cancel, or Yes with the file dialog cancelled, keeps the window and writes nothing.
    for (auto answer : {QMessageBox::Cancel, QMessageBox::Yes}) {
        AnswerSaveQuestion(answer);
        EXPECT_FALSE(Form->close());
    }
    EXPECT_TRUE(Form->isVisible() && Form->Files.Modified);
    EXPECT_FALSE(std::filesystem::exists(Folder + "s.ini"));

    AnswerSaveQuestion(QMessageBox::Yes, Folder + "kept.lgo");
    EXPECT_TRUE(Form->close());
    EXPECT_TRUE(!Form->Files.Modified && std::filesystem::exists(Folder + "kept.lgo"));
    EXPECT_EQ(TIniFile(Folder + "s.ini").ReadInteger("Main", "Version", 0), 2);

    Form->show();
    Form->Files.Modified = true;
    AnswerSaveQuestion(QMessageBox::No);
    EXPECT_TRUE(Form->close());
    Form->show();
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            asked = true, box->button(QMessageBox::No)->click();
    });
    EXPECT_TRUE(Form->close());
    QApplication::processEvents();
    EXPECT_FALSE(asked);
}

TEST_F(KeysFixture, PageKeysCycleTheSwatchesInTheirOrderAndWrap) {
    const auto& order = TColourSwatches::CycleOrder;
    Form->Colours.CurrentColour = Form->Colours.SwatchColour(order.front());
    Key(Qt::Key_PageDown);
    EXPECT_EQ(std::pair(Form->Colours.CurrentColour, Form->Colours.CurrentSwatch),
              std::pair(Form->Colours.SwatchColour(order[1]), order[1]));
    Key(Qt::Key_PageUp);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Form->Colours.CurrentColour, Form->Colours.SwatchColour(order.back()));
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Form->Colours.CurrentColour, Form->Colours.SwatchColour(order.front()));

    // A colour no cycled swatch has (the sixth column's, or the colour dialog's) stays.
    for (int32_t colour : {Form->Colours.SwatchColour(5), int32_t(0x030201)}) {
        Form->Colours.CurrentColour = colour;
        EXPECT_TRUE(Key(Qt::Key_PageUp));
        EXPECT_TRUE(Key(Qt::Key_PageDown));
        EXPECT_EQ(Form->Colours.CurrentColour, colour);
    }
}

TEST_F(KeysFixture, GroupInHandRestsWithEveryBrickAboveWhatIsUnderIt) {
    AddBrick("B2x2x6", 140, 100, 0); // 48 high under the group's upper brick
    auto group = std::make_unique<TBlockList>();
    group->Add(BrickAt("B2x2x3", 0, 0, 0));
    group->Add(BrickAt("B2x2x3", 40, 0, 24));
    Form->Editing.Hand.TakeGroupInHand(std::move(group), CreateBrickFromKey("B4x2x6"), 0);
    MoveTo(Pixel(110, 110));
    ASSERT_EQ(Form->Editing.Hand.BrickInHand->X, 100);
    Form->Editing.Hand.AlignGroupToHand();
    const auto& bricks = Form->Editing.Hand.GroupInHand->Items();
    EXPECT_EQ(std::pair(bricks[0]->Z, bricks[1]->Z), std::pair(24, 48));
}

TEST_F(KeysFixture, SecondStageKeysActAndBringThePointerToTheHand) {
    auto scale = [&] { return Form->Controls.ScaleBar.Position; };
    auto wireframe = [&] { return int(Form->btnWireFrame->isChecked()); };
    // The key, what it changes and by how much.
    const std::tuple<QKeyCombination, std::function<int()>, int> cases[] = {
        {Qt::KeypadModifier | Qt::Key_Plus, scale, -1},
        {Qt::Key_Equal, scale, -1},
        {Qt::Key_Minus, scale, 1},
        {Qt::Key_T, wireframe, 1},
        {Qt::KeypadModifier | Qt::Key_Asterisk, wireframe, -1},
        {Qt::Key_O, [&] { return int(Form->btnStuds->isChecked()); }, 1},
        {Qt::Key_End, [&] { return Form->Controls.RotX.Position; }, -70},
        {Qt::Key_Home, [&] { return int(Form->Context.View.OriginX); }, 0},
    };
    TakeInHand("B2x4x3", 40, 20, 0);
    for (const auto& [key, state, change] : cases) {
        int before = state();
        Form->Editing.PointerTarget = QPoint(-1, -1);
        EXPECT_TRUE(Key(key.key(), key.keyboardModifiers())) << key.toCombined();
        EXPECT_EQ(state() - before, change) << key.toCombined();
        EXPECT_EQ(Form->Editing.PointerTarget, Pixel(40, 20)) << key.toCombined();
    }
    EXPECT_TRUE(Key(Qt::Key_Insert)); // turns the hand
    EXPECT_EQ(Form->Editing.Hand.BrickInHand->SX, 80);
}

TEST_F(KeysFixture, ShiftArrowsPanAndAltArrowsMoveTheZCutOff) {
    for (auto [key, bar, change] : {std::tuple{Qt::Key_Left, Form->OffsetX, -5},
                                    {Qt::Key_Right, Form->OffsetX, 5},
                                    {Qt::Key_Up, Form->OffsetY, -5},
                                    {Qt::Key_Down, Form->OffsetY, 5}}) {
        int before = bar->value();
        EXPECT_TRUE(Key(key, Qt::ShiftModifier));
        EXPECT_EQ(bar->value() - before, change) << key;
    }

    // The steps of the cut-off are the bar's business; the keys only have to reach it.
    AddBrick("B2x2x6", 0, 0, 0);
    int32_t top = Form->Context.Boundary.ZHigh;
    EXPECT_TRUE(Key(Qt::Key_Left, Qt::AltModifier));
    int32_t lowered = Form->Context.Boundary.ZHigh;
    EXPECT_LT(lowered, top);
    EXPECT_EQ(Form->lblZLiftOff->text().toInt(), lowered);
    EXPECT_TRUE(Key(Qt::Key_Right, Qt::AltModifier));
    EXPECT_GT(Form->Context.Boundary.ZHigh, lowered);
}
