// Pictures and printing from the window: the picture frame over the view and its mouse, the
// size dialog and the buttons; TPictures saves and prints.
#include "app/dialogs/SizeCamera.h"
#include "app/view/PictureFrame.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"

#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>

namespace {

Qt::CursorShape ShapeOf(TFrameCursor cursor) {
    switch (cursor) {
    case TFrameCursor::Move:
        return Qt::SizeAllCursor;
    case TFrameCursor::SizeNS:
        return Qt::SizeVerCursor;
    case TFrameCursor::SizeWE:
        return Qt::SizeHorCursor;
    case TFrameCursor::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case TFrameCursor::SizeNESW:
        return Qt::SizeBDiagCursor;
    case TFrameCursor::Hand:
        return Qt::PointingHandCursor;
    case TFrameCursor::Normal:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

void TMainForm::ConnectPictures() {
    btnSavePic->setCheckable(true);
    connect(btnSavePic, &QToolButton::clicked, this,
            [this] { Guarded([this] { btnSavePicClick(); }); });
    connect(btnPrint, &QToolButton::clicked, this,
            [this] { Guarded([this] { btnPrintClick(); }); });
}

void TMainForm::btnSavePicClick() {
    Pictures.CameraFrame.PlaceAtStart(PaintBox1->width(), PaintBox1->height());
    Pictures.CameraFrame.On = btnSavePic->isChecked();
    Pictures.CameraFrame.Release();
    PaintBox1->unsetCursor();
    RepaintCameraFrame();
}

void TMainForm::RepaintCameraFrame() {
    // The last frame, the hand and the picture frame over them; the scene is not drawn again.
    RepaintHand(PaintBox1->rect());
}

void TMainForm::PaintCameraFrame(QPainter& painter) {
    if (Pictures.CameraFrame.On)
        DrawCameraFrame(painter, Pictures.CameraFrame, font());
}

void TMainForm::CameraFrameMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                     int y) {
    if (button != Qt::LeftButton)
        return;
    switch (Pictures.CameraFrame.Press(x, y)) {
    case TFrameArea::None:
        return;
    case TFrameArea::Close:
        btnSavePic->setChecked(false);
        btnSavePicClick();
        return;
    case TFrameArea::WholeView:
        Pictures.CameraFrame.WholeView(PaintBox1->width(), PaintBox1->height());
        break;
    case TFrameArea::PresetSize:
        Pictures.CameraFrame.PresetSize({bool(shift & Qt::ControlModifier),
                                         bool(shift & Qt::ShiftModifier),
                                         bool(shift & Qt::AltModifier)});
        break;
    case TFrameArea::SaveAsSeen:
        Pictures.Save(0);
        break;
    case TFrameArea::SaveAntiAliased:
        Pictures.Save(1);
        break;
    case TFrameArea::SaveDouble:
        Pictures.Save(2);
        break;
    case TFrameArea::SaveFourfold:
        Pictures.Save(4);
        break;
    case TFrameArea::SaveEightfold:
        Pictures.Save(8);
        break;
    case TFrameArea::SizeLabel:
        SizeCameraClick();
        break;
    }
    RepaintCameraFrame();
}

void TMainForm::CameraFrameMouseMove(Qt::MouseButtons buttons, int x, int y) {
    if (buttons & Qt::LeftButton) {
        Pictures.CameraFrame.Drag(x, y);
        RepaintCameraFrame();
        return;
    }
    PaintBox1->setCursor(ShapeOf(Pictures.CameraFrame.CursorAt(x, y)));
}

void TMainForm::SizeCameraClick() {
    TSizeCamera dialog(this);
    dialog.edW->setText(QString::number(Pictures.CameraFrame.Width()));
    dialog.edH->setText(QString::number(Pictures.CameraFrame.Height()));
    dialog.adjustSize();
    const TPictureFrame& r = Pictures.CameraFrame.Rect;
    QPoint at = PaintBox1->mapToGlobal(QPoint(r.Right + 4, r.Top + 11));
    int panelRight = PaintBox1->mapToGlobal(QPoint(PaintBox1->width(), 0)).x();
    if (at.x() + dialog.width() > panelRight)
        at.setX(panelRight - dialog.width());
    dialog.move(at);
    dialog.edW->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return;
    Pictures.Resize(dialog.edW->text(), dialog.edH->text());
    RepaintCameraFrame();
}

void TMainForm::btnPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Pictures.Print(printer);
}
