#include "base/FileIO.h"

#include "base/Error.h"
#include "base/ReplacingFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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

void WriteFileReplacing(const std::string& fileName, const std::string& content,
                        TDeferredSync* later) {
    WriteFileReplacing(fileName, std::vector<std::string_view>{content}, later);
}

void WriteFileReplacing(const std::string& fileName, const std::vector<std::string_view>& pieces,
                        TDeferredSync* later) {
    TReplacingFile file(fileName);
    if (!file.Write(pieces))
        file.Fail();
    file.Commit(later);
}
