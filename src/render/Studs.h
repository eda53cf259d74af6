#pragma once
// Studs on top of bricks and the tube rings seen from below, in the three stud qualities.

#include "base/Geometry.h"

class TDrawObject;
class TDrawContext;

// One stud whose base centre projects to (cx, cy), in the context's stud style.
void DrawStud(TDrawObject& target, const TDrawContext& context, int cx, int cy);

// The closed eight-point ring of a tube whose bottom centre projects to (cx, cy).
void DrawTubeRing(TDrawObject& target, const TDrawContext& context, int cx, int cy);

// DrawStud at each of centres[0..count-1] in turn; outline studs go to a raster surface as one
// batch.
void DrawStudsAt(TDrawObject& target, const TDrawContext& context, const TPoint* centres,
                 int count);

// DrawTubeRing at each of centres[0..count-1] in turn.
void DrawTubeRingsAt(TDrawObject& target, const TDrawContext& context, const TPoint* centres,
                     int count);
