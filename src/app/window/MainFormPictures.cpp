// Pictures and printing from the window: the picture frame over the view and its mouse, the
// size dialog, saving through the save dialog, and the print button.
#include "app/dialogs/SizeCamera.h"
#include "app/view/PictureFrame.h"
#include "app/view/ViewBox.h"
#include "app/widgets/FrameImage.h"
#include "app/window/MainForm.h"
#include "base/Error.h"
#include "base/Text.h"
#include "exchange/pictures/PictureEstimate.h"
#include "exchange/pictures/PictureSave.h"
#include "exchange/pictures/PrintPage.h"
#include "render/Scene.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>
#include <algorithm>

namespace {

const char* PictureFilters[] = {"PNG file (*.png)", "JPEG file (*.jpg)", "Bitmap file (*.bmp)"};
const char* PictureExtensions[] = {"png", "jpg", "bmp"};

QString AskPictureFileInDialog(QWidget* parent, const QString& title, const QString& folder,
                               const QString& name) {
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const char* filter : PictureFilters)
        filters << filter;
    dialog.setNameFilters(filters);
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    int chosen = std::max<qsizetype>(filters.indexOf(dialog.selectedNameFilter()), 0);
    return QString::fromStdString(WithDefaultExtension(dialog.selectedFiles().first().toStdString(),
                                                       PictureExtensions[chosen]));
}

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

// The hourglass for as long as a picture is rendered again.
class TBusyCursor {
public:
    explicit TBusyCursor(bool busy) : Busy(busy) {
        if (Busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TBusyCursor() {
        if (Busy)
            QApplication::restoreOverrideCursor();
    }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    bool Busy;
};

} // namespace

void TMainForm::ConnectPictures() {
    btnSavePic->setCheckable(true);
    connect(btnSavePic, &QToolButton::clicked, this,
            [this] { Guarded([this] { btnSavePicClick(); }); });
    connect(btnPrint, &QToolButton::clicked, this,
            [this] { Guarded([this] { btnPrintClick(); }); });
    AskPictureFile = [this](const QString& title, const QString& folder, const QString& name) {
        return AskPictureFileInDialog(this, title, folder, name);
    };
}

void TMainForm::btnSavePicClick() {
    CameraFrame.PlaceAtStart(PaintBox1->width(), PaintBox1->height());
    CameraFrame.On = btnSavePic->isChecked();
    CameraFrame.Release();
    PaintBox1->unsetCursor();
    RepaintCameraFrame();
}

void TMainForm::RepaintCameraFrame() {
    // The last frame, the hand and the picture frame over them; the scene is not drawn again.
    RepaintHand(PaintBox1->rect());
}

void TMainForm::PaintCameraFrame(QPainter& painter) {
    if (CameraFrame.On)
        DrawCameraFrame(painter, CameraFrame, font());
}

void TMainForm::CameraFrameMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                     int y) {
    if (button != Qt::LeftButton)
        return;
    switch (CameraFrame.Press(x, y)) {
    case TFrameArea::None:
        return;
    case TFrameArea::Close:
        btnSavePic->setChecked(false);
        btnSavePicClick();
        return;
    case TFrameArea::WholeView:
        CameraFrame.WholeView(PaintBox1->width(), PaintBox1->height());
        break;
    case TFrameArea::PresetSize:
        CameraFrame.PresetSize({bool(shift & Qt::ControlModifier), bool(shift & Qt::ShiftModifier),
                                bool(shift & Qt::AltModifier)});
        break;
    case TFrameArea::SaveAsSeen:
        SavePicture(0);
        break;
    case TFrameArea::SaveAntiAliased:
        SavePicture(1);
        break;
    case TFrameArea::SaveDouble:
        SavePicture(2);
        break;
    case TFrameArea::SaveFourfold:
        SavePicture(4);
        break;
    case TFrameArea::SaveEightfold:
        SavePicture(8);
        break;
    case TFrameArea::SizeLabel:
        SizeCameraClick();
        break;
    }
    RepaintCameraFrame();
}

void TMainForm::CameraFrameMouseMove(Qt::MouseButtons buttons, int x, int y) {
    if (buttons & Qt::LeftButton) {
        CameraFrame.Drag(x, y);
        RepaintCameraFrame();
        return;
    }
    PaintBox1->setCursor(ShapeOf(CameraFrame.CursorAt(x, y)));
}

void TMainForm::SizeCameraClick() {
    TSizeCamera dialog(this);
    dialog.edW->setText(QString::number(CameraFrame.Width()));
    dialog.edH->setText(QString::number(CameraFrame.Height()));
    dialog.adjustSize();
    const TPictureFrame& r = CameraFrame.Rect;
    QPoint at = PaintBox1->mapToGlobal(QPoint(r.Right + 4, r.Top + 11));
    int panelRight = PaintBox1->mapToGlobal(QPoint(PaintBox1->width(), 0)).x();
    if (at.x() + dialog.width() > panelRight)
        at.setX(panelRight - dialog.width());
    dialog.move(at);
    dialog.edW->setFocus();
    if (dialog.exec() == QDialog::Accepted)
        ResizeCameraFrame(dialog.edW->text(), dialog.edH->text());
}

void TMainForm::ResizeCameraFrame(const QString& width, const QString& height) {
    int32_t w = StrToInt(width.trimmed().toStdString());
    int32_t h = StrToInt(height.trimmed().toStdString());
    CameraFrame.Resize(w, h);
    RepaintCameraFrame();
}

void TMainForm::SavePicture(int variant) {
    const TPictureFrame frame = CameraFrame.Rect;
    QString title = QString::fromStdString(SavePictureTitle(variant, frame));
    QString name = AskPictureFile(title, QString::fromStdString(PictureDir),
                                  QString::fromStdString(PictureNameForModel(ModelFileName)));
    if (name.isEmpty())
        return;
    std::string fileName = name.toStdString();
    TBusyCursor busy(variant != 0);
    TBackground background{TColour(Background),
                           BackgroundPicture.Empty() ? nullptr : &BackgroundPicture};
    SavePictureFile(variant, frame, ViewBitmap, Model, Context, background, fileName);
    PictureDir = FolderOfPath(fileName);
}

void TMainForm::btnPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintModel(printer);
}

void TMainForm::PrintModel(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw TError("The printer could not be started");
    TPrintPage page = PrintPageFor(printer.width(), printer.height(), ViewBitmap.Width(),
                                   Controls.OffsetX.Position, Controls.OffsetY.Position);
    TBitmap band;
    for (int top = 0; top < page.Height; top += PrintBandHeight) {
        band.SetSize(page.Width, std::min(PrintBandHeight, page.Height - top));
        RenderPrintBand(Model, Context, page, top, band);
        painter.drawImage(0, top, FrameImage(band));
    }
    int m = page.Margin;
    painter.setPen(Qt::black);
    painter.drawText(QRect(2 * m + 5, m + 5, page.Width - 3 * m - 10, page.Height - 2 * m - 10),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(ModelFileName));
    painter.end();
}
