// The second stage of the keyboard: fixed views, zoom, display toggles and file commands, the
// same with or without a brick in hand.
#include "app/window/MainForm.h"

#include <QAction>
#include <QToolButton>

namespace {
// Fixed-view tags of the function keys F1 to F10.
constexpr TFixedView FunctionKeyViews[10] = {TopView,    FromFront, FromRight, FromLeft,
                                             FromBack,   FrontLeft, BackLeft,  BackRight,
                                             FrontRight, FrontView};

bool IsStage2(int key, Qt::KeyboardModifiers shift) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return true;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return true;
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Equal:
        return true;
    case Qt::Key_Asterisk:
        return shift & Qt::KeypadModifier;
    default:
        return false;
    }
}
} // namespace

bool TMainForm::KeyStage2(int key, Qt::KeyboardModifiers shift) {
    if (!IsStage2(key, shift))
        return false;
    // Alt+F4 belongs to the system: the window closes through its close query.
    if (key == Qt::Key_F4 && (shift & Qt::AltModifier))
        return false;
    bool ctrl = shift & Qt::ControlModifier;
    Guarded([&] {
        if (key >= Qt::Key_F1 && key <= Qt::Key_F10) {
            Controls.RadioGroup1Click(FunctionKeyViews[key - Qt::Key_F1]);
            SyncViewBars();
            return;
        }
        switch (key) {
        case Qt::Key_End:
            Controls.RadioGroup1Click(TopView);
            SyncViewBars();
            break;
        case Qt::Key_F12:
            mSafePos->trigger();
            break;
        case Qt::Key_F11:
            ZoomToFitClick();
            break;
        case Qt::Key_Home:
            btnHomeClick();
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ViewCommand(&TViewControls::btnZoomInClick);
            break;
        case Qt::Key_Minus:
            ViewCommand(&TViewControls::btnZoomOutClick);
            break;
        case Qt::Key_Asterisk:
        case Qt::Key_T:
            btnWireFrame->click();
            break;
        case Qt::Key_O:
            btnStuds->click();
            break;
        case Qt::Key_B:
            btnViewOptions->setCheckable(true);
            btnViewOptions->setChecked(!btnViewOptions->isChecked());
            btnViewOptions->showMenu();
            break;
        case Qt::Key_C:
        case Qt::Key_E:
            btnClearClick();
            break;
        case Qt::Key_F:
        case Qt::Key_G:
        case Qt::Key_H:
            mNewmodelClick();
            break;
        case Qt::Key_M:
            mSubAssemblyClick();
            break;
        case Qt::Key_P:
            mSaveSelectedClick();
            break;
        case Qt::Key_S:
            mSaveModelClick();
            break;
        case Qt::Key_Z: // the usual undo and redo keys; the letters alone mean nothing
            if (ctrl)
                btnUndoClick();
            break;
        case Qt::Key_Y:
            if (ctrl)
                btnRedoClick();
            break;
        default:
            break;
        }
    });
    if (!Hand.Empty()) {
        MovePointerTo(Hand.BrickInHand->X, Hand.BrickInHand->Y, 0);
        DrawHand();
    }
    return true;
}
