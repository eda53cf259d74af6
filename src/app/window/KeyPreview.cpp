#include "app/window/KeyPreview.h"

#include <QKeyEvent>
#include <QWidget>

TKeyPreview::TKeyPreview(QWidget* window, THandler handler)
    : QObject(window), Window(window), Handler(std::move(handler)) {}

bool TKeyPreview::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* target = static_cast<QWidget*>(watched);
    // Dialogs and menus of their own keep their keys.
    if (target->window() != Window)
        return false;
    auto* child = qobject_cast<QWidget*>(LastTarget.data());
    if (e == LastEvent && child && target != child && target->isAncestorOf(child)) {
        LastTarget = target;
        return false;
    }
    LastEvent = e;
    LastTarget = target;
    return Handler(target, static_cast<QKeyEvent*>(e));
}
