// The palette in the window: taking bricks in hand, the recently used page, the arrow buttons,
// the menu's page rules, the three page dialogs, combination rows and the pages at exit.
#include "GuiTest.h"
#include "app/palette/CustomizeDialog.h"
#include "app/palette/PageDialogs.h"
#include "app/palette/PaletteListBox.h"
#include "app/palette/PalettePanel.h"
#include "app/system/IniFile.h"
#include "base/Error.h"
#include "base/FileNames.h"
#include "support/Pixels.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
const char* ThreePages = "[Main]\r\nVersion=2\r\nPages=3\r\n"
                         "[Page1]\r\nTitle=Bricks\r\nHeight=50\r\nScale=0.5\r\nCount=2\r\n"
                         "Brick0=B2x2x3\r\nBrick1=T3x2x3|3038\r\n"
                         "[Page2]\r\nTitle=Plates\r\nHeight=40\r\nScale=0.4\r\nCount=1\r\n"
                         "Brick0=B4x2x1|3020\r\n"
                         "[Page3]\r\nTitle=Spare\r\nHeight=40\r\nScale=0.5\r\nCount=0\r\n";

std::unique_ptr<TMainForm> PaletteForm() {
    std::string dir = TestFolder();
    WriteFile(dir + "s.ini", ThreePages);
    return NewForm(dir + "s.ini");
}

void Click(TMainForm& form, int row) {
    form.Palette->ListBox1->setCurrentRow(row);
    form.Palette->ListBox1Click();
}

// Runs the next modal dialog of the type through the function, then confirms or cancels it.
template <class TDialog> void OnNextDialog(std::function<void(TDialog&)> edit, bool confirm) {
    QTimer::singleShot(0, [edit, confirm] {
        auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        edit(*dialog);
        confirm ? dialog->accept() : dialog->reject();
    });
}
} // namespace

TEST(Palette, ClickTakesTheBrickInTheCurrentColourAtTheLastDrop) {
    auto form = PaletteForm();
    TPalettePanel& palette = *form->Palette;
    EXPECT_EQ(palette.ComboBox1->count(), 4);
    EXPECT_EQ(palette.ComboBox1->currentIndex(), 1);
    EXPECT_EQ(palette.ListBox1->count(), 2);
    form->CurrentColour = 0x00FF00;
    form->Hand.LastDrop[0] = 40, form->Hand.LastDrop[1] = -20, form->Hand.LastDrop[2] = 24;
    form->btnTransparent->setChecked(true);
    Click(*form, 1);
    ASSERT_NE(form->Hand.BrickInHand, nullptr);
    TBlock& brick = *form->Hand.BrickInHand;
    EXPECT_EQ(brick.Kind, 'T');
    EXPECT_EQ(brick.SX, 60);
    EXPECT_EQ(brick.SY, 40);
    EXPECT_EQ(brick.PartID, "3038");
    EXPECT_EQ(brick.Colour, 0x00FF00);
    EXPECT_EQ(brick.X, 40);
    EXPECT_EQ(brick.Y, -20);
    EXPECT_EQ(brick.Z, 24);
    EXPECT_TRUE(brick.Studs);
    EXPECT_TRUE(brick.Transparent);
}

// The pages' own tests hold the order and colour rules; here the clicks and buttons reach them.
TEST(Palette, RecentlyUsedPageShowsTheTakenBricksInTheirColours) {
    auto form = PaletteForm();
    TPalettePanel& palette = *form->Palette;
    form->CurrentColour = 0x00FF00;
    Click(*form, 1);
    palette.ComboBox1Change(0);
    EXPECT_EQ(palette.Pages.CurrentPage, 0);
    EXPECT_EQ(palette.ListBox1->Key(0), "T3x2x3|3038");
    form->CurrentColour = 0xFFFFFF;
    Click(*form, 0);
    EXPECT_EQ(form->Hand.BrickInHand->Colour, 0x00FF00);
    form->btnClearClick();
    EXPECT_EQ(palette.ListBox1->count(), 0);
}

TEST(Palette, KeysTurnPagesMoveTheRowAndTakeTheBrick) {
    auto form = PaletteForm();
    TPalettePanel& palette = *form->Palette;
    form->FormKeyDown(Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(palette.Pages.CurrentPage, 2);
    form->FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(palette.Pages.CurrentPage, 0);
    form->FormKeyDown(Qt::Key_Return, Qt::NoModifier);
    EXPECT_TRUE(form->Hand.Empty());
    form->FormKeyDown(Qt::Key_Down, Qt::NoModifier);
    form->FormKeyDown(Qt::Key_Down, Qt::NoModifier);
    form->FormKeyDown(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(palette.ListBox1->currentRow(), 0);
    form->FormKeyDown(Qt::Key_Return, Qt::NoModifier);
    ASSERT_FALSE(form->Hand.Empty());
    EXPECT_EQ(form->Hand.BrickInHand->SX, 40);
    EXPECT_EQ(palette.Pages.RecentBricks.front(), "B2x2x3");
}

TEST(Palette, ArrowButtonsTurnAndRepeat) {
    auto form = PaletteForm();
    TPalettePanel& palette = *form->Palette;
    palette.btnPrevPage->click();
    EXPECT_EQ(palette.ComboBox1->currentIndex(), 3);
    palette.btnNextPage->click();
    palette.btnNextPage->click();
    EXPECT_EQ(palette.ListBox1->Key(0), "B4x2x1|3020");
    EXPECT_TRUE(palette.btnNextPage->autoRepeat());
    EXPECT_EQ(palette.btnNextPage->autoRepeatInterval(), 200);
}

TEST(Palette, OnlyAnEmptyPageCanBeRemoved) {
    auto form = PaletteForm();
    TPalettePanel& palette = *form->Palette;
    palette.ShowPage(2);
    palette.pumEditPopup();
    EXPECT_TRUE(palette.Removepage1->isEnabled());
    EXPECT_FALSE(palette.Editblock1->isEnabled());
    // The state must not carry over to a page that holds bricks.
    palette.ShowPage(0);
    palette.ListBox1->clearSelection();
    palette.pumEditPopup();
    EXPECT_FALSE(palette.Removepage1->isEnabled());
    EXPECT_FALSE(palette.Removeblock1->isEnabled());
    AnswerNextMessageBox(QMessageBox::Ok);
    palette.Removepage1Click();
    EXPECT_EQ(palette.Pages.PageCount(), 3);
    palette.ComboBox1Change(0);
    palette.pumEditPopup();
    EXPECT_FALSE(palette.Removepage1->isEnabled());
    EXPECT_FALSE(palette.Properties1->isEnabled());
    palette.ShowPage(2);
    palette.Removepage1Click();
    EXPECT_EQ(palette.Pages.PageCount(), 2);
    EXPECT_EQ(palette.Pages.CurrentPage, 0);
}

TEST(Palette, PropertiesChangeThePageOnlyOnOk) {
    auto form = PaletteForm();
    TPalettePanel& palette = *form->Palette;
    auto edit = [](TfrmProperties& d) {
        d.edHeader->setText("Walls");
        d.spHeight->setValue(300);
        d.edScale->setText("0.25");
    };
    OnNextDialog<TfrmProperties>(edit, false);
    palette.Properties1Click();
    EXPECT_EQ(palette.Pages.Pages[0].Title, "Bricks");
    OnNextDialog<TfrmProperties>(edit, true);
    palette.Properties1Click();
    EXPECT_EQ(palette.Pages.Pages[0].Title, "Walls");
    EXPECT_EQ(palette.Pages.Pages[0].Height, 300);
    EXPECT_FLOAT_EQ(palette.Pages.Pages[0].Scale, 0.25f);
    EXPECT_EQ(palette.ComboBox1->itemText(1), "Walls");
    // A row taller than 255 pixels is drawn 255 high.
    EXPECT_EQ(palette.ListBox1->RowHeight(), 255);
}

TEST(Palette, CustomiseAndReorderChangeThePagesOnlyOnOk) {
    auto form = PaletteForm();
    TPalettePanel& palette = *form->Palette;
    auto move = [](TfrmCustomize& d) {
        d.lbLeft->setCurrentRow(0);
        d.MoveAcross(true);
    };
    OnNextDialog<TfrmCustomize>(move, false);
    palette.Customizepages1Click();
    EXPECT_EQ(palette.Pages.Pages[0].Bricks.size(), 2u);
    // The pages' own tests hold where bricks and pages go; here OK applies the dialog's moves.
    OnNextDialog<TfrmCustomize>(move, true);
    palette.Customizepages1Click();
    EXPECT_EQ(palette.ListBox1->count(), 1);

    auto reorder = [](TfrmReorder& d) {
        d.lbPages->setCurrentRow(2);
        d.MoveSelected(-1);
        d.MoveSelected(-1);
    };
    OnNextDialog<TfrmReorder>(reorder, false);
    palette.Reorderpages1Click();
    EXPECT_EQ(palette.Pages.Pages[0].Title, "Bricks");
    OnNextDialog<TfrmReorder>(reorder, true);
    palette.Reorderpages1Click();
    EXPECT_EQ(palette.Pages.Pages[0].Title, "Spare");
}

TEST(Palette, CombinationRowInASubfolderDrawsAndLoads) {
    std::string saved = AppDir();
    std::string dir = TestFolder();
    std::filesystem::create_directories(dir + "Combos/Small");
    WriteFile(dir + "Combos/Small/Pair.lgo", "= 60 30 10 0 0 1 1\r\n"
                                             "B 0 0 0 40 40 24 0 1 0 0 0 0  0\r\n"
                                             "B 40 0 0 40 40 24 255 1 0 0 0 0  0\r\n");
    auto form = PaletteForm();
    SetAppDir(dir);
    TPalettePanel& palette = *form->Palette;
    palette.ListBox1->setCurrentRow(1);
    palette.AddCombo(dir + "Combos/Small/Pair.LGO");
    ASSERT_EQ(palette.Pages.Pages[0].Bricks[1], "M Combos/Small/Pair");
    palette.ListBox1->clearSelection();
    palette.AddCombo(dir + "Combos/Small/Pair.lgo");
    EXPECT_EQ(palette.Pages.Pages[0].Bricks.back(), "M Combos/Small/Pair");
    palette.ShowPage(1);
    palette.AddCombo(dir + "Combos/Small/Pair.lgo");
    EXPECT_EQ(palette.ListBox1->count(), 2);
    palette.ListBox1->setCurrentRow(1);
    ASSERT_TRUE(palette.EditID("PAIR-1"));
    EXPECT_EQ(palette.Pages.Pages[1].Bricks[1], "M Combos/Small/Pair|PAIR-1");
    EXPECT_THROW(palette.EditID("a:b"), TError);
    EXPECT_THROW(palette.EditID("a b"), TError);

    form->CurrentColour = 0x00C800;
    QImage image(200, 60, QImage::Format_RGB32);
    QPainter painter(&image);
    palette.ListBox1DrawItem(painter, QRect(0, 0, 200, 60), 1, false);
    EXPECT_EQ(palette.TextBitmap.Height(), 40);
    EXPECT_GT(PixelsOfColour(palette.TextBitmap, 0x00C800), 50);

    std::string modelName = form->ModelFileName;
    Click(*form, 1);
    SetAppDir(saved);
    ASSERT_NE(form->Hand.GroupInHand, nullptr);
    EXPECT_TRUE(form->Hand.HoldingGroup);
    EXPECT_EQ(form->Hand.GroupInHand->Count(), 2);
    ASSERT_NE(form->Hand.BrickInHand, nullptr);
    EXPECT_EQ(form->Hand.BrickInHand->SX, 80);
    EXPECT_EQ(form->ModelFileName, modelName);
    EXPECT_TRUE(palette.Pages.RecentBricks.empty());
}

TEST(Palette, EditIDGivesANewIdentityItsMappingRow) {
    std::string saved = AppDir();
    std::string dir = TestFolder();
    std::filesystem::copy_file(std::string(TESSARYN_SHIPPED_DATA) + "ts2ld.lst", dir + "ts2ld.lst");
    auto form = PaletteForm();
    SetAppDir(dir);
    TPalettePanel& palette = *form->Palette;
    // A shape no row knows, so that only the identity can find a row.
    palette.Pages.Pages[0].Bricks[0] = "B5x3x3";
    palette.ShowPage(0);
    palette.ListBox1->setCurrentRow(0);
    bool changed = palette.EditID("99999x");
    SetAppDir(saved);
    ASSERT_TRUE(changed);
    EXPECT_EQ(palette.Pages.Pages[0].Bricks[0], "B5x3x3|99999x");
    EXPECT_EQ(palette.ListBox1->currentRow(), 0);
    EXPECT_NE(TTempFolder::Read(dir + "ts2ld.lst").find("B 3 5 3 1 16 0 0 0 0 99999x.DAT 0"),
              std::string::npos);
}

TEST(Palette, SettingsWrittenAtExitHoldTheEditedPages) {
    std::string dir = TestFolder();
    WriteFile(dir + "s.ini", ThreePages);
    {
        auto form = NewForm(dir + "s.ini");
        TPalettePanel& palette = *form->Palette;
        palette.ListBox1->setCurrentRow(0);
        palette.Removeblock1Click();
        palette.Addnewpage1Click();
        EXPECT_EQ(palette.Pages.CurrentPage, 3);
        EXPECT_EQ(palette.ComboBox1->currentText(), "Page3");
        form->show();
        EXPECT_TRUE(form->close());
    }
    TIniFile ini(dir + "s.ini");
    EXPECT_EQ(ini.ReadInteger("Main", "Pages", 0), 4);
    EXPECT_EQ(ini.ReadInteger("Page1", "Count", -1), 1);
    EXPECT_EQ(ini.ReadString("Page1", "Brick0", ""), "T3x2x3|3038");
    EXPECT_EQ(ini.ReadString("Page4", "Title", ""), "Page3");
    EXPECT_EQ(ini.ReadInteger("Page4", "Height", 0), 40);
}

TEST(Palette, RightClickOnThePanelAndBitDepthReachTheViewAndTheRows) {
    auto form = PaletteForm();
    form->Background = 0x123456;
    QTest::mouseClick(form->Palette, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_EQ(form->Background, form->ButtonFaceColour());
    form->pf16bit1->trigger();
    EXPECT_EQ(form->Palette->TextBitmap.PixelFormat(), TPixelFormat::pf16bit);
    form->pf32bit1->trigger();
    EXPECT_EQ(form->Palette->TextBitmap.PixelFormat(), TPixelFormat::pf32bit);
}

TEST(Palette, EditIDDialogRefusesIdentitiesTheFilesCannotStore) {
    TestApp();
    TfrmEditID dialog;
    dialog.edID->setText("30 01");
    AnswerNextMessageBox(QMessageBox::Ok);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.edID->setText(" 3001b ");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.PartID(), "3001b");
}
