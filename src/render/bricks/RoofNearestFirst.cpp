// The sloped family drawn straight into a band whose surface keeps a cover mask: the faces are
// worked out in painter's order, then drawn last first with the studs or tube rings where they
// fall.

#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/BrickPaint.h"
#include "render/bricks/FaceList.h"
#include "render/bricks/RoofFrame.h"

bool TRoofDrawer::DrawNearestFirst(TDrawObject& target) {
    if (!PrepareNearestFirst(Brick, target))
        return false;
    TDrawContext& context = DrawContextOf(target);
    TFaceList faces;
    faces.Repeats = true;
    TRoofFrame frame(Brick, target, context);
    frame.Faces = &faces;
    DrawGroups(frame, context);
    // Nothing blends meanwhile; the faces' polygons set the writers they need.
    target.FastSurface()->SetBlending(false);
    const int studsAfter = faces.StudsAfter < 0 ? faces.Count : faces.StudsAfter;
    faces.DrawBackwards(target, studsAfter, faces.Count);
    if (faces.StudsAfter >= 0) {
        target.Canvas().Pen.Colour = faces.StudPen;
        if (context.View.Octant < 4)
            DrawStuds(target);
        else
            DrawUnderside(target);
    }
    faces.DrawBackwards(target, 0, studsAfter);
    ResetAfterDraw(target.Canvas(), context);
    return true;
}
