#include "render/BandQueue.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<uint64_t> Work(int rows, uint64_t each) {
    return std::vector<uint64_t>(size_t(rows), each);
}

} // namespace

TEST(BandQueue, HandsOutTheBandsInOrderToFirstTakers) {
    TBandQueue queue;
    queue.Start({0, 10, 100, 200}, Work(200, 1));
    TRowBand band;
    for (const TRowBand expected : {TRowBand{0, 9}, TRowBand{10, 99}, TRowBand{100, 199}}) {
        ASSERT_TRUE(queue.Take(false, band));
        EXPECT_EQ(std::pair(band.Top, band.Bottom), std::pair(expected.Top, expected.Bottom));
    }
    EXPECT_FALSE(queue.Take(true, band));
}

TEST(BandQueue, SplitsForATakerBackForMoreAtHalfTheWork) {
    std::vector<uint64_t> topHeavy = Work(200, 1);
    for (size_t y = 0; y < 50; ++y)
        topHeavy[y] = 10;
    std::vector<uint64_t> firstRowOnly = Work(200, 0);
    firstRowOnly[0] = 99;
    struct TCase {
        const char* Name;
        std::vector<int> Tops;
        std::vector<uint64_t> RowWork;
        TRowBand Taken, Left;
    };
    const TCase cases[] = {
        {"even work", {0, 200}, Work(200, 1), {0, 99}, {100, 199}},
        {"top heavy", {0, 200}, topHeavy, {0, 32}, {33, 199}},
        // Either part keeps enough rows to be worth its set-up.
        {"all work in one row", {0, 200}, firstRowOnly, {0, 31}, {32, 199}},
        {"a lower band", {0, 100, 300}, Work(300, 1), {0, 49}, {50, 99}},
    };
    for (const TCase& c : cases) {
        TBandQueue queue;
        queue.Start(c.Tops, c.RowWork);
        TRowBand taken, left;
        ASSERT_TRUE(queue.Take(true, taken));
        ASSERT_TRUE(queue.Take(false, left));
        EXPECT_EQ((std::array{taken.Top, taken.Bottom, left.Top, left.Bottom}),
                  (std::array{c.Taken.Top, c.Taken.Bottom, c.Left.Top, c.Left.Bottom}))
            << c.Name;
    }
}

// However often it splits, the bands taken cover every row once, and bands too short to split
// are handed out whole.
TEST(BandQueue, CoversEveryRowOnceAndKeepsShortBandsWhole) {
    TBandQueue queue;
    queue.Start({0, 63, 500, 1080}, Work(1080, 3));
    std::vector<int> drawn(1080);
    TRowBand band;
    ASSERT_TRUE(queue.Take(true, band));
    EXPECT_EQ(std::pair(band.Top, band.Bottom), std::pair(0, 62));
    for (int y = band.Top; y <= band.Bottom; ++y)
        ++drawn[size_t(y)];
    int takes = 1;
    for (bool again = false; queue.Take(again, band); again = !again, ++takes) {
        ASSERT_GE(band.Bottom - band.Top + 1, 32);
        for (int y = band.Top; y <= band.Bottom; ++y)
            ++drawn[size_t(y)];
    }
    EXPECT_GT(takes, 3);
    EXPECT_EQ(std::vector<int>(1080, 1), drawn);
}
