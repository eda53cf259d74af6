#include "app/window/Pictures.h"

#include "app/widgets/FrameImage.h"
#include "app/window/ModelFiles.h"
#include "base/Error.h"
#include "base/Text.h"
#include "exchange/pictures/PictureEstimate.h"
#include "exchange/pictures/PictureSave.h"
#include "exchange/pictures/PrintPage.h"
#include "raster/Bitmap.h"
#include "render/Scene.h"
#include "render/ViewControls.h"

#include <QApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
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

TPictures::TPictures(QWidget& window, const TScene& scene, const TModelFiles& files)
    : Scene(scene), Files(files) {
    AskPictureFile = [&window](const QString& title, const QString& folder, const QString& name) {
        return AskPictureFileInDialog(&window, title, folder, name);
    };
}

void TPictures::Resize(const QString& width, const QString& height) {
    int32_t w = StrToInt(width.trimmed().toStdString());
    int32_t h = StrToInt(height.trimmed().toStdString());
    CameraFrame.Resize(w, h);
}

void TPictures::Save(int variant) {
    const TPictureFrame frame = CameraFrame.Rect;
    QString title = QString::fromStdString(SavePictureTitle(variant, frame));
    QString name = AskPictureFile(title, QString::fromStdString(PictureDir),
                                  QString::fromStdString(PictureNameForModel(Files.FileName)));
    if (name.isEmpty())
        return;
    std::string fileName = name.toStdString();
    TBusyCursor busy(variant != 0);
    TBackground background{TColour(Scene.Background),
                           Scene.BackgroundPicture.Empty() ? nullptr : &Scene.BackgroundPicture};
    SavePictureFile(variant, frame, Scene.ViewBitmap, Scene.Model, Scene.Context, background,
                    fileName);
    PictureDir = FolderOfPath(fileName);
}

void TPictures::Print(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw TError("The printer could not be started");
    TPrintPage page =
        PrintPageFor(printer.width(), printer.height(), Scene.ViewBitmap.Width(),
                     Scene.Controls.OffsetX.Position, Scene.Controls.OffsetY.Position);
    TBitmap band;
    for (int top = 0; top < page.Height; top += PrintBandHeight) {
        band.SetSize(page.Width, std::min(PrintBandHeight, page.Height - top));
        RenderPrintBand(Scene.Model, Scene.Context, page, top, band);
        painter.drawImage(0, top, FrameImage(band));
    }
    int m = page.Margin;
    painter.setPen(Qt::black);
    painter.drawText(QRect(2 * m + 5, m + 5, page.Width - 3 * m - 10, page.Height - 2 * m - 10),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(Files.FileName));
    painter.end();
}
