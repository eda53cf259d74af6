// The keyboard: the window previews every key; the first stage moves, drops and turns the hand
// or, with nothing in hand, edits the selection, the colour and the view; the second stage
// holds the fixed views, zoom, display toggles and file commands.
#include "app/palette/PalettePanel.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
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

// Enter and the arrow keys that no view command takes go to the palette.
void PaletteKey(TMainForm& form, int key) {
    // The sequencer panel may stand in the palette's place.
    if (!form.Palette || form.Palette->isHidden())
        return;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        form.Palette->Run([&form] {
            if (form.Palette->ChooseSelectedRow() && !form.Editing.Hand.Empty())
                form.Editing.MovePointerTo(form.Editing.Hand.BrickInHand->X,
                                           form.Editing.Hand.BrickInHand->Y, 0);
        });
        break;
    case Qt::Key_Left:
        form.Palette->btnPrevPageClick();
        break;
    case Qt::Key_Right:
        form.Palette->btnNextPageClick();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        form.Palette->SelectRow(key == Qt::Key_Up ? -1 : 1);
        break;
    default:
        break;
    }
}

void KeyWithoutHand(TMainForm& form, int key, Qt::KeyboardModifiers shift) {
    bool withShift = shift & Qt::ShiftModifier, ctrl = shift & Qt::ControlModifier;
    bool alt = shift & Qt::AltModifier;
    auto palette = [&] { PaletteKey(form, key); };
    auto move = [&](TScrollControl& control, int by) {
        form.Controls.SetControl(control, control.Position + by);
        form.ViewBars.Sync();
    };
    bool left = key == Qt::Key_Left, up = key == Qt::Key_Up;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        palette();
        break;
    case Qt::Key_Escape:
        form.Editing.Hand.DeselectAll();
        form.Tools.ShowSelection();
        form.RedrawPicture();
        break;
    case Qt::Key_Delete:
        if (form.Editing.Hand.DeleteSelected()) {
            form.Files.Modified = true;
            form.UpdateUndoButtons();
        }
        form.Tools.ShowSelection();
        form.RedrawPicture();
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (form.Colours.Cycle(key == Qt::Key_PageUp ? -1 : 1))
            form.Palette->Repaint();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (withShift) {
            move(form.Controls.OffsetX, left ? -5 : 5);
        } else if (ctrl) {
            // The keys wrap to the other end exactly, unlike the rotate buttons.
            int azimuth = form.Controls.RotZ.Position + (left ? -5 : 5);
            move(form.Controls.RotZ, (azimuth < 0     ? 360
                                      : azimuth > 360 ? 0
                                                      : azimuth) -
                                         form.Controls.RotZ.Position);
        } else if (alt) {
            form.ZLiftOff->setValue(form.ZLiftOff->value() + (left ? -1 : 1));
        } else {
            palette();
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (withShift)
            move(form.Controls.OffsetY, up ? -5 : 5);
        else if (ctrl)
            move(form.Controls.RotX, up ? 5 : -5);
        else
            palette();
        break;
    default: // Backspace and Insert mean nothing without a brick in hand
        break;
    }
}

bool KeyStage1(TMainForm& form, int key, Qt::KeyboardModifiers shift) {
    static const THandKey moves[] = {THandKey::PageUp, THandKey::PageDown, THandKey::Left,
                                     THandKey::Right,  THandKey::Up,       THandKey::Down};
    static const int moveKeys[] = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Left,
                                   Qt::Key_Right,  Qt::Key_Up,       Qt::Key_Down};
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
        break;
    default:
        if (std::find(std::begin(moveKeys), std::end(moveKeys), key) == std::end(moveKeys))
            return false;
    }
    if (form.Editing.Hand.Empty()) {
        form.Guarded([&] { KeyWithoutHand(form, key, shift); });
        return true;
    }
    form.Editing.EraseHand();
    for (size_t i = 0; i < std::size(moveKeys); ++i)
        if (key == moveKeys[i])
            form.Editing.Hand.MoveHand(moves[i], shift & Qt::ShiftModifier);
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        form.Guarded([&form] { form.DropBrickInHand(); });
    else if (key == Qt::Key_Insert && form.Editing.Hand.TurnHand())
        form.Files.Modified = true;
    else if (key == Qt::Key_Backspace || key == Qt::Key_Escape || key == Qt::Key_Delete)
        form.DropHand();
    if (!form.Editing.Hand.Empty()) {
        form.Editing.Hand.RestOnModel();
        form.Editing.EraseHand();
        form.Editing.DrawHand();
        form.Tools.ShowBrick(form.Editing.Hand.BrickInHand.get());
    }
    return true;
}

bool KeyStage2(TMainForm& form, int key, Qt::KeyboardModifiers shift) {
    if (!IsStage2(key, shift))
        return false;
    // Alt+F4 belongs to the system: the window closes through its close query.
    if (key == Qt::Key_F4 && (shift & Qt::AltModifier))
        return false;
    bool ctrl = shift & Qt::ControlModifier;
    form.Guarded([&] {
        if (key >= Qt::Key_F1 && key <= Qt::Key_F10) {
            form.Controls.RadioGroup1Click(FunctionKeyViews[key - Qt::Key_F1]);
            form.ViewBars.Sync();
            return;
        }
        switch (key) {
        case Qt::Key_End:
            form.Controls.RadioGroup1Click(TopView);
            form.ViewBars.Sync();
            break;
        case Qt::Key_F12:
            form.mSafePos->trigger();
            break;
        case Qt::Key_F11:
            form.ZoomToFitClick();
            break;
        case Qt::Key_Home:
            form.btnHomeClick();
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            form.ViewBars.Run(&TViewControls::btnZoomInClick);
            break;
        case Qt::Key_Minus:
            form.ViewBars.Run(&TViewControls::btnZoomOutClick);
            break;
        case Qt::Key_Asterisk:
        case Qt::Key_T:
            form.btnWireFrame->click();
            break;
        case Qt::Key_O:
            form.btnStuds->click();
            break;
        case Qt::Key_B:
            form.btnViewOptions->setCheckable(true);
            form.btnViewOptions->setChecked(!form.btnViewOptions->isChecked());
            form.btnViewOptions->showMenu();
            break;
        case Qt::Key_C:
        case Qt::Key_E:
            form.btnClearClick();
            break;
        case Qt::Key_F:
        case Qt::Key_G:
        case Qt::Key_H:
            form.mNewmodelClick();
            break;
        case Qt::Key_M:
            form.mSubAssemblyClick();
            break;
        case Qt::Key_P:
            form.mSaveSelectedClick();
            break;
        case Qt::Key_S:
            form.mSaveModelClick();
            break;
        case Qt::Key_Z: // the usual undo and redo keys; the letters alone mean nothing
            if (ctrl)
                form.btnUndoClick();
            break;
        case Qt::Key_Y:
            if (ctrl)
                form.btnRedoClick();
            break;
        default:
            break;
        }
    });
    if (!form.Editing.Hand.Empty()) {
        form.Editing.MovePointerTo(form.Editing.Hand.BrickInHand->X,
                                   form.Editing.Hand.BrickInHand->Y, 0);
        form.Editing.DrawHand();
    }
    return true;
}
} // namespace

bool TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
    // A key that arrives while another is handled (from a dialog a command opened) is left
    // to whoever has the focus.
    if (Editing.KeyBusy)
        return false;
    Editing.KeyBusy = true;
    bool consumed = false;
    try {
        consumed = KeyStage1(*this, key, shift) || KeyStage2(*this, key, shift);
    } catch (const std::exception&) {
        Editing.KeyBusy = false;
        throw;
    }
    Editing.KeyBusy = false;
    return consumed;
}
