#pragma once
// A private AppDir with a parts folder for one test; empties the part cache around it.

#include "base/FileNames.h"
#include "parts/PartCache.h"
#include "parts/PartFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

class PartFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearDrawClasses();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        Dir = std::filesystem::temp_directory_path() /
              (std::string("tessaryn-") + info->test_suite_name() + "-" + info->name() + "-" +
               std::to_string(getpid()));
        std::filesystem::remove_all(Dir);
        std::filesystem::create_directories(Dir / "parts");
        SetAppDir(Dir.string());
    }
    void TearDown() override {
        ClearDrawClasses();
        std::filesystem::remove_all(Dir);
    }

    // Writes a file into the parts folder exactly as given (line ends included).
    void WritePartFile(const std::string& name, const std::string& text) {
        std::ofstream(Dir / "parts" / name, std::ios::binary) << text;
    }
    std::string ReadPartFile(const std::string& name) {
        std::ifstream in(Dir / "parts" / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path Dir;
};

// The message of the TError (or other exception) that action raises; empty when none.
template <class F> std::string MessageOf(F action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}
