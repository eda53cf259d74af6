#include "raster/PictureFiles.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/Text.h"
#include "raster/Bitmap.h"
#include "raster/BmpCodec.h"
#include "raster/JpegCodec.h"
#include "raster/PixelRows.h"
#include "raster/PngCodec.h"

#include <string_view>
#include <vector>

namespace {

// The file is the headers and the rows as they lie in the bitmap: nothing to encode or copy.
void WriteBmpFile(const TBitmap& picture, const std::string& fileName, TDeferredSync* later) {
    const std::string headers = BmpHeaders(picture);
    const size_t rowBytes = size_t(picture.Width()) * 4;
    std::vector<std::string_view> pieces{headers};
    for (int y = picture.Height() - 1; y >= 0; --y)
        pieces.emplace_back(reinterpret_cast<const char*>(picture.ScanLine(y)), rowBytes);
    WriteFileReplacing(fileName, pieces, later);
}

} // namespace

TPictureFormat PictureFormatFor(const std::string& fileName) {
    const std::string lower = LowerCase(fileName);
    if (lower.find(".jpg") != std::string::npos)
        return TPictureFormat::Jpeg;
    if (lower.find(".png") != std::string::npos)
        return TPictureFormat::Png;
    return TPictureFormat::Bmp;
}

void WritePictureFile(const TBitmap& picture, const std::string& fileName) {
    WritePictureFile(picture, fileName, PictureFormatFor(fileName));
}

void WritePictureFile(const TBitmap& picture, const std::string& fileName, TPictureFormat format,
                      TDeferredSync* later) {
    if (picture.Empty())
        throw TError("Cannot write file \"" + fileName + "\": the picture is empty");
    if (picture.PixelFormat() != TPixelFormat::pf32bit) {
        TBitmap converted;
        CopyAs32Bit(picture, converted);
        WritePictureFile(converted, fileName, format, later);
    } else if (format == TPictureFormat::Bmp) {
        WriteBmpFile(picture, fileName, later);
    } else if (format == TPictureFormat::Jpeg) {
        WriteJpegFile(picture, fileName, later);
    } else {
        WriteFileReplacing(fileName, EncodePng(picture), later);
    }
}

void CopyAs32Bit(const TBitmap& picture, TBitmap& target) {
    // Read straight into the target: no copy in the old format first.
    target.SetPixelFormat(TPixelFormat::pf32bit);
    target.SetSize(picture.Width(), picture.Height());
    std::vector<TColour> row(size_t(picture.Width()));
    for (int y = 0; y < picture.Height(); ++y) {
        ReadRow(picture, y, 0, picture.Width(), row.data());
        WriteRow(target, y, 0, picture.Width(), row.data());
    }
}

void ReadPictureFile(const std::string& fileName, TBitmap& picture) {
    const std::string data = ReadWholeFile(fileName);
    try {
        if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M')
            DecodeBmp(data, picture);
        else if (data.size() >= 8 && data.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0)
            DecodePng(data, picture);
        else if (data.size() >= 3 && data.compare(0, 3, "\xFF\xD8\xFF") == 0)
            DecodeJpeg(data, picture);
        else
            throw TError("not a BMP, PNG or JPEG picture");
    } catch (const TError& error) {
        throw TError("Cannot read picture \"" + fileName + "\": " + error.what());
    }
}
