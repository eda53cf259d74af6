// The part editor as a user meets it: a new wedge from the template, editing a part that bricks
// of an open model use, the part information question, and the palette's Edit and Add. The
// part file's and the edits' own tests hold the numbers; here each control reaches them.
#include "tools/PartEditor.h"

#include "app/GuiTest.h"
#include "app/palette/PaletteListBox.h"
#include "app/palette/PalettePanel.h"
#include "base/FileNames.h"
#include "parts/DrawClass.h"
#include "parts/PartCache.h"
#include "tools/AskFileAndPart.h"
#include "tools/PartEditorWidgets.h"

#include <QListWidget>

namespace {
const char* Wedge = "[wedge]\r\nNP=2\r\nBB=20,20,24\r\n"
                    "P1=4, 1, 0,0,24, 20,0,0, 20,20,0, 0,20,24\r\n"
                    "P2=4, 1, 0,0,0, 20,0,0, 20,20,0, 0,20,0\r\n"
                    "Q1=2 ,2,1\r\nQ2=2 ,2,1\r\nQ3=2 ,2,1\r\nQ4=2 ,2,1\r\n"
                    "TS=1,0\r\nBS=0,0\r\n";

const char* OnePage = "[Main]\r\nVersion=2\r\nPages=2\r\n"
                      "[Page1]\r\nTitle=Mine\r\nHeight=50\r\nScale=0.5\r\nCount=2\r\n"
                      "Brick0=G userblks.dat, wedge\r\nBrick1=M Combos/none\r\n"
                      "[Page2]\r\nTitle=Spare\r\nHeight=40\r\nScale=0.5\r\nCount=0\r\n";

// A program folder of its own with the template and a user part, and an empty part cache.
class PartEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        Saved = AppDir();
        Dir = TestFolder();
        std::filesystem::create_directories(Dir + "parts");
        std::filesystem::copy_file(std::string(TESSARYN_SHIPPED_DATA) + "parts/template.dat",
                                   Dir + "parts/template.dat");
        WriteFile(Dir + "parts/userblks.dat", Wedge);
        SetAppDir(Dir);
        ClearDrawClasses();
    }
    void TearDown() override {
        Form.reset();
        Editor.reset();
        ClearDrawClasses();
        SetAppDir(Saved);
    }
    bool PartFileExists(const std::string& name) const {
        return std::filesystem::exists(Dir + "parts/" + name);
    }
    // The window on the settings with two pages, or on those its last run left.
    std::unique_ptr<TMainForm>& OpenForm(bool freshSettings = true) {
        if (freshSettings)
            WriteFile(Dir + "s.ini", OnePage);
        Form = NewForm(Dir + "s.ini");
        return Form;
    }
    TAddHard& OpenEditor(const std::string& key, TAddHard::TMode mode) {
        Editor = std::make_unique<TAddHard>(Context, 0x0000FF);
        Editor->Open(key, mode);
        return *Editor;
    }

    std::string Dir, Saved;
    std::unique_ptr<TMainForm> Form;
    TDrawContext Context;
    std::unique_ptr<TAddHard> Editor;
};

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
    auto files = std::distance(std::filesystem::directory_iterator(Dir + "parts"),
                               std::filesystem::directory_iterator());
    EXPECT_EQ(files, 2);
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
    auto& form = OpenForm();
    form->Model.InsertSorted(CreateBrickFromKey("G userblks.dat, wedge"));
    form->Hand.TakeInHand(CreateBrickFromKey("G userblks.dat, wedge"), 0);
    TPalettePanel& palette = *form->Palette;
    palette.ListBox1->setCurrentRow(0);
    palette.pumEditPopup();
    ASSERT_TRUE(palette.Editblock1->isEnabled());
    form->Context.DetailLevel = 1;

    OnNextDialog<TAddHard>([](TAddHard& editor) {
        EXPECT_EQ(editor.windowTitle(), "Edit block");
        EXPECT_EQ(editor.btnAddPiece->text(), "Replace");
        editor.ShowDetail(2);
        editor.edtX->setValue(40); // stretches the wedge to two studs
        editor.btnAddPieceClick();
    });
    palette.Editblock1Click();

    EXPECT_EQ(form->Context.DetailLevel, 1);
    EXPECT_EQ(palette.Pages.Pages[0].Bricks[0], "G userblks.dat, wedge");
    const TBlock* modelWedge = nullptr;
    for (const auto& brick : form->Model.Items())
        if (brick->Kind == 'G')
            modelWedge = brick.get();
    ASSERT_NE(modelWedge, nullptr);
    EXPECT_EQ(modelWedge->SX, 40);
    EXPECT_EQ(modelWedge->Definition->GetPoint(0, 1).X, 40);
    EXPECT_EQ(form->Hand.BrickInHand->SX, 40);
    EXPECT_TRUE(PartFileExists("wedge.tsp"));
}

TEST_F(PartEditorTest, LeavingGeneralOrCancellingKeepsTheCachedDefinition) {
    TDrawClass& cached = GetDrawClass("userblks.dat", "wedge");
    TAddHard& editor = OpenEditor("G userblks.dat, wedge", TAddHard::TMode::EditBlock);
    editor.edtX->setValue(60);
    editor.lbBlockTypes->setCurrentRow(0); // Block
    EXPECT_EQ(editor.Working(), nullptr);
    EXPECT_FALSE(editor.PolygonPanel->isVisibleTo(&editor));
    EXPECT_EQ(editor.edtX->minimum(), 20);
    EXPECT_EQ(editor.edtZ->singleStep(), 8);
    EXPECT_EQ(editor.Key(), "B 3x1x3");
    editor.edtIdent->setText("30 04");
    EXPECT_THROW(editor.btnAddPieceClick(), std::exception);
    EXPECT_NE(editor.result(), QDialog::Accepted);
    editor.reject();
    Editor.reset();
    EXPECT_EQ(cached.BBX, 20);
    EXPECT_FALSE(PartFileExists("wedge.tsp"));
}

TEST_F(PartEditorTest, PreviewShowsTheChosenOctantLeavesTheViewAloneAndSurvivesAMissingPart) {
    Context.View.ViewScale = 2.5f;
    TAddHard& editor = OpenEditor("T 3x2x3|3038", TAddHard::TMode::EditBlock);
    EXPECT_EQ(editor.edtIdent->text(), "3038");
    EXPECT_EQ(editor.lbBlockTypes->currentRow(), 1);
    editor.PaintBox1->resize(200, 160);
    editor.speOctant->setValue(5);
    editor.DrawPreview();
    EXPECT_EQ(editor.LastOctantSeen, 5);
    EXPECT_EQ(Context.View.ViewScale, 2.5f);
    editor.ShowDetail(2);
    EXPECT_EQ(Context.DetailLevel, 2);

    // A part that does not load is previewed as nothing and cannot be accepted.
    TAddHard& missing = OpenEditor("G userblks.dat, missing", TAddHard::TMode::EditBlock);
    EXPECT_EQ(missing.Brick(), nullptr);
    EXPECT_EQ(missing.lbBlockTypes->currentRow(), 8);
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
    auto& form = OpenForm();
    TPalettePanel& palette = *form->Palette;
    palette.ListBox1->setCurrentRow(1); // a combination: neither Edit nor Add
    palette.pumEditPopup();
    EXPECT_FALSE(palette.Editblock1->isEnabled());
    EXPECT_FALSE(palette.Addnewblock1->isEnabled());
    palette.ShowPage(1);
    palette.pumEditPopup();
    EXPECT_FALSE(palette.Editblock1->isEnabled());
    ASSERT_TRUE(palette.Addnewblock1->isEnabled());
    OnNextDialog<TAddHard>([](TAddHard& editor) {
        EXPECT_EQ(editor.windowTitle(), "Add new block");
        EXPECT_EQ(editor.Working()->PartName, "template");
        EXPECT_EQ(editor.lbBlockTypes->currentRow(), 8);
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
    ASSERT_NE(form->Hand.BrickInHand, nullptr);
    form->DropBrickInHand();
    form->SaveModelAs(Dir + "wedge.lgo", true);
    form->Modified = false;
    form->close();
    Form.reset();
    ClearDrawClasses();

    auto& again = OpenForm(false);
    again->LoadModelFile(Dir + "wedge.lgo", 0);
    const auto& bricks = again->Model.Items();
    auto wedge = std::find_if(bricks.begin(), bricks.end(), [](auto& b) { return b->Kind == 'G'; });
    ASSERT_NE(wedge, bricks.end());
    EXPECT_EQ((*wedge)->Definition->GetPoint(0, 1), (TPoint3{20, 0, 0}));
    EXPECT_EQ(again->Palette->Pages.Pages[1].Bricks,
              std::vector<std::string>{"G userblks.dat, wedge2x1"});
}
