// The light dialog run from the main window's menu, answered while it is modal. The light
// preview's own tests hold the factors; here the dialog's fields and buttons reach them.
#include "tools/SetLightDialog.h"

#include "ToolWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

TEST_F(ToolWindowFixture, LightPreviewRedrawsCancelPutsBackAndOkTakesTheNewVector) {
    ASSERT_TRUE(form->miAdjustLight->isEnabled());
    auto light = form->Context.Light;
    auto factors = form->Context.LightFactor;
    int frames = form->FramesPainted;
    OnNextDialog<TfrmSetLight>([&](TfrmSetLight& dialog) {
        EXPECT_EQ(dialog.rxsX->value(), light[0]);
        dialog.chkPreview->setChecked(true);
        dialog.rxsZ->setValue(-10);
        EXPECT_GT(form->FramesPainted, frames);
        EXPECT_NE(form->Context.LightFactor, factors);
        EXPECT_EQ(form->Context.Light, light); // put back after the preview
        dialog.btnCancel->click();
    });
    form->miAdjustLight->trigger();
    EXPECT_EQ(form->Context.Light, light);
    EXPECT_EQ(form->Context.LightFactor, factors);

    OnNextDialog<TfrmSetLight>([](TfrmSetLight& dialog) {
        dialog.rxsX->setValue(0);
        dialog.rxsY->setValue(5);
        dialog.btnOK->click();
    });
    form->miAdjustLight->trigger();
    EXPECT_EQ(form->Context.Light, (TLightVector{0, 5, 10}));
    EXPECT_NE(form->Context.LightFactor, factors);
}
