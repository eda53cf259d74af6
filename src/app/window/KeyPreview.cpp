#include "app/window/KeyPreview.h"

#include <QKeyEvent>
#include <QWidget>

TKeyPreview::TKeyPreview(QWidget* window, THandler handler)
    : QObject(window), window(window), handler(std::move(handler)) {}

bool TKeyPreview::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* target = static_cast<QWidget*>(watched);
    // Dialogs and menus of their own keep their keys.
    if (target->window() != window)
        return false;
    auto* child = qobject_cast<QWidget*>(lastTarget.data());
    if (e == lastEvent && child && target != child && target->isAncestorOf(child)) {
        lastTarget = target;
        return false;
    }
    lastEvent = e;
    lastTarget = target;
    return handler(target, static_cast<QKeyEvent*>(e));
}
