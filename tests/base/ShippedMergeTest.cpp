#include "base/ShippedMerge.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

// Base, mine and newer of a shipped file and the merge, which has no file where both sides
// changed and there is none; each case's folder under base/merge says what it holds, its name's
// first word which shipped file it is.
TEST(ShippedMerge, MergesWhereOnlyOneSideChanged) {
    for (const auto& entry : std::filesystem::directory_iterator(TESSARYN_TEST_DATA "base/merge")) {
        if (!entry.is_directory())
            continue;
        const std::string folder = entry.path().filename().string(),
                          dir = entry.path().string() + "/";
        const std::string name = folder.starts_with("settings")  ? "tessaryn.INI"
                                 : folder.starts_with("mapping") ? "ts2ld.lst"
                                                                 : "parts/parts.dat";
        auto side = [&](const char* file) { return TTempFolder::Read(dir + file); };
        const auto merged = MergeShipped(name, side("base"), side("mine"), side("newer"));
        EXPECT_EQ(merged.value_or("no merge"),
                  std::filesystem::exists(dir + "merged") ? side("merged") : "no merge")
            << folder;
    }
}
