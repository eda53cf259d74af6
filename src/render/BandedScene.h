#pragma once
// The bricks of a frame drawn in horizontal bands side by side. A first pass, shared out among
// the threads in chunks of bricks in drawing order, projects, orders and shades every brick once
// and records the lines and shapes it sends, each with its pen, brush and rows; then every band
// draws, in order, the recorded shapes that reach it, each clipped to the band's rows as the
// whole bitmap would clip it. The pixels are those of one thread.

class TBitmap;
class TBlockList;
class TDrawContext;
class TDrawingThreads;
struct TBackground;

// Background and bricks of DrawScene into the whole bitmap, in bands (at least 1, at most one
// per row). The view, stud metrics and drawing order must be ready.
void DrawSceneInBands(const TBlockList& model, TBitmap& bitmap, const TDrawContext& context,
                      const TBackground& background, TDrawingThreads& threads, int bands);

// The bands a frame of this many rows is split into for these threads when not told.
int DefaultBands(int rows, int threads);
