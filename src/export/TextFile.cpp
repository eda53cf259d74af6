#include "export/TextFile.h"

#include "model/Error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {
std::string OpenError(const std::string& fileName, int error) {
    return "Cannot open file \"" + fileName + "\". " + std::strerror(error);
}
} // namespace

std::vector<std::string> ReadTextLines(const std::string& fileName) {
    errno = 0;
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw TError(OpenError(fileName, errno ? errno : ENOENT));
    std::ostringstream whole;
    whole << in.rdbuf();
    if (in.bad())
        throw TError("Read error on file \"" + fileName + "\"");
    const std::string text = whole.str();
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

void ReplaceFile(const std::string& fileName, const std::string& text) {
    std::string temp = fileName + ".tmp" + std::to_string(getpid());
    {
        errno = 0;
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            throw TError(OpenError(fileName, errno ? errno : EACCES));
        out.write(text.data(), std::streamsize(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            throw TError("Write error on file \"" + fileName + "\"");
        }
    }
    if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
        int error = errno;
        std::remove(temp.c_str());
        throw TError("Cannot write file \"" + fileName + "\". " + std::strerror(error));
    }
}
