#pragma once
// The open-model dialog with a preview of the picture saved beside the model file.

#include <QFileDialog>
#include <QImage>

class QLabel;
class QToolButton;
class QWidget;

class TOpenModelDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TOpenModelDialog(QWidget* parent = nullptr);

    QWidget* PicturePanel;
    QLabel* PictureLabel;
    QToolButton* PreviewButton;
    QWidget* PaintBox;
    QImage Picture;

    // The picture beside a model: its name with ".jpg", else with ".bmp", in any letter case;
    // empty when neither.
    static QString PictureFileOf(const QString& modelFile);
    // Loads the picture of the selected file into the panel.
    void SelectionChanged(const QString& fileName);
    // Where a picture of the given size is drawn in a box of the given size.
    static QRect PictureRect(QSize picture, QSize box);

private:
    void PreviewButtonClick();
};
