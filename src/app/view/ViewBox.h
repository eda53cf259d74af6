#pragma once
// The view box: an opaque widget that shows the frame the main window renders.

#include <QWidget>
#include <functional>

class TViewBox : public QWidget {
    Q_OBJECT
public:
    explicit TViewBox(QWidget* parent = nullptr);

    std::function<void(QPainter&)> OnPaint;
    std::function<void()> OnResize;
    // Wheel turned over the view: +1 for a step away from the user (up), -1 towards.
    std::function<void(int)> OnWheel;
    // Mouse press, move and release over the view (the editing surface).
    std::function<void(QMouseEvent*)> OnMouseDown, OnMouseMove, OnMouseUp;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};
