#pragma once
// The main window's tool windows that stay open beside it: the advanced toolbox and the
// boundary window with the cutting box it drives, whose top the Z cut-off bar moves too.

#include "render/BoundaryState.h"
#include "render/SceneOptions.h"

#include <cstdint>

class QWidget;
class TAdvOptions;
class TBlock;
class TBlockList;
class TDlg;
class TfrmSetLight;
class TToolboxHost;

class TToolWindows {
public:
    explicit TToolWindows(TCuttingBox& box) : Boundary(box) {}

    TBoundaryState Boundary;
    // Children of the main window, made by Create.
    TAdvOptions* AdvOptions = nullptr;
    TDlg* Dlg = nullptr;
    TfrmSetLight* frmSetLight = nullptr; // made at its first use, kept for the run
    // The Z cut-off bar's stepping; the boundary it moves exists once the window is made.
    TZCutOff ZCutOff;
    bool BoundaryExists = false;

    void Create(TToolboxHost& toolbox, const TBlockList& model, QWidget& window);
    // The boundary window moves X and Y by the horizontal grid step, Z by the vertical one.
    void SetIncrements(int32_t horizontal, int32_t vertical);
    // The model's selection changed.
    void ShowSelection();
    // The brick in hand moved (nullptr: the hand is empty); only a shown toolbox follows.
    void ShowBrick(const TBlock* brick);
    // The Z cut-off bar moved the boundary's top: the boundary window follows.
    void TopMoved();
};
