#pragma once
// The frame's pixels as 32-bit rows, for drawing the hand over it. A frame of another depth is
// converted once per frame into an image kept from frame to frame, not at every move of the
// hand.

#include <QImage>

class TRgb32Frame {
public:
    // The frame's pixels changed (a new frame, size or depth): the next call converts again.
    void Invalidate() { Current = false; }
    // The frame itself when it is already 32-bit, otherwise the kept conversion of it.
    const QImage& Of(const QImage& frame);

private:
    QImage Converted;
    bool Current = false;
};
