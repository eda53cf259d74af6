#pragma once
// JPEG files through libjpeg: written in colour with quality 90.

#include <string>
#include <string_view>

class TBitmap;
class TDeferredSync;

// The picture must be 32 bits per pixel.
std::string EncodeJpeg(const TBitmap& picture);
// The same bytes written as they are made, through a temporary file renamed over the old one:
// no copy of the whole file in memory. Failures raise TError.
void WriteJpegFile(const TBitmap& picture, const std::string& fileName,
                   TDeferredSync* later = nullptr);
// Replaces picture by the file's picture in 32 bits per pixel; damaged data raises TError.
void DecodeJpeg(std::string_view data, TBitmap& picture);
