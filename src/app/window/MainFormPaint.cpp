// The frame: the view bitmap rendered and copied to the view box; timing and background.
#include "app/view/ViewBox.h"
#include "app/widgets/FrameImage.h"
#include "app/window/MainForm.h"
#include "raster/PictureFiles.h"
#include "render/Scene.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImageReader>
#include <QPainter>

void TMainForm::ResizeViewBitmap(int width, int height) {
    ViewBitmap.SetSize(width, height);
    HandFrame.Invalidate();
}

void TMainForm::SetBitDepth(int code) {
    if (::SetBitDepth(ViewBitmap, code))
        BitDepth = code;
    HandFrame.Invalidate();
}

void TMainForm::PaintBox1Paint(QPainter& painter) {
    if (Redraw.SuppressPaint || Painting)
        return;
    if (HandOnlyPaint) {
        PaintHand(painter);
        PaintCameraFrame(painter);
        return;
    }
    ++FramesPainted;
    QElapsedTimer timer;
    timer.start();
    Painting = true;
    try {
        TBackground background{TColour(Colours.Background), Colours.BackgroundPicture.Empty()
                                                                ? nullptr
                                                                : &Colours.BackgroundPicture};
        const bool antiAliased = miAntiAlias->isChecked();
        if (!antiAliased)
            Supersampled.SetSize(0, 0);
        HandFrame.Invalidate();
        PaintFrame(Model, ViewBitmap, Context, background, antiAliased, &Supersampled);
        painter.drawImage(0, 0, FrameImage(ViewBitmap));
        PaintHand(painter);
        PaintCameraFrame(painter);
    } catch (const std::exception&) {
        // Drawing reports no errors: a failed frame ends here, and the guard is cleared so the
        // next request paints again.
    }
    Painting = false;
    LastFrameMilliseconds = int(timer.elapsed());
    if (miTiming->isChecked())
        setWindowTitle(QString::number(LastFrameMilliseconds));
}

void TMainForm::mRestBgClick() {
    Colours.ClearPicture();
    Colours.Background = ButtonFaceColour();
    RedrawPicture();
}

void TMainForm::Backgroundpicture1Click() {
    Colours.ClearPicture();
    QString name = QFileDialog::getOpenFileName(
        this, "Background picture", QString::fromStdString(Colours.BackgroundDir),
        "Pictures (*.bmp *.BMP *.jpg *.JPG *.jpeg *.png *.PNG);;All files (*)");
    try {
        if (!name.isEmpty()) {
            ReadPictureFile(name.toStdString(), Colours.BackgroundPicture);
            Colours.BackgroundFile = name.toStdString();
            Colours.BackgroundDir = QFileInfo(name).path().toStdString();
        }
    } catch (...) {
        Colours.BackgroundPicture.SetSize(0, 0);
        RedrawPicture();
        throw;
    }
    RedrawPicture();
}

int32_t TMainForm::ButtonFaceColour() const {
    QColor c = palette().color(QPalette::Button);
    return c.red() | c.green() << 8 | c.blue() << 16;
}
