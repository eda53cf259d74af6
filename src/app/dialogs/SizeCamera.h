#pragma once
// The picture frame's size dialog: width and height boxes, OK and a cancel cross, no border.

#include <QDialog>

class QLineEdit;
class QToolButton;

class TSizeCamera : public QDialog {
    Q_OBJECT
public:
    explicit TSizeCamera(QWidget* parent = nullptr);

    QLineEdit *edW, *edH;
    QToolButton* SpeedButton1; // the red cross: cancel
    QToolButton* SpeedButton2; // the green OK
};
