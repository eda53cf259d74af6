#include "raster/PngRowFilter.h"

#include <algorithm>

namespace {

constexpr size_t Bpp = 3;

// libpng's measure of a filtered byte: its distance from zero, the byte taken as signed.
inline uint8_t Cost(uint8_t v) {
    return std::min(v, uint8_t(-v));
}

// Sums of 16 bits take eight bytes a step; 256 bytes of at most 128 each fit in them.
constexpr size_t Block = 256;

template <class TFiltered> uint64_t RowCost(size_t begin, size_t end, TFiltered filtered) {
    uint64_t total = 0;
    while (begin < end) {
        const size_t stop = std::min(end, begin + Block);
        uint16_t sum = 0;
        for (size_t i = begin; i < stop; ++i)
            sum += Cost(filtered(i));
        total += sum;
        begin = stop;
    }
    return total;
}

// In 16 bits and without branches, so that it vectorises eight bytes a step.
inline uint8_t PaethPredictor(int16_t a, int16_t b, int16_t c) {
    const int16_t p = b - c, q = a - c, r = p + q;
    const int16_t pa = p < 0 ? -p : p, pb = q < 0 ? -q : q, pc = r < 0 ? -r : r;
    return uint8_t((pa <= pb) & (pa <= pc) ? a : pb <= pc ? b : c);
}

uint64_t NoneCost(const uint8_t* row, size_t size) {
    return RowCost(0, size, [=](size_t i) { return row[i]; });
}

// The first pixel of a row has zeros to its left.
uint64_t SubCost(const uint8_t* row, size_t size) {
    return NoneCost(row, Bpp) +
           RowCost(Bpp, size, [=](size_t i) { return uint8_t(row[i] - row[i - Bpp]); });
}

uint64_t UpCost(const uint8_t* row, const uint8_t* above, size_t size) {
    return RowCost(0, size, [=](size_t i) { return uint8_t(row[i] - above[i]); });
}

uint64_t AverageCost(const uint8_t* row, const uint8_t* above, size_t size) {
    return RowCost(0, Bpp, [=](size_t i) { return uint8_t(row[i] - (above[i] >> 1)); }) +
           RowCost(Bpp, size,
                   [=](size_t i) { return uint8_t(row[i] - ((row[i - Bpp] + above[i]) >> 1)); });
}

// With zeros to the left, the predictor is always the byte above.
uint64_t PaethCost(const uint8_t* row, const uint8_t* above, size_t size) {
    return UpCost(row, above, Bpp) + RowCost(Bpp, size, [=](size_t i) {
               return uint8_t(row[i] - PaethPredictor(row[i - Bpp], above[i], above[i - Bpp]));
           });
}

} // namespace

TPngRowFilter::TPngRowFilter(int width)
    : Current(size_t(width) * Bpp), Previous(size_t(width) * Bpp), UsesLeft(width > 1) {}

void TPngRowFilter::PackRow(const uint8_t* bgrx) {
    uint8_t* rgb = Current.data();
    const size_t width = Current.size() / Bpp;
    for (size_t x = 0; x < width; ++x, rgb += Bpp, bgrx += 4) {
        rgb[0] = bgrx[2];
        rgb[1] = bgrx[1];
        rgb[2] = bgrx[0];
    }
}

TPngFilter TPngRowFilter::Choose() {
    const uint8_t* row = Current.data();
    const uint8_t* above = Previous.data();
    const size_t size = Current.size();
    // A later filter wins only when strictly better.
    TPngFilter best = TPngFilter::None;
    uint64_t least = NoneCost(row, size);
    auto consider = [&](TPngFilter filter, uint64_t cost) {
        if (cost < least) {
            least = cost;
            best = filter;
        }
    };
    if (UsesLeft)
        consider(TPngFilter::Sub, SubCost(row, size));
    consider(TPngFilter::Up, UpCost(row, above, size));
    if (UsesLeft) {
        consider(TPngFilter::Average, AverageCost(row, above, size));
        consider(TPngFilter::Paeth, PaethCost(row, above, size));
    }
    Current.swap(Previous);
    return best;
}
