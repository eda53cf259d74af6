// Mouse editing over the view box: placing, picking up, selecting, the right button's edits and
// turning the view by dragging; the keys reach the editing through the window's key preview.
#include "app/view/ViewBox.h"
#include "app/window/KeyPreview.h"
#include "app/window/MainForm.h"
#include "render/Scene.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
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
    qApp->installEventFilter(new TKeyPreview(this, [this](QWidget* target, QKeyEvent* e) {
        // Enter in a baseplate size box sizes the baseplate; the box needs it.
        bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (enter && qobject_cast<QLineEdit*>(target))
            return false;
        return FormKeyDown(e->key(), e->modifiers());
    }));
}

void TMainForm::cbResolutionChange(int index) {
    Editing.Hand.Grid.SetMode(index);
}

void TMainForm::mSafePosClick() {
    Editing.Hand.SafePositioning = mSafePos->isChecked();
}

void TMainForm::PaintBox1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                   int y) {
    Editing.MouseDownX = x;
    Editing.MouseDownY = y;
    if (Pictures.CameraFrame.On) {
        if (button != Qt::LeftButton)
            return;
        TFrameArea area = Pictures.Press(x, y, shift, PaintBox1->width(), PaintBox1->height());
        if (area == TFrameArea::Close) {
            btnSavePic->setChecked(false);
            btnSavePicClick();
            return;
        }
        if (area == TFrameArea::SizeLabel)
            SizeCameraClick();
        // The last frame, the hand and the picture frame over them; no new scene.
        if (area != TFrameArea::None)
            Editing.RepaintOverFrame(PaintBox1->rect());
        return;
    }
    bool right = button == Qt::RightButton;
    if (!Editing.Hand.Empty()) {
        if (button == Qt::LeftButton) {
            Editing.Hand.PlaceInHand(x, y);
            DropBrickInHand();
        } else if (right) {
            Editing.EraseHand();
            if (Editing.Hand.TurnHand())
                Files.Modified = true;
            Editing.DrawHand();
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
                Editing.Hand.ToggleStuds(i);
            else if (ctrl)
                Editing.Hand.TurnBrick(i);
            else
                Editing.Hand.PaintBrick(i, Colours.CurrentColour, btnTransparent->isChecked());
            Files.Modified = true;
            UpdateUndoButtons();
        } else {
            Editing.Hand.ClickSelect(i, ctrl);
            Tools.ShowSelection();
        }
        RedrawPicture();
        return;
    }
    if (button == Qt::LeftButton) {
        int i = BrickAt(Model, Context, x, y);
        bool modified = false;
        if (i < 0 || !Editing.Hand.PickUp(i, alt, &modified))
            return;
        if (modified)
            Files.Modified = true;
        UpdateUndoButtons();
        btnPointer->setChecked(false);
        const TBlock& taken = *Editing.Hand.BrickInHand;
        Editing.MovePointerTo(taken.X, taken.Y, taken.Z);
        Tools.ShowSelection(); // a copied selection is deselected
        Tools.ShowBrick(&taken);
        Editing.SetShown(true);
        RedrawPicture();
    } else if (right && miWfOnMouse->isChecked()) {
        Editing.TurningView = true;
        Editing.WireBeforeTurn = btnWireFrame->isChecked();
        if (!Editing.WireBeforeTurn) {
            btnWireFrame->setChecked(true);
            btnWireFrameClick();
        }
    }
}

void TMainForm::PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x,
                                   int y) {
    if (Pictures.CameraFrame.On) {
        if (buttons & Qt::LeftButton) {
            Pictures.CameraFrame.Drag(x, y);
            Editing.RepaintOverFrame(PaintBox1->rect());
        } else {
            PaintBox1->setCursor(Pictures.CursorAt(x, y));
        }
        return;
    }
    if (!Editing.Hand.Empty()) {
        PaintBox1->setCursor(Qt::BlankCursor);
        if (Editing.UserMovedPointer(x, y) && Editing.Hand.PlaceInHand(x, y)) {
            Editing.EraseHand();
            Editing.DrawHand();
            Tools.ShowBrick(Editing.Hand.BrickInHand.get());
        }
        return;
    }
    if (!(shift & Qt::ShiftModifier))
        return;
    PaintBox1->unsetCursor();
    Editing.EraseHand();
    int dx = x - Editing.MouseDownX, dy = y - Editing.MouseDownY;
    if (!(buttons & Qt::RightButton) || (std::abs(dx) < 2 && std::abs(dy) < 2))
        return;
    int azimuth = Controls.RotZ.Position + dx;
    if (azimuth < 0)
        azimuth = 360;
    else if (azimuth > 360)
        azimuth = 0;
    int tilt = std::clamp(Controls.RotX.Position - dy, 0, 180);
    SetViewAngles(tilt, azimuth);
    Editing.MouseDownX = x;
    Editing.MouseDownY = y;
}

void TMainForm::PaintBox1MouseUp() {
    Pictures.CameraFrame.Release();
    PaintBox1->unsetCursor();
    // Only a drag that switched wireframe on for turning puts the button back; a plain click
    // leaves the wireframe the user chose.
    if (Editing.TurningView && miWfOnMouse->isChecked() &&
        btnWireFrame->isChecked() != Editing.WireBeforeTurn) {
        btnWireFrame->setChecked(Editing.WireBeforeTurn);
        btnWireFrameClick();
    }
    Editing.TurningView = false;
}

void TMainForm::DropBrickInHand() {
    Editing.EraseHand();
    if (!Editing.Hand.DropBrick()) {
        Editing.DrawHand();
        return;
    }
    Files.Modified = true;
    UpdateUndoButtons();
    if (Editing.Hand.Empty()) {
        PaintBox1->unsetCursor();
        btnPointer->setChecked(true);
    }
    Editing.SetShown(!Editing.Hand.Empty());
    RedrawPicture();
}

void TMainForm::DropHand() {
    Editing.Hand.DropHand();
    Tools.ShowBrick(nullptr);
    Editing.SetShown(false);
    PaintBox1->unsetCursor();
    RedrawPicture();
    btnPointer->setChecked(true);
}
