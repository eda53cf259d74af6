#include "cli/FrameFiles.h"

#include "base/FileIO.h"
#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"
#include "raster/PngCodec.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// Encoding a big frame costs some thirty times drawing it: one encoder per processor, so many
// at most that the queued frames stay within memory.
unsigned EncoderCount() {
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

std::string FrameFileName(const std::filesystem::path& folder, long number) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%05ld.png", number);
    return (folder / name).string();
}

} // namespace

TFrameFiles::TFrameFiles(std::filesystem::path folder) : Folder(std::move(folder)) {
    for (unsigned i = EncoderCount(); i > 0; --i)
        Workers.emplace_back([this] { Work(); });
}

TFrameFiles::~TFrameFiles() {
    {
        std::lock_guard<std::mutex> guard(Lock);
        Stopping = true;
    }
    Changed.notify_all();
    for (std::thread& worker : Workers)
        worker.join();
}

void TFrameFiles::Add(const TBitmap& picture, long copies) {
    std::unique_lock<std::mutex> guard(Lock);
    // Enough queued to keep every encoder busy; more would only hold memory.
    Changed.wait(guard, [this] { return Failure || Jobs.size() < Workers.size(); });
    if (Failure)
        std::rethrow_exception(Failure);
    std::unique_ptr<TBitmap> copy;
    if (!Spares.empty()) {
        copy = std::move(Spares.back());
        Spares.pop_back();
    } else {
        copy = std::make_unique<TBitmap>();
    }
    guard.unlock();
    if (picture.PixelFormat() == TPixelFormat::pf32bit)
        copy->Assign(picture);
    else
        CopyAs32Bit(picture, *copy);
    guard.lock();
    Jobs.push_back({std::move(copy), copies, Queued++});
    Changed.notify_all();
}

void TFrameFiles::Finish() {
    {
        std::unique_lock<std::mutex> guard(Lock);
        Changed.wait(guard, [this] { return Failure || Done == Queued; });
        if (Failure)
            std::rethrow_exception(Failure);
    }
    Sync.Finish();
}

void TFrameFiles::Write(const TJob& job, const std::string& encoded) {
    for (long copy = 0; copy < job.Copies; ++copy)
        WriteFileReplacing(FrameFileName(Folder, ++Written), encoded, &Sync);
}

void TFrameFiles::Work() {
    std::unique_lock<std::mutex> guard(Lock);
    for (;;) {
        Changed.wait(guard, [this] { return Stopping || Failure || !Jobs.empty(); });
        if (Jobs.empty() || Failure)
            return;
        TJob job = std::move(Jobs.front());
        Jobs.pop_front();
        guard.unlock();
        std::exception_ptr failure;
        std::string encoded;
        try {
            encoded = EncodePng(*job.Picture);
        } catch (...) {
            failure = std::current_exception();
        }
        guard.lock();
        // Files are written in the order given; after a failure no later frame is written, as
        // when frames were written one after another.
        Changed.wait(guard, [&] { return Failure || Done == job.Turn; });
        if (!Failure && !failure) {
            guard.unlock();
            try {
                Write(job, encoded);
            } catch (...) {
                failure = std::current_exception();
            }
            guard.lock();
        }
        if (failure && !Failure)
            Failure = failure;
        ++Done;
        Spares.push_back(std::move(job.Picture));
        Changed.notify_all();
    }
}
