#pragma once
// The picture of the model: background, then every visible brick in drawing order for the
// view's octant, into the view bitmap or another bitmap, plain or anti-aliased.

#include "base/Geometry.h"
#include "raster/Colour.h"

#include <cstddef>

class TBitmap;
class TBlockList;
class TDrawContext;
class TDrawObject;

// The view's background: the window colour, or a picture stretched over the whole bitmap.
struct TBackground {
    TColour Colour = clBtnFace;
    const TBitmap* Picture = nullptr;
};

// Every brick from first to last that is inside the boundary (or force is set) and whose step
// is within the model's step limit draws itself.
void DrawAll(const TBlockList& model, TDrawObject& target, bool force);
// The same for the bricks at first .. last - 1 of the model's list only.
void DrawBricks(const TBlockList& model, TDrawObject& target, size_t first, size_t last,
                bool force);

// The frontmost brick under a screen point that is inside the boundary, or -1. The step limit
// does not apply.
int BrickAt(const TBlockList& model, const TDrawContext& context, int x, int y);

// Stud metrics, a sort when the view's octant differs from the model's, the background and the
// bricks, into the whole bitmap.
void DrawScene(TBlockList& model, TBitmap& bitmap, TDrawContext& context,
               const TBackground& background);

// The frame of the main view into its bitmap, anti-aliased when asked (see RenderAntiAliased
// for supersampled).
void PaintFrame(TBlockList& model, TBitmap& viewBitmap, TDrawContext& context,
                const TBackground& background, bool antiAliased, TBitmap* supersampled = nullptr);

// The scene at twice the size, each target pixel the mean of four (width x height of target).
// The double-size render goes into supersampled when given, which callers drawing many frames
// keep from one to the next; otherwise into a bitmap of its own.
void RenderAntiAliased(TBlockList& model, TBitmap& target, TDrawContext& context,
                       const TBackground& background, TBitmap* supersampled = nullptr);

// The scene at factor times the scale with the origin moved by -offset, into the whole bitmap;
// the view, stud metrics included, is as before afterwards.
void RenderToBitmap(TBlockList& model, TBitmap& bitmap, TPoint offset, int factor,
                    TDrawContext& context, const TBackground& background);

// Per channel, the sum of four samples divided by 4 and truncated: one anti-aliased pixel.
TColour MeanOfFour(TColour a, TColour b, TColour c, TColour d);

// The bit-depth menu codes: 1 8 bits, 2 16 bits, 3 24 bits, 4 32 bits, 5 device; others do
// nothing. True when the format was set.
bool SetBitDepth(TBitmap& bitmap, int code);
