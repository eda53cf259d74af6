#include "app/window/ColourSwatches.h"

#include "base/LDrawColours.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int Lefts[8] = {5, 23, 41, 59, 77, 95, 112, 129};
constexpr int Tops[2] = {5, 23};
constexpr int Tags[16] = {15, 7, 8, 0, 23, 1, 9, 11, 19, 14, 25, 4, 6, 2, 2, 17};

QColor FromColourValue(int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
} // namespace

// Red, White, Grey, Dark grey, Black, Yellow, Orange, Purple Blue, Tan, Brown, Green,
// Pastel Green, Light blue, Cyan.
const std::array<int, 14> TColourSwatches::CycleOrder = {11, 0, 1,  2,  3,  9, 10,
                                                         4,  8, 12, 14, 15, 6, 7};

TColourSwatches::TColourSwatches(QWidget* parent) : QWidget(parent) {
    for (int i = 0; i < Count; ++i) {
        TSwatch& s = Swatch[i];
        s.Tag = Tags[i];
        s.Box = QRect(Lefts[i % 8], Tops[i / 8], 13, 14);
        s.Colour = Qt::gray;
    }
    // The sixth column keeps colours of its own; the other swatches take the table's colour.
    Swatch[5].Colour = QColor(13, 105, 171);
    Swatch[13].Colour = QColor(40, 127, 70);
    for (int i : CycleOrder)
        for (const TLDrawColour& row : LDrawColourTable)
            if (row.Number == Swatch[i].Tag) {
                Swatch[i].Colour = FromColourValue(row.Colour());
                break;
            }
    setFixedSize(147, 42);
    setToolTip(QString::fromUtf8("Färg"));
}

int TColourSwatches::SwatchAt(QPoint p) const {
    for (int i = 0; i < Count; ++i)
        if (Swatch[i].Box.contains(p))
            return i;
    return -1;
}

void TColourSwatches::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const TSwatch& s : Swatch) {
        painter.fillRect(s.Box, s.Colour);
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(s.Box.adjusted(0, 0, -1, -1));
    }
}

void TColourSwatches::mousePressEvent(QMouseEvent* e) {
    int i = SwatchAt(e->position().toPoint());
    if (i >= 0 && OnSwatchMouseDown && e->button() != Qt::MiddleButton)
        OnSwatchMouseDown(i, e->button() == Qt::RightButton);
}
