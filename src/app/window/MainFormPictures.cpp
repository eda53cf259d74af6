// Pictures and printing from the window: the picture frame over the view and its mouse, the
// size dialog and the buttons; TPictures saves and prints.
#include "app/dialogs/SizeCamera.h"
#include "app/view/ViewBox.h"
#include "app/window/MainForm.h"

#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>

void TMainForm::btnSavePicClick() {
    Pictures.CameraFrame.PlaceAtStart(PaintBox1->width(), PaintBox1->height());
    Pictures.CameraFrame.On = btnSavePic->isChecked();
    Pictures.CameraFrame.Release();
    PaintBox1->unsetCursor();
    Editing.RepaintOverFrame(PaintBox1->rect());
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
    Editing.RepaintOverFrame(PaintBox1->rect());
}

void TMainForm::btnPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Pictures.Print(printer);
}
