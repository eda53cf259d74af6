#pragma once
// The about box: the program's name, version and credits.

#include <QDialog>

class TAbout : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent = nullptr);
};
