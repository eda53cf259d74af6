#pragma once
// Which pixels of some rows of a bitmap a drawing in reverse order has already written. Drawn
// back to front with opaque colours, the last write to a pixel decides it; drawn front to back,
// the first one does, and every later write to a written pixel is dropped.

#include "base/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class TCoverMask {
public:
    // Rows top to bottom of pitch pixels each (the bitmap's own, padding included), so that a
    // pixel's bit lies as far from the first as the pixel does from the first pixel of row top.
    // Nothing written; keeps its memory.
    void Reset(std::ptrdiff_t pitch, int top, int bottom);

    // One bit a pixel, 64 to a word, from the first pixel of row Top on.
    uint64_t* Words() { return Bits.data(); }
    std::ptrdiff_t Pitch() const { return RowPitch; }
    int Top() const { return FirstRow; }
    // Every pixel of the rectangle (right and bottom included, inside the rows) is written; an
    // empty one is.
    bool Covered(const TRect& rect) const;
    // Every pixel x0 .. x1 of row y (inside the rows) is written; an empty span is.
    bool RowCovered(int y, int x0, int x1) const;
    // The bits of pixels x0 .. x1 of row y (inside the rows) into out, pixel x0 at bit 0 of
    // out[0], the bits past x1 cleared: (x1 - x0) / 64 + 1 words.
    void CopyRow(int y, int x0, int x1, uint64_t* out) const;

private:
    std::vector<uint64_t> Bits;
    std::ptrdiff_t RowPitch = 0;
    int FirstRow = 0;
};

// The bits first .. last of a word, 0 <= first <= last < 64.
inline uint64_t BitRun(unsigned first, unsigned last) {
    return (~uint64_t(0) >> (63 - last)) & (~uint64_t(0) << first);
}

// Asked for a few rows of nearly every brick drawn, hence inline.
inline bool TCoverMask::RowCovered(int y, int x0, int x1) const {
    if (x0 > x1)
        return true;
    const std::size_t row = std::size_t(y - FirstRow) * std::size_t(RowPitch);
    const std::size_t first = row + std::size_t(x0), last = row + std::size_t(x1);
    if (first / 64 == last / 64) {
        const uint64_t run = BitRun(unsigned(first % 64), unsigned(last % 64));
        return (Bits[first / 64] & run) == run;
    }
    const uint64_t head = BitRun(unsigned(first % 64), 63), tail = BitRun(0, unsigned(last % 64));
    if ((Bits[first / 64] & head) != head || (Bits[last / 64] & tail) != tail)
        return false;
    for (std::size_t word = first / 64 + 1; word < last / 64; ++word)
        if (Bits[word] != ~uint64_t(0))
            return false;
    return true;
}

// Asked of nearly every brick front to back, most of them hidden: inline, so that the rectangle
// stays in registers and the call costs nothing.
inline bool TCoverMask::Covered(const TRect& rect) const {
    if (rect.Left > rect.Right)
        return true;
    // Rows a whole number of words long put a rectangle at the same bits of every row's words,
    // so those are worked out once.
    if (RowPitch % 64 == 0) {
        const std::size_t first =
            std::size_t(rect.Top - FirstRow) * std::size_t(RowPitch) + std::size_t(rect.Left);
        const std::size_t last = first + std::size_t(rect.Right - rect.Left),
                          beyond = last / 64 - first / 64;
        const std::size_t step = std::size_t(RowPitch) / 64;
        const uint64_t* words = Bits.data() + first / 64;
        if (beyond == 0) {
            const uint64_t run = BitRun(unsigned(first % 64), unsigned(last % 64));
            for (int y = rect.Top; y <= rect.Bottom; ++y, words += step)
                if ((*words & run) != run)
                    return false;
            return true;
        }
        const uint64_t head = BitRun(unsigned(first % 64), 63),
                       tail = BitRun(0, unsigned(last % 64));
        for (int y = rect.Top; y <= rect.Bottom; ++y, words += step) {
            if ((words[0] & head) != head || (words[beyond] & tail) != tail)
                return false;
            for (std::size_t word = 1; word < beyond; ++word)
                if (words[word] != ~uint64_t(0))
                    return false;
        }
        return true;
    }
    for (int y = rect.Top; y <= rect.Bottom; ++y)
        if (!RowCovered(y, rect.Left, rect.Right))
            return false;
    return true;
}
