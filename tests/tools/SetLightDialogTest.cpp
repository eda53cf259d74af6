// The light dialog run from the main window's menu, answered while it is modal.
#include "tools/SetLightDialog.h"

#include "ToolWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {
// Runs the dialog from the menu; answer acts on it while it is shown.
void RunLightDialog(TMainForm& form, const std::function<void(TfrmSetLight&)>& answer) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TfrmSetLight*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
    form.miAdjustLight->trigger();
}
} // namespace

TEST_F(ToolWindowFixture, LightPreviewThenCancelLeavesVectorAndShading) {
    auto light = form->Context.Light;
    auto factors = form->Context.LightFactor;
    int frames = form->FramesPainted;
    RunLightDialog(*form, [&](TfrmSetLight& dialog) {
        EXPECT_EQ(dialog.rxsX->value(), light[0]);
        dialog.chkPreview->setChecked(true);
        dialog.rxsZ->setValue(-10);
        EXPECT_GT(form->FramesPainted, frames);
        EXPECT_NE(form->Context.LightFactor, factors);
        EXPECT_EQ(form->Context.Light, light); // put back after the preview
        dialog.btnCancel->click();
    });
    EXPECT_EQ(form->Context.Light, light);
    EXPECT_EQ(form->Context.LightFactor, factors);
}

TEST_F(ToolWindowFixture, LightOkTakesTheNewVector) {
    ASSERT_TRUE(form->miAdjustLight->isEnabled());
    auto factors = form->Context.LightFactor;
    RunLightDialog(*form, [](TfrmSetLight& dialog) {
        dialog.rxsX->setValue(0);
        dialog.rxsY->setValue(5);
        dialog.btnOK->click();
    });
    EXPECT_EQ(form->Context.Light, (TLightVector{0, 5, 10}));
    EXPECT_NE(form->Context.LightFactor, factors);
}
