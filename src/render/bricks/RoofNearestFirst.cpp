// The sloped family drawn straight into a band whose surface keeps a cover mask: the faces are
// worked out in painter's order, then drawn last first with the studs or tube rings where they
// fall, so that the first write to a pixel is the one the drawing forwards leaves there.

#include "model/Block.h"
#include "raster/CoverMask.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/RoofFrame.h"

#include <algorithm>

namespace {

// Whether every pixel the face's points span is written already. Not for a face reaching past
// the surface's edges, where clipping may move a line off its points.
bool Hidden(const TFastDraw& surface, const TPoint* points, int count) {
    TRect box{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (int i = 1; i < count; ++i)
        box = {std::min(box.Left, points[i].X), std::min(box.Top, points[i].Y),
               std::max(box.Right, points[i].X), std::max(box.Bottom, points[i].Y)};
    const TRect& clip = surface.ClipRect;
    if (box.Left < clip.Left || box.Right > clip.Right || box.Top < clip.Top ||
        box.Bottom > clip.Bottom)
        return false;
    box.Top = std::max(box.Top, surface.Band.Top);
    box.Bottom = std::min(box.Bottom, surface.Band.Bottom);
    return box.Top > box.Bottom || surface.CoverMask->Covered(box);
}

// Some kinds draw a face twice, as it lies over the faces of one group seen from above and under
// those of another: the later copy writes every pixel of the earlier one again, in one pen.
bool DrawnAgain(const TRoofFaces& faces, int k) {
    for (int later = k + 1; later < faces.Count; ++later)
        if (faces.Counts[later] == faces.Counts[k] && faces.Colours[later] == faces.Colours[k] &&
            std::equal(faces.Points[k], faces.Points[k] + faces.Counts[k], faces.Points[later]))
            return true;
    return false;
}

// Faces last .. first - 1, last first.
void DrawFacesBackwards(const TRoofFaces& faces, int first, int last, TDrawObject& target) {
    const TFastDraw& surface = *target.FastSurface();
    TCanvas& canvas = target.Canvas();
    for (int k = last - 1; k >= first; --k) {
        if (DrawnAgain(faces, k) || Hidden(surface, faces.Points[k], faces.Counts[k]))
            continue;
        canvas.Brush.Colour = faces.Colours[k];
        target.Polygon(faces.Points[k], faces.Counts[k] - 1);
    }
}

} // namespace

bool TRoofDrawer::DrawNearestFirst(TDrawObject& target) {
    if (!PrepareNearestFirst(Brick, target))
        return false;
    TDrawContext& context = DrawContextOf(target);
    TRoofFaces faces;
    TRoofFrame frame(Brick, target, context);
    frame.Faces = &faces;
    DrawGroups(frame, context);
    // Nothing blends meanwhile; the faces' polygons set the writers they need.
    target.FastSurface()->SetBlending(false);
    const int studsAfter = faces.StudsAfter < 0 ? faces.Count : faces.StudsAfter;
    DrawFacesBackwards(faces, studsAfter, faces.Count, target);
    if (faces.StudsAfter >= 0) {
        if (context.View.Octant < 4)
            DrawStuds(target);
        else
            DrawUnderside(target);
    }
    DrawFacesBackwards(faces, 0, studsAfter, target);
    ResetAfterDraw(target.Canvas(), context);
    return true;
}
