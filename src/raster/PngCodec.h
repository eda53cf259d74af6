#pragma once
// PNG files in memory: written as 8-bit RGB without alpha, the bytes libpng's defaults give;
// read through libpng.

#include <string>
#include <string_view>

class TBitmap;

// The picture must be 32 bits per pixel.
std::string EncodePng(const TBitmap& picture);
// Replaces picture by the file's picture in 32 bits per pixel (alpha dropped); damaged data
// raises TError.
void DecodePng(std::string_view data, TBitmap& picture);
