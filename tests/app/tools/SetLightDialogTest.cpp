// The light dialog run from the main window's menu, answered while it is modal: the preview's
// trial light and its cancel, and the dialog's fields and buttons; the shading tests hold the
// factors.
#include "app/tools/SetLightDialog.h"

#include "app/GuiTest.h"

TEST_F(FormTest, LightPreviewRedrawsCancelPutsBackOkTakesTheVectorAndTheDialogStays) {
    ASSERT_TRUE(Form->miAdjustLight->isEnabled());
    auto light = Form->Context.Light;
    auto factors = Form->Context.LightFactor;
    int frames = Form->Frame.FramesPainted;
    OnNextDialog<TfrmSetLight>([&](TfrmSetLight& dialog) {
        EXPECT_EQ(dialog.rxsX->value(), light[0]);
        dialog.chkPreview->setChecked(true);
        dialog.rxsZ->setValue(-10);
        // Drawn with the new light, which is put back after the preview.
        EXPECT_TRUE(Form->Frame.FramesPainted > frames && Form->Context.LightFactor != factors &&
                    Form->Context.Light == light);
        dialog.btnCancel->click();
    });
    Form->miAdjustLight->trigger();
    EXPECT_TRUE(Form->Context.Light == light && Form->Context.LightFactor == factors);

    OnNextDialog<TfrmSetLight>([](TfrmSetLight& dialog) {
        dialog.rxsX->setValue(0);
        dialog.rxsY->setValue(5);
        dialog.btnOK->click();
    });
    Form->miAdjustLight->trigger();
    EXPECT_EQ(Form->Context.Light, (TLightVector{0, 5, 10}));
    EXPECT_NE(Form->Context.LightFactor, factors);

    // One dialog for the run: "Preview" and the place the user moved it to stay; the vector is
    // the current one each time.
    OnNextDialog<TfrmSetLight>([](TfrmSetLight& dialog) {
        dialog.chkPreview->setChecked(true);
        dialog.move(123, 77);
        dialog.rxsX->setValue(3);
        dialog.btnOK->click();
    });
    Form->miAdjustLight->trigger();
    OnNextDialog<TfrmSetLight>([&](TfrmSetLight& dialog) {
        EXPECT_TRUE(dialog.chkPreview->isChecked() && dialog.pos() == QPoint(123, 77));
        EXPECT_EQ(dialog.Values(), Form->Context.Light);
        dialog.btnCancel->click();
    });
    Form->miAdjustLight->trigger();
    EXPECT_EQ(Form->Context.Light[0], 3);
}
