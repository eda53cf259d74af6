#include "app/view/ViewBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

TViewBox::TViewBox(QWidget* parent) : QWidget(parent) {
    // Every frame covers the whole box, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(50, 50);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TViewBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (OnPaint)
        OnPaint(painter);
}

void TViewBox::resizeEvent(QResizeEvent*) {
    if (OnResize)
        OnResize();
}

void TViewBox::wheelEvent(QWheelEvent* e) {
    int delta = e->angleDelta().y();
    if (delta != 0 && OnWheel)
        OnWheel(delta > 0 ? 1 : -1);
    e->accept();
}

void TViewBox::mousePressEvent(QMouseEvent* e) {
    if (OnMouseDown)
        OnMouseDown(e);
}

void TViewBox::mouseMoveEvent(QMouseEvent* e) {
    if (OnMouseMove)
        OnMouseMove(e);
}

void TViewBox::mouseReleaseEvent(QMouseEvent* e) {
    if (OnMouseUp)
        OnMouseUp(e);
}
