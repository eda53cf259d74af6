#include "raster/BmpCodec.h"

#include "base/Error.h"
#include "raster/Bitmap.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr uint32_t BiRgb = 0;
constexpr uint32_t BiBitFields = 3;
constexpr uint32_t BiAlphaBitFields = 6;
// Pictures larger than this are refused as damaged rather than allocated.
constexpr int64_t MaxPixels = int64_t(1) << 28;

void Put16(std::string& out, uint32_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8 & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

[[noreturn]] void Damaged(const std::string& why) {
    throw TError("damaged bitmap file: " + why);
}

[[noreturn]] void Unsupported(const std::string& what) {
    throw TError("unsupported bitmap file: " + what);
}

class TReader {
public:
    explicit TReader(std::string_view data) : Data(data) {}
    uint32_t U16(std::size_t at) const {
        Need(at, 2);
        return uint32_t(uint8_t(Data[at])) | uint32_t(uint8_t(Data[at + 1])) << 8;
    }
    uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    int32_t S32(std::size_t at) const { return int32_t(U32(at)); }
    const uint8_t* Bytes(std::size_t at, std::size_t count) const {
        Need(at, count);
        return reinterpret_cast<const uint8_t*>(Data.data()) + at;
    }
    void Need(std::size_t at, std::size_t count) const {
        if (at > Data.size() || count > Data.size() - at)
            Damaged("the file ends too early");
    }

private:
    std::string_view Data;
};

// One colour channel described by a bit mask, scaled to 0..255.
struct TChannel {
    uint32_t Mask = 0;
    int Shift = 0;
    int Bits = 0;
    explicit TChannel(uint32_t mask) : Mask(mask) {
        if (mask != 0) {
            Shift = std::countr_zero(mask);
            Bits = std::popcount(mask);
            if (Bits > 16 || (mask >> Shift) != (uint32_t(1) << Bits) - 1)
                Damaged("invalid colour masks");
        }
    }
    int operator()(uint32_t value) const {
        if (Bits == 0)
            return 0;
        const uint32_t v = (value & Mask) >> Shift;
        const uint32_t top = (uint32_t(1) << Bits) - 1;
        return int((v * 255 + top / 2) / top);
    }
};

} // namespace

std::string BmpHeaders(const TBitmap& picture) {
    const uint32_t imageBytes = uint32_t(picture.Width()) * 4 * uint32_t(picture.Height());
    std::string out;
    out += "BM";
    Put32(out, FileHeaderSize + InfoHeaderSize + imageBytes);
    Put32(out, 0);
    Put32(out, FileHeaderSize + InfoHeaderSize);
    Put32(out, InfoHeaderSize);
    Put32(out, uint32_t(picture.Width()));
    Put32(out, uint32_t(picture.Height()));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, BiRgb);
    Put32(out, imageBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    return out;
}

std::string EncodeBmp(const TBitmap& picture) {
    const size_t rowBytes = size_t(picture.Width()) * 4;
    std::string out = BmpHeaders(picture);
    out.reserve(out.size() + rowBytes * size_t(picture.Height()));
    // Rows bottom-up, as the format stores them.
    for (int y = picture.Height() - 1; y >= 0; --y)
        out.append(reinterpret_cast<const char*>(picture.ScanLine(y)), rowBytes);
    return out;
}

void DecodeBmp(std::string_view data, TBitmap& picture) {
    const TReader in(data);
    if (data.size() < 2 || data[0] != 'B' || data[1] != 'M')
        Damaged("no bitmap signature");
    const uint32_t pixelOffset = in.U32(10);
    const uint32_t headerSize = in.U32(14);
    int64_t width, height;
    uint32_t bitCount, compression = BiRgb, coloursUsed = 0;
    if (headerSize == 12) {
        width = in.U16(18);
        height = in.U16(20);
        bitCount = in.U16(24);
    } else if (headerSize >= 40 && headerSize <= 124) {
        width = in.S32(18);
        height = in.S32(22);
        bitCount = in.U16(28);
        compression = in.U32(30);
        coloursUsed = in.U32(46);
    } else {
        Unsupported("header size " + std::to_string(headerSize));
    }
    const bool topDown = height < 0;
    height = topDown ? -height : height;
    if (width <= 0 || height <= 0 || width * height > MaxPixels)
        Damaged("invalid picture size");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        Unsupported("colour depth of " + std::to_string(bitCount) + " bits");
    const bool bitFields = compression == BiBitFields || compression == BiAlphaBitFields;
    if (compression != BiRgb && !(bitFields && (bitCount == 16 || bitCount == 32)))
        Unsupported("compressed pixels");

    // Masks follow a 40-byte header or are part of a longer one; 16 bits default to 5-5-5.
    std::array<uint32_t, 3> masks = {0x7C00, 0x03E0, 0x001F};
    if (bitCount == 32)
        masks = {0xFF0000, 0x00FF00, 0x0000FF};
    if (bitFields)
        for (int i = 0; i < 3; ++i)
            masks[i] = in.U32(14 + 40 + 4 * std::size_t(i));
    const TChannel red(masks[0]), green(masks[1]), blue(masks[2]);

    std::array<TColour, 256> palette{};
    if (bitCount <= 8) {
        const uint32_t entries = coloursUsed == 0 ? 1u << bitCount : coloursUsed;
        if (entries > 256)
            Damaged("too many palette entries");
        const std::size_t entrySize = headerSize == 12 ? 3 : 4;
        const uint8_t* table = in.Bytes(14 + headerSize, entries * entrySize);
        for (uint32_t i = 0; i < entries; ++i)
            palette[i] =
                RGB(table[i * entrySize + 2], table[i * entrySize + 1], table[i * entrySize]);
    }

    const std::size_t rowBytes = (std::size_t(width) * bitCount + 31) / 32 * 4;
    const uint8_t* pixels = in.Bytes(pixelOffset, rowBytes * std::size_t(height));

    TBitmap decoded(int(width), int(height), TPixelFormat::pf32bit);
    for (int64_t fileRow = 0; fileRow < height; ++fileRow) {
        const uint8_t* row = pixels + std::size_t(fileRow) * rowBytes;
        uint32_t* out = reinterpret_cast<uint32_t*>(
            decoded.ScanLine(int(topDown ? fileRow : height - 1 - fileRow)));
        for (int64_t x = 0; x < width; ++x) {
            TColour colour;
            switch (bitCount) {
            case 1:
                colour = palette[row[x / 8] >> (7 - x % 8) & 1];
                break;
            case 4:
                colour = palette[row[x / 2] >> (x % 2 == 0 ? 4 : 0) & 0xF];
                break;
            case 8:
                colour = palette[row[x]];
                break;
            case 16: {
                const uint32_t v = uint32_t(row[2 * x]) | uint32_t(row[2 * x + 1]) << 8;
                colour = RGB(red(v), green(v), blue(v));
                break;
            }
            case 24:
                colour = RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            default: {
                uint32_t v;
                std::memcpy(&v, row + 4 * x, 4);
                colour = RGB(red(v), green(v), blue(v));
                break;
            }
            }
            out[x] = ToPixel32(colour);
        }
    }
    picture.SetSize(0, 0);
    picture.SetPixelFormat(TPixelFormat::pf32bit);
    picture.Assign(decoded);
}
