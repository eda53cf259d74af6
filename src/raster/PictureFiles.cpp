#include "raster/PictureFiles.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/Text.h"
#include "raster/Bitmap.h"
#include "raster/BmpCodec.h"
#include "raster/JpegCodec.h"
#include "raster/PngCodec.h"

namespace {

std::string Encode(const TBitmap& picture, TPictureFormat format) {
    switch (format) {
    case TPictureFormat::Jpeg:
        return EncodeJpeg(picture);
    case TPictureFormat::Png:
        return EncodePng(picture);
    case TPictureFormat::Bmp:
        break;
    }
    return EncodeBmp(picture);
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

void WritePictureFile(const TBitmap& picture, const std::string& fileName, TPictureFormat format) {
    if (picture.Empty())
        throw TError("Cannot write file \"" + fileName + "\": the picture is empty");
    std::string encoded;
    if (picture.PixelFormat() == TPixelFormat::pf32bit) {
        encoded = Encode(picture, format);
    } else {
        TBitmap converted;
        converted.Assign(picture);
        converted.SetPixelFormat(TPixelFormat::pf32bit);
        encoded = Encode(converted, format);
    }
    WriteFileReplacing(fileName, encoded);
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
