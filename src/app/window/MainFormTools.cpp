// The main window's side of the tool windows: the menu entries that open them and the calls
// that keep them in step with the model, the hand and the Z cut-off bar.
#include "app/palette/PalettePanel.h"
#include "app/tools/AdvancedToolbox.h"
#include "app/tools/CuttingDialog.h"
#include "app/tools/SetLightDialog.h"
#include "app/window/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

namespace {
// The boundary window changed the top: the Z cut-off bar and its label follow.
void SyncZLiftOff(TMainForm& form) {
    form.Tools.ZCutOff.Accept(form.Context.Boundary.ZHigh);
    QSignalBlocker block(form.ZLiftOff);
    form.ZLiftOff->setValue(form.Tools.ZCutOff.LastPosition);
    form.lblZLiftOff->setText(QString::number(form.Context.Boundary.ZHigh));
}
} // namespace

void TMainForm::CreateToolWindows() {
    Tools.Create(ToolboxLink, Model, *this);
    TAdvOptions* AdvOptions = Tools.AdvOptions;
    TDlg* Dlg = Tools.Dlg;
    AdvOptions->OnVisibility = [this](bool shown) { Advancedtoolbox1->setChecked(shown); };
    Tools.SetIncrements(GridXY, GridZ);
    Dlg->OnVisibility = [this](bool shown) {
        Boundary1->setChecked(shown);
        SyncZLiftOff(*this);
    };
    Dlg->OnLimitsChanged = [this] { SyncZLiftOff(*this); };
    for (QAction* a : {Advancedtoolbox1, Boundary1, miAdjustLight})
        a->setEnabled(true);
    connect(Advancedtoolbox1, &QAction::triggered, this, [this] { Advancedtoolbox1Click(); });
    connect(Boundary1, &QAction::triggered, this, [this] { Boundary1Click(); });
    connect(miAdjustLight, &QAction::triggered, this, [this] { miAdjustLightClick(); });
    // Connected after the window's own handler, so the grid steps are already the new ones.
    connect(cbResolution, &QComboBox::currentIndexChanged, this,
            [this] { Tools.SetIncrements(GridXY, GridZ); });
}

void TMainForm::Advancedtoolbox1Click() {
    Tools.AdvOptions->setVisible(Advancedtoolbox1->isChecked());
}

void TMainForm::Boundary1Click() {
    Tools.Dlg->setVisible(!Tools.Dlg->isVisible());
    Boundary1->setChecked(Tools.Dlg->isVisible());
}

void TMainForm::miAdjustLightClick() {
    if (!Tools.frmSetLight)
        Tools.frmSetLight = new TfrmSetLight(
            [this](const TLightVector& trial) {
                PreviewLight(Context, trial, [this] {
                    RedrawPicture();
                    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                });
            },
            this);
    TLightVector old = Context.Light;
    Tools.frmSetLight->Load(old);
    bool accepted = Tools.frmSetLight->exec() == QDialog::Accepted;
    if (!accepted && !Tools.frmSetLight->Previewed())
        return;
    // Cancel after a preview puts the old shading back at once.
    ApplyLight(Context, accepted ? Tools.frmSetLight->Values() : old);
    RedrawPicture();
    Palette->Repaint();
}
