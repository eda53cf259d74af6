#pragma once
// The boundary window "Cutting coordinates": six spin boxes for the box outside of which bricks
// are neither drawn nor picked, in force while the window is shown.

#include "render/BoundaryState.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QPushButton;
class QSpinBox;
class TBlockList;
class TSpinButton;

class TDlg : public QWidget {
    Q_OBJECT
public:
    // The state it drives, the model Reset measures, and the main window that redraws on
    // request.
    TDlg(TBoundaryState& state, const TBlockList& model, QWidget* mainWindow);

    QSpinBox *edXLeft, *edXRight, *edYBack, *edYFront, *edZBottom, *edZTop;
    TSpinButton *RxSpinButton1, *RxSpinButton2, *RxSpinButton3;
    QCheckBox* chkAutoUpdate;
    QPushButton *btnUpdate, *BitBtn1;

    // Called after the window showed or hid, with its new state.
    std::function<void(bool shown)> OnVisibility;
    // Called after the user changed the limits (spin boxes, "Both", "Reset").
    std::function<void()> OnLimitsChanged;

    // The grid steps, kept current by the main window: X and Y move by the horizontal one, Z by
    // the vertical one.
    void SetIncrements(int32_t horizontal, int32_t vertical);
    // Puts the limits into the spin boxes without running the change handling.
    void ShowLimits(const TCutLimits& limits);
    // Asks the main window for a redraw (message 1189).
    void RequestUpdate();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    TBoundaryState& State;
    const TBlockList& Model;
    QWidget* MainWindow;
    int Suppressed = 0; // the program is setting the spin boxes itself

    TCutLimits SpinLimits() const;
    void SpinChange();
    void BothStep(QSpinBox* low, QSpinBox* high, int direction);
};
