#include "support/ReferenceFile.h"

#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <sstream>

namespace {

std::string PathOf(const std::string& name) {
    return std::string(TESSARYN_TEST_DATA) + name;
}

bool Rewriting() {
    const char* value = std::getenv("TESSARYN_WRITE_REFERENCES");
    return value && std::string(value) == "1";
}

// Writes through the given writer when asked to or when the reference is missing; the result
// says whether the comparison should be skipped and how it ends.
template <class Write>
bool WroteReference(const std::string& name, Write write, ::testing::AssertionResult& result) {
    const std::string path = PathOf(name);
    const bool missing = !std::filesystem::exists(path);
    if (!missing && !Rewriting())
        return false;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    write(path);
    result = missing ? ::testing::AssertionFailure()
                           << "reference " << name << " was missing; wrote it, check and commit it"
                     : ::testing::AssertionSuccess();
    return true;
}

std::string Hex(TColour colour) {
    std::ostringstream text;
    text << "0x" << std::hex << std::setw(6) << std::setfill('0') << colour;
    return text.str();
}

// The 1-based line holding byte offset and that line's text.
std::pair<int, std::string> LineAt(const std::string& text, std::size_t offset) {
    offset = std::min(offset, text.size());
    const std::size_t start = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t begin = start == std::string::npos || offset == 0 ? 0 : start + 1;
    const std::size_t end = std::min(text.find('\n', begin), text.size());
    return {int(std::count(text.begin(), text.begin() + offset, '\n')) + 1,
            text.substr(begin, end - begin)};
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\t'   ? "\\t"
               : c == '\n' ? "\\n"
               : c == '\r' ? "\\r"
               : c == '\\' ? "\\\\"
                           : std::string(1, c);
    return out;
}

std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

} // namespace

::testing::AssertionResult MatchesReferencePicture(const TBitmap& picture,
                                                   const std::string& name) {
    TBitmap actual;
    CopyAs32Bit(picture, actual);
    auto result = ::testing::AssertionSuccess();
    if (WroteReference(
            name, [&](const std::string& path) { WritePictureFile(actual, path); }, result))
        return result;

    TBitmap expected;
    ReadPictureFile(PathOf(name), expected);
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
        return ::testing::AssertionFailure()
               << name << ": picture is " << actual.Width() << "x" << actual.Height()
               << ", reference " << expected.Width() << "x" << expected.Height();
    int differing = 0;
    std::string first;
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            if (actual.Pixel(x, y) != expected.Pixel(x, y) && differing++ == 0)
                first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                        Hex(actual.Pixel(x, y)) + ", reference " + Hex(expected.Pixel(x, y));
    if (differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << name << ": " << differing << " pixels differ, the first at " << first;
}

::testing::AssertionResult MatchesReferenceText(const std::string& text, const std::string& name) {
    auto result = ::testing::AssertionSuccess();
    if (WroteReference(
            name, [&](const std::string& path) { std::ofstream(path, std::ios::binary) << text; },
            result))
        return result;

    std::ifstream in(PathOf(name), std::ios::binary);
    const std::string expected(std::istreambuf_iterator<char>(in), {});
    if (expected == text)
        return ::testing::AssertionSuccess();
    const std::size_t offset =
        std::mismatch(text.begin(), text.end(), expected.begin(), expected.end()).first -
        text.begin();
    const auto [line, actualLine] = LineAt(text, offset);
    return ::testing::AssertionFailure()
           << name << ": first difference at byte " << offset << ", line " << line << ":\n  got  \""
           << actualLine << "\"\n  want \"" << LineAt(expected, offset).second << "\"";
}

::testing::AssertionResult
MatchesTranscript(const std::string& name,
                  const std::function<std::string(const std::string&)>& answer) {
    std::ifstream in(PathOf(name), std::ios::binary);
    if (!in)
        return ::testing::AssertionFailure() << "table " << name << " is missing";
    std::string text;
    for (std::string line; std::getline(in, line);) {
        const std::size_t arrow = line.find(" => ");
        if (line.empty() || line[0] == '#' || arrow == std::string::npos)
            text += line + "\n";
        else
            text += line.substr(0, arrow) + " => " +
                    Escaped(answer(Unescaped(line.substr(0, arrow)))) + "\n";
    }
    return MatchesReferenceText(text, name);
}

std::string JoinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string ReplacedAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}
