// "Zoom to fit" in the window: an LDraw file opens whole from the standard angles, and the
// button, the menu entry and F11 bring a model back into view after zooming or turning.
#include "app/GuiTest.h"
#include "exchange/LoadModel.h"

namespace {
using ZoomToFitWindow = FormTest;

// True when every brick's box lies inside the view box.
bool ModelShowsWhole(ShownFormTest& test) {
    const TBlockList& model = test.Form->Model;
    for (int i = 0; i < model.Count(); ++i) {
        const TBlock& b = model[i];
        for (int corner = 0; corner < 8; ++corner) {
            QPoint p =
                test.Pixel(double(corner & 1 ? b.FarX() : b.X), double(corner & 2 ? b.FarY() : b.Y),
                           double(corner & 4 ? b.FarZ() : b.Z));
            if (!test.View().rect().contains(p))
                return false;
        }
    }
    return true;
}
} // namespace

TEST_F(ZoomToFitWindow, LDrawOpensWholeAndEveryFitCommandShowsTheModel) {
    WriteFile(Folder + "far.ldr", "1 4 -1500 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                                  "1 1 1500 -400 600 1 0 0 0 1 0 0 0 1 3001.dat\r\n");
    Form->Controls.SetViewAngles(0, 0);
    Form->LoadModelFile(Folder + "far.ldr", LoadWhole);
    EXPECT_EQ(Form->Controls.RotX.Position, 70);
    EXPECT_EQ(Form->Controls.RotZ.Position, 30);
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
