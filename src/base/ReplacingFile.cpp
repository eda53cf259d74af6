#include "base/ReplacingFile.h"

#include "base/DeferredSync.h"
#include "base/Error.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>
#include <utility>

namespace {

// A few system calls for the whole content, however many pieces; a partial write or an
// interruption carries on where it stopped.
bool WriteAll(int file, iovec* rest, size_t count) {
    size_t first = 0;
    while (first < count) {
        ssize_t done = writev(file, rest + first, int(std::min<size_t>(count - first, IOV_MAX)));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            if (done == 0)
                errno = EIO;
            return false;
        }
        for (size_t left = size_t(done); left > 0;) {
            size_t step = std::min(left, rest[first].iov_len);
            rest[first].iov_base = static_cast<char*>(rest[first].iov_base) + step;
            rest[first].iov_len -= step;
            left -= step;
            if (rest[first].iov_len == 0)
                ++first;
        }
    }
    return true;
}

} // namespace

TReplacingFile::TReplacingFile(std::string fileName)
    : FileName(std::move(fileName)), Temporary(FileName + ".tmp" + std::to_string(getpid())) {}

TReplacingFile::~TReplacingFile() {
    if (Descriptor >= 0)
        close(Descriptor);
    if (Created)
        std::remove(Temporary.c_str());
}

bool TReplacingFile::Record(const char* what, int error) {
    if (Failure.empty())
        Failure = std::string(what) + " \"" + FileName +
                  "\": " + (error ? std::strerror(error) : "unknown error");
    return false;
}

bool TReplacingFile::Open() {
    if (Failed())
        return false;
    if (Descriptor >= 0)
        return true;
    Descriptor = open(Temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (Descriptor < 0)
        return Record("Cannot create file", errno);
    Created = true;
    return true;
}

bool TReplacingFile::Write(const std::vector<std::string_view>& pieces) {
    if (!Open())
        return false;
    std::vector<iovec> rest;
    for (std::string_view piece : pieces)
        if (!piece.empty())
            rest.push_back({const_cast<char*>(piece.data()), piece.size()});
    return WriteAll(Descriptor, rest.data(), rest.size()) || Record("Cannot write file", errno);
}

bool TReplacingFile::Write(std::string_view bytes) {
    if (!Open())
        return false;
    iovec whole{const_cast<char*>(bytes.data()), bytes.size()};
    return WriteAll(Descriptor, &whole, bytes.empty() ? 0 : 1) ||
           Record("Cannot write file", errno);
}

void TReplacingFile::Fail() const {
    throw TError(Failure);
}

void TReplacingFile::Commit(TDeferredSync* later) {
    if (!Open())
        Fail();
    if (!later && fsync(Descriptor) != 0)
        Record("Cannot write file", errno);
    const int closed = close(std::exchange(Descriptor, -1));
    if (closed != 0)
        Record("Cannot write file", errno);
    if (!Failed() && std::rename(Temporary.c_str(), FileName.c_str()) != 0)
        Record("Cannot write file", errno);
    if (Failed())
        Fail();
    Created = false;
    if (later)
        later->Add(FileName);
}
