// Saving and loading from the window: the caption, the view and the sub-assembly command.
#include "GuiTest.h"
#include "support/Bricks.h"

#include <QAction>
#include <QToolButton>

namespace {
struct CommandsFixture : ShownFormTest {
    void SetUp() override { Open("s.ini"); }
};
} // namespace

TEST_F(CommandsFixture, SaveAndLoadKeepTheCaptionAndTheView) {
    QString title = form->windowTitle();
    EXPECT_EQ(title, "Tessaryn Ver 3.19");
    auto brick = MakeBrick('B', 0, 0, 0, 40, 40, 24, 255, true);
    brick->Selected = true;
    form->Model.Add(std::move(brick));
    form->btnRotLeft->click();
    form->Modified = true;
    form->SaveModelAs(folder + "one.lgo", true);
    form->SaveModelAs(folder + "two.lgo", false);
    EXPECT_FALSE(form->Modified);
    QString caption = title + " - " + QString::fromStdString(folder) + "two.lgo";
    EXPECT_EQ(form->windowTitle(), caption);

    form->LoadModelFile(folder + "one.lgo", 0);
    form->LoadModelFile(folder + "two.lgo", 0);
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(form->Model.Count(), 1); // the selection only
    EXPECT_EQ(form->Controls.RotZ.Position, 25);
    EXPECT_EQ(form->RecentModels.front(), folder + "two.lgo");

    // The sub-assembly command puts it into the hand and leaves caption and model alone.
    AnswerNextFileDialog(folder + "one.lgo");
    form->mSubAssembly->trigger();
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(form->SaveDialogName, "two.lgo");
    ASSERT_TRUE(form->Hand.HoldingGroup);
    EXPECT_EQ(form->Hand.GroupInHand->Count(), 1);
    EXPECT_EQ(form->Model.Count(), 1);
    EXPECT_FALSE(form->SubAssemblyKey.empty());
}
