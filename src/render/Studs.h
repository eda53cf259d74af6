#pragma once
// Studs on top of bricks and the tube rings seen from below, in the three stud qualities.

class TDrawObject;
class TDrawContext;

// One stud whose base centre projects to (cx, cy), in the context's stud style.
void DrawStud(TDrawObject& target, const TDrawContext& context, int cx, int cy);

// The closed eight-point ring of a tube whose bottom centre projects to (cx, cy).
void DrawTubeRing(TDrawObject& target, const TDrawContext& context, int cx, int cy);
