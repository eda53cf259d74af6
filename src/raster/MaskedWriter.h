#pragma once
// A writer for drawing front to back: it writes only pixels the cover mask leaves unwritten and
// marks them, so the first write to a pixel wins. The inner writer must be opaque, one Colour
// for every pixel whatever it replaces. Every write must lie in the mask's rows.

#include "raster/CoverMask.h"

#include <cstddef>
#include <cstdint>

template <class F, class W> struct TMaskedWriter {
    W Inner;
    const uint8_t* FirstPixel; // of the mask's first row
    uint64_t* Words;
    std::ptrdiff_t Pitch; // in pixels
    int Top;

    bool Take(std::size_t bit) const {
        uint64_t& word = Words[bit / 64];
        const uint64_t mask = uint64_t(1) << (bit % 64);
        if ((word & mask) != 0)
            return false;
        word |= mask;
        return true;
    }
    void Put(uint8_t* row, int y, int x) const {
        if (Take(std::size_t(y - Top) * std::size_t(Pitch) + std::size_t(x)))
            Inner.Put(row, y, x);
    }
    // Whether the pixel at an address is written already.
    bool Written(const uint8_t* at) const {
        const std::size_t bit = std::size_t(at - FirstPixel) / F::Size;
        return (Words[bit / 64] >> (bit % 64) & 1) != 0;
    }
    // Whether a walk's pixel is taken hardly follows a pattern, so it is chosen without a branch.
    void PutAt(uint8_t* at) const {
        const std::size_t bit = std::size_t(at - FirstPixel) / F::Size;
        uint64_t& word = Words[bit / 64];
        const uint64_t mask = uint64_t(1) << (bit % 64);
        const bool open = (word & mask) == 0;
        word |= mask;
        const typename F::Pixel old = F::Get(at, 0);
        F::Put(at, 0, open ? Inner.Colour : old);
    }
    // A stamp's pixels, rows[r] holding bit x for column left + x of row top + r (r < count),
    // where corner is the address of column left of row top and rows lie stride bytes apart.
    // A stamp over written pixels only costs a word or two a row and touches no pixel.
    void Stamp(uint8_t* corner, std::ptrdiff_t stride, int left, int top, const uint64_t* rows,
               int count) const {
        std::size_t bit = std::size_t(top - Top) * std::size_t(Pitch) + std::size_t(left);
        for (int r = 0; r < count; ++r, bit += std::size_t(Pitch), corner += stride) {
            uint64_t* word = Words + bit / 64;
            const int shift = int(bit % 64);
            const uint64_t low = rows[r] << shift;
            PutOpen(corner, low & ~word[0], -shift);
            word[0] |= low;
            // Bits shifted out of the first word, none when the row fits there.
            const uint64_t high = shift == 0 ? 0 : rows[r] >> (64 - shift);
            if (high != 0) {
                PutOpen(corner, high & ~word[1], 64 - shift);
                word[1] |= high;
            }
        }
    }
    // The pixels of the set bits of open, bit x at column x + column from corner.
    void PutOpen(uint8_t* corner, uint64_t open, int column) const {
        for (; open != 0; open &= open - 1)
            Inner.PutAt(corner + std::ptrdiff_t(__builtin_ctzll(open) + column) * F::Size);
    }
    // The unwritten runs of the span, a word of the mask at a time; a run across words is
    // written once.
    void Span(uint8_t* row, int y, int x0, int x1) const {
        const std::size_t rowBit = std::size_t(y - Top) * std::size_t(Pitch);
        const std::size_t first = rowBit + std::size_t(x0), last = rowBit + std::size_t(x1);
        // Most spans lie in one word, written throughout or open between their ends.
        if (first / 64 == last / 64) {
            uint64_t& word = Words[first / 64];
            const uint64_t run = BitRun(unsigned(first % 64), unsigned(last % 64));
            const uint64_t open = ~word & run;
            if (open == 0)
                return;
            // One open run, as a face's span inside its own outline finds its ends written.
            const unsigned start = unsigned(__builtin_ctzll(open));
            const uint64_t shifted = open >> start;
            if ((shifted & (shifted + 1)) == 0) {
                word |= open;
                const int from = x0 + int(start) - int(first % 64);
                const int length = shifted == ~uint64_t(0) ? 64 : __builtin_ctzll(shifted + 1);
                Inner.Span(row, y, from, from + length - 1);
                return;
            }
        }
        SpanByWords(row, y, rowBit, first, last);
    }
    // Kept out of the fills' row loops, which it would crowd out of registers.
    [[gnu::noinline]] void SpanByWords(uint8_t* row, int y, std::size_t rowBit, std::size_t first,
                                       std::size_t last) const {
        std::size_t runStart = 0, runEnd = 0; // bits of the run not yet written, end excluded
        for (std::size_t word = first / 64; word <= last / 64; ++word) {
            uint64_t open = ~Words[word] & BitRun(word == first / 64 ? unsigned(first % 64) : 0,
                                                  word == last / 64 ? unsigned(last % 64) : 63);
            Words[word] |= open;
            while (open != 0) {
                const unsigned start = unsigned(__builtin_ctzll(open));
                const uint64_t rest = ~(open >> start);
                const unsigned length = rest == 0 ? 64 - start : unsigned(__builtin_ctzll(rest));
                const std::size_t from = word * 64 + start;
                if (from != runEnd || runEnd == runStart) {
                    if (runEnd != runStart)
                        Inner.Span(row, y, int(runStart - rowBit), int(runEnd - rowBit) - 1);
                    runStart = from;
                }
                runEnd = from + length;
                open = length == 64 ? 0 : open & ~BitRun(start, start + length - 1);
            }
        }
        if (runEnd != runStart)
            Inner.Span(row, y, int(runStart - rowBit), int(runEnd - rowBit) - 1);
    }
};
