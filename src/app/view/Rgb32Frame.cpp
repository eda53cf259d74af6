#include "app/view/Rgb32Frame.h"

#include <QPainter>

const QImage& TRgb32Frame::Of(const QImage& frame) {
    if (frame.isNull() || frame.format() == QImage::Format_RGB32)
        return frame;
    if (Converted.size() != frame.size()) {
        Converted = QImage(frame.size(), QImage::Format_RGB32);
        Current = false;
    }
    if (!Current) {
        // Painting into the kept image converts row by row, with no image of its own.
        QPainter painter(&Converted);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, frame);
        Current = true;
    }
    return Converted;
}
