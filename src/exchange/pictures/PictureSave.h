#pragma once
// Saving a picture of the frame from the window: the file's name and format, and the picture
// made and written with failures told in words.

#include "exchange/pictures/Picture.h"
#include "raster/PictureFiles.h"

#include <string>

class TBitmap;
class TBlockList;
class TDrawContext;

// The format by the file's own name, lower-cased: ".jpg" in it gives JPEG, else ".png" PNG,
// else a bitmap file; the folders on the way do not count.
TPictureFormat PictureFormatOfPath(const std::string& path);

// The name with "." + extension appended when its file name has no extension of its own.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

// The model file's name without folder and extension: the picture's suggested name.
std::string PictureNameForModel(const std::string& modelFile);

// The folder part of a path, without the trailing '/'; "." for a bare name.
std::string FolderOfPath(const std::string& path);

// Makes the picture of the variant and writes it in the format of PictureFormatOfPath. A
// picture too large to hold raises TError naming its size instead of running out of memory.
void SavePictureFile(int variant, const TPictureFrame& frame, const TBitmap& viewPicture,
                     TBlockList& model, TDrawContext& context, const TBackground& background,
                     const std::string& fileName);
