#include "parts/PartFile.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/FileNames.h"
#include "base/Text.h"

TLines LoadPartFileLines(const std::string& path) {
    return SplitLines(ReadWholeFile(path));
}

void SavePartFileLines(const std::string& path, const TLines& lines, TDeferredSync* later) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    WriteFileReplacing(path, text, later);
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
