#pragma once
// The bricks of a frame drawn in horizontal bands side by side. A first pass, shared out among
// the threads, draws nothing but finds the rows each brick reaches and the pen and brush each
// one leaves; then every band draws, in drawing order, the bricks that reach it, each clipped
// to the band's rows as the whole bitmap would clip it. The pixels are those of one thread.

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
