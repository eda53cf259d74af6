#pragma once
// A QImage that shows a bitmap's pixels in place, for copying frames to the screen without a
// per-pixel pass.

#include <QImage>

class TBitmap;

// Valid while the bitmap keeps its size and format; null for an empty bitmap.
QImage FrameImage(TBitmap& bitmap);
