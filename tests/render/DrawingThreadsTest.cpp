#include "render/DrawingThreads.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

// Runs straight after one another find the workers still awake, runs after a pause find them
// asleep; either way every task runs once.
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
}
