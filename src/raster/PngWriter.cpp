// PNG files written as libpng writes 8-bit RGB with its defaults, byte for byte: the same chunks,
// the same filter on every row, the same zlib settings and the same IDAT chunk sizes. libpng
// itself spent most of its time trying all five filters on every row in scalar loops.

#include "base/Error.h"
#include "raster/Adler32.h"
#include "raster/Bitmap.h"
#include "raster/PngCodec.h"
#include "raster/PngRowFilter.h"

#include <new>
#include <zlib.h>

namespace {

// libpng's limit on either side, its compression buffer (one IDAT chunk) and its estimate of
// the data below which it shrinks zlib's window.
constexpr int MaxSide = 1000000;
constexpr size_t IdatSize = 8192;
constexpr size_t SmallData = 16384;

void AppendBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += char(value >> shift);
}

void AppendChunk(std::string& out, const char* type, const uint8_t* data, size_t size) {
    AppendBigEndian(out, uint32_t(size));
    const size_t start = out.size();
    out.append(type, 4);
    if (size > 0)
        out.append(reinterpret_cast<const char*>(data), size);
    AppendBigEndian(out, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(out.data() + start),
                                        uInt(out.size() - start))));
}

// The smallest window that still sees the whole picture with zlib's lookahead.
int WindowBits(size_t dataSize) {
    int bits = 15;
    if (dataSize <= SmallData)
        for (size_t half = size_t(1) << (bits - 1); dataSize + 262 <= half; half >>= 1)
            --bits;
    return bits;
}

// The window the stream's header announces: zlib never uses one below 512 bytes, but the
// header may announce a smaller one when the data fits in it.
int AnnouncedWindowBits(size_t dataSize) {
    int bits = 15;
    if (dataSize <= SmallData)
        while (bits > 8 && dataSize <= size_t(1) << (bits - 1))
            --bits;
    return bits;
}

// zlib's compression state, kept by each thread from one picture to the next: setting it up
// afresh for every frame of a sequence cost a good part of compressing it. The stream is raw
// deflate, its header and checksum written here, the same bytes zlib's own wrapping gives.
class TDeflateState {
public:
    TDeflateState() = default;
    ~TDeflateState() {
        if (Ready)
            deflateEnd(&Stream);
    }
    TDeflateState(const TDeflateState&) = delete;
    TDeflateState& operator=(const TDeflateState&) = delete;

    // Ready to compress a new stream; reset, which the zlib manual makes the same as new.
    z_stream& For(int windowBits, int strategy) {
        if (Ready && windowBits == Bits && strategy == Strategy && deflateReset(&Stream) == Z_OK)
            return Stream;
        if (Ready)
            deflateEnd(&Stream);
        Ready = false;
        Stream = z_stream{};
        if (deflateInit2(&Stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -windowBits, 8, strategy) !=
            Z_OK)
            throw std::bad_alloc();
        Ready = true;
        Bits = windowBits;
        Strategy = strategy;
        return Stream;
    }

private:
    z_stream Stream{};
    bool Ready = false;
    int Bits = 0, Strategy = 0;
};

// The zlib header for the default level with either strategy used here.
void PutZlibHeader(uint8_t* out, int windowBits) {
    constexpr unsigned DefaultLevelFlags = 2;
    unsigned header = (Z_DEFLATED + (unsigned(windowBits - 8) << 4)) << 8 | DefaultLevelFlags << 6;
    header += 31 - header % 31;
    out[0] = uint8_t(header >> 8);
    out[1] = uint8_t(header);
}

// The compressed rows, handed on as IDAT chunks each time the buffer is full.
class TIdatWriter {
public:
    TIdatWriter(std::string& out, size_t dataSize, int strategy) : Out(out) {
        static thread_local TDeflateState state;
        Stream = &state.For(WindowBits(dataSize), strategy);
        Rewind();
        PutZlibHeader(Buffer, AnnouncedWindowBits(dataSize));
        Stream->next_out += 2;
        Stream->avail_out -= 2;
    }
    TIdatWriter(const TIdatWriter&) = delete;
    TIdatWriter& operator=(const TIdatWriter&) = delete;

    void Write(std::span<const uint8_t> data, int flush) {
        Checksum = Adler32(Checksum, data.data(), data.size());
        Stream->next_in = const_cast<Bytef*>(data.data());
        Stream->avail_in = uInt(data.size());
        for (;;) {
            const int result = deflate(Stream, flush);
            if (result != Z_OK && result != Z_STREAM_END)
                throw TError(std::string("Cannot write PNG picture: ") +
                             (Stream->msg ? Stream->msg : "compression failed"));
            if (Stream->avail_out == 0)
                Emit(IdatSize);
            if (result == Z_STREAM_END) {
                for (int shift = 24; shift >= 0; shift -= 8)
                    PutByte(uint8_t(Checksum >> shift));
                Emit(IdatSize - Stream->avail_out);
                return;
            }
            if (flush == Z_NO_FLUSH && Stream->avail_in == 0)
                return;
        }
    }

private:
    void PutByte(uint8_t byte) {
        *Stream->next_out++ = byte;
        if (--Stream->avail_out == 0)
            Emit(IdatSize);
    }
    void Emit(size_t size) {
        if (size == 0)
            return;
        AppendChunk(Out, "IDAT", Buffer, size);
        Rewind();
    }
    void Rewind() {
        Stream->next_out = Buffer;
        Stream->avail_out = uInt(IdatSize);
    }

    std::string& Out;
    z_stream* Stream;
    uint32_t Checksum = 1;
    uint8_t Buffer[IdatSize];
};

std::string Encode(const TBitmap& picture) {
    const int width = picture.Width(), height = picture.Height();
    std::string out("\x89PNG\r\n\x1a\n", 8);
    uint8_t header[13] = {};
    for (int i = 0; i < 4; ++i) {
        header[i] = uint8_t(width >> (24 - 8 * i));
        header[4 + i] = uint8_t(height >> (24 - 8 * i));
    }
    header[8] = 8; // bits per sample
    header[9] = 2; // RGB
    AppendChunk(out, "IHDR", header, sizeof header);
    const uint8_t perceptual = 0;
    AppendChunk(out, "sRGB", &perceptual, 1);
    // libpng estimates past 15 bits of row length or height as "large".
    const size_t rowBytes = 3 * size_t(width);
    const size_t dataSize =
        rowBytes < 32768 && height < 32768 ? (rowBytes + 1) * size_t(height) : 0xffffffffu;
    // A picture of one pixel is written unfiltered, and zlib then left to its default strategy.
    const int strategy = width == 1 && height == 1 ? Z_DEFAULT_STRATEGY : Z_FILTERED;
    TPngRowFilter rows(width, height);
    TIdatWriter idat(out, dataSize, strategy);
    for (int y = 0; y < height; ++y) {
        rows.PackRow(picture.ScanLine(y));
        idat.Write(rows.FilterRow(), Z_NO_FLUSH);
    }
    idat.Write({}, Z_FINISH);
    AppendChunk(out, "IEND", nullptr, 0);
    return out;
}

} // namespace

std::string EncodePng(const TBitmap& picture) {
    if (picture.Width() <= 0 || picture.Height() <= 0 || picture.Width() > MaxSide ||
        picture.Height() > MaxSide)
        throw TError("Cannot write PNG picture: Invalid IHDR data");
    try {
        return Encode(picture);
    } catch (const std::bad_alloc&) {
        throw TError("Cannot write PNG picture: out of memory");
    }
}
