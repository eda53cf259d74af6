// A bitmap's pixels as plain colours: converting to another format and single pixels, through
// the row readers and writers of every format.
#include "raster/Bitmap.h"
#include "raster/PixelRows.h"

#include <vector>

void TBitmap::SetPixelFormat(TPixelFormat newFormat) {
    if (newFormat == Format)
        return;
    TBitmap converted(0, 0, newFormat);
    converted.Colours = Colours;
    converted.SetSize(PixelWidth, PixelHeight);
    std::vector<TColour> row(static_cast<std::size_t>(PixelWidth));
    for (int y = 0; y < PixelHeight && PixelWidth > 0; ++y) {
        ReadRow(*this, y, 0, PixelWidth, row.data());
        WriteRow(converted, y, 0, PixelWidth, row.data());
    }
    Format = newFormat;
    RowStride = converted.RowStride;
    Pixels.swap(converted.Pixels);
}

TColour TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= PixelWidth || y >= PixelHeight)
        return 0;
    TColour colour;
    ReadRow(*this, y, x, 1, &colour);
    return colour;
}

void TBitmap::SetPixel(int x, int y, TColour colour) {
    if (x < 0 || y < 0 || x >= PixelWidth || y >= PixelHeight)
        return;
    const TColour rgb = ColourToRGB(colour);
    WriteRow(*this, y, x, 1, &rgb);
}
