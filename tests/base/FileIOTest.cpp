#include "base/FileIO.h"

#include "support/TempFolder.h"

#include <climits>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

TEST(WriteFileReplacing, PiecesMakeTheFileInOrderHoweverManyThereAre) {
    TTempFolder folder;
    std::string name = folder.Write("rows.bin", "the old content, longer than the new one");
    // More pieces than one system call takes, empty ones among them.
    std::vector<std::string> texts;
    std::string whole;
    for (int i = 0; i < 3 * IOV_MAX + 7; ++i) {
        texts.push_back(i % 5 == 0 ? "" : std::to_string(i) + ",");
        whole += texts.back();
    }
    std::vector<std::string_view> pieces(texts.begin(), texts.end());
    WriteFileReplacing(name, pieces);
    EXPECT_EQ(ReadWholeFile(name), whole);

    WriteFileReplacing(name, std::vector<std::string_view>{});
    EXPECT_EQ(ReadWholeFile(name), "");
}
