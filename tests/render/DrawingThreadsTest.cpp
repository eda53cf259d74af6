#include "render/DrawingThreads.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <vector>

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
