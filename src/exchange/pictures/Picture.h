#pragma once
// Pictures cut out of the view: as seen, anti-aliased, or rendered again at 2, 4 or 8 times the
// size.

#include "base/Geometry.h"
#include "raster/PictureFiles.h"
#include "render/Scene.h"

#include <memory>
#include <string>

class TBitmap;
class TDeferredSync;
class TBlockList;
class TDrawContext;

// The frame rectangle in view pixels; right and bottom are outside it.
struct TPictureFrame {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A 32-bit picture of the frame. Variant 0 copies the view bitmap, 1 averages a render at twice
// the size, f >= 2 (the menu offers 2, 4 and 8) renders the frame at f times the size; parts of
// the frame outside the view come out in the background colour. Raises TError for a negative
// variant, an empty frame or a picture too large to hold.
std::unique_ptr<TBitmap> MakePicture(int variant, const TPictureFrame& frame,
                                     const TBitmap& viewPicture, TBlockList& model,
                                     TDrawContext& context, const TBackground& background);

// Writes MakePicture's picture to the file in the format. Variant 0 of the whole view of 32 bits
// per pixel is the view itself: its own rows are written, with no copy made.
void WritePicture(int variant, const TPictureFrame& frame, const TBitmap& viewPicture,
                  TBlockList& model, TDrawContext& context, const TBackground& background,
                  const std::string& fileName, TPictureFormat format,
                  TDeferredSync* later = nullptr);
