#pragma once
// A brick's faces worked out in painter's order and kept, with the place of its studs or tube
// rings among them, to be drawn nearest first through a surface with a cover mask: each face
// last first, so that the first write to a pixel is the one the drawing forwards leaves there.

#include "base/Geometry.h"
#include "raster/Colour.h"

class TDrawObject;
class TFastDraw;

// Whether every pixel the points span is written already in the surface's cover mask. Not for
// points reaching past the surface's edges, where clipping may move a line off them.
bool HiddenFace(const TFastDraw& surface, const TPoint* points, int count);

struct TFaceList {
    static constexpr int Capacity = 64;  // a wheel's sixty segments are the most
    static constexpr int MostPoints = 8; // a window's side walls
    TPoint Points[Capacity][MostPoints];
    int Counts[Capacity];
    TColour Pens[Capacity], Brushes[Capacity];
    int Count = 0;
    int StudsAfter = -1; // the faces before the studs or tube rings; -1 without them
    TColour StudPen = 0;
    // Some faces may come again later (the sloped kinds draw a few twice); looked for only then.
    bool Repeats = false;

    // Room for the next face's points, given by Keep once they are there.
    TPoint* Next() { return Points[Count]; }
    void Keep(int count, TColour pen, TColour brush);
    void MarkStuds(TColour pen) {
        StudsAfter = Count;
        StudPen = pen;
    }

    // Faces last - 1 down to first through the target, in their own pens and brushes. With
    // Repeats, a face drawn again later with the same points and colours is passed over: the
    // later copy writes each of its pixels again.
    void DrawBackwards(TDrawObject& target, int first, int last) const;
};
