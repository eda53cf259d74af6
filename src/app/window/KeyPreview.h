#pragma once
// The main window's key preview: an application-wide filter that hands every key pressed in
// the window to a handler before the focused widget sees it.

#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QWidget;

class TKeyPreview : public QObject {
public:
    // The handler gets the widget the key goes to; true consumes the key.
    using THandler = std::function<bool(QWidget* target, QKeyEvent* key)>;
    TKeyPreview(QWidget* window, THandler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* Window;
    THandler Handler;
    // A key the focused widget leaves unused travels on to its parents and passes the filter
    // again; it was previewed once already.
    const QEvent* LastEvent = nullptr;
    QPointer<QObject> LastTarget;
};
