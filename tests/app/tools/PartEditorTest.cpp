// The part editor as a user meets it: a new wedge from the template, editing a part that bricks
// of an open model use, the part information question, and the palette's Edit and Add. The
// part file's and the edits' own tests hold the numbers; here each control reaches them.
#include "app/tools/PartEditor.h"

#include "app/GuiTest.h"
#include "app/tools/AskFileAndPart.h"
#include "app/tools/PartEditorWidgets.h"
#include "parts/DrawClass.h"
#include "parts/PartCache.h"
#include "support/ShippedAppDir.h"

namespace {
// A program folder of its own with the template and a user part, and an empty part cache.
class PartEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        std::filesystem::copy(TESSARYN_TEST_DATA "app/editor", Dir,
                              std::filesystem::copy_options::recursive);
        std::filesystem::copy_file(TESSARYN_SHIPPED_DATA "parts/template.dat",
                                   Dir + "parts/template.dat");
    }
    bool PartFileExists(const std::string& name) const {
        return std::filesystem::exists(Dir + "parts/" + name);
    }
    TAddHard& OpenEditor(const std::string& key, TAddHard::TMode mode) {
        Editor = std::make_unique<TAddHard>(Context, 0x0000FF);
        Editor->Open(key, mode);
        return *Editor;
    }

    std::string Dir = TestFolder();
    TShippedAppDir App{Dir};
    std::unique_ptr<TMainForm> Form;
    TDrawContext Context;
    std::unique_ptr<TAddHard> Editor;
};

const TBlock* FirstGeneral(const TMainForm& form) {
    for (const auto& brick : form.Model.Items())
        if (brick->Kind == 'G')
            return brick.get();
    return nullptr;
}

void Answer(TAskFileAndPart& ask, const char* file, const char* part) {
    ask.Edit1->setText(file);
    ask.Edit2->setText(part);
    ask.accept();
}

// Polygon 0 of the template is the top: lowering its x = 20 side makes a wedge.
void MakeWedge(TAddHard& editor) {
    editor.SelectPolygon(0);
    for (int vertex : {1, 2}) {
        editor.SelectVertex(vertex);
        editor.AdjZ->setValue(0);
    }
    editor.SelectPolygon(3); // the x = 20 side, now without height
    editor.DeleteClick();
    editor.Sort(1);
}
} // namespace

TEST_F(PartEditorTest, BadNamesAreRefusedAndAnExistingPartIsReplacedOnlyOnYes) {
    TAddHard& editor = OpenEditor("G template.dat, template", TAddHard::TMode::AddBlock);
    OnNextDialog<TAskFileAndPart>([](TAskFileAndPart& ask) {
        // The name checks' own tests hold every refusal; here one outside the folder and one
        // taken name are refused in the dialog.
        for (auto [file, part] :
             {std::pair{"../evil.dat", "x"}, std::pair{"userblks.dat", "template"}}) {
            AnswerNextMessageBox(QMessageBox::Ok);
            Answer(ask, file, part);
            EXPECT_TRUE(ask.isVisible()) << file << " " << part;
        }
    });
    editor.btnAddPieceClick();
    EXPECT_NE(editor.result(), QDialog::Accepted);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir + "parts"), {}), 2);
    EXPECT_FALSE(std::filesystem::exists(Dir + "evil.dat"));

    TAskFileAndPart ask;
    ask.show();
    AnswerNextMessageBox(QMessageBox::No);
    Answer(ask, "userblks.dat", "wedge");
    EXPECT_TRUE(ask.isVisible());
    AnswerNextMessageBox(QMessageBox::Yes);
    Answer(ask, "userblks.dat", "wedge");
    EXPECT_EQ(ask.result(), QDialog::Accepted);
}

TEST_F(PartEditorTest, EditingAPartReshapesTheBricksOfTheOpenModel) {
    Form = NewForm(Dir + "s.ini");
    Form->Model.InsertSorted(CreateBrickFromKey("G userblks.dat, wedge"));
    Form->Editing.Hand.TakeInHand(CreateBrickFromKey("G userblks.dat, wedge"), 0);
    TPalettePanel& palette = *Form->Palette;
    palette.ListBox1->setCurrentRow(0);
    palette.pumEditPopup();
    ASSERT_TRUE(palette.Editblock1->isEnabled());
    Form->Context.DetailLevel = 1;

    OnNextDialog<TAddHard>([](TAddHard& editor) {
        EXPECT_EQ(editor.windowTitle() + " " + editor.btnAddPiece->text(), "Edit block Replace");
        editor.ShowDetail(2);
        editor.edtX->setValue(40); // stretches the wedge to two studs
        editor.btnAddPieceClick();
    });
    palette.Editblock1Click();

    EXPECT_EQ(Form->Context.DetailLevel, 1);
    EXPECT_EQ(palette.Pages.Pages[0].Bricks[0], "G userblks.dat, wedge");
    const TBlock* modelWedge = FirstGeneral(*Form);
    ASSERT_NE(modelWedge, nullptr);
    EXPECT_EQ((std::array{modelWedge->SX, modelWedge->Definition->GetPoint(0, 1).X,
                          Form->Editing.Hand.BrickInHand->SX}),
              (std::array{40, 40, 40}));
    EXPECT_TRUE(PartFileExists("wedge.tsp"));
}

TEST_F(PartEditorTest, LeavingGeneralCancellingOrAMissingPartKeepsTheCachedDefinition) {
    TDrawClass& cached = GetDrawClass("userblks.dat", "wedge");
    TAddHard& editor = OpenEditor("G userblks.dat, wedge", TAddHard::TMode::EditBlock);
    editor.edtX->setValue(60);
    editor.lbBlockTypes->setCurrentRow(0); // Block
    EXPECT_TRUE(editor.Working() == nullptr && !editor.PolygonPanel->isVisibleTo(&editor));
    EXPECT_EQ(std::pair(editor.edtX->minimum(), editor.edtZ->singleStep()), std::pair(20, 8));
    EXPECT_EQ(editor.Key(), "B 3x1x3");
    editor.edtIdent->setText("30 04");
    EXPECT_THROW(editor.btnAddPieceClick(), std::exception);
    EXPECT_NE(editor.result(), QDialog::Accepted);
    editor.reject();
    EXPECT_TRUE(cached.BBX == 20 && !PartFileExists("wedge.tsp"));

    // A part that does not load is previewed as nothing and cannot be accepted.
    TAddHard& missing = OpenEditor("G userblks.dat, missing", TAddHard::TMode::EditBlock);
    EXPECT_TRUE(missing.Brick() == nullptr && missing.lbBlockTypes->currentRow() == 8);
    missing.DrawPreview();
    AnswerNextMessageBox(QMessageBox::Ok);
    missing.btnAddPieceClick();
    EXPECT_NE(missing.result(), QDialog::Accepted);
}

TEST_F(PartEditorTest, ListsDragAndDropTrashAndPointControls) {
    TAddHard& editor = OpenEditor("G userblks.dat, wedge", TAddHard::TMode::EditBlock);
    editor.speOctant->setValue(4); // an empty order from below
    ASSERT_EQ(editor.lbDrawOrder->count(), 0);
    editor.DropOnDrawOrder(editor.lbAllPolys, 1, 0);
    editor.DropOnDrawOrder(editor.lbAllPolys, 0, 1);
    editor.DropOnDrawOrder(editor.lbAllPolys, 0, 0); // already there
    EXPECT_EQ(editor.Working()->DrawOrder[4].Items, (std::vector<int32_t>{1, 0}));
    editor.DropOnTrash(editor.lbDrawOrder, 0);
    EXPECT_EQ(editor.Working()->DrawOrder[4].Items, (std::vector<int32_t>{0}));

    // A vertex is read from the point, whatever its list line looks like.
    editor.Working()->SetPoint(1, 2, {-1234, 5, -10000});
    editor.SelectPolygon(1);
    editor.SelectVertex(2);
    EXPECT_EQ(editor.AdjX->value(), -1234);
    editor.AdjY->setValue(6);
    editor.lbCoord->setFocus();
    QTest::keyClick(editor.lbCoord, Qt::Key_A);
    QTest::keyClick(editor.lbCoord, Qt::Key_D);
    EXPECT_EQ(editor.Working()->GetPoint(1, 2), (TPoint3{-1233, 6, -9998}));

    // Without a point selected the whole polygon moves with its first point.
    editor.SelectPolygon(0);
    editor.AdjX->setValue(editor.AdjX->value() + 10);
    EXPECT_EQ(editor.Working()->GetPoint(0, 2), (TPoint3{30, 20, 0}));
    editor.CoordRightClick(2);
    EXPECT_EQ(editor.Working()->GetEdgeFlags(0), 8);
    editor.BorderClick();
    EXPECT_EQ(editor.lbAllPolys->item(0)->text(), "1");

    AnswerNextMessageBox(QMessageBox::No);
    editor.DropOnTrash(editor.lbAllPolys, 1);
    EXPECT_EQ(editor.Working()->PolygonCount(), 2);
    AnswerNextMessageBox(QMessageBox::Yes);
    editor.DropOnTrash(editor.lbAllPolys, 1);
    EXPECT_EQ(editor.Working()->PolygonCount(), 1);
    EXPECT_EQ(GetDrawClass("userblks.dat", "wedge").PolygonCount(), 2);
}

TEST_F(PartEditorTest, ANewPartAddedOnAnEmptyPageIsPlacedSavedAndFoundAfterARestart) {
    Form = NewForm(Dir + "s.ini");
    TPalettePanel& palette = *Form->Palette;
    palette.ListBox1->setCurrentRow(1); // a combination: neither Edit nor Add
    palette.pumEditPopup();
    EXPECT_FALSE(palette.Editblock1->isEnabled() || palette.Addnewblock1->isEnabled());
    palette.ShowPage(1);
    palette.pumEditPopup();
    EXPECT_FALSE(palette.Editblock1->isEnabled());
    ASSERT_TRUE(palette.Addnewblock1->isEnabled());
    OnNextDialog<TAddHard>([](TAddHard& editor) {
        EXPECT_EQ(editor.windowTitle(), "Add new block");
        EXPECT_TRUE(editor.Working()->PartName == "template" &&
                    editor.lbBlockTypes->currentRow() == 8);
        MakeWedge(editor);
        EXPECT_EQ(editor.Working()->PolygonCount(), 5);
        OnNextDialog<TAskFileAndPart>([](TAskFileAndPart& ask) {
            EXPECT_EQ(ask.Edit1->text(), "userblks.dat");
            Answer(ask, "userblks.dat", "wedge2x1");
        });
        editor.btnAddPieceClick();
        EXPECT_EQ(editor.result(), QDialog::Accepted);
    });
    palette.Addnewblock1Click();
    ASSERT_EQ(palette.Pages.Pages[1].Bricks, std::vector<std::string>{"G userblks.dat, wedge2x1"});
    // Written once, on accepting; the part file's own tests hold the read-back.
    EXPECT_FALSE(FindDrawClass("userblks.dat", "wedge2x1")->Modified);

    palette.ListBox1->setCurrentRow(0);
    palette.ListBox1Click();
    ASSERT_NE(Form->Editing.Hand.BrickInHand, nullptr);
    Form->DropBrickInHand();
    Form->SaveModelAs(Dir + "wedge.lgo", true);
    Form->Files.Modified = false;
    Form->close();
    Form.reset();
    ClearDrawClasses();

    Form = NewForm(Dir + "s.ini"); // on the pages its last run left
    Form->LoadModelFile(Dir + "wedge.lgo", 0);
    const TBlock* wedge = FirstGeneral(*Form);
    ASSERT_NE(wedge, nullptr);
    EXPECT_EQ(wedge->Definition->GetPoint(0, 1), (TPoint3{20, 0, 0}));
    EXPECT_EQ(Form->Palette->Pages.Pages[1].Bricks,
              std::vector<std::string>{"G userblks.dat, wedge2x1"});
}

// The selection follows the highlighted row however it moved, so Delete and the point keys act
// on the row the user sees; a door, which the kind list lacks, stays a door.
TEST_F(PartEditorTest, ArrowKeysMoveTheSelectionAndADoorKeepsItsKind) {
    TAddHard& editor = OpenEditor("G userblks.dat, wedge", TAddHard::TMode::EditBlock);
    editor.show();
    auto click = [](TPartEditorList* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    };
    std::vector<TPoint3> first = editor.Working()->Polygons[0].Points;
    click(editor.lbAllPolys, 0);
    QTest::keyClick(editor.lbAllPolys, Qt::Key_Down);
    QTest::keyClick(editor.lbAllPolys, Qt::Key_Delete);
    ASSERT_EQ(editor.Working()->PolygonCount(), 1);
    EXPECT_EQ(editor.Working()->Polygons[0].Points, first);
    click(editor.lbCoord, 0);
    QTest::keyClick(editor.lbCoord, Qt::Key_Down);
    QTest::keyClick(editor.lbCoord, Qt::Key_A);
    EXPECT_EQ(editor.Working()->GetPoint(0, 1).X, first[1].X + 1);

    TAddHard& door = OpenEditor("D 2x1x15|door", TAddHard::TMode::EditBlock);
    EXPECT_EQ(door.Key(), "D 2x1x15|door");
    door.edtX->setValue(60);
    EXPECT_EQ(door.Key(), "D 3x1x15|door");
    door.lbBlockTypes->setCurrentRow(7);
    EXPECT_EQ(door.Key(), "W 3x1x15|door");
}

// The palette's editor is one for the run: the view, the options and the last part names stay
// as the user left them, while the see-through button shows each brick's own state. Esc and
// Enter in a size box reach the dialog's buttons.
TEST_F(PartEditorTest, ThePalettesEditorKeepsItsStateAndSizeBoxesPassEscAndEnter) {
    Form = NewForm(Dir + "s.ini");
    TPalettePanel& palette = *Form->Palette;
    palette.ListBox1->setCurrentRow(0);
    TPreviewAngles left;
    OnNextDialog<TAddHard>([&](TAddHard& editor) {
        editor.btnRotLeft->click();
        editor.btnZoomIn->click();
        editor.speOctant->setValue(6);
        left = editor.Angles;
        editor.spExt->setValue(30);
        editor.cbAutoStuds->click();
        editor.btnWireBase->click();
        QTest::keyClick(editor.edtX, Qt::Key_Escape);
        EXPECT_FALSE(editor.isVisible());
    });
    palette.Editblock1Click();
    OnNextDialog<TAddHard>([&](TAddHard& editor) {
        EXPECT_EQ(std::tuple(editor.Angles.Turn, editor.Angles.Zoom, editor.speOctant->value(),
                             editor.spExt->value(), editor.cbAutoStuds->isChecked(),
                             editor.btnWireBase->isChecked()),
                  std::tuple(left.Turn, left.Zoom, 6, 30, true, false));
        QTest::keyClick(editor.edtY, Qt::Key_Return);
        EXPECT_EQ(editor.result(), QDialog::Accepted);
    });
    palette.Editblock1Click();
    EXPECT_TRUE(PartFileExists("wedge.tsp"));
}
