// The frame: the view bitmap rendered and copied to the view box; timing and background.
#include "app/MainForm.h"
#include "app/ViewBox.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImageReader>
#include <QPainter>

void TMainForm::ResizeViewBitmap(int width, int height) {
    ViewBitmap = QImage(width, height, QImage::Format_RGB32);
}

void TMainForm::SetBitDepth(int code) {
    if (code >= 1 && code <= 5)
        BitDepth = code;
}

void TMainForm::PaintBox1Paint(QPainter& painter) {
    if (Redraw.SuppressPaint || Painting)
        return;
    if (mHandOnlyPaint) {
        PaintHand(painter);
        return;
    }
    ++FramesPainted;
    QElapsedTimer timer;
    timer.start();
    Painting = true;
    ViewBitmap.fill(QColor(Background & 0xFF, (Background >> 8) & 0xFF, (Background >> 16) & 0xFF));
    painter.drawImage(0, 0, ViewBitmap);
    PaintHand(painter);
    Painting = false;
    LastFrameMilliseconds = int(timer.elapsed());
    if (miTiming->isChecked())
        setWindowTitle(QString::number(LastFrameMilliseconds));
}

void TMainForm::miTimingClick() {}

void TMainForm::mRestBgClick() {
    BackgroundPicture = QImage();
    BackgroundFile.clear();
    Background = ButtonFaceColour();
    RedrawPicture();
}

void TMainForm::Backgroundpicture1Click() {
    BackgroundPicture = QImage();
    BackgroundFile.clear();
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << "*." + QString::fromLatin1(format);
    QString name = QFileDialog::getOpenFileName(this, "Background picture",
                                                QString::fromStdString(BackgroundDir),
                                                "Pictures (" + patterns.join(' ') + ")");
    if (!name.isEmpty()) {
        BackgroundPicture = QImage(name).convertToFormat(QImage::Format_RGB32);
        if (!BackgroundPicture.isNull()) {
            BackgroundFile = name.toStdString();
            BackgroundDir = QFileInfo(name).path().toStdString();
        }
    }
    RedrawPicture();
}

int32_t TMainForm::ButtonFaceColour() const {
    QColor c = palette().color(QPalette::Button);
    return c.red() | c.green() << 8 | c.blue() << 16;
}
