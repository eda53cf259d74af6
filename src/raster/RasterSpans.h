#pragma once
// Per-format pixel writers for the line and polygon rasterisers; callers must clip.

#include "raster/PixelFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

// Writes count copies of p from at. Runs are mostly short (brick faces a few dozen pixels
// wide) and change little from one row to the next, so a run takes a fixed set of stores for its
// size class, the last ones overlapping the first, rather than a loop whose exit the processor
// would mispredict on nearly every row. Every store starts on a pixel and the pattern is the same
// pixel throughout, so an overlap writes what is already there.
// Kept inline in the row loops: called once per row, it would cost a call per row.
template <class Pixel> [[gnu::always_inline]] inline void FillRun(uint8_t* at, int count, Pixel p) {
    constexpr int perBlock = int(16 / sizeof(Pixel));
    Pixel block[perBlock];
    for (Pixel& b : block)
        b = p;
    const int bytes = count * int(sizeof(Pixel));
    const auto put = [&block](uint8_t* to, std::size_t size) { std::memcpy(to, block, size); };
    if (bytes < 16) {
        if (bytes >= 8) {
            put(at, 8);
            put(at + bytes - 8, 8);
        } else if (bytes >= 4) {
            put(at, 4);
            put(at + bytes - 4, 4);
        } else if (bytes > 0) {
            put(at, sizeof(Pixel));
        }
        return;
    }
    uint8_t* const end = at + bytes;
    if (bytes <= 32) {
        put(at, 16);
        put(end - 16, 16);
    } else if (bytes <= 64) {
        put(at, 16);
        put(at + 16, 16);
        put(end - 32, 16);
        put(end - 16, 16);
    } else if (bytes <= 128) {
        for (int i = 0; i < 64; i += 16) {
            put(at + i, 16);
            put(end - 64 + i, 16);
        }
    } else {
        for (uint8_t* const last = end - 16; at < last; at += 16)
            put(at, 16);
        put(end - 16, 16);
    }
}

struct TFormat32 {
    using Pixel = uint32_t;
    static constexpr int Size = 4;
    static void Put(uint8_t* row, int x, Pixel p) { std::memcpy(row + 4 * x, &p, 4); }
    static Pixel Get(const uint8_t* row, int x) {
        Pixel p;
        std::memcpy(&p, row + 4 * x, 4);
        return p;
    }
    static Pixel Blend(Pixel s, Pixel d) { return Blend32(s, d); }
    static void Fill(uint8_t* row, int x0, int x1, Pixel p) {
        FillRun(row + 4 * x0, x1 - x0 + 1, p);
    }
};

// The top byte of a 24-bit "pixel" word is unused.
struct TFormat24 {
    using Pixel = uint32_t;
    static constexpr int Size = 3;
    static void Put(uint8_t* row, int x, Pixel p) {
        uint8_t* at = row + 3 * x;
        at[0] = uint8_t(p);
        at[1] = uint8_t(p >> 8);
        at[2] = uint8_t(p >> 16);
    }
    static Pixel Get(const uint8_t* row, int x) {
        const uint8_t* at = row + 3 * x;
        return Pixel(at[0]) | Pixel(at[1]) << 8 | Pixel(at[2]) << 16;
    }
    static Pixel Blend(Pixel s, Pixel d) { return Blend32(s, d); }
    static void Fill(uint8_t* row, int x0, int x1, Pixel p) {
        const uint8_t b0 = uint8_t(p), b1 = uint8_t(p >> 8), b2 = uint8_t(p >> 16);
        for (uint8_t *at = row + 3 * x0, *end = row + 3 * (x1 + 1); at != end; at += 3) {
            at[0] = b0;
            at[1] = b1;
            at[2] = b2;
        }
    }
};

template <uint16_t Mask> struct TFormat16 {
    using Pixel = uint16_t;
    static constexpr int Size = 2;
    static void Put(uint8_t* row, int x, Pixel p) { std::memcpy(row + 2 * x, &p, 2); }
    static Pixel Get(const uint8_t* row, int x) {
        Pixel p;
        std::memcpy(&p, row + 2 * x, 2);
        return p;
    }
    static Pixel Blend(Pixel s, Pixel d) { return Pixel(((s & Mask) + (d & Mask)) >> 1); }
    static void Fill(uint8_t* row, int x0, int x1, Pixel p) {
        FillRun(row + 2 * x0, x1 - x0 + 1, p);
    }
};
using TFormat555 = TFormat16<0x7BDE>;
using TFormat565 = TFormat16<0xF7DE>;

// Palette indices; never blended (8-bit bitmaps show the transparency brush as a hatch).
struct TFormat8 {
    using Pixel = uint8_t;
    static constexpr int Size = 1;
    static void Put(uint8_t* row, int x, Pixel p) { row[x] = p; }
    static Pixel Get(const uint8_t* row, int x) { return row[x]; }
    static Pixel Blend(Pixel s, Pixel) { return s; }
    static void Fill(uint8_t* row, int x0, int x1, Pixel p) {
        std::memset(row + x0, p, std::size_t(x1 - x0 + 1));
    }
};

// Writers: Span covers x0..x1 of row y, both included; Put one pixel; PutAt the pixel at an
// address, for walks that step an address instead of looking rows up.
template <class F> struct TOpaqueWriter {
    typename F::Pixel Colour;
    void Span(uint8_t* row, int, int x0, int x1) const { F::Fill(row, x0, x1, Colour); }
    void Put(uint8_t* row, int, int x) const { F::Put(row, x, Colour); }
    void PutAt(uint8_t* at) const { F::Put(at, 0, Colour); }
};

template <class F> struct TBlendWriter {
    typename F::Pixel Colour;
    void Span(uint8_t* row, int, int x0, int x1) const {
        for (int x = x0; x <= x1; ++x)
            F::Put(row, x, F::Blend(Colour, F::Get(row, x)));
    }
    void Put(uint8_t* row, int, int x) const { F::Put(row, x, F::Blend(Colour, F::Get(row, x))); }
    void PutAt(uint8_t* at) const { F::Put(at, 0, F::Blend(Colour, F::Get(at, 0))); }
};

// Both diagonals every 8 pixels, fixed to the bitmap; the pixels between are left alone.
template <class F> struct THatchWriter {
    typename F::Pixel Colour;
    static bool OnHatch(int x, int y) { return ((x - y) & 7) == 0 || ((x + y) & 7) == 7; }
    void Span(uint8_t* row, int y, int x0, int x1) const {
        for (int x = x0; x <= x1; ++x)
            if (OnHatch(x, y))
                F::Put(row, x, Colour);
    }
    void Put(uint8_t* row, int y, int x) const {
        if (OnHatch(x, y))
            F::Put(row, x, Colour);
    }
};
