#include "render/DeferredBricks.h"

#include "raster/Bitmap.h"
#include "raster/CoverMask.h"

#include <cstring>

namespace {

size_t BytesPerPixel(const TBitmap& bitmap) {
    return bitmap.PixelFormat() == TPixelFormat::pf32bit ? 4 : 2;
}

} // namespace

void TDeferredBricks::Clear() {
    Entries.clear();
    Bits.clear();
}

void TDeferredBricks::Defer(size_t brick, const TRect& reach, bool startBlending,
                            const TCoverMask& mask) {
    Entries.push_back({brick, reach, startBlending, Bits.size()});
    const size_t words = WordsPerRow(reach);
    Bits.resize(Bits.size() + words * size_t(reach.Bottom - reach.Top + 1));
    uint64_t* out = Bits.data() + Entries.back().FirstWord;
    for (int y = reach.Top; y <= reach.Bottom; ++y, out += words)
        mask.CopyRow(y, reach.Left, reach.Right, out);
}

template <class Each> void TDeferredBricks::ForNoted(const TEntry& entry, Each each) const {
    const size_t words = WordsPerRow(entry.Reach);
    const uint64_t* row = Bits.data() + entry.FirstWord;
    for (int y = entry.Reach.Top; y <= entry.Reach.Bottom; ++y, row += words)
        for (size_t k = 0; k < words; ++k)
            for (uint64_t bits = row[k]; bits != 0; bits &= bits - 1)
                each(y, entry.Reach.Left + int(64 * k) + __builtin_ctzll(bits));
}

void TDeferredBricks::Keep(TBitmap& bitmap, const TEntry& entry) {
    Kept.clear();
    const size_t size = BytesPerPixel(bitmap);
    ForNoted(entry, [&](int y, int x) {
        uint32_t pixel = 0;
        std::memcpy(&pixel, bitmap.ScanLine(y) + size_t(x) * size, size);
        Kept.push_back(pixel);
    });
}

void TDeferredBricks::PutBack(TBitmap& bitmap, const TEntry& entry) const {
    const size_t size = BytesPerPixel(bitmap);
    size_t next = 0;
    ForNoted(entry, [&](int y, int x) {
        std::memcpy(bitmap.ScanLine(y) + size_t(x) * size, &Kept[next++], size);
    });
}
