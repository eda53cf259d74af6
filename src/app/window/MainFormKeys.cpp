// The keyboard: the window previews every key; the first stage moves, drops and turns the hand
// or, with nothing in hand, edits the selection, the colour and the view; the second stage
// holds the fixed views, zoom, display toggles and file commands.
#include "app/view/ViewBox.h"
#include "app/window/ColourSwatches.h"
#include "app/window/KeyPreview.h"
#include "app/window/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

void TMainForm::ConnectKeyPreview() {
    qApp->installEventFilter(new TKeyPreview(this, [this](QWidget* target, QKeyEvent* e) {
        // Enter in a baseplate size box sizes the baseplate; the box needs it.
        bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (enter && qobject_cast<QLineEdit*>(target))
            return false;
        return FormKeyDown(e->key(), e->modifiers());
    }));
}

bool TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
    // A key that arrives while another is handled (from a dialog a command opened) is left
    // to whoever has the focus.
    if (KeyBusy)
        return false;
    KeyBusy = true;
    bool consumed = false;
    try {
        consumed = KeyStage1(key, shift) || KeyStage2(key, shift);
    } catch (const std::exception&) {
        KeyBusy = false;
        throw;
    }
    KeyBusy = false;
    return consumed;
}

bool TMainForm::KeyStage1(int key, Qt::KeyboardModifiers shift) {
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
    if (Hand.Empty()) {
        Guarded([&] { KeyWithoutHand(key, shift); });
        return true;
    }
    EraseHand();
    for (size_t i = 0; i < std::size(moveKeys); ++i)
        if (key == moveKeys[i])
            Hand.MoveHand(moves[i], shift & Qt::ShiftModifier);
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        Guarded([this] { DropBrickInHand(); });
    else if (key == Qt::Key_Insert && Hand.TurnHand())
        Files.Modified = true;
    else if (key == Qt::Key_Backspace || key == Qt::Key_Escape || key == Qt::Key_Delete)
        DropHand();
    if (!Hand.Empty()) {
        Hand.RestOnModel();
        EraseHand();
        DrawHand();
        ToolboxShowBrick(Hand.BrickInHand.get());
    }
    return true;
}

void TMainForm::KeyWithoutHand(int key, Qt::KeyboardModifiers shift) {
    bool withShift = shift & Qt::ShiftModifier, ctrl = shift & Qt::ControlModifier;
    bool alt = shift & Qt::AltModifier;
    auto palette = [&] {
        if (PaletteKey)
            PaletteKey(key, shift);
    };
    auto move = [&](TScrollControl& control, int by) {
        Controls.SetControl(control, control.Position + by);
        SyncViewBars();
    };
    bool left = key == Qt::Key_Left, up = key == Qt::Key_Up;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        palette();
        break;
    case Qt::Key_Escape:
        Hand.DeselectAll();
        ToolboxShowSelection();
        RedrawPicture();
        break;
    case Qt::Key_Delete:
        if (Hand.DeleteSelected()) {
            Files.Modified = true;
            UpdateUndoButtons();
        }
        ToolboxShowSelection();
        RedrawPicture();
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        CycleColour(key == Qt::Key_PageUp ? -1 : 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (withShift) {
            move(Controls.OffsetX, left ? -5 : 5);
        } else if (ctrl) {
            // The keys wrap to the other end exactly, unlike the rotate buttons.
            int azimuth = Controls.RotZ.Position + (left ? -5 : 5);
            move(Controls.RotZ, (azimuth < 0     ? 360
                                 : azimuth > 360 ? 0
                                                 : azimuth) -
                                    Controls.RotZ.Position);
        } else if (alt) {
            ZLiftOff->setValue(ZLiftOff->value() + (left ? -1 : 1));
        } else {
            palette();
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (withShift)
            move(Controls.OffsetY, up ? -5 : 5);
        else if (ctrl)
            move(Controls.RotX, up ? 5 : -5);
        else
            palette();
        break;
    default: // Backspace and Insert mean nothing without a brick in hand
        break;
    }
}

void TMainForm::CycleColour(int direction) {
    const auto& order = TColourSwatches::CycleOrder;
    int count = int(order.size());
    for (int i = 0; i < count; ++i) {
        if (Colours.SwatchColour(order[size_t(i)]) != Colours.CurrentColour)
            continue;
        int next = order[size_t((i + direction + count) % count)];
        Colours.CurrentColour = Colours.SwatchColour(next);
        Colours.CurrentSwatch = next;
        if (RepaintPalette)
            RepaintPalette();
        return;
    }
}
