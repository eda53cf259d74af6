#pragma once
// A few threads kept for drawing the bands of frames side by side, so that a frame does not pay
// for starting threads.

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

    int Count() const { return int(workers.size()) + 1; }

    // Runs job(0) .. job(tasks - 1), each once, on any of the threads, and returns when all
    // have ended. The first error a job raises is raised here once the others have ended.
    void Run(int tasks, const std::function<void(int)>& job);

    // The processor cores of this machine, at least 1.
    static int CoreCount();

private:
    void Work();
    void TakeTasks();

    std::vector<std::thread> workers;
    std::mutex runLock; // one Run at a time
    std::mutex lock;
    std::condition_variable started, finished;
    const std::function<void(int)>* current = nullptr;
    int taskCount = 0;
    int nextTask = 0;
    int busy = 0;       // workers still taking tasks of this run
    unsigned round = 0; // counts runs, so a worker takes part in each once
    bool stopping = false;
    std::exception_ptr failure;
};
