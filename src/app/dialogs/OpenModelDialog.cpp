#include "app/dialogs/OpenModelDialog.h"

#include "base/FileNames.h"

#include <QDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The paint box: its own colour, the picture, or "(None)".
class TPictureBox : public QFrame {
public:
    TPictureBox(TOpenModelDialog* dialog, QWidget* parent) : QFrame(parent), Dialog(dialog) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setFixedSize(160, 160);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        QPainter painter(this);
        QRect box = contentsRect();
        painter.fillRect(box, palette().color(QPalette::Window));
        if (Dialog->Picture.isNull()) {
            painter.drawText(box, Qt::AlignCenter, "(None)");
            return;
        }
        QRect r = TOpenModelDialog::PictureRect(Dialog->Picture.size(), box.size());
        painter.drawImage(r.translated(box.topLeft()), Dialog->Picture);
    }

private:
    TOpenModelDialog* Dialog;
};

// The modal "Preview" window: the picture stretched inside a 5-pixel border.
class TPreviewWindow : public QDialog {
public:
    TPreviewWindow(const QImage& picture, QWidget* parent) : QDialog(parent), Picture(picture) {
        setWindowTitle("Preview");
        setWindowFlags(Qt::Tool);
        resize(picture.width() + 20, picture.height() + 20);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(rect().adjusted(5, 5, -5, -5), Picture);
    }

private:
    QImage Picture;
};
} // namespace

TOpenModelDialog::TOpenModelDialog(QWidget* parent) : QFileDialog(parent) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setNameFilters({"Tessaryn Files (*.LGO *.lgo)",
                    "LDRAW Files (*.DAT *.dat *.LDR *.ldr *.MPD *.mpd)", "All files (*)"});

    PicturePanel = new QWidget(this);
    auto* column = new QVBoxLayout(PicturePanel);
    PictureLabel = new QLabel("Picture:", PicturePanel);
    PreviewButton = new QToolButton(PicturePanel);
    PreviewButton->setText("Preview");
    PreviewButton->setToolTip("Preview");
    PreviewButton->setEnabled(false);
    PaintBox = new TPictureBox(this, PicturePanel);
    column->addWidget(PictureLabel);
    column->addWidget(PreviewButton);
    column->addWidget(PaintBox);
    column->addStretch();
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(PicturePanel, 0, grid->columnCount(), grid->rowCount(), 1);

    connect(this, &QFileDialog::currentChanged, this, &TOpenModelDialog::SelectionChanged);
    connect(PreviewButton, &QToolButton::clicked, this, &TOpenModelDialog::PreviewButtonClick);
}

QString TOpenModelDialog::PictureFileOf(const QString& modelFile) {
    QFileInfo info(modelFile);
    QString stem = info.path() + "/" + info.completeBaseName();
    for (const char* extension : {".jpg", ".bmp"}) {
        // Pictures saved elsewhere may carry ".JPG" or ".Bmp".
        std::string picture = ResolveFileName((stem + extension).toStdString());
        if (FileExists(picture))
            return QString::fromStdString(picture);
    }
    return {};
}

void TOpenModelDialog::SelectionChanged(const QString& fileName) {
    QString picture = QFileInfo(fileName).isFile() ? PictureFileOf(fileName) : QString();
    Picture = picture.isEmpty() ? QImage() : QImage(picture);
    if (Picture.isNull()) {
        PictureLabel->setText("Picture:");
        PreviewButton->setEnabled(false);
    } else {
        PictureLabel->setText(QString(" (%1x%2)").arg(Picture.width()).arg(Picture.height()));
        PreviewButton->setEnabled(true);
    }
    PaintBox->update();
}

QRect TOpenModelDialog::PictureRect(QSize picture, QSize box) {
    if (picture.width() <= box.width() && picture.height() <= box.height())
        return QRect(
            QPoint((box.width() - picture.width()) / 2, (box.height() - picture.height()) / 2),
            picture);
    if (picture.height() >= picture.width())
        return QRect(0, 0, picture.width() * box.height() / picture.height(), box.height());
    return QRect(0, 0, box.width(), picture.height() * box.width() / picture.width());
}

void TOpenModelDialog::PreviewButtonClick() {
    if (Picture.isNull())
        return;
    TPreviewWindow preview(Picture, this);
    if (QScreen* screen = this->screen())
        preview.move(screen->geometry().center() - preview.rect().center());
    preview.exec();
}
