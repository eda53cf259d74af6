#include "export/PictureFiles.h"

#include "export/BmpCodec.h"
#include "export/JpegCodec.h"
#include "export/PngCodec.h"
#include "model/Error.h"
#include "model/Text.h"
#include "render/Bitmap.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

std::string Reason(int error) {
    return error ? std::strerror(error) : "unknown error";
}

std::string ReadBytes(const std::string& fileName) {
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file)
        throw TError("Cannot open file \"" + fileName + "\": " + Reason(errno));
    std::string content;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, got);
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error)
        throw TError("Cannot read file \"" + fileName + "\": " + Reason(error));
    return content;
}

// A failed write leaves the old file as it was.
void WriteBytesReplacing(const std::string& fileName, const std::string& content) {
    const std::string temporary = fileName + ".tmp" + std::to_string(getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throw TError("Cannot write file \"" + fileName + "\": " + Reason(errno));
    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size() &&
                   std::fflush(file) == 0;
    int error = written ? 0 : errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && std::rename(temporary.c_str(), fileName.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        std::remove(temporary.c_str());
        throw TError("Cannot write file \"" + fileName + "\": " + Reason(error));
    }
}

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
    if (picture.Empty())
        throw TError("Cannot write file \"" + fileName + "\": the picture is empty");
    const TPictureFormat format = PictureFormatFor(fileName);
    std::string encoded;
    if (picture.PixelFormat() == TPixelFormat::pf32bit) {
        encoded = Encode(picture, format);
    } else {
        TBitmap converted;
        converted.Assign(picture);
        converted.SetPixelFormat(TPixelFormat::pf32bit);
        encoded = Encode(converted, format);
    }
    WriteBytesReplacing(fileName, encoded);
}

void ReadPictureFile(const std::string& fileName, TBitmap& picture) {
    const std::string data = ReadBytes(fileName);
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
