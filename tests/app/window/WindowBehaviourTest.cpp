// What a user notices in the main window: the colour swatches, the brick in hand taking colour,
// transparency and studs, opening a model, the recent files and the palette's drawn rows.
#include "app/GuiTest.h"
#include "app/dialogs/OpenModelDialog.h"
#include "app/palette/CustomizeDialog.h"
#include "app/window/ColourSwatches.h"
#include "support/Pixels.h"

namespace {
struct WindowFixture : PagesFormTest {
    void PressSwatch(int swatch, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Form->Swatches, button, {},
                          Form->Swatches->Swatch[size_t(swatch)].Box.center());
    }
    int RowPixels(int32_t colour) { return PixelsOfColour(Palette().TextBitmap, TColour(colour)); }
    // The next open dialog chooses the file; every dialog seen is kept.
    std::vector<QPointer<TOpenModelDialog>> OpenDialogs;
    void OnNextOpenDialog(const std::string& file) {
        OnNextDialog<TOpenModelDialog>([this, file](TOpenModelDialog& dialog) {
            OpenDialogs.push_back(&dialog);
            dialog.selectFile(QString::fromStdString(file));
            static_cast<QDialog&>(dialog).accept(); // the file dialog checks the name
        });
    }
    void DrawRow(int row) {
        QImage image(200, 60, QImage::Format_RGB32);
        QPainter painter(&image);
        Palette().ListBox1DrawItem(painter, QRect(0, 0, 200, 60), row, false);
    }
};

std::unique_ptr<TBlockList> GroupOfTwo() {
    auto group = std::make_unique<TBlockList>();
    group->Add(CreateBrickFromKey("B2x2x3"));
    group->Add(CreateBrickFromKey("B2x2x3")).X = 40;
    return group;
}
} // namespace

TEST_F(WindowFixture, SwatchesTakeTheTableColoursAndClicksColourTheHandOrTheBackground) {
    const TColourSwatches& swatches = *Form->Swatches;
    EXPECT_EQ(std::pair(swatches.Swatch[11].Colour, swatches.Swatch[5].Colour),
              std::pair(QColor(196, 40, 27), QColor(13, 105, 171))); // Red, 4; the sixth column's
    EXPECT_EQ(std::pair(swatches.SwatchAt({131, 25}), swatches.SwatchAt({20, 20})),
              std::pair(15, -1));

    EXPECT_EQ(Form->Colours.CurrentColour, Form->Colours.SwatchColour(0)); // white at start
    TakeRow(0);
    PressSwatch(11);
    int32_t red = Form->Colours.SwatchColour(11);
    EXPECT_EQ((std::array{Form->Colours.CurrentColour, Form->Editing.Hand.BrickInHand->Colour,
                          Palette().Pages.RecentColours.front()}),
              (std::array{red, red, red}));
    Form->Editing.Hand.TakeGroupInHand(GroupOfTwo(), CreateBrickFromKey("B4x2x3"), 0);
    PressSwatch(9);
    for (const auto& b : Form->Editing.Hand.GroupInHand->Items())
        EXPECT_EQ(b->Colour, Form->Colours.SwatchColour(9));

    // The right button, on a swatch or on the palette, sets the background and redraws.
    PressSwatch(0, Qt::RightButton);
    EXPECT_EQ(Form->Colours.Background, Form->Colours.SwatchColour(0));
    EXPECT_EQ(Form->Frame.Bitmap.Pixel(1, 1), TColour(Form->Colours.SwatchColour(0)) & 0xFFFFFF);
    EXPECT_EQ(Form->Colours.CurrentColour, Form->Colours.SwatchColour(9));
    QTest::mouseClick(Form->Palette, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_EQ(Form->Colours.Background, Form->ButtonFaceColour());
    Form->Colours.Background = 0x123456;
    Form->mRestBg->trigger();
    EXPECT_EQ(Form->Colours.Background, Form->ButtonFaceColour());
}

TEST_F(WindowFixture, TransparencyStudAndColourDialogButtonsReachTheHandAtOnce) {
    Form->Editing.Hand.TakeGroupInHand(GroupOfTwo(), CreateBrickFromKey("B4x2x3"), 0);
    for (bool on : {true, false}) {
        Form->btnTransparent->click();
        Form->btnPieceStuds->click();
        for (const auto& b : Form->Editing.Hand.GroupInHand->Items())
            EXPECT_EQ(std::pair(b->Transparent, b->Studs), std::pair(on, !on));
        EXPECT_EQ(Form->Editing.Hand.BrickInHand->Transparent, on);
    }

    // The colour dialog's colour is not one to remember in the recent row.
    TakeRow(1);
    int32_t remembered = Palette().Pages.RecentColours.front();
    OnNextDialog<QColorDialog>([](QColorDialog& dialog) {
        dialog.setCurrentColor(QColor(1, 2, 3));
        dialog.accept();
    });
    Form->btnColorDlg->click();
    EXPECT_EQ(std::pair(Form->Colours.CurrentColour, Form->Editing.Hand.BrickInHand->Colour),
              std::pair(0x030201, 0x030201));
    EXPECT_EQ(Palette().Pages.RecentColours.front(), remembered);
}

TEST_F(WindowFixture, OpeningAModelStartsOverLikeNewModelInTheOneOpenDialog) {
    std::string file = WriteModel("m.lgo", "B 0 0 0 40 40 24 255 1 0 0 0 0  0\r\n");
    TakeRow(0);
    Form->DropHand();
    Form->ZLiftOff->setValue(Form->ZLiftOff->value() - 5); // cut off at level 0
    ASSERT_EQ(Form->Context.Boundary.ZHigh, 0);
    Form->btnUndo->setEnabled(true);

    OnNextOpenDialog(file);
    Form->mNewmodel->trigger();
    EXPECT_EQ(Form->Model.Count(), 1);
    EXPECT_EQ(std::pair(Form->Context.Boundary.ZHigh, Form->lblZLiftOff->text()),
              std::pair(19999, QString("19999")));
    EXPECT_TRUE(Palette().Pages.RecentBricks.empty() && !Form->btnUndo->isEnabled());
    EXPECT_EQ(Palette().Pages.RecentRowHeight, 40);

    // The one open dialog keeps its state and shows the picture beside a model, whatever the
    // case of its extension.
    std::string second = WriteModel("b.lgo", "");
    QImage(30, 20, QImage::Format_RGB32).save(QString::fromStdString(Folder + "b.BMP"), "BMP");
    ASSERT_TRUE(OpenDialogs.size() == 1 && !OpenDialogs[0].isNull()); // kept after the command
    OpenDialogs[0]->setViewMode(QFileDialog::Detail);
    OnNextOpenDialog(second);
    Form->mSubAssembly->trigger();
    ASSERT_EQ(OpenDialogs.size(), 2u);
    EXPECT_EQ(OpenDialogs[1].data(), OpenDialogs[0].data());
    EXPECT_EQ(std::pair(OpenDialogs[1]->viewMode(), OpenDialogs[1]->windowTitle()),
              std::pair(QFileDialog::Detail, QString("Load a subassembly")));
    TOpenModelDialog& dialog = *OpenDialogs[0];
    for (auto [name, label, preview] :
         {std::tuple{second, " (30x20)", true}, {file, "Picture:", false}}) {
        dialog.SelectionChanged(QString::fromStdString(name));
        EXPECT_EQ(std::pair(dialog.PictureLabel->text(), dialog.PreviewButton->isEnabled()),
                  std::pair(QString(label), preview));
    }
    EXPECT_TRUE(dialog.Picture.isNull());
}

TEST_F(WindowFixture, RecentFilesKeepTwelveWhenOneIsReopenedAndTheMenuShowsFifteen) {
    std::vector<std::string> files;
    for (int i = 0; i < 16; ++i)
        Form->LoadModelFile(files.emplace_back(WriteModel(std::to_string(i) + ".lgo", "")), 0);
    EXPECT_EQ(Form->Files.Recent.size(), 16u); // new names are never cut
    Form->pumLoadPopup();
    Form->pumLoadPopup();
    auto actions = Form->pumLoad->actions();
    EXPECT_EQ(std::count_if(actions.begin(), actions.end(),
                            [](QAction* a) { return a->data().toInt() == -1; }),
              15);
    Form->LoadModelFile(files[3], 0);
    EXPECT_EQ(Form->Files.Recent.size(), 12u);
    EXPECT_EQ(std::vector(Form->Files.Recent.begin(), Form->Files.Recent.begin() + 2),
              (std::vector{files[3], files[15]}));
    EXPECT_EQ(std::count(Form->Files.Recent.begin(), Form->Files.Recent.end(), files[3]), 1);
}

TEST_F(WindowFixture, RowTextIsDrawnOnEightBitRows) {
    Form->pf8bit1->trigger();
    DrawRow(1); // "3038" in black at the top left, the brick in the middle
    const TBitmap& row = Palette().TextBitmap;
    ASSERT_EQ(row.PixelFormat(), TPixelFormat::pf8bit);
    int dark = 0;
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 40; ++x)
            dark +=
                RedOf(row.Pixel(x, y)) + GreenOf(row.Pixel(x, y)) + BlueOf(row.Pixel(x, y)) < 200;
    EXPECT_GT(dark, 10);
    Form->pf16bit1->trigger();
    EXPECT_EQ(row.PixelFormat(), TPixelFormat::pf16bit);
}

TEST_F(WindowFixture, CombinationRowsKeepTheirModelUntilTheFileChanges) {
    SetAppDir(Folder);
    std::filesystem::create_directories(Folder + "Combos");
    std::string file = Folder + "Combos/Pair.lgo";
    WriteFile(file, "= 60 30 10 0 0 1 1\r\nB 0 0 0 40 40 24 0 1 0 0 0 0  0\r\n");
    Palette().Pages.Pages[0].Bricks.push_back("M Combos/Pair");
    Palette().ShowPage(0);
    Form->Colours.CurrentColour = 0x00C800;
    DrawRow(2);
    EXPECT_GT(RowPixels(0x00C800), 50);

    // Another brick colour of the same length, the file's time put back: the row is unchanged.
    auto time = std::filesystem::last_write_time(file);
    WriteFile(file, "= 60 30 10 0 0 1 1\r\nB 0 0 0 40 40 24 9 1 0 0 0 0  0\r\n");
    std::filesystem::last_write_time(file, time);
    DrawRow(2);
    EXPECT_GT(RowPixels(0x00C800), 50);

    std::filesystem::last_write_time(file, time + std::chrono::seconds(2));
    DrawRow(2);
    EXPECT_EQ(RowPixels(0x00C800), 0);
}

TEST_F(WindowFixture, CustomizeDialogDrawsRecentRowsInTheirRememberedColours) {
    Form->Colours.CurrentColour = 0x0000FF;
    TakeRow(0);
    Form->DropHand();
    Form->Colours.CurrentColour = 0x00FF00;
    int remembered = -1, current = -1;
    OnNextDialog<TfrmCustomize>([&](TfrmCustomize& dialog) {
        dialog.ShowSide(false, 0);
        QImage image(200, 60, QImage::Format_RGB32);
        QPainter painter(&image);
        dialog.lbLeft->OnDrawItem(painter, QRect(0, 0, 200, 50), 0, false);
        remembered = RowPixels(0x0000FF);
        current = RowPixels(0x00FF00);
    });
    Palette().Customizepages1Click();
    EXPECT_GT(remembered, 50);
    EXPECT_EQ(current, 0);
}
