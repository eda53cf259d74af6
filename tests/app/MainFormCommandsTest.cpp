#include "GuiTest.h"
#include "app/system/IniFile.h"
#include "support/Bricks.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
std::unique_ptr<TBlock> Brick(int x, bool selected) {
    auto b = MakeBrick('B', 20 * x, 0, 0, 40, 40, 24, 255, true);
    b->Selected = selected;
    return b;
}
} // namespace

TEST(MainFormCommands, CloseAsksToSaveAModifiedModel) {
    std::string dir = TestFolder();
    auto form = NewForm(dir + "s.ini");
    form->show();
    form->Modified = true;
    AnswerNextMessageBox(QMessageBox::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(std::filesystem::exists(dir + "s.ini"));

    AnswerNextMessageBox(QMessageBox::No);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->Modified);
    EXPECT_EQ(TIniFile(dir + "s.ini").ReadInteger("Main", "Version", 0), 2);
}

TEST(MainFormCommands, UnmodifiedModelClosesWithoutAQuestion) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->show();
    bool asked = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = true;
            box->button(QMessageBox::Cancel)->click();
        }
    });
    EXPECT_TRUE(form->close());
    QApplication::processEvents();
    EXPECT_FALSE(asked);
}

TEST(MainFormCommands, SaveAndLoadKeepTheCaptionAndTheView) {
    std::string dir = TestFolder();
    auto form = NewForm(dir + "s.ini");
    QString title = form->windowTitle();
    EXPECT_EQ(title, "Tessaryn Ver 3.19");
    form->Model.Add(Brick(0, true));
    form->btnRotLeft->click();
    form->Modified = true;
    form->SaveModelAs(dir + "one.lgo", true);
    form->SaveModelAs(dir + "two.lgo", false);
    EXPECT_TRUE(form->Modified == false);
    EXPECT_EQ(form->windowTitle(), title + " - " + QString::fromStdString(dir) + "two.lgo");

    form->LoadModelFile(dir + "one.lgo", 0);
    form->LoadModelFile(dir + "two.lgo", 0);
    EXPECT_EQ(form->windowTitle(), title + " - " + QString::fromStdString(dir) + "two.lgo");
    EXPECT_EQ(form->Model.Count(), 1); // the selection only
    EXPECT_EQ(form->Controls.RotZ.Position, 25);
    EXPECT_EQ(form->RecentModels.front(), dir + "two.lgo");

    // The sub-assembly command puts it into the hand and leaves caption and model alone.
    QTimer::singleShot(0, [&dir] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(dir + "one.lgo"));
        static_cast<QDialog*>(dialog)->accept(); // the file dialog checks the name
    });
    form->mSubAssembly->trigger();
    EXPECT_EQ(form->windowTitle(), title + " - " + QString::fromStdString(dir) + "two.lgo");
    EXPECT_EQ(form->SaveDialogName, "two.lgo");
    ASSERT_TRUE(form->Hand.HoldingGroup);
    EXPECT_EQ(form->Hand.GroupInHand->Count(), 1);
    EXPECT_EQ(form->Model.Count(), 1);
    EXPECT_FALSE(form->SubAssemblyKey.empty());
}

TEST(MainFormCommands, RecentFilesInTheLoadMenuAreAtMostFifteen) {
    auto form = NewForm(TestFolder() + "s.ini");
    for (int i = 0; i < 20; ++i)
        form->RecentModels.push_back("/m/" + std::to_string(i) + ".lgo");
    form->pumLoadPopup();
    form->pumLoadPopup();
    int recent = 0;
    for (QAction* a : form->pumLoad->actions())
        recent += a->data().toInt() == -1;
    EXPECT_EQ(recent, 15);
}

TEST(MainFormCommands, NewModelGroupsAndUndoButtons) {
    auto form = NewForm(TestFolder() + "s.ini");
    form->Model.Add(Brick(0, true));
    form->pumOptionsPopup();
    EXPECT_TRUE(form->miGroup->isEnabled());
    EXPECT_FALSE(form->miBreak->isEnabled());
    form->miGroup->trigger(); // one selected brick: nothing happens
    EXPECT_TRUE(form->Model[1].Selected);
    form->Model.Add(Brick(4, true));
    form->miGroup->trigger();
    EXPECT_GT(form->Model[1].Group, 0);
    EXPECT_EQ(form->Model[1].Group, form->Model[2].Group);
    EXPECT_FALSE(form->Model[1].Selected);

    form->Model.RecordCommand('+', form->Model[2]);
    form->UpdateUndoButtons();
    EXPECT_TRUE(form->btnUndo->isEnabled());
    form->btnUndo->click();
    EXPECT_EQ(form->Model.Count(), 2);
    EXPECT_FALSE(form->btnUndo->isEnabled());
    EXPECT_TRUE(form->btnRedo->isEnabled());

    form->btnClear->click();
    ASSERT_EQ(form->Model.Count(), 1);
    EXPECT_TRUE(form->Model[0].Baseplate);
    EXPECT_FALSE(form->btnRedo->isEnabled());
    EXPECT_FALSE(form->Modified);
}

TEST(MainFormCommands, SavingUnderADatNameWritesLDraw) {
    std::string dir = TestFolder();
    auto form = NewForm(dir + "s.ini");
    form->Model.Add(Brick(0, false));
    form->SaveModelAs(dir + "model.dat", true);
    std::ifstream in(dir + "model.dat", std::ios::binary);
    std::string first;
    std::getline(in, first);
    EXPECT_NE(first.rfind("1 ", 0), std::string::npos) << first;
}
