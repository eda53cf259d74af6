#include "render/BandSplit.h"

#include <gtest/gtest.h>

TEST(SplitRowsAtEqualWork, EndsEachBandWhereItsShareOfTheWorkIsReached) {
    struct TCase {
        const char* Name;
        std::vector<uint64_t> RowWork;
        int Bands;
        std::vector<int> Tops;
    };
    const TCase cases[] = {
        {"one band", {5, 1, 9}, 1, {0, 3}},
        {"even work", {1, 1, 1, 1, 1, 1}, 3, {0, 2, 4, 6}},
        {"heavy middle", {1, 1, 8, 8, 1, 1}, 2, {0, 3, 6}},
        {"heavy top", {10, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 2, {0, 1, 10}},
        {"heavy bottom", {1, 1, 1, 1, 1, 1, 1, 1, 1, 10}, 2, {0, 9, 10}},
        {"no work", {0, 0, 0, 0, 0, 0, 0}, 3, {0, 2, 4, 7}},
        // Every band keeps at least one row, however the work lies.
        {"all work first", {9, 0, 0, 0}, 3, {0, 1, 2, 4}},
        {"all work last", {0, 0, 0, 9}, 3, {0, 2, 3, 4}},
        {"a band a row", {3, 0, 7}, 3, {0, 1, 2, 3}},
    };
    std::vector<int> tops{42};
    for (const TCase& c : cases) {
        SplitRowsAtEqualWork(c.RowWork, c.Bands, tops);
        EXPECT_EQ(tops, c.Tops) << c.Name;
    }
}

// Large frames of uneven work: the bands cover the rows in order and none holds much more than
// its share, one row's work at most.
TEST(SplitRowsAtEqualWork, SharesLargeUnevenWorkFairly) {
    std::vector<uint64_t> rowWork(1080);
    for (size_t y = 0; y < rowWork.size(); ++y)
        rowWork[y] = 1 + (y * y % 97) * (y > 300 && y < 700 ? 40 : 1);
    uint64_t total = 0, largest = 0;
    for (uint64_t work : rowWork) {
        total += work;
        largest = std::max(largest, work);
    }
    std::vector<int> tops;
    for (int bands : {2, 3, 8, 1080}) {
        SplitRowsAtEqualWork(rowWork, bands, tops);
        ASSERT_EQ(tops.size(), size_t(bands) + 1);
        EXPECT_EQ(tops.front(), 0);
        EXPECT_EQ(tops.back(), 1080);
        for (int b = 0; b < bands; ++b) {
            ASSERT_LT(tops[size_t(b)], tops[size_t(b) + 1]) << bands << " bands";
            uint64_t work = 0;
            for (int y = tops[size_t(b)]; y < tops[size_t(b) + 1]; ++y)
                work += rowWork[size_t(y)];
            EXPECT_LE(work, total / uint64_t(bands) + largest) << bands << " bands, band " << b;
        }
    }
}
