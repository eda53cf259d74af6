// The main window's side of the tool windows: the menu entries that open them and the calls
// that keep them in step with the model, the hand and the Z cut-off bar.
#include "app/tools/AdvancedToolbox.h"
#include "app/tools/CuttingDialog.h"
#include "app/tools/SetLightDialog.h"
#include "app/window/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>

void TMainForm::CreateToolWindows() {
    Tools.Create(ToolboxLink, Model, *this);
    TAdvOptions* AdvOptions = Tools.AdvOptions;
    TDlg* Dlg = Tools.Dlg;
    AdvOptions->OnVisibility = [this](bool shown) { Advancedtoolbox1->setChecked(shown); };
    Tools.SetIncrements(GridXY, GridZ);
    Dlg->OnVisibility = [this](bool shown) {
        Boundary1->setChecked(shown);
        SyncZLiftOff();
    };
    Dlg->OnLimitsChanged = [this] { SyncZLiftOff(); };
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
    TLightVector old = Context.Light;
    TfrmSetLight dialog(
        old,
        [this](const TLightVector& trial) {
            PreviewLight(Context, trial, [this] {
                RedrawPicture();
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });
        },
        this);
    bool accepted = dialog.exec() == QDialog::Accepted;
    if (!accepted && !dialog.Previewed())
        return;
    // Cancel after a preview puts the old shading back at once.
    ApplyLight(Context, accepted ? dialog.Values() : old);
    RedrawPicture();
    if (RepaintPalette)
        RepaintPalette();
}

void TMainForm::ToolboxShowSelection() {
    Tools.ShowSelection();
}

void TMainForm::ToolboxShowBrick(const TBlock* brick) {
    Tools.ShowBrick(brick);
}

void TMainForm::BoundaryTopMoved() {
    Tools.TopMoved();
}

void TMainForm::SyncZLiftOff() {
    ZCutOff.LastPosition = Context.Boundary.ZHigh;
    QSignalBlocker block(ZLiftOff);
    ZLiftOff->setValue(ZCutOff.LastPosition);
    lblZLiftOff->setText(QString::number(ZCutOff.LastPosition));
}
