#pragma once
// The bricks of a frame drawn front to back. When every write of every brick puts a fixed
// colour through the raster surface, a pixel ends with the last brick's write to it; drawn in
// reverse, with each pixel keeping the first write it gets, the frame is the same. A brick whose
// screen box is then already written everywhere is passed over without working out its shape,
// which leaves out most of a solid model's hidden bricks. Bands of rows are drawn side by side,
// each walking the bricks backwards itself.

class TBitmap;
class TBlockList;
class TDrawContext;
struct TBackground;

// Background and bricks of DrawScene into the whole bitmap, on the context's threads and bands
// as DrawScene would use them, the bitmap's canvas left as a forward drawing leaves it. False
// when some brick writes otherwise (blending, the canvas's own shapes, drawings of the caller's)
// or the bitmap's format takes no cover mask: the frame must then be drawn forwards, and may
// have been begun. The view, stud metrics and drawing order must be ready.
bool DrawSceneFirstWriteWins(const TBlockList& model, TBitmap& bitmap, TDrawContext& context,
                             const TBackground& background);
