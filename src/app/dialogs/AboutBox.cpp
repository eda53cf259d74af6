#include "app/dialogs/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TAbout::TAbout(const QString& version, QWidget* parent) : QDialog(parent) {
    setWindowTitle("About Tessaryn");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QString("<h2>Tessaryn</h2><p>Version %1</p>").arg(version), this);
    title->setAlignment(Qt::AlignCenter);
    auto* credits = new QLabel("Build models out of virtual toy construction bricks and look at "
                               "them from any side.<br><br>"
                               "Written by the Tessaryn developers.<br>"
                               "Pictures are drawn by the program's own renderer; JPEG and PNG "
                               "files are written with libjpeg and libpng.<br>"
                               "The window is built with Qt.",
                               this);
    credits->setWordWrap(true);
    credits->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(credits);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}
