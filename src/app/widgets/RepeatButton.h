#pragma once
// The arrow buttons of the palette and its dialogs: they repeat every 200 ms while held.

#include <QToolButton>

inline QToolButton* RepeatButton(QWidget* parent, const char* name, Qt::ArrowType arrow,
                                 const char* hint = nullptr) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    if (hint)
        button->setToolTip(hint);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(200);
    button->setAutoRepeatInterval(200);
    return button;
}
