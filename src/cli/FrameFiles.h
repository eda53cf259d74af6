#pragma once
// A sequence's numbered PNG frames, encoded on threads of their own while the next views are
// drawn, written strictly in the order given and forced to disk together at the end.

#include "base/DeferredSync.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class TBitmap;

class TFrameFiles {
public:
    explicit TFrameFiles(std::filesystem::path folder);
    // Writes what is queued, then stops the threads; nothing is forced to disk.
    ~TFrameFiles();
    TFrameFiles(const TFrameFiles&) = delete;
    TFrameFiles& operator=(const TFrameFiles&) = delete;

    // Queues a copy of the picture (in 32 bits per pixel, as the files hold it) as the next
    // `copies` numbered frames. Raises the first failure of a frame queued before.
    void Add(const TBitmap& picture, long copies);

    // Waits for every queued frame, raises the first failure, then forces the files and their
    // folder to disk, raising a failure of that too.
    void Finish();

private:
    struct TJob {
        std::unique_ptr<TBitmap> Picture;
        long Copies = 0;
        long Turn = 0; // the job's place in the order of writing
    };
    void Work();
    void Write(const TJob& job, const std::string& encoded);

    std::filesystem::path Folder;
    long Written = 0;   // frames written so far, by the thread whose turn it is
    TDeferredSync Sync; // likewise
    std::mutex Lock;
    std::condition_variable Changed;
    std::deque<TJob> Jobs;                        // under Lock
    std::vector<std::unique_ptr<TBitmap>> Spares; // under Lock: bitmaps to reuse
    std::exception_ptr Failure;                   // under Lock: the first failure
    long Queued = 0, Done = 0;                    // under Lock: jobs given and jobs written
    bool Stopping = false;                        // under Lock
    std::vector<std::thread> Workers;             // last, so they start once all above exist
};
