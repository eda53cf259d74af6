#pragma once
// The yardstick of every frame figure: writing each pixel of a 1920 x 1080 bitmap once.

#include <cstdint>

class TBitmap;

// Processor time of this thread: other load on the shared machine stretches wall time of
// frames and writes unequally.
double ThreadSeconds();

// Wall time: a frame on several threads ends when its last band does.
double WallSeconds();

// Writes every pixel of the bitmap once, row by row: the floor any frame pays.
void WriteEveryPixel(TBitmap& bitmap, uint32_t value);

// Seconds per full write of a 1920 x 1080 32-bit bitmap, the best of many, measured once per
// run.
double WriteFloor();

// The same write in wall time, for frames measured in wall time.
double WallWriteFloor();
