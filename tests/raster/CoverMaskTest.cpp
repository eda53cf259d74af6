// The cover mask and the writer that keeps the first write to each pixel: spans across words and
// around pixels already written, single pixels by row and by address, stamps by rows of bits,
// and the covered test.

#include "raster/CoverMask.h"

#include "raster/MaskedWriter.h"
#include "raster/RasterSpans.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Rows 10 .. 12 of a bitmap 150 pixels wide, as 32-bit pixels.
struct TMaskedRows {
    static constexpr int Pitch = 150, Top = 10, Rows = 3;
    std::vector<uint32_t> Pixels = std::vector<uint32_t>(Pitch * Rows, 0);
    TCoverMask Mask;

    TMaskedRows() { Mask.Reset(Pitch, Top, Top + Rows - 1); }
    uint8_t* Row(int y) { return reinterpret_cast<uint8_t*>(&Pixels[size_t((y - Top) * Pitch)]); }
    TMaskedWriter<TFormat32, TOpaqueWriter<TFormat32>> Writer(uint32_t colour) {
        return {{colour}, Row(Top), Mask.Words(), Pitch, Top};
    }
    uint32_t At(int x, int y) const { return Pixels[size_t((y - Top) * Pitch + x)]; }
};

} // namespace

TEST(MaskedWriter, KeepsTheFirstWriteOfEveryPixel) {
    TMaskedRows rows;
    const int y = 11;
    // Written first: a few pixels, a run across the words' edge and one by its address.
    rows.Writer(1).Span(rows.Row(y), y, 3, 5);
    rows.Writer(1).Span(rows.Row(y), y, 60, 70);
    rows.Writer(1).Put(rows.Row(y), y, 100);
    rows.Writer(1).PutAt(rows.Row(y) + 4 * 130);
    // Later writes cover the whole row and beyond the words' edges more than once.
    for (auto [x0, x1] : {std::pair{0, 149}, std::pair{2, 140}, std::pair{64, 64}})
        rows.Writer(2).Span(rows.Row(y), y, x0, x1);
    for (int x = 0; x < TMaskedRows::Pitch; ++x) {
        const bool first = (x >= 3 && x <= 5) || (x >= 60 && x <= 70) || x == 100 || x == 130;
        ASSERT_EQ(rows.At(x, y), first ? 1u : 2u) << "pixel " << x;
    }
    EXPECT_EQ(rows.At(5, 10), 0u) << "the rows around are left alone";
    EXPECT_EQ(rows.At(5, 12), 0u);
    // A walk's pixel by its address is not written twice either.
    rows.Writer(3).PutAt(rows.Row(y) + 4 * 7);
    EXPECT_EQ(rows.At(7, y), 2u);
}

// Rectangles and single rows, within a word, across two and across several.
TEST(CoverMask, IsCoveredOnlyWhereEveryPixelIsWritten) {
    TMaskedRows rows;
    for (int y = 10; y <= 11; ++y)
        rows.Writer(1).Span(rows.Row(y), y, 20, 90);
    rows.Writer(1).Put(rows.Row(12), 12, 50);
    struct TCase {
        TRect Rect;
        bool Covered;
    };
    const TCase cases[] = {
        {{20, 10, 90, 11}, true},  {{63, 10, 64, 11}, true},  {{21, 11, 89, 11}, true},
        {{19, 10, 90, 11}, false}, {{20, 10, 91, 10}, false}, {{20, 10, 90, 12}, false},
        {{50, 12, 50, 12}, true},  {{51, 12, 50, 12}, true}, // empty
        {{0, 12, 149, 12}, false}, {{63, 11, 64, 11}, true},  {{19, 11, 40, 11}, false},
        {{49, 12, 50, 12}, false}, {{30, 11, 40, 11}, true},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(rows.Mask.Covered(c.Rect), c.Covered)
            << c.Rect.Left << "," << c.Rect.Top << " - " << c.Rect.Right << "," << c.Rect.Bottom;
        if (c.Rect.Top == c.Rect.Bottom)
            EXPECT_EQ(rows.Mask.RowCovered(c.Rect.Top, c.Rect.Left, c.Rect.Right), c.Covered)
                << "row " << c.Rect.Top << ": " << c.Rect.Left << " - " << c.Rect.Right;
    }
    rows.Mask.Reset(TMaskedRows::Pitch, 10, 12);
    EXPECT_FALSE(rows.Mask.Covered({20, 10, 20, 10})) << "a reset mask holds nothing written";
}

// Rows of whole words take the bits to test from the first row: every row's words must still be
// looked at, the first, the middle and the last.
TEST(CoverMask, RowsOfWholeWordsAreEachTested) {
    TCoverMask mask;
    mask.Reset(192, 5, 8);
    for (int row = 0; row < 4; ++row) {
        mask.Words()[row * 3] = uint64_t(1) << 63; // pixels 63 .. 191 of each row
        mask.Words()[row * 3 + 1] = ~uint64_t(0);
        mask.Words()[row * 3 + 2] = ~uint64_t(0);
    }
    mask.Words()[7] &= ~(uint64_t(1) << 40);  // but pixel 104 of row 7
    mask.Words()[11] &= ~(uint64_t(1) << 63); // and pixel 191 of row 8
    struct TCase {
        TRect Rect;
        bool Covered;
    };
    const TCase cases[] = {
        {{72, 5, 127, 6}, true},   {{72, 5, 103, 8}, true},   {{105, 5, 127, 8}, true},
        {{62, 5, 80, 5}, false},   {{72, 5, 127, 7}, false},  {{104, 8, 104, 8}, true},
        {{104, 7, 104, 7}, false}, {{100, 6, 110, 8}, false}, {{120, 5, 190, 8}, true},
        {{72, 5, 191, 7}, false},  {{72, 8, 191, 8}, false},  {{110, 5, 190, 8}, true},
        {{60, 5, 191, 6}, false},  {{63, 6, 128, 6}, true},   {{63, 7, 128, 7}, false},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(mask.Covered(c.Rect), c.Covered)
            << c.Rect.Left << "," << c.Rect.Top << " - " << c.Rect.Right << "," << c.Rect.Bottom;
}

// A stamp's rows of bits placed at a column: within one word, across the edge of two, and
// where some of its pixels are written already.
TEST(MaskedWriter, StampsWriteTheirOpenPixelsAndMarkThemAll) {
    // A ring 5 wide and 3 high: .XXX. / X...X / .XXX.
    const uint64_t ring[3] = {0b01110, 0b10001, 0b01110};
    for (int left : {0, 10, 59, 60, 62, 64, 140}) {
        TMaskedRows rows;
        const int top = 10;
        rows.Writer(1).Put(rows.Row(11), 11, left); // the ring's left pixel
        rows.Writer(1).Put(rows.Row(12), 12, left); // beside it, not the ring's
        rows.Writer(2).Stamp(rows.Row(top) + 4 * left, 4 * TMaskedRows::Pitch, left, top, ring, 3);
        for (int y = top; y < top + 3; ++y)
            for (int x = 0; x < TMaskedRows::Pitch; ++x) {
                const bool first = (y == 11 || y == 12) && x == left;
                const bool onRing = x >= left && x < left + 5 && (ring[y - top] >> (x - left) & 1);
                ASSERT_EQ(rows.At(x, y), first    ? 1u
                                         : onRing ? 2u
                                                  : 0u)
                    << "left " << left << " pixel " << x << "," << y;
                EXPECT_EQ(rows.Writer(3).Written(rows.Row(y) + 4 * x), first || onRing);
            }
    }
}

// A row's bits copied out from any column, against the pixels written: within a word, across
// words, more than 64 pixels long, and at the end of the mask's last row.
TEST(CoverMask, CopiesARowsBitsFromAnyColumn) {
    TMaskedRows rows;
    for (const int x : {3, 63, 64, 100, 130, 149})
        rows.Writer(1).Put(rows.Row(12), 12, x);
    rows.Writer(1).Span(rows.Row(11), 11, 60, 70);
    const int spans[][3] = {{12, 0, 149}, {12, 3, 66},  {12, 60, 149}, {12, 101, 149},
                            {11, 55, 75}, {11, 65, 65}, {10, 0, 149}};
    for (const auto& span : spans) {
        const int y = span[0], x0 = span[1], x1 = span[2];
        uint64_t words[3] = {~uint64_t(0), ~uint64_t(0), ~uint64_t(0)};
        rows.Mask.CopyRow(y, x0, x1, words);
        for (int x = x0; x < x0 + 64 * ((x1 - x0) / 64 + 1); ++x) {
            const int bit = x - x0;
            const bool set = (words[bit / 64] >> (bit % 64) & 1) != 0;
            EXPECT_EQ(set, x <= x1 && rows.At(x, y) == 1)
                << "row " << y << " from " << x0 << " at " << x;
        }
    }
}
