#pragma once
// A few threads kept for drawing the bands of frames side by side, so that a frame does not pay
// for starting threads.

#include "raster/DrawRecording.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class TDrawingThreads {
public:
    // count threads in all, the caller of Run being one of them; fewer than 1 counts as 1.
    explicit TDrawingThreads(int count);
    ~TDrawingThreads();
    TDrawingThreads(const TDrawingThreads&) = delete;
    TDrawingThreads& operator=(const TDrawingThreads&) = delete;

    int Count() const { return int(Workers.size()) + 1; }

    // Runs job(0) .. job(tasks - 1), each once, on any of the threads, and returns when all
    // have ended. The first error a job raises is raised here once the others have ended.
    void Run(int tasks, const std::function<void(int)>& job);

    // The processor cores of this machine, at least 1.
    static int CoreCount();

    // The bricks of banded frames recorded in chunks; kept from frame to frame, so their
    // memory grows only when a frame needs more.
    std::vector<TDrawRecording> Recordings;

private:
    void Work();
    void TakeTasks();
    template <typename TDone> static void PollBriefly(const TDone& done);

    std::vector<std::thread> Workers;
    std::mutex RunLock; // one Run at a time
    std::mutex Lock;
    std::condition_variable Started, Finished;
    const std::function<void(int)>* Current = nullptr;
    int TaskCount = 0;
    int NextTask = 0;
    // Changed under Lock, and also read without it while polling.
    std::atomic<int> Done{0};       // tasks of this run ended
    std::atomic<unsigned> Round{0}; // counts runs, so a worker takes part in each once
    bool Stopping = false;
    std::exception_ptr Failure;
};
