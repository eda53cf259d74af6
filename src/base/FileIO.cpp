#include "base/FileIO.h"

#include "base/Error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
std::string Reason(int error) {
    return error ? std::strerror(error) : "unknown error";
}

[[noreturn]] void Fail(const char* what, const std::string& fileName, int error) {
    throw TError(std::string(what) + " \"" + fileName + "\": " + Reason(error));
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
    std::string temporary = fileName + ".tmp" + std::to_string(getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        Fail("Cannot create file", fileName, errno);
    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size() &&
                   std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    int error = written ? 0 : errno;
    if (std::fclose(file) != 0 && written) {
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
