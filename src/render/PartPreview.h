#pragma once
// The part editor's preview: one brick drawn centred in a bitmap from the editor's own angles
// and zoom, leaving the shared view as it was.

#include "raster/Colour.h"

class TBitmap;
class TBlock;
class TDrawContext;

// Angles in radians as the view keeps them; the turn wraps, the tilt stays within 0 to pi.
struct TPreviewAngles {
    float Tilt = 1.047f; // 60 degrees, from above
    float Turn = 0.524f; // 30 degrees
    float Zoom = 1.0f;

    void TurnBy(int degrees);
    void TiltBy(int degrees);
    // Zooms in or out by 0.1, never below 0.1.
    void ZoomBy(int tenths);
    // The angles a view of the octant starts from.
    void ShowOctant(int octant);
};

constexpr float MinPreviewZoom = 0.1f;

// Sizes nothing: draws into the bitmap as it is, filled with the background first, and returns
// the octant the brick is seen from. The context's view and stud metrics are as before
// afterwards, also when drawing fails (the error then propagates).
int DrawPartPreview(TBitmap& bitmap, TDrawContext& context, TBlock& brick,
                    const TPreviewAngles& angles, TColour background);
