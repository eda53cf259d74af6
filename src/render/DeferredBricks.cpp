#include "render/DeferredBricks.h"

#include "raster/Bitmap.h"
#include "raster/CoverMask.h"

#include <algorithm>

namespace {

// Four bytes a pixel, else two: the formats that take a cover mask.
bool Wide(const TBitmap& bitmap) {
    return bitmap.PixelFormat() == TPixelFormat::pf32bit;
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
            if (row[k] != 0)
                each(y, entry.Reach.Left + int(64 * k), row[k]);
}

namespace {

// The pixels of the set bits of a word, bit x at pixels[x], to or from kept; a word noted
// throughout, common under a window's glass, is one copy.
template <class P> P* KeepWord(const uint8_t* row, int left, uint64_t bits, P* kept) {
    const P* pixels = reinterpret_cast<const P*>(row) + left;
    if (bits == ~uint64_t(0))
        return std::copy_n(pixels, 64, kept);
    for (; bits != 0; bits &= bits - 1)
        *kept++ = pixels[__builtin_ctzll(bits)];
    return kept;
}
template <class P> const P* PutWordBack(uint8_t* row, int left, uint64_t bits, const P* kept) {
    P* pixels = reinterpret_cast<P*>(row) + left;
    if (bits == ~uint64_t(0)) {
        std::copy_n(kept, 64, pixels);
        return kept + 64;
    }
    for (; bits != 0; bits &= bits - 1)
        pixels[__builtin_ctzll(bits)] = *kept++;
    return kept;
}

template <class P>
void KeepAs(TBitmap& bitmap, std::vector<uint32_t>& store, size_t count, const auto& forNoted) {
    store.resize((count * sizeof(P) + 3) / 4);
    P* kept = reinterpret_cast<P*>(store.data());
    forNoted([&](int y, int left, uint64_t bits) {
        kept = KeepWord<P>(bitmap.ScanLine(y), left, bits, kept);
    });
}

template <class P>
void PutBackAs(TBitmap& bitmap, const std::vector<uint32_t>& store, const auto& forNoted) {
    const P* kept = reinterpret_cast<const P*>(store.data());
    forNoted([&](int y, int left, uint64_t bits) {
        kept = PutWordBack<P>(bitmap.ScanLine(y), left, bits, kept);
    });
}

} // namespace

void TDeferredBricks::Keep(TBitmap& bitmap, const TEntry& entry) {
    size_t count = 0;
    ForNoted(entry, [&](int, int, uint64_t bits) { count += size_t(__builtin_popcountll(bits)); });
    const auto forNoted = [&](const auto& each) { ForNoted(entry, each); };
    if (Wide(bitmap))
        KeepAs<uint32_t>(bitmap, Kept, count, forNoted);
    else
        KeepAs<uint16_t>(bitmap, Kept, count, forNoted);
}

void TDeferredBricks::PutBack(TBitmap& bitmap, const TEntry& entry) const {
    const auto forNoted = [&](const auto& each) { ForNoted(entry, each); };
    if (Wide(bitmap))
        PutBackAs<uint32_t>(bitmap, Kept, forNoted);
    else
        PutBackAs<uint16_t>(bitmap, Kept, forNoted);
}
