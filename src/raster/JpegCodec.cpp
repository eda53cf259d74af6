#include "raster/JpegCodec.h"

#include "base/Error.h"
#include "base/ReplacingFile.h"
#include "raster/Bitmap.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>
#include <memory>
#include <new>
#include <string>
#include <string_view>
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

// Where the encoded bytes go, a block at a time, so that the whole file is never held or copied
// in memory. Put must not raise, as libjpeg calls it; false tells that the bytes were not kept,
// for the reason FailureCode gives.
struct TJpegOutput {
    jpeg_destination_mgr Manager; // first: libjpeg's pointer to it is a pointer to the whole
    bool (*Put)(void* target, std::string_view bytes);
    void* Target;
    int FailureCode;
    JOCTET Block[65536];
};

TJpegOutput& OutputOf(j_compress_ptr info) {
    return *reinterpret_cast<TJpegOutput*>(info->dest);
}

void StartBlock(j_compress_ptr info) {
    TJpegOutput& output = OutputOf(info);
    output.Manager.next_output_byte = output.Block;
    output.Manager.free_in_buffer = sizeof output.Block;
}

void PutBytes(j_compress_ptr info, std::size_t count) {
    TJpegOutput& output = OutputOf(info);
    if (!output.Put(output.Target, {reinterpret_cast<const char*>(output.Block), count}))
        ERREXIT1(info, output.FailureCode, 0); // the parameter shows in the memory message
}

boolean PassFullBlock(j_compress_ptr info) {
    PutBytes(info, sizeof OutputOf(info).Block);
    StartBlock(info);
    return TRUE;
}

void PassLastBlock(j_compress_ptr info) {
    const std::size_t used = sizeof OutputOf(info).Block - OutputOf(info).Manager.free_in_buffer;
    if (used > 0)
        PutBytes(info, used);
}

// The rows go to libjpeg as they lie in the bitmap, blue, green, red and a byte it skips; its
// colour conversion gives the same samples as from repacked RGB rows.
bool Compress(const TBitmap& picture, TJpegOutput& output, TJpegError& error) {
    jpeg_compress_struct info;
    UseErrors(info.err, error);
    if (setjmp(error.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    output.Manager.init_destination = StartBlock;
    output.Manager.empty_output_buffer = PassFullBlock;
    output.Manager.term_destination = PassLastBlock;
    info.dest = &output.Manager;
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

bool AppendTo(void* target, std::string_view bytes) {
    try {
        static_cast<std::string*>(target)->append(bytes);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool WriteTo(void* target, std::string_view bytes) {
    try {
        return static_cast<TReplacingFile*>(target)->Write(bytes);
    } catch (const std::bad_alloc&) { // naming the failure takes memory
        return false;
    }
}

// Kept off the stack, as its block is large, and not cleared: libjpeg writes the block first.
std::unique_ptr<TJpegOutput> OutputTo(bool (*put)(void*, std::string_view), void* target,
                                      int failureCode) {
    auto output = std::make_unique_for_overwrite<TJpegOutput>();
    output->Put = put;
    output->Target = target;
    output->FailureCode = failureCode;
    return output;
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
    std::string encoded;
    TJpegError error;
    if (!Compress(picture, *OutputTo(AppendTo, &encoded, JERR_OUT_OF_MEMORY), error))
        throw TError(std::string("Cannot write JPEG picture: ") + error.Message);
    return encoded;
}

void WriteJpegFile(const TBitmap& picture, const std::string& fileName, TDeferredSync* later) {
    TReplacingFile file(fileName);
    TJpegError error;
    if (!Compress(picture, *OutputTo(WriteTo, &file, JERR_FILE_WRITE), error)) {
        if (file.Failed())
            file.Fail();
        throw TError(std::string("Cannot write JPEG picture: ") + error.Message);
    }
    file.Commit(later);
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
