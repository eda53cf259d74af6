#include "exchange/pictures/Picture.h"

#include "base/Error.h"
#include "raster/Bitmap.h"
#include "raster/PixelRows.h"

#include <algorithm>
#include <vector>

namespace {

// Copies row y of the source's columns x0 .. x0 + count - 1 as colours, the background colour
// standing in for columns and rows outside the source. Wide, since a frame far off the view
// doubled for the anti-aliased picture leaves the int range.
void ReadClipped(const TBitmap& source, int64_t y, int64_t x0, int count, TColour outside,
                 TColour* out) {
    std::fill(out, out + count, outside);
    if (y < 0 || y >= source.Height())
        return;
    int64_t first = std::max<int64_t>(x0, 0), last = std::min<int64_t>(x0 + count, source.Width());
    if (first < last)
        ReadRow(source, int(y), int(first), int(last - first), out + (first - x0));
}

void CopyFrame(const TBitmap& view, const TPictureFrame& frame, TColour outside, TBitmap& picture) {
    std::vector<TColour> row(static_cast<size_t>(picture.Width()));
    for (int y = 0; y < picture.Height(); ++y) {
        ReadClipped(view, frame.Top + y, frame.Left, picture.Width(), outside, row.data());
        WriteRow(picture, y, 0, picture.Width(), row.data());
    }
}

void AverageFrame(const TBitmap& large, const TPictureFrame& frame, TColour outside,
                  TBitmap& picture) {
    int width = picture.Width();
    std::vector<TColour> top(size_t(2 * width)), bottom(size_t(2 * width)),
        row(static_cast<size_t>(width));
    for (int y = 0; y < picture.Height(); ++y) {
        int64_t sourceY = 2 * (int64_t(frame.Top) + y);
        ReadClipped(large, sourceY, 2 * int64_t(frame.Left), 2 * width, outside, top.data());
        ReadClipped(large, sourceY + 1, 2 * int64_t(frame.Left), 2 * width, outside, bottom.data());
        for (int x = 0; x < width; ++x)
            row[x] = MeanOfFour(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
        WriteRow(picture, y, 0, width, row.data());
    }
}

} // namespace

std::unique_ptr<TBitmap> MakePicture(int variant, const TPictureFrame& frame,
                                     const TBitmap& viewPicture, TBlockList& model,
                                     TDrawContext& context, const TBackground& background) {
    if (variant < 0)
        throw TError("Unknown picture variant " + std::to_string(variant));
    int64_t width = int64_t(frame.Right) - frame.Left;
    int64_t height = int64_t(frame.Bottom) - frame.Top;
    if (width <= 0 || height <= 0)
        throw TError("The picture frame is empty");
    int factor = variant >= 2 ? variant : 1;
    if (width * factor > INT32_MAX || height * factor > INT32_MAX)
        throw TError("The picture is too large");
    // The bitmap rejects sizes it cannot hold with a message of its own.
    auto picture =
        std::make_unique<TBitmap>(int(width * factor), int(height * factor), TPixelFormat::pf32bit);
    TColour outside = ColourToRGB(background.Colour);
    if (variant == 0) {
        CopyFrame(viewPicture, frame, outside, *picture);
    } else if (variant == 1) {
        TBitmap large(2 * viewPicture.Width(), 2 * viewPicture.Height(), TPixelFormat::pf32bit);
        RenderToBitmap(model, large, {0, 0}, 2, context, background);
        AverageFrame(large, frame, outside, *picture);
    } else {
        RenderToBitmap(model, *picture, {frame.Left, frame.Top}, factor, context, background);
    }
    return picture;
}

void WritePicture(int variant, const TPictureFrame& frame, const TBitmap& viewPicture,
                  TBlockList& model, TDrawContext& context, const TBackground& background,
                  const std::string& fileName, TPictureFormat format, TDeferredSync* later) {
    bool wholeView = variant == 0 && !viewPicture.Empty() &&
                     viewPicture.PixelFormat() == TPixelFormat::pf32bit && frame.Left == 0 &&
                     frame.Top == 0 && frame.Right == viewPicture.Width() &&
                     frame.Bottom == viewPicture.Height();
    if (wholeView)
        WritePictureFile(viewPicture, fileName, format, later);
    else
        WritePictureFile(*MakePicture(variant, frame, viewPicture, model, context, background),
                         fileName, format, later);
}
