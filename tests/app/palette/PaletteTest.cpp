// The palette in the window: taking bricks in hand, the recently used page, the arrow buttons,
// the menu's page rules, the three page dialogs, combination rows and the pages at exit. The
// pages' own tests hold where bricks and pages go; here the clicks, keys and dialogs reach them.
#include "app/GuiTest.h"
#include "app/palette/CustomizeDialog.h"
#include "app/palette/PageDialogs.h"
#include "app/system/IniFile.h"
#include "base/Error.h"

using PaletteFixture = PagesFormTest;

TEST_F(PaletteFixture, ClickTakesTheBrickInTheCurrentColourAtTheLastDropAndRemembersIt) {
    EXPECT_EQ((std::array{Palette().ComboBox1->count(), Palette().ComboBox1->currentIndex(),
                          Palette().ListBox1->count()}),
              (std::array{4, 1, 2}));
    Form->Colours.CurrentColour = 0x00FF00;
    Form->Editing.Hand.LastDrop[0] = 40, Form->Editing.Hand.LastDrop[1] = -20,
    Form->Editing.Hand.LastDrop[2] = 24;
    Form->btnTransparent->setChecked(true);
    TakeRow(1);
    ASSERT_NE(Form->Editing.Hand.BrickInHand, nullptr);
    EXPECT_EQ(Form->Editing.Hand.BrickInHand->SaveToString(),
              "T:40:-20:24:60:40:24:65280:1:0:0:1:0:3038:0");

    // The recently used page shows it again in the colour it was taken in.
    Palette().ComboBox1Change(0);
    EXPECT_EQ(std::pair(Palette().Pages.CurrentPage, Palette().ListBox1->Key(0)),
              std::pair(0, std::string("T3x2x3|3038")));
    Form->Colours.CurrentColour = 0xFFFFFF;
    TakeRow(0);
    EXPECT_EQ(Form->Editing.Hand.BrickInHand->Colour, 0x00FF00);
    Form->btnClearClick();
    EXPECT_EQ(Palette().ListBox1->count(), 0);
}

TEST_F(PaletteFixture, KeysAndArrowButtonsTurnPagesMoveTheRowAndTakeTheBrick) {
    auto key = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return [=, this] { Form->FormKeyDown(key, modifiers); };
    };
    // The control used, then the page shown and the row chosen (-1: not checked).
    const std::tuple<const char*, std::function<void()>, int, int> rows[] = {
        {"previous page button wraps", [&] { Palette().btnPrevPage->click(); }, 2, -1},
        {"next page button wraps", [&] { Palette().btnNextPage->click(); }, 0, -1},
        {"Left wraps to the last page", key(Qt::Key_Left), 2, -1},
        {"Right wraps to the first", key(Qt::Key_Right), 0, -1},
        {"Down", key(Qt::Key_Down), 0, -1},
        {"Down again", key(Qt::Key_Down), 0, 1},
        {"Alt Up", key(Qt::Key_Up, Qt::AltModifier), 0, 0},
    };
    for (const auto& [control, use, page, listRow] : rows) {
        use();
        EXPECT_EQ(Palette().Pages.CurrentPage, page) << control;
        if (listRow >= 0) {
            EXPECT_EQ(Palette().ListBox1->currentRow(), listRow) << control;
        }
    }
    Form->FormKeyDown(Qt::Key_Return, Qt::NoModifier);
    ASSERT_FALSE(Form->Editing.Hand.Empty());
    EXPECT_EQ(Palette().Pages.RecentBricks.front(), "B2x2x3");
}

// The edit menu's entries follow the page and the selection, so that only an empty page can
// be removed.
TEST_F(PaletteFixture, EditMenuOffersRemovingOnlyAnEmptyPage) {
    TPalettePanel& palette = Palette();
    // Remove page, Edit block and Properties, on a page (-1: the recently used).
    for (auto [page, enabled] : {std::pair{2, std::array{true, false, true}},
                                 {0, {false, false, true}},
                                 {-1, {false, false, false}}}) {
        page < 0 ? palette.ComboBox1Change(0) : palette.ShowPage(page);
        palette.ListBox1->clearSelection();
        palette.pumEditPopup();
        EXPECT_EQ((std::array{palette.Removepage1->isEnabled(), palette.Editblock1->isEnabled(),
                              palette.Properties1->isEnabled()}),
                  enabled)
            << page;
    }
    palette.ShowPage(2);
    palette.Removepage1Click();
    EXPECT_EQ(palette.Pages.PageCount(), 2);
    EXPECT_EQ(palette.Pages.CurrentPage, 0);
}

TEST_F(PaletteFixture, PageDialogsChangeThePagesOnlyOnOk) {
    TPalettePanel& palette = Palette();
    for (bool confirm : {false, true}) {
        OnNextDialog<TfrmProperties>([confirm](TfrmProperties& d) {
            d.edHeader->setText("Walls");
            d.spHeight->setValue(300);
            d.edScale->setText("0.25");
            confirm ? d.accept() : d.reject();
        });
        palette.Properties1Click();
        EXPECT_EQ(palette.Pages.Pages[0].Title, confirm ? "Walls" : "Bricks");
    }
    EXPECT_EQ(std::pair(palette.Pages.Pages[0].Height, palette.Pages.Pages[0].Scale),
              std::pair(300, 0.25f));
    EXPECT_EQ(palette.ComboBox1->itemText(1), "Walls");
    EXPECT_EQ(palette.ListBox1->RowHeight(), 255); // rows are drawn at most 255 high

    // The customise dialog's moves, on Ok only too; the pages' own tests hold the moves.
    for (bool confirm : {false, true}) {
        OnNextDialog<TfrmCustomize>([confirm](TfrmCustomize& d) {
            d.lbLeft->setCurrentRow(0);
            d.MoveAcross(true);
            confirm ? d.accept() : d.reject();
        });
        palette.Customizepages1Click();
        EXPECT_EQ(palette.ListBox1->count(), confirm ? 1 : 2);
    }
}

TEST_F(PaletteFixture, CombinationRowInASubfolderIsAddedOnceAndTakenAsAGroup) {
    std::filesystem::create_directories(Folder + "Combos/Small");
    WriteFile(Folder + "Combos/Small/Pair.lgo", "= 60 30 10 0 0 1 1\r\n"
                                                "B 0 0 0 40 40 24 0 1 0 0 0 0  0\r\n"
                                                "B 40 0 0 40 40 24 255 1 0 0 0 0  0\r\n");
    SetAppDir(Folder);
    TPalettePanel& palette = Palette();
    palette.ListBox1->setCurrentRow(1);
    palette.AddCombo(Folder + "Combos/Small/Pair.LGO");
    ASSERT_EQ(palette.Pages.Pages[0].Bricks[1], "M Combos/Small/Pair");
    palette.ListBox1->clearSelection();
    palette.AddCombo(Folder + "Combos/Small/Pair.lgo");
    EXPECT_EQ(palette.Pages.Pages[0].Bricks.back(), "M Combos/Small/Pair");
    palette.ShowPage(1);
    palette.AddCombo(Folder + "Combos/Small/Pair.lgo");
    EXPECT_EQ(palette.ListBox1->count(), 2);
    palette.ListBox1->setCurrentRow(1);
    ASSERT_TRUE(palette.EditID("PAIR-1"));
    EXPECT_EQ(palette.Pages.Pages[1].Bricks[1], "M Combos/Small/Pair|PAIR-1");
    EXPECT_THROW(palette.EditID("a:b"), TError);
    EXPECT_THROW(palette.EditID("a b"), TError);

    std::string modelName = Form->Files.FileName;
    TakeRow(1);
    ASSERT_TRUE(Form->Editing.Hand.HoldingGroup);
    EXPECT_EQ(
        std::pair(Form->Editing.Hand.GroupInHand->Count(), Form->Editing.Hand.BrickInHand->SX),
        std::pair(2, 80));
    EXPECT_TRUE(Form->Files.FileName == modelName && palette.Pages.RecentBricks.empty());
}

TEST_F(PaletteFixture, SettingsWrittenAtExitHoldTheEditedPages) {
    Palette().ListBox1->setCurrentRow(0);
    Palette().Removeblock1Click();
    Palette().Addnewpage1Click();
    EXPECT_EQ(std::pair(Palette().Pages.CurrentPage, Palette().ComboBox1->currentText()),
              std::pair(3, QString("Page3")));
    EXPECT_TRUE(Form->close());
    TIniFile ini(Folder + "s.ini");
    EXPECT_EQ(std::pair(ini.ReadInteger("Main", "Pages", 0), ini.ReadInteger("Page1", "Count", -1)),
              std::pair(4, 1));
    EXPECT_EQ(ini.ReadString("Page1", "Brick0", "") + " " + ini.ReadString("Page4", "Title", ""),
              "T3x2x3|3038 Page3");
}
