#pragma once
// The size a picture will take as a 32-bit bitmap file, as the save dialog's title tells it.

#include "exchange/pictures/Picture.h"

#include <cstdint>
#include <string>

struct TSizeEstimate {
    int64_t Value = 0;
    std::string Unit; // "Byte", "kByte" or "MByte"
};

// n bytes in the largest unit that keeps the number readable, rounded half to even.
TSizeEstimate EstimateBytes(double bytes);

// (width + 1) x (height + 1) x 4 bytes of the frame, times f squared for the enlarged variants.
double PictureBytes(int variant, const TPictureFrame& frame);

// "Save picture (.bmp size: 471 kByte)" and its kin by variant; plain "Save picture" for others.
std::string SavePictureTitle(int variant, const TPictureFrame& frame);
