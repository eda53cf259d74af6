#pragma once
// Whole outputs compared byte for byte with committed reference files under tests/data/. A
// missing reference, or TESSARYN_WRITE_REFERENCES=1 in the environment, writes the reference
// instead; a missing one also fails the test, so that references are only made on purpose.

#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

inline std::string ReferencePath(const std::string& name) {
    return std::string(TESSARYN_TEST_DATA) + name;
}

// True when the reference is there to compare with; otherwise write it.
inline bool ReferenceToCompare(const std::string& name, const std::string& path,
                               const auto& write) {
    const char* rewrite = std::getenv("TESSARYN_WRITE_REFERENCES");
    const bool missing = !std::filesystem::exists(path);
    if (!missing && !(rewrite && std::string(rewrite) == "1"))
        return true;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    write();
    if (missing)
        ADD_FAILURE() << "wrote the missing reference " << name << "; check and commit it";
    return false;
}

inline void ExpectReferenceText(const std::string& name, const std::string& actual) {
    const std::string path = ReferencePath(name);
    if (!ReferenceToCompare(name, path, [&] { std::ofstream(path, std::ios::binary) << actual; }))
        return;
    const std::string expected = TTempFolder::Read(path);
    if (expected == actual)
        return;
    const size_t at =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first -
        expected.begin();
    // No line end before it gives npos + 1, the first line.
    const size_t lineStart = at == 0 ? 0 : expected.rfind('\n', at - 1) + 1;
    auto lineOf = [&](const std::string& text) {
        return text.substr(lineStart, text.find('\n', lineStart) - lineStart);
    };
    ADD_FAILURE() << name << " differs at byte " << at << ", line "
                  << std::count(expected.begin(), expected.begin() + lineStart, '\n') + 1
                  << "\n  reference: " << lineOf(expected) << "\n  output:    " << lineOf(actual);
}

// Pictures are kept as PNG through our own codec and compared pixel by pixel.
inline void ExpectReferencePicture(const std::string& name, const TBitmap& actual) {
    const std::string path = ReferencePath(name);
    if (!ReferenceToCompare(name, path,
                            [&] { WritePictureFile(actual, path, TPictureFormat::Png); }))
        return;
    TBitmap expected;
    ReadPictureFile(path, expected);
    ASSERT_EQ(std::pair(actual.Width(), actual.Height()),
              std::pair(expected.Width(), expected.Height()))
        << name << ": size";
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            ASSERT_EQ(actual.Pixel(x, y), expected.Pixel(x, y))
                << name << " differs first at pixel " << x << "," << y;
}
