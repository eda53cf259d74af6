// Mouse editing over the view box: placing, picking up, selecting, the right button's edits and
// turning the view by dragging.
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"
#include "render/Scene.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QMouseEvent>
#include <QToolButton>
#include <cstdlib>

void TMainForm::ConnectEditing() {
    auto at = [](QMouseEvent* e) { return e->position().toPoint(); };
    PaintBox1->OnMouseDown = [this, at](QMouseEvent* e) {
        QPoint p = at(e);
        Guarded([&] { PaintBox1MouseDown(e->button(), e->modifiers(), p.x(), p.y()); });
    };
    PaintBox1->OnMouseMove = [this, at](QMouseEvent* e) {
        QPoint p = at(e);
        Guarded([&] { PaintBox1MouseMove(e->buttons(), e->modifiers(), p.x(), p.y()); });
    };
    PaintBox1->OnMouseUp = [this](QMouseEvent*) { PaintBox1MouseUp(); };
    btnPointer->setCheckable(true);
    btnPointer->setChecked(true);
    connect(btnPointer, &QToolButton::clicked, this, [this] { btnPointerClick(); });
    connect(cbResolution, &QComboBox::currentIndexChanged, this, &TMainForm::cbResolutionChange);
    connect(mSafePos, &QAction::triggered, this, &TMainForm::mSafePosClick);
    ConnectKeyPreview();
}

void TMainForm::cbResolutionChange(int index) {
    Hand.Grid.SetMode(index);
}

void TMainForm::mSafePosClick() {
    Hand.SafePositioning = mSafePos->isChecked();
}

void TMainForm::PaintBox1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                   int y) {
    MouseDownX = x;
    MouseDownY = y;
    if (Pictures.CameraFrame.On) {
        CameraFrameMouseDown(button, shift, x, y);
        return;
    }
    bool right = button == Qt::RightButton;
    if (!Hand.Empty()) {
        if (button == Qt::LeftButton) {
            Hand.PlaceInHand(x, y);
            DropBrickInHand();
        } else if (right) {
            EraseHand();
            if (Hand.TurnHand())
                Files.Modified = true;
            DrawHand();
        }
        return;
    }
    bool alt = shift & Qt::AltModifier, ctrl = shift & Qt::ControlModifier;
    if (!(shift & Qt::ShiftModifier)) {
        int i = BrickAt(Model, Context, x, y);
        if (i < 0)
            return;
        if (right) {
            if (alt)
                Hand.ToggleStuds(i);
            else if (ctrl)
                Hand.TurnBrick(i);
            else
                Hand.PaintBrick(i, Colours.CurrentColour, btnTransparent->isChecked());
            Files.Modified = true;
            UpdateUndoButtons();
        } else {
            Hand.ClickSelect(i, ctrl);
            ToolboxShowSelection();
        }
        RedrawPicture();
        return;
    }
    if (button == Qt::LeftButton) {
        int i = BrickAt(Model, Context, x, y);
        bool modified = false;
        if (i < 0 || !Hand.PickUp(i, alt, &modified))
            return;
        if (modified)
            Files.Modified = true;
        UpdateUndoButtons();
        btnPointer->setChecked(false);
        const TBlock& taken = *Hand.BrickInHand;
        MovePointerTo(taken.X, taken.Y, taken.Z);
        ToolboxShowSelection(); // a copied selection is deselected
        ToolboxShowBrick(&taken);
        HandShown = true;
        RedrawPicture();
    } else if (right && miWfOnMouse->isChecked()) {
        TurningView = true;
        WireBeforeTurn = btnWireFrame->isChecked();
        if (!WireBeforeTurn) {
            btnWireFrame->setChecked(true);
            btnWireFrameClick();
        }
    }
}

void TMainForm::PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x,
                                   int y) {
    if (Pictures.CameraFrame.On) {
        CameraFrameMouseMove(buttons, x, y);
        return;
    }
    if (!Hand.Empty()) {
        PaintBox1->setCursor(Qt::BlankCursor);
        // The move that echoes our own pointer warp would snap the hand back by rounding.
        bool echo = QPoint(x, y) == PointerTarget;
        PointerTarget = QPoint(-1, -1);
        if (!echo && Hand.PlaceInHand(x, y)) {
            EraseHand();
            DrawHand();
            ToolboxShowBrick(Hand.BrickInHand.get());
        }
        return;
    }
    if (!(shift & Qt::ShiftModifier))
        return;
    PaintBox1->unsetCursor();
    EraseHand();
    int dx = x - MouseDownX, dy = y - MouseDownY;
    if (!(buttons & Qt::RightButton) || (std::abs(dx) < 2 && std::abs(dy) < 2))
        return;
    int azimuth = Controls.RotZ.Position + dx;
    if (azimuth < 0)
        azimuth = 360;
    else if (azimuth > 360)
        azimuth = 0;
    int tilt = std::clamp(Controls.RotX.Position - dy, 0, 180);
    SetViewAngles(tilt, azimuth);
    MouseDownX = x;
    MouseDownY = y;
}

void TMainForm::PaintBox1MouseUp() {
    Pictures.CameraFrame.Release();
    PaintBox1->unsetCursor();
    // Only a drag that switched wireframe on for turning puts the button back; a plain click
    // leaves the wireframe the user chose.
    if (TurningView && miWfOnMouse->isChecked() && btnWireFrame->isChecked() != WireBeforeTurn) {
        btnWireFrame->setChecked(WireBeforeTurn);
        btnWireFrameClick();
    }
    TurningView = false;
}

void TMainForm::DropBrickInHand() {
    EraseHand();
    if (!Hand.DropBrick()) {
        DrawHand();
        return;
    }
    Files.Modified = true;
    UpdateUndoButtons();
    if (Hand.Empty()) {
        PaintBox1->unsetCursor();
        btnPointer->setChecked(true);
    }
    HandShown = !Hand.Empty();
    RedrawPicture();
}

void TMainForm::DropHand() {
    Hand.DropHand();
    ToolboxShowBrick(nullptr);
    HandShown = false;
    PaintBox1->unsetCursor();
    RedrawPicture();
    btnPointer->setChecked(true);
}

void TMainForm::TakeSubAssemblyInHand() {
    if (!SubAssembly || SubAssembly->Count() == 0) {
        SubAssembly.reset();
        return;
    }
    Hand.TakeGroupInHand(std::move(SubAssembly), CreateBrickFromKey(SubAssemblyKey), ToolboxStep);
    if (Hand.Empty())
        return;
    TBlock& box = *Hand.BrickInHand;
    box.X = Hand.LastDrop[0];
    box.Y = Hand.LastDrop[1];
    box.Z = Hand.LastDrop[2];
    MovePointerTo(box.X, box.Y, box.Z);
    btnPointer->setChecked(false);
    HandShown = true;
}

void TMainForm::MovePointerTo(int32_t x, int32_t y, int32_t z) {
    TPoint p = ProjectPoint(Context.View, x, y, z);
    PointerTarget = QPoint(p.X, p.Y);
    QCursor::setPos(PaintBox1->mapToGlobal(PointerTarget));
}
