#pragma once
// The about box: the program's name, version and credits.

#include <QDialog>

class TAbout : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(const QString& version, QWidget* parent = nullptr);
};
