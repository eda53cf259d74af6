#include "app/system/IniFile.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/Text.h"

#include <fstream>
#include <iterator>

namespace {
constexpr size_t npos = std::string::npos;

bool IsSectionLine(std::string_view line) {
    std::string t = Trim(line);
    return t.size() >= 2 && t.front() == '[' && t.find(']') != npos;
}

std::string SectionName(std::string_view line) {
    std::string t = Trim(line);
    return Trim(std::string_view(t).substr(1, t.find(']') - 1));
}

// The key of a "key=value" line; empty for comments and lines without '='.
std::string KeyOf(std::string_view line) {
    std::string t = Trim(line);
    if (t.empty() || t[0] == ';')
        return {};
    size_t eq = t.find('=');
    return eq == npos ? std::string() : Trim(std::string_view(t).substr(0, eq));
}

std::string ValueOf(std::string_view line) {
    std::string value = Trim(line.substr(line.find('=') + 1));
    // A value in matching quotes loses them, as the profile functions do.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > TIniFile::MaxValueLength)
        value.resize(TIniFile::MaxValueLength);
    return value;
}
} // namespace

TIniFile::TIniFile(std::string fileName) : Path(std::move(fileName)) {
    // A missing file reads as an empty one; lines may end in CR LF, LF or a bare CR.
    std::ifstream in(Path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    FileLines = SplitLines(text);
}

size_t TIniFile::FindSection(std::string_view section, size_t from) const {
    for (size_t i = from; i < FileLines.size(); ++i)
        if (IsSectionLine(FileLines[i]) && SameText(SectionName(FileLines[i]), Trim(section)))
            return i;
    return npos;
}

size_t TIniFile::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < FileLines.size() && !IsSectionLine(FileLines[i]))
        ++i;
    return i;
}

size_t TIniFile::FindKey(size_t header, std::string_view key) const {
    size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i)
        if (SameText(KeyOf(FileLines[i]), Trim(key)))
            return i;
    return npos;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    size_t header = FindSection(section);
    return header != npos && FindKey(header, key) != npos;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    size_t header = FindSection(section);
    size_t line = header == npos ? npos : FindKey(header, key);
    if (line == npos)
        return std::string(defaultValue.substr(0, MaxValueLength));
    return ValueOf(FileLines[line]);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    std::string text = ReadString(section, key, "");
    try {
        return text.empty() ? defaultValue : StrToInt(text);
    } catch (const TError&) {
        return defaultValue;
    }
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line = Trim(key) + "=" + std::string(value.substr(0, MaxValueLength));
    size_t header = FindSection(section);
    if (header == npos) {
        FileLines.push_back("[" + Trim(section) + "]");
        FileLines.push_back(line);
        return;
    }
    size_t existing = FindKey(header, key);
    if (existing != npos) {
        FileLines[existing] = line;
        return;
    }
    // After the section's last non-empty line, so a blank separator line stays between sections.
    size_t at = SectionEnd(header);
    while (at > header + 1 && Trim(FileLines[at - 1]).empty())
        --at;
    FileLines.insert(FileLines.begin() + at, line);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::ClearSection(std::string_view section) {
    size_t header = FindSection(section);
    if (header == npos)
        return;
    size_t end = SectionEnd(header);
    for (size_t i = end; i-- > header + 1;) {
        std::string t = Trim(FileLines[i]);
        if (!t.empty() && t[0] != ';')
            FileLines.erase(FileLines.begin() + i);
    }
    for (size_t later = FindSection(section, SectionEnd(header)); later != npos;
         later = FindSection(section, later))
        FileLines.erase(FileLines.begin() + later, FileLines.begin() + SectionEnd(later));
}

void TIniFile::UpdateFile() const {
    std::string text;
    for (const std::string& line : FileLines)
        text += line + "\r\n";
    WriteFileReplacing(Path, text);
}
