#pragma once
// A pair of small up and down arrow buttons that repeat while held: the nudges of the toolbox
// and the "Both" buttons of the boundary window.

#include <QWidget>
#include <functional>

class QToolButton;

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(const QString& objectName, QWidget* parent = nullptr);

    // +1 for the up arrow, -1 for the down arrow.
    std::function<void(int direction)> OnStep;
    QToolButton *Up, *Down;
};
