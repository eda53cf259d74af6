// Saving and loading from the window: the caption, the view and the sub-assembly command.
#include "app/GuiTest.h"
#include "support/Bricks.h"

TEST_F(FormTest, SaveAndLoadKeepTheCaptionAndTheView) {
    QString title = Form->windowTitle();
    EXPECT_EQ(title, "Tessaryn Ver 3.19");
    auto brick = MakeBrick('B', 0, 0, 0, 40, 40, 24, 255, true);
    brick->Selected = true;
    Form->Model.Add(std::move(brick));
    Form->btnRotLeft->click();
    Form->Files.Modified = true;
    Form->SaveModelAs(Folder + "one.lgo", true);
    Form->SaveModelAs(Folder + "two.lgo", false);
    EXPECT_FALSE(Form->Files.Modified);
    QString caption = title + " - " + QString::fromStdString(Folder) + "two.lgo";
    EXPECT_EQ(Form->windowTitle(), caption);

    Form->LoadModelFile(Folder + "one.lgo", 0);
    Form->LoadModelFile(Folder + "two.lgo", 0);
    EXPECT_EQ(Form->windowTitle(), caption);
    // The selection only, in the view it was saved with.
    EXPECT_EQ(std::pair(Form->Model.Count(), Form->Controls.RotZ.Position), std::pair(1, 25));

    // The sub-assembly command puts it into the hand and leaves caption and model alone.
    AnswerNextFileDialog(Folder + "one.lgo");
    Form->mSubAssembly->trigger();
    EXPECT_EQ(Form->windowTitle(), caption);
    EXPECT_EQ(Form->Files.SaveDialogName, "two.lgo");
    ASSERT_TRUE(Form->Editing.Hand.HoldingGroup && !Form->Editing.SubAssemblyKey.empty());
    EXPECT_EQ(std::pair(Form->Editing.Hand.GroupInHand->Count(), Form->Model.Count()),
              std::pair(1, 1));
}
