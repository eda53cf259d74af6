#include "exchange/pictures/PictureSave.h"

#include "base/DeferredSync.h"
#include "base/Error.h"
#include "base/Text.h"
#include "raster/Bitmap.h"

#include <cstdint>
#include <new>

namespace {

// The largest bitmap the raster code holds (its own limit, 2 GByte).
constexpr double MaxPictureBytes = 2147483648.0;

std::string BaseName(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TooLarge(int64_t width, int64_t height) {
    double mbytes = double(width) * double(height) * 4 / 1024 / 1024;
    return "The picture of " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels (" + std::to_string(int64_t(mbytes + 0.5)) +
           " MByte) is too large to be made; choose a smaller frame or variant";
}

} // namespace

TPictureFormat PictureFormatOfPath(const std::string& path) {
    return PictureFormatFor(BaseName(path));
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    std::string base = BaseName(path);
    if (base.empty() || base.find('.') != std::string::npos)
        return path;
    return path + "." + extension;
}

std::string PictureNameForModel(const std::string& modelFile) {
    std::string base = BaseName(modelFile);
    size_t dot = base.rfind('.');
    return dot == std::string::npos || dot == 0 ? base : base.substr(0, dot);
}

std::string FolderOfPath(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void SavePictureFile(int variant, const TPictureFrame& frame, const TBitmap& viewPicture,
                     TBlockList& model, TDrawContext& context, const TBackground& background,
                     const std::string& fileName) {
    int64_t factor = variant >= 2 ? variant : 1;
    int64_t width = (int64_t(frame.Right) - frame.Left) * factor;
    int64_t height = (int64_t(frame.Bottom) - frame.Top) * factor;
    double bytes = double(width) * double(height) * 4;
    if (variant == 1)
        bytes += 16.0 * viewPicture.Width() * viewPicture.Height(); // the doubled render
    if (bytes > MaxPictureBytes)
        throw TError(TooLarge(width, height));
    try {
        TDeferredSync sync;
        WritePicture(variant, frame, viewPicture, model, context, background, fileName,
                     PictureFormatOfPath(fileName), &sync);
        sync.Finish();
    } catch (const std::bad_alloc&) {
        throw TError(TooLarge(width, height));
    }
}
