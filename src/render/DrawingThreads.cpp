#include "render/DrawingThreads.h"

#include <algorithm>
#include <utility>

TDrawingThreads::TDrawingThreads(int count) {
    for (int i = 1; i < count; ++i)
        workers.emplace_back([this] { Work(); });
}

TDrawingThreads::~TDrawingThreads() {
    {
        const std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    started.notify_all();
    for (std::thread& worker : workers)
        worker.join();
}

int TDrawingThreads::CoreCount() {
    return std::max(1, int(std::thread::hardware_concurrency()));
}

void TDrawingThreads::Run(int tasks, const std::function<void(int)>& job) {
    const std::lock_guard<std::mutex> one(runLock);
    {
        const std::lock_guard<std::mutex> hold(lock);
        current = &job;
        taskCount = tasks;
        nextTask = 0;
        busy = int(workers.size());
        failure = nullptr;
        ++round;
    }
    started.notify_all();
    TakeTasks();
    std::unique_lock<std::mutex> hold(lock);
    finished.wait(hold, [this] { return busy == 0; });
    current = nullptr;
    if (failure)
        std::rethrow_exception(std::exchange(failure, nullptr));
}

// Tasks are handed out one at a time, so bands that cost more do not hold the others up.
void TDrawingThreads::TakeTasks() {
    for (;;) {
        int task;
        {
            const std::lock_guard<std::mutex> hold(lock);
            if (nextTask >= taskCount)
                return;
            task = nextTask++;
        }
        try {
            (*current)(task);
        } catch (...) {
            const std::lock_guard<std::mutex> hold(lock);
            if (!failure)
                failure = std::current_exception();
        }
    }
}

void TDrawingThreads::Work() {
    unsigned seen = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> hold(lock);
            started.wait(hold, [&] { return stopping || round != seen; });
            if (stopping)
                return;
            seen = round;
        }
        TakeTasks();
        {
            const std::lock_guard<std::mutex> hold(lock);
            --busy;
        }
        finished.notify_one();
    }
}
