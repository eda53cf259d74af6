#include "app/tools/SpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>

TSpinButton::TSpinButton(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Up = new QToolButton(this);
    Down = new QToolButton(this);
    Up->setArrowType(Qt::UpArrow);
    Down->setArrowType(Qt::DownArrow);
    for (auto [button, direction] : {std::pair{Up, 1}, std::pair{Down, -1}}) {
        button->setAutoRepeat(true);
        button->setFixedSize(18, 11);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, direction] {
            if (OnStep)
                OnStep(direction);
        });
    }
}
