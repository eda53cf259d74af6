#include "app/window/Pictures.h"

#include "app/view/PictureFrame.h"
#include "app/widgets/FrameImage.h"
#include "app/window/Colours.h"
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

const char* PictureFilters[] = {"PNG file (*.png)", "JPEG file (*.jpg)", "Bitmap file (*.bmp)"};
const char* PictureExtensions[] = {"png", "jpg", "bmp"};

// The chosen filter's extension goes onto a name typed without one before the dialog checks
// the name, so that the question about replacing a file is about the file that is written.
class TPictureFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    void accept() override {
        qsizetype chosen = std::max<qsizetype>(nameFilters().indexOf(selectedNameFilter()), 0);
        setDefaultSuffix(PictureExtensions[chosen]);
        QFileDialog::accept();
    }
};

QString AskPictureFileInDialog(QWidget* parent, const QString& title, const QString& folder,
                               const QString& name) {
    TPictureFileDialog dialog(parent, title, folder);
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
    const TBitmap& picture = Scene.Colours.BackgroundPicture;
    TBackground background{TColour(Scene.Colours.Background), picture.Empty() ? nullptr : &picture};
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
    // The name goes on the page before the bricks, which are drawn over it; at the printer's
    // resolution, so that the font has its printed size.
    int m = page.Margin;
    QString name = QString::fromStdString(Files.FileName);
    QFont font = painter.font();
    int dotsPerMetre = qRound(printer.resolution() / 0.0254);
    auto writeName = [&](TBitmap& band, int top) {
        QImage image = FrameImage(band);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        QPainter text(&image);
        text.setFont(font);
        text.setPen(Qt::black);
        text.translate(0, -top);
        text.drawText(QRect(2 * m + 5, m + 5, page.Width - 3 * m - 10, page.Height - 2 * m - 10),
                      Qt::AlignLeft | Qt::AlignTop, name);
    };
    TBitmap band;
    for (int top = 0; top < page.Height; top += PrintBandHeight) {
        band.SetSize(page.Width, std::min(PrintBandHeight, page.Height - top));
        RenderPrintBand(Scene.Model, Scene.Context, page, top, band, writeName);
        painter.drawImage(0, top, FrameImage(band));
    }
    painter.end();
}

void TPictures::PaintFrame(QPainter& painter, const QFont& font) {
    if (CameraFrame.On)
        DrawCameraFrame(painter, CameraFrame, font);
}

Qt::CursorShape TPictures::CursorAt(int x, int y) const {
    return ShapeOf(CameraFrame.CursorAt(x, y));
}

TFrameArea TPictures::Press(int x, int y, Qt::KeyboardModifiers keys, int viewWidth,
                            int viewHeight) {
    TFrameArea area = CameraFrame.Press(x, y);
    switch (area) {
    case TFrameArea::WholeView:
        CameraFrame.WholeView(viewWidth, viewHeight);
        break;
    case TFrameArea::PresetSize:
        CameraFrame.PresetSize({bool(keys & Qt::ControlModifier), bool(keys & Qt::ShiftModifier),
                                bool(keys & Qt::AltModifier)});
        break;
    case TFrameArea::SaveAsSeen:
        Save(0);
        break;
    case TFrameArea::SaveAntiAliased:
        Save(1);
        break;
    case TFrameArea::SaveDouble:
        Save(2);
        break;
    case TFrameArea::SaveFourfold:
        Save(4);
        break;
    case TFrameArea::SaveEightfold:
        Save(8);
        break;
    case TFrameArea::None:
    case TFrameArea::Close:
    case TFrameArea::SizeLabel:
        break;
    }
    return area;
}
