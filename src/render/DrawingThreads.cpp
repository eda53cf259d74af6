#include "render/DrawingThreads.h"

#include <algorithm>
#include <chrono>
#include <utility>

// A frame runs its tasks in quick succession (the boxes, then the bands), and its threads end
// their shares at about the same time: waiting a little while awake spares the far longer wake
// from sleep. Yielding meanwhile leaves the processor to any other work.
template <typename TDone> void TDrawingThreads::PollBriefly(const TDone& done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(100);
    while (!done() && std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
}

TDrawingThreads::TDrawingThreads(int count) {
    for (int i = 1; i < count; ++i)
        Workers.emplace_back([this] { Work(); });
}

TDrawingThreads::~TDrawingThreads() {
    {
        const std::lock_guard<std::mutex> hold(Lock);
        Stopping = true;
    }
    Started.notify_all();
    for (std::thread& worker : Workers)
        worker.join();
}

int TDrawingThreads::CoreCount() {
    return std::max(1, int(std::thread::hardware_concurrency()));
}

void TDrawingThreads::Run(int tasks, const std::function<void(int)>& job) {
    const std::lock_guard<std::mutex> one(RunLock);
    {
        const std::lock_guard<std::mutex> hold(Lock);
        Current = &job;
        TaskCount = tasks;
        NextTask = 0;
        Busy = int(Workers.size());
        Failure = nullptr;
        ++Round;
    }
    Started.notify_all();
    TakeTasks();
    PollBriefly([this] { return Busy == 0; });
    std::unique_lock<std::mutex> hold(Lock);
    Finished.wait(hold, [this] { return Busy == 0; });
    Current = nullptr;
    if (Failure)
        std::rethrow_exception(std::exchange(Failure, nullptr));
}

// Tasks are handed out one at a time, so bands that cost more do not hold the others up.
void TDrawingThreads::TakeTasks() {
    for (;;) {
        int task;
        {
            const std::lock_guard<std::mutex> hold(Lock);
            if (NextTask >= TaskCount)
                return;
            task = NextTask++;
        }
        try {
            (*Current)(task);
        } catch (...) {
            const std::lock_guard<std::mutex> hold(Lock);
            if (!Failure)
                Failure = std::current_exception();
        }
    }
}

void TDrawingThreads::Work() {
    unsigned seen = 0;
    for (;;) {
        PollBriefly([&] { return Round != seen; });
        {
            std::unique_lock<std::mutex> hold(Lock);
            Started.wait(hold, [&] { return Stopping || Round != seen; });
            if (Stopping)
                return;
            seen = Round;
        }
        TakeTasks();
        {
            const std::lock_guard<std::mutex> hold(Lock);
            --Busy;
        }
        Finished.notify_one();
    }
}
