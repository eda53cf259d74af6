#pragma once
// JPEG files in memory through libjpeg: written in colour with quality 90.

#include <string>
#include <string_view>

class TBitmap;

// The picture must be 32 bits per pixel.
std::string EncodeJpeg(const TBitmap& picture);
// Replaces picture by the file's picture in 32 bits per pixel; damaged data raises TError.
void DecodeJpeg(std::string_view data, TBitmap& picture);
