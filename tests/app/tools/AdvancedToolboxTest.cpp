// The advanced toolbox on a headless main window. The selection commands' and the mapping
// row's own tests hold what each command does; here each field and button reaches it.
#include "app/tools/AdvancedToolbox.h"

#include "app/GuiTest.h"
#include "app/tools/SpinButton.h"
#include "exchange/ldraw/LDrawMap.h"

namespace {
struct ToolboxFixture : FormTest {
    TAdvOptions& Box() { return *Form->Tools.AdvOptions; }
    QString Position() {
        return Box().lx->text() + " " + Box().ly->text() + " " + Box().lz->text();
    }
};
} // namespace

// The position shows the hand, and zero without it; closing the box unchecks its entry.
TEST_F(ToolboxFixture, MenuEntryShowsTheBoxWithTheHandsPositionAndCloseUnchecks) {
    Form->Advancedtoolbox1->trigger();
    ASSERT_TRUE(Form->TakeFromPalette("2x4x3", 255));
    TBlock& hand = *Form->Editing.Hand.BrickInHand;
    EXPECT_EQ(Position(), QString("%1 %2 %3").arg(hand.X).arg(hand.Y).arg(hand.Z));
    Form->DropHand();
    EXPECT_EQ(Position(), "0 0 0");
    Box().close();
    EXPECT_FALSE(Form->Advancedtoolbox1->isChecked());
}

// One row per control: the selected brick's saved line after it, the other brick's unchanged.
TEST_F(ToolboxFixture, EachSelectionControlChangesOnlyTheSelectedBricks) {
    const std::tuple<std::string, std::function<void(TAdvOptions&)>, const char*> rows[] = {
        {"studs", [](TAdvOptions& b) { b.spStud->click(); }, "B:0:0:0:40:80:24:255:0:0:0:0:0::0"},
        {"transparent", [](TAdvOptions& b) { b.spTransp->click(); },
         "B:0:0:0:40:80:24:255:1:0:0:1:0::0"},
        {"colour", [](TAdvOptions& b) { b.sbColor->click(); },
         "B:0:0:0:40:80:24:65280:1:0:0:0:0::0"},
        {"replace colour", [](TAdvOptions& b) { b.spReplaceColor->click(); },
         "B:0:0:0:40:80:24:65280:1:0:0:0:0::0"},
        {"turn", [](TAdvOptions& b) { b.spTurn->click(); }, "B:0:0:0:80:40:24:255:1:0:1:0:0::0"},
        {"identity", [](TAdvOptions& b) { b.edNewID->setText("3001"), b.spSetIdentity->click(); },
         "B:0:0:0:40:80:24:255:1:0:0:0:0:3001:0"},
        {"step", [](TAdvOptions& b) { b.edStepNo->setText("7"), b.spSetStep->click(); },
         "B:0:0:0:40:80:24:255:1:0:0:0:0::7"},
        {"nudge x", [](TAdvOptions& b) { b.sx->Down->click(); },
         "B:-20:0:0:40:80:24:255:1:0:0:0:0::0"},
        {"nudge z", [](TAdvOptions& b) { b.sz->Up->click(); }, "B:0:0:8:40:80:24:255:1:0:0:0:0::0"},
    };
    for (const auto& [control, use, selectedAfter] : rows) {
        SCOPED_TRACE(control);
        Form->Files.Modified = false;
        Form->btnClearClick();
        TBlock& selected = AddBrick("2x4x3", 0, 0, 0, 0, true);
        TBlock& other = AddBrick("2x4x3", 200, 0, 0);
        selected.Colour = other.Colour = 255;
        std::string otherBefore = other.SaveToString();
        Form->Tools.ShowSelection();
        Form->Colours.CurrentColour = 0x00FF00;
        use(Box());
        EXPECT_EQ(selected.SaveToString(), selectedAfter);
        // Replacing a colour reaches every brick of that colour, selected or not.
        if (control != "replace colour") {
            EXPECT_EQ(other.SaveToString(), otherBefore);
        }
        EXPECT_TRUE(Form->Files.Modified);
    }
    // The turn left the order stale: the redraw sorted it again.
    EXPECT_EQ(Form->Model.SortedOctant, Form->Context.View.Octant);
    Form->cbResolution->setCurrentIndex(2);
    Box().sx->Up->click();
    EXPECT_EQ(Box().lx->text(), "1");
}

TEST_F(ToolboxFixture, ColourPickAndShownStepReachTheWindow) {
    TBlock& selected = AddBrick("2x4x3", 0, 0, 0, 0, true);
    selected.Colour = 0x123457;
    Box().spUseThisColor->click();
    EXPECT_EQ(Form->Colours.CurrentColour, 0x123457);
    Box().spMatchLDRAWcolor->click();
    EXPECT_NE(selected.Colour, 0x123457);

    EXPECT_EQ(Form->Model.StepLimit, 9999);
    int frames = Form->Frame.FramesPainted;
    Box().spStep->setValue(3);
    EXPECT_TRUE(Form->Model.StepLimit == 3 && Form->Frame.FramesPainted > frames);
}

// The row is found whatever the identity's letter case and marked while changed; a change of the
// step looks it up again, putting the row's values back; RotOffset takes the diagonal turns.
TEST_F(ToolboxFixture, MappingRowIsLookedUpMarkedWhileChangedAndSaved) {
    std::string table = Folder + "ts2ld.lst";
    WriteFile(table, "B 1 2 3 1 16 0 -4 0 0 3794b.DAT 0  \r\n");
    TLDrawMap map(Folder);
    TAdvOptions box(Form->ToolboxLink, Form.get(), map);
    box.spEditLDrawInfo->click();
    box.edNewID->setText("3794B");
    ASSERT_TRUE(box.LDrawGroup->isEnabled() && box.spYoffsetL->value() == -4);

    auto red = [](QSpinBox* s) { return s->palette().color(QPalette::Text) == QColor(255, 0, 0); };
    box.spYoffsetL->setValue(9);
    EXPECT_TRUE(red(box.spYoffsetL));
    box.edStepNo->setText("2");
    EXPECT_TRUE(box.spYoffsetL->value() == -4 && !red(box.spYoffsetL));
    box.spXoffsetL->setValue(5);
    box.spRotOffset->setValue(6);
    EXPECT_EQ(box.spRotOffset->value(), 6);
    box.spUpdateLDraw->click();
    EXPECT_FALSE(red(box.spXoffsetL));
    EXPECT_NE(TTempFolder::Read(table).find("B 1 2 3 1 16 5 -4 0 6 3794b.DAT"), std::string::npos);
}

TEST_F(ToolboxFixture, UndoAndRedoKeysShowTheSelectionOfTheModelTheyLeave) {
    Form->Advancedtoolbox1->trigger();
    auto selectable = [&] { return Box().spSetStep->isEnabled(); };

    // A brick placed on the grid, then selected: undoing the placing leaves nothing selected.
    TakeInHand("2x4x3");
    MoveTo(Pixel(47, 25));
    Click(Pixel(47, 25));
    Key(Qt::Key_Escape);
    int placed = Find("B:40:20:0:40:80:24:16777215:1:0:0:0:0::0");
    ASSERT_GE(placed, 0);
    Click(TopOf(Form->Model[placed]));
    ASSERT_TRUE(selectable());
    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_LT(Find("B:40:20:0:40:80:24:16777215:1:0:0:0:0::0"), 0);
    EXPECT_FALSE(selectable());

    // A brick picked up and put back by undo, then selected: redoing the pick-up takes it away.
    TBlock& kept = AddBrick("2x2x3", -100, -60, 0);
    kept.Step = 3;
    Click(TopOf(kept), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_FALSE(Form->Editing.Hand.Empty());
    Key(Qt::Key_Escape);
    Key(Qt::Key_Z, Qt::ControlModifier);
    int back = Find("B:-100:-60:0:40:40:24:16777215:1:0:0:0:0::3");
    ASSERT_GE(back, 0);
    Click(TopOf(Form->Model[back]));
    ASSERT_TRUE(selectable());
    EXPECT_EQ(Box().edStepNo->text(), "3");
    Key(Qt::Key_Y, Qt::ControlModifier);
    ASSERT_LT(Find("B:-100:-60:0:40:40:24:16777215:1:0:0:0:0::3"), 0);
    EXPECT_FALSE(selectable());
}

// Shown again, the window shows the brick the hand took while it was hidden.
TEST_F(ToolboxFixture, ShownAgainItShowsTheHandItMissedWhileHidden) {
    Form->Advancedtoolbox1->trigger();
    Box().spClose->click();
    ASSERT_TRUE(Form->TakeFromPalette("2x4x3|3001", 255));
    TBlock& hand = *Form->Editing.Hand.BrickInHand;
    hand.X = 40, hand.Y = 20, hand.Z = 24;
    Form->Advancedtoolbox1->trigger();
    EXPECT_EQ(std::pair(Position(), Box().edNewID->text()),
              std::pair(QString("40 20 24"), QString("3001")));
}
