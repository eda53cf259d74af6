#include "base/FileIO.h"

#include "base/Error.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {
std::string Reason(int error) {
    return error ? std::strerror(error) : "unknown error";
}

[[noreturn]] void Fail(const char* what, const std::string& fileName, int error) {
    throw TError(std::string(what) + " \"" + fileName + "\": " + Reason(error));
}

// A few system calls for the whole content, however many pieces; a partial write or an
// interruption carries on where it stopped.
bool WriteAll(int file, const std::vector<std::string_view>& pieces) {
    std::vector<iovec> rest;
    for (std::string_view piece : pieces)
        if (!piece.empty())
            rest.push_back({const_cast<char*>(piece.data()), piece.size()});
    size_t first = 0;
    while (first < rest.size()) {
        int count = int(std::min<size_t>(rest.size() - first, IOV_MAX));
        ssize_t done = writev(file, &rest[first], count);
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

std::string ReadWholeFile(const std::string& fileName) {
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file)
        Fail("Cannot open file", fileName, errno);
    std::string content;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content.append(buffer, got);
    int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error)
        Fail("Cannot read file", fileName, error);
    return content;
}

void WriteFileReplacing(const std::string& fileName, const std::string& content) {
    WriteFileReplacing(fileName, std::vector<std::string_view>{content});
}

void WriteFileReplacing(const std::string& fileName, const std::vector<std::string_view>& pieces) {
    std::string temporary = fileName + ".tmp" + std::to_string(getpid());
    int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0)
        Fail("Cannot create file", fileName, errno);
    bool written = WriteAll(file, pieces) && fsync(file) == 0;
    int error = written ? 0 : errno;
    if (close(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && std::rename(temporary.c_str(), fileName.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        std::remove(temporary.c_str());
        Fail("Cannot write file", fileName, error);
    }
}
