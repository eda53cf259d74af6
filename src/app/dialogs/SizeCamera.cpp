#include "app/dialogs/SizeCamera.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

QToolButton* NewButton(QWidget* parent, const char* name, const QString& text, const char* colour) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setStyleSheet(QString("QToolButton { color: %1; font-weight: bold; }").arg(colour));
    return button;
}

} // namespace

TSizeCamera::TSizeCamera(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("SizeCamera");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    edW = new QLineEdit("9999", this);
    edH = new QLineEdit("9999", this);
    edW->setObjectName("edW");
    edH->setObjectName("edH");
    for (QLineEdit* edit : {edW, edH}) {
        edit->setFixedWidth(48);
        connect(edit, &QLineEdit::returnPressed, this, &QDialog::accept);
    }
    auto* times = new QLabel("x", this);
    QFont bold = times->font();
    bold.setBold(true);
    times->setFont(bold);
    SpeedButton2 = NewButton(this, "SpeedButton2", "OK", "green");
    SpeedButton1 = NewButton(this, "SpeedButton1", "X", "red");
    connect(SpeedButton2, &QToolButton::clicked, this, &QDialog::accept);
    connect(SpeedButton1, &QToolButton::clicked, this, &QDialog::reject);
    layout->addWidget(edW);
    layout->addWidget(times);
    layout->addWidget(edH);
    layout->addWidget(SpeedButton2);
    layout->addWidget(SpeedButton1);
}
