#pragma once
// The shipped part definitions as built in code, for the tool that writes them and the tests.

#include "parts/DrawClass.h"
#include "raster/Bitmap.h"

#include <memory>
#include <vector>

// Every shipped definition with its FileName and PartName, in file order.
std::vector<TDrawClass> ShippedParts();

// The picture face.bmp that the decorated tile shows.
std::unique_ptr<TBitmap> ShippedFacePicture();
