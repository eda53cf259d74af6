#pragma once
// Reading and writing runs of pixels as plain RGB colours, whatever the bitmap's format.

#include "raster/Colour.h"

class TBitmap;

// Callers must keep the pixels inside the bitmap. xs lists the source columns to read.
void ReadPixels(const TBitmap& bitmap, int y, const int* xs, int count, TColour* out);
void ReadRow(const TBitmap& bitmap, int y, int x0, int count, TColour* out);
void WriteRow(TBitmap& bitmap, int y, int x0, int count, const TColour* in);
