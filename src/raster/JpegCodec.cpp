#include "raster/JpegCodec.h"

#include "base/Error.h"
#include "raster/Bitmap.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>
#include <vector>

// Debian's libjpeg is libjpeg-turbo, whose colour spaces take our rows as they are.
#ifndef JCS_EXTENSIONS
#error "libjpeg with the colour-space extensions (libjpeg-turbo) is needed"
#endif

namespace {

constexpr int Quality = 90;
// Rows handed over per call: one call per row would cost more than the row's conversion.
constexpr JDIMENSION RowsPerCall = 16;
constexpr uint64_t MaxPixels = uint64_t(1) << 28;

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to
// the setjmp of the phase that called into the library. The phases keep no C++ objects that
// the jump could skip.
struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    TJpegError* error = reinterpret_cast<TJpegError*>(info->err);
    (*info->err->format_message)(info, error->Message);
    std::longjmp(error->Jump, 1);
}

void Quiet(j_common_ptr) {}

void UseErrors(jpeg_error_mgr*& slot, TJpegError& error) {
    slot = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = ErrorExit;
    error.Manager.output_message = Quiet;
    error.Message[0] = '\0';
}

// The rows go to libjpeg as they lie in the bitmap, blue, green, red and a byte it skips; its
// colour conversion gives the same samples as from repacked RGB rows.
bool Compress(const TBitmap& picture, unsigned char** buffer, unsigned long* size,
              TJpegError& error) {
    jpeg_compress_struct info;
    UseErrors(info.err, error);
    if (setjmp(error.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(picture.Width());
    info.image_height = JDIMENSION(picture.Height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, Quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[RowsPerCall];
        JDIMENSION count =
            std::min<JDIMENSION>(RowsPerCall, info.image_height - info.next_scanline);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = const_cast<JSAMPROW>(picture.ScanLine(int(info.next_scanline + i)));
        jpeg_write_scanlines(&info, rows, count);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

struct TJpegReader {
    jpeg_decompress_struct Info;
    TJpegError Error;
    bool Created = false;
    ~TJpegReader() {
        if (Created)
            jpeg_destroy_decompress(&Info);
    }
};

bool StartReading(TJpegReader& reader, std::string_view data) {
    UseErrors(reader.Info.err, reader.Error);
    if (setjmp(reader.Error.Jump))
        return false;
    jpeg_create_decompress(&reader.Info);
    reader.Created = true;
    jpeg_mem_src(&reader.Info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&reader.Info, TRUE);
    reader.Info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&reader.Info);
    return true;
}

bool ReadRows(TJpegReader& reader, TBitmap& decoded, uint8_t* rgbRow) {
    if (setjmp(reader.Error.Jump))
        return false;
    jpeg_start_decompress(&reader.Info);
    while (reader.Info.output_scanline < reader.Info.output_height) {
        const int y = int(reader.Info.output_scanline);
        JSAMPROW rows[1] = {rgbRow};
        jpeg_read_scanlines(&reader.Info, rows, 1);
        uint8_t* row = decoded.ScanLine(y);
        for (int x = 0; x < decoded.Width(); ++x) {
            row[4 * x] = rgbRow[3 * x + 2];
            row[4 * x + 1] = rgbRow[3 * x + 1];
            row[4 * x + 2] = rgbRow[3 * x];
            row[4 * x + 3] = 0;
        }
    }
    jpeg_finish_decompress(&reader.Info);
    return true;
}

} // namespace

std::string EncodeJpeg(const TBitmap& picture) {
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    TJpegError error;
    const bool done = Compress(picture, &buffer, &size, error);
    std::string encoded = done ? std::string(reinterpret_cast<char*>(buffer), size) : "";
    std::free(buffer);
    if (!done)
        throw TError(std::string("Cannot write JPEG picture: ") + error.Message);
    return encoded;
}

void DecodeJpeg(std::string_view data, TBitmap& picture) {
    TJpegReader reader;
    if (!StartReading(reader, data))
        throw TError(std::string("damaged JPEG file: ") + reader.Error.Message);
    const uint64_t width = reader.Info.output_width, height = reader.Info.output_height;
    if (width == 0 || height == 0 || width * height > MaxPixels ||
        reader.Info.output_components != 3)
        throw TError("damaged JPEG file: unsupported picture size or colours");
    TBitmap decoded(int(width), int(height), TPixelFormat::pf32bit);
    std::vector<uint8_t> rgbRow(std::size_t(width) * 3);
    if (!ReadRows(reader, decoded, rgbRow.data()))
        throw TError(std::string("damaged JPEG file: ") + reader.Error.Message);
    picture.Assign(decoded);
}
