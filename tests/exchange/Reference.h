#pragma once
// Whole outputs compared byte for byte with committed reference files under tests/data/. A
// missing reference, or TESSARYN_WRITE_REFERENCES=1 in the environment, writes the reference
// instead, so that references are only ever regenerated on purpose.

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

// True when the caller is to compare; otherwise the reference was (re)written, and a missing
// one fails the test so that nobody mistakes a first run for a passing one.
inline bool ReferenceToCompare(const std::string& name, const std::string& path) {
    const char* write = std::getenv("TESSARYN_WRITE_REFERENCES");
    bool missing = !std::filesystem::exists(path);
    if (!missing && !(write && std::string(write) == "1"))
        return true;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ADD_FAILURE_AT(__FILE__, __LINE__)
        << (missing ? "wrote the missing reference " : "rewrote ") << name;
    return false;
}

inline void ExpectReferenceText(const std::string& name, const std::string& actual) {
    const std::string path = ReferencePath(name);
    if (!ReferenceToCompare(name, path)) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    const std::string expected = TTempFolder::Read(path);
    if (expected == actual)
        return;
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    size_t lineStart = expected.rfind('\n', at == 0 ? 0 : at - 1);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
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
    if (!ReferenceToCompare(name, path)) {
        WritePictureFile(actual, path, TPictureFormat::Png);
        return;
    }
    TBitmap expected;
    ReadPictureFile(path, expected);
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) {
        ADD_FAILURE() << name << " is " << actual.Width() << " x " << actual.Height()
                      << ", the reference " << expected.Width() << " x " << expected.Height();
        return;
    }
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            if (expected.Pixel(x, y) != actual.Pixel(x, y)) {
                ADD_FAILURE() << name << " differs first at pixel " << x << "," << y << ": "
                              << std::hex << actual.Pixel(x, y) << " for " << expected.Pixel(x, y);
                return;
            }
}
