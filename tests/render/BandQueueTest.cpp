#include "render/BandQueue.h"

#include "render/BandSplit.h"
#include "render/DrawingThreads.h"

#include <array>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
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

// Runs straight after one another find the workers still awake, runs after a pause find them
// asleep; either way every task runs once. The first error is passed on and the threads work on.
TEST(DrawingThreads, RunEachTaskOnceWhetherTheWorkersWaitAwakeOrAsleep) {
    for (int count : {1, 2, 3, 8}) {
        TDrawingThreads threads(count);
        for (int round = 0; round < 200; ++round) {
            if (round % 50 == 49)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            const int tasks = 1 + round % (2 * count);
            std::vector<std::atomic<int>> runs(static_cast<size_t>(tasks));
            threads.Run(tasks, [&](int task) { ++runs[size_t(task)]; });
            for (int task = 0; task < tasks; ++task)
                ASSERT_EQ(runs[size_t(task)].load(), 1)
                    << count << " threads, round " << round << ", task " << task;
        }
    }
    TDrawingThreads threads(3);
    EXPECT_THROW(threads.Run(5,
                             [](int task) {
                                 if (task == 3)
                                     throw std::runtime_error("band failed");
                             }),
                 std::runtime_error);
    std::atomic<int> after{0};
    threads.Run(4, [&](int) { ++after; });
    EXPECT_EQ(after.load(), 4);
}
