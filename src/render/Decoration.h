#pragma once
// Decoration pictures of general blocks: each file is loaded once and mapped affinely onto
// the projected polygon it decorates.

#include "base/Geometry.h"

#include <string>

class TBitmap;
class TDrawObject;

// Detail below 2: the polygon's two diagonals in the pen colour. Detail 2: the picture in
// AppDir/parts (named as in the part file) mapped onto the parallelogram with origin P0, its
// X axis towards P3 and its Y axis towards P1, inside the bounding rectangle of all points;
// its top-left colour is transparent. A picture that cannot be loaded gets the diagonals.
// Needs at least four points.
void DrawDecoration(TDrawObject& target, int detailLevel, const std::string& pictureFile,
                    const TPoint* points, int count);

// Maps a 32-bit picture's pixels into the bitmap (any format) within the area, which the
// caller keeps inside the bitmap; the bitmap's row 0 is the drawing's row firstRow.
void MapPicture(TBitmap& bitmap, const TRect& area, const TBitmap& picture, TPoint p0, TPoint p1,
                TPoint p3, int firstRow = 0);

// Forgets the loaded pictures, so that changed files are read again.
void ClearDecorationPictures();
