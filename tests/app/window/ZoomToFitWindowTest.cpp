// "Zoom to fit" in the window: an LDraw file opens whole from the standard angles, and the
// button, the menu entry and F11 bring a model back into view after zooming or turning.
#include "app/GuiTest.h"
#include "exchange/LoadModel.h"
#include "support/ModelScreenBox.h"

namespace {
using ZoomToFitWindow = FormTest;

// True when every brick's box lies inside the view box.
bool ModelShowsWhole(ShownFormTest& test) {
    const TRect box = ModelScreenBox(test.Form->Context.View, test.Form->Model);
    return test.View().rect().contains(QRect(box.Left, box.Top, box.Width() + 1, box.Height() + 1));
}
} // namespace

TEST_F(ZoomToFitWindow, LDrawOpensWholeAndEveryFitCommandShowsTheModel) {
    WriteFile(Folder + "far.ldr", "1 4 -1500 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                                  "1 1 1500 -400 600 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    Form->Controls.SetViewAngles(0, 0);
    Form->LoadModelFile(Folder + "far.ldr", LoadWhole);
    EXPECT_EQ(std::pair(Form->Controls.RotX.Position, Form->Controls.RotZ.Position),
              std::pair(70, 30));
    EXPECT_TRUE(ModelShowsWhole(*this));

    const std::function<void()> commands[] = {[&] { Form->btnZoomFit->click(); },
                                              [&] { Form->mZoomToFit->trigger(); },
                                              [&] { Key(Qt::Key_F11); }};
    for (const auto& fit : commands) {
        Form->Controls.SetControl(Form->Controls.ScaleBar, 1);
        Form->Controls.SetViewAngles(20, 200);
        ASSERT_FALSE(ModelShowsWhole(*this));
        fit();
        EXPECT_TRUE(ModelShowsWhole(*this));
        EXPECT_EQ(Form->ScaleBar->value(), Form->Controls.ScaleBar.Position);
    }
}
