#pragma once
// Picture files: the format chosen by the file's name for writing, by its content for reading.

#include <string>

class TBitmap;
class TDeferredSync;

enum class TPictureFormat { Bmp, Png, Jpeg };

// ".jpg" anywhere in the lower-case name: JPEG; else ".png" anywhere: PNG; else a bitmap file.
TPictureFormat PictureFormatFor(const std::string& fileName);

// Writes the picture (converted to 32 bits per pixel when it has another format) through a
// temporary file renamed over the old one. Failures raise TError naming the file.
void WritePictureFile(const TBitmap& picture, const std::string& fileName);
// The same in a format chosen by the caller; with later given, the file is forced to disk by
// later's Finish.
void WritePictureFile(const TBitmap& picture, const std::string& fileName, TPictureFormat format,
                      TDeferredSync* later = nullptr);

// The picture in 32 bits per pixel, as the files hold it, in target (sized to it); callers
// writing many pictures of another format keep target from one to the next.
void CopyAs32Bit(const TBitmap& picture, TBitmap& target);

// Replaces picture by the BMP, PNG or JPEG file's picture in 32 bits per pixel. Unreadable or
// damaged files raise TError naming the file.
void ReadPictureFile(const std::string& fileName, TBitmap& picture);
