// The frame: the view bitmap rendered and copied to the view box; timing and background.
#include "app/view/ViewBox.h"
#include "app/widgets/FrameImage.h"
#include "app/window/MainForm.h"
#include "raster/PictureFiles.h"
#include "render/Scene.h"

#include <QAction>
#include <QFileDialog>
#include <QImageReader>
#include <QPainter>

void TMainForm::PaintBox1Paint(QPainter& painter) {
    if (Redraw.SuppressPaint || Frame.Painting)
        return;
    if (Editing.OverFrameOnly()) {
        Editing.PaintHand(painter);
        Pictures.PaintFrame(painter, font());
        return;
    }
    TBackground background{TColour(Colours.Background), Colours.BackgroundPicture.Empty()
                                                            ? nullptr
                                                            : &Colours.BackgroundPicture};
    Frame.Render(Model, Context, background, miAntiAlias->isChecked(), [&] {
        painter.drawImage(0, 0, FrameImage(Frame.Bitmap));
        Editing.PaintHand(painter);
        Pictures.PaintFrame(painter, font());
    });
    if (miTiming->isChecked())
        setWindowTitle(QString::number(Frame.LastMilliseconds));
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
