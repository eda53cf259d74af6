#include "parts/PartFile.h"

#include "model/Error.h"
#include "model/FileNames.h"
#include "model/Text.h"

#include <cstdio>
#include <fstream>
#include <iterator>

TLines LoadPartFileLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TError("Cannot open file " + path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw TError("Cannot read file " + path);
    TLines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

void SavePartFileLines(const std::string& path, const TLines& lines) {
    std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines)
            out << line << "\r\n";
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            throw TError("Cannot write file " + path);
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        throw TError("Cannot write file " + path);
    }
}

std::string PartFolderPath(const std::string& name) {
    return ResolveFileName(AppDir() + "parts/" + NormaliseSeparators(name));
}

void FindPartFile(const std::string& file, const std::string& part, TLines& lines,
                  std::string& usedName) {
    std::string single = PartFolderPath(part + ".tsp");
    if (FileExists(single)) {
        lines = LoadPartFileLines(single);
        usedName = part + ".tsp";
        return;
    }
    std::string multi = PartFolderPath(file);
    if (!FileExists(multi))
        throw TError("Could not find part/file " + part + "/" + file);
    lines = LoadPartFileLines(multi);
    usedName = file;
}

void LoadPartSection(const std::string& file, std::string part, TLines& lines,
                     std::string& usedName) {
    if (EndsWithNoCase(part, ".dat"))
        part.resize(part.size() - 4);
    FindPartFile(file, part, lines, usedName);
    std::string header = "[" + part + "]";
    size_t first = 0;
    while (first < lines.size() && !SameText(lines[first], header))
        ++first;
    if (first == lines.size())
        throw TError("Could not find part " + part + " in file " + file);
    size_t end = first + 1;
    while (end < lines.size() && !lines[end].empty() && lines[end][0] != '[')
        ++end;
    lines = TLines(lines.begin() + std::ptrdiff_t(first + 1), lines.begin() + std::ptrdiff_t(end));
}
