#include "base/ShippedMerge.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

// Base, mine and newer of a shipped file and the merge, which has no file where both sides
// changed and there is none.
TEST(ShippedMerge, MergesWhereOnlyOneSideChanged) {
    const std::pair<const char*, const char*> cases[] = {
        // Unchanged pages and keys take the newer settings; the program's own [State] stays.
        {"settings-take-newer-pages", "tessaryn.INI"},
        // Bare carriage returns merge line by line too.
        {"settings-bare-returns", "tessaryn.INI"},
        // The user's pages and keys stay where the newer settings leave them alone.
        {"settings-keep-users-pages", "tessaryn.INI"},
        {"settings-both-changed", "tessaryn.INI"},
        {"settings-both-changed-a-key", "tessaryn.INI"},
        // "[]" opens a section of no name: each side changed another section. Comments stay.
        {"settings-nameless-section", "tessaryn.INI"},
        // Rows the program added follow the newer rows; newer comments alone change nothing.
        {"mapping-added-rows-follow", "ts2ld.lst"},
        {"mapping-both-changed", "ts2ld.lst"},
        {"mapping-newer-comment-only", "ts2ld.lst"},
        {"mapping-lines", "ts2ld.lst"},
        {"part-file-never-merges", "parts/parts.dat"},
    };
    for (auto [folder, name] : cases) {
        const std::string dir = TESSARYN_TEST_DATA "base/merge/" + std::string(folder) + "/";
        auto side = [&](const char* file) { return TTempFolder::Read(dir + file); };
        const auto merged = MergeShipped(name, side("base"), side("mine"), side("newer"));
        EXPECT_EQ(merged.value_or("no merge"),
                  std::filesystem::exists(dir + "merged") ? side("merged") : "no merge")
            << folder;
    }
}
