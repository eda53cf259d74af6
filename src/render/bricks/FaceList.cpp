#include "render/bricks/FaceList.h"

#include "raster/DrawObject.h"
#include "raster/FastDraw.h"

#include <algorithm>
#include <cassert>

namespace {

bool DrawnAgain(const TFaceList& faces, int k) {
    for (int later = k + 1; later < faces.Count; ++later)
        if (faces.Counts[later] == faces.Counts[k] && faces.Brushes[later] == faces.Brushes[k] &&
            faces.Pens[later] == faces.Pens[k] &&
            std::equal(faces.Points[k], faces.Points[k] + faces.Counts[k], faces.Points[later]))
            return true;
    return false;
}

} // namespace

bool HiddenFace(const TFastDraw& surface, const TPoint* points, int count) {
    TRect box{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (int i = 1; i < count; ++i)
        box = {std::min(box.Left, points[i].X), std::min(box.Top, points[i].Y),
               std::max(box.Right, points[i].X), std::max(box.Bottom, points[i].Y)};
    return surface.WrittenThroughout(box, surface.Band);
}

void TFaceList::Keep(int count, TColour pen, TColour brush) {
    assert(Count < Capacity && count > 0 && count <= MostPoints);
    Counts[Count] = count;
    Pens[Count] = pen;
    Brushes[Count++] = brush;
}

void TFaceList::DrawBackwards(TDrawObject& target, int first, int last) const {
    const TFastDraw& surface = *target.FastSurface();
    TCanvas& canvas = target.Canvas();
    for (int k = last - 1; k >= first; --k) {
        if ((Repeats && DrawnAgain(*this, k)) || HiddenFace(surface, Points[k], Counts[k]))
            continue;
        canvas.Pen.Colour = Pens[k];
        canvas.Brush.Colour = Brushes[k];
        target.Polygon(Points[k], Counts[k] - 1);
    }
}
