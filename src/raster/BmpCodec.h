#pragma once
// Windows bitmap files in memory: written with 32 bits per pixel, read from any uncompressed
// (or bit-field) variant into a 32-bit bitmap.

#include <string>
#include <string_view>

class TBitmap;

// The picture must be 32 bits per pixel.
std::string EncodeBmp(const TBitmap& picture);
// The headers of EncodeBmp's file, which its rows follow from the bottom one up.
std::string BmpHeaders(const TBitmap& picture);
// Replaces picture by the file's picture in 32 bits per pixel; damaged data raises TError.
void DecodeBmp(std::string_view data, TBitmap& picture);
