#include "render/DrawingThreads.h"

#include <algorithm>
#include <chrono>
#include <utility>

// A frame runs its tasks in quick succession (the boxes, then the bands), and its threads end
// their shares at about the same time: waiting a little while awake spares the far longer wake
// from sleep. Only briefly, as the processor may be wanted by a thread still drawing.
template <typename TDone> void TDrawingThreads::PollBriefly(const TDone& done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(50);
    while (!done() && std::chrono::steady_clock::now() < until) {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
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

// Returns once every task has ended, without waiting for workers that took none: on a busy
// machine a worker may wake only after the caller has done all the tasks itself.
void TDrawingThreads::Run(int tasks, const std::function<void(int)>& job) {
    const std::lock_guard<std::mutex> one(RunLock);
    {
        const std::lock_guard<std::mutex> hold(Lock);
        Current = &job;
        TaskCount = tasks;
        NextTask = 0;
        Done = 0;
        Failure = nullptr;
        ++Round;
    }
    Started.notify_all();
    TakeTasks();
    PollBriefly([this] { return Done == TaskCount; });
    std::unique_lock<std::mutex> hold(Lock);
    Finished.wait(hold, [this] { return Done == TaskCount; });
    Current = nullptr;
    TaskCount = 0;
    if (Failure)
        std::rethrow_exception(std::exchange(Failure, nullptr));
}

// Tasks are handed out one at a time, so bands that cost more do not hold the others up.
void TDrawingThreads::TakeTasks() {
    std::unique_lock<std::mutex> hold(Lock);
    while (NextTask < TaskCount) {
        const int task = NextTask++;
        const std::function<void(int)>& job = *Current;
        hold.unlock();
        std::exception_ptr failure;
        try {
            job(task);
        } catch (...) {
            failure = std::current_exception();
        }
        hold.lock();
        if (failure && !Failure)
            Failure = failure;
        if (++Done == TaskCount)
            Finished.notify_one();
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
    }
}
