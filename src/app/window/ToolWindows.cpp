#include "app/window/ToolWindows.h"

#include "app/tools/AdvancedToolbox.h"
#include "app/tools/CuttingDialog.h"

void TToolWindows::Create(TToolboxHost& toolbox, const TBlockList& model, QWidget& window) {
    AdvOptions = new TAdvOptions(toolbox, &window);
    Dlg = new TDlg(Boundary, model, &window);
}

void TToolWindows::SetIncrements(int32_t horizontal, int32_t vertical) {
    Dlg->SetIncrements(horizontal, vertical);
}

void TToolWindows::ShowSelection() {
    if (AdvOptions)
        AdvOptions->ShowSelection();
}

void TToolWindows::ShowBrick(const TBlock* brick) {
    if (AdvOptions && AdvOptions->isVisible())
        AdvOptions->ShowBrick(brick);
}

void TToolWindows::TopMoved() {
    Boundary.TopMoved();
    if (Dlg)
        Dlg->ShowLimits(Boundary.Kept);
}
