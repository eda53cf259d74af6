#pragma once
// A settings file with profile-string semantics: case-insensitive sections and keys, values
// of at most 2047 characters, comments and unknown sections kept as they are.

#include <string>
#include <string_view>
#include <vector>

class TIniFile {
public:
    static constexpr size_t MaxValueLength = 2047;

    // Reads the file; a missing file is an empty one.
    explicit TIniFile(std::string fileName);

    const std::string& FileName() const { return Path; }
    // The file's lines as read or edited, without line ends.
    const std::vector<std::string>& Lines() const { return FileLines; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The default also when the value is not a decimal integer.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // Empties the first section of that name of everything but comments and blank lines, keeping
    // its header where it stands, so that the section is written again in its place; later
    // sections of the same name go.
    void ClearSection(std::string_view section);

    // Writes the lines with CR LF through a temporary file renamed over the old one; raises
    // TError when that fails, leaving the old file whole.
    void UpdateFile() const;

private:
    std::string Path;
    std::vector<std::string> FileLines;

    // Index of the first "[section]" line from the given line on, or npos.
    size_t FindSection(std::string_view section, size_t from = 0) const;
    // One past the last line of the section that starts at the given header index.
    size_t SectionEnd(size_t header) const;
    size_t FindKey(size_t header, std::string_view key) const;
};
