#pragma once
// A private AppDir with a parts folder for one test; empties the part cache around it.

#include "base/FileNames.h"
#include "parts/PartCache.h"
#include "parts/PartFile.h"
#include "support/ErrorMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <string>

class PartFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearDrawClasses();
        std::filesystem::create_directories(Dir / "parts");
        SetAppDir(Dir.string());
    }
    void TearDown() override { ClearDrawClasses(); }

    // Writes a file into the parts folder exactly as given (line ends included).
    void WritePartFile(const std::string& name, const std::string& text) {
        Folder.Write("parts/" + name, text);
    }
    std::string ReadPartFile(const std::string& name) {
        return TTempFolder::Read(Folder.File("parts/" + name));
    }

    TTempFolder Folder;
    const std::filesystem::path& Dir = Folder.Path;
};
