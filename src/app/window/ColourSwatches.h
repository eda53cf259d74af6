#pragma once
// The sixteen colour swatches in two rows of eight, each tagged with an LDraw colour number.

#include <QWidget>
#include <array>
#include <functional>

class TColourSwatches : public QWidget {
    Q_OBJECT
public:
    static constexpr int Count = 16;
    explicit TColourSwatches(QWidget* parent = nullptr);

    struct TSwatch {
        int Tag;
        QColor Colour;
        QRect Box;
    };
    std::array<TSwatch, Count> Swatch;

    // Indices into Swatch of ColourSwatches, in the cycling order of Page Up and Page Down.
    static const std::array<int, 14> CycleOrder;

    // Swatch index under a point, or -1.
    int SwatchAt(QPoint p) const;
    // A press on a swatch: index and whether it was the right button.
    std::function<void(int, bool)> OnSwatchMouseDown;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};
