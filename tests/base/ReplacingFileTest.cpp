#include "base/ReplacingFile.h"

#include "base/DeferredSync.h"
#include "base/FileIO.h"
#include "support/ErrorMessage.h"
#include "support/TempFolder.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {
int FilesIn(const TTempFolder& folder) {
    return int(std::distance(std::filesystem::directory_iterator(folder.Path), {}));
}
} // namespace

TEST(ReplacingFile, TheOldFileStaysUntilCommitReplacesIt) {
    TTempFolder folder;
    const std::string name = folder.Write("model.txt", "old");
    TReplacingFile file(name);
    EXPECT_TRUE(file.Write(std::string_view("new ")));
    EXPECT_TRUE(file.Write(std::string_view("")));
    EXPECT_TRUE(file.Write(std::vector<std::string_view>{"con", "tent"}));
    EXPECT_EQ(ReadWholeFile(name), "old");
    file.Commit();
    EXPECT_EQ(ReadWholeFile(name), "new content");
    EXPECT_EQ(FilesIn(folder), 1);
}

TEST(ReplacingFile, AnAbandonedWriteLeavesTheOldFileAndNoTemporary) {
    TTempFolder folder;
    const std::string name = folder.Write("model.txt", "old");
    {
        TReplacingFile file(name);
        EXPECT_TRUE(file.Write(std::string_view("half")));
        EXPECT_EQ(FilesIn(folder), 2);
    }
    EXPECT_EQ(ReadWholeFile(name), "old");
    EXPECT_EQ(FilesIn(folder), 1);
}

TEST(ReplacingFile, AFileThatCannotBeMadeFailsEveryWriteAndTheCommit) {
    TTempFolder folder;
    const std::string name = folder.File("missing/model.txt");
    TReplacingFile file(name);
    EXPECT_FALSE(file.Failed());
    EXPECT_FALSE(file.Write(std::string_view("a")));
    EXPECT_FALSE(file.Write(std::vector<std::string_view>{"b"}));
    EXPECT_TRUE(file.Failed());
    const std::string expected = "Cannot create file \"" + name + "\": No such file or directory";
    EXPECT_EQ(MessageOf([&] { file.Fail(); }), expected);
    EXPECT_EQ(MessageOf([&] { file.Commit(); }), expected);
    EXPECT_EQ(FilesIn(folder), 0);
}

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

TEST(DeferredSync, FilesAreInPlaceAtOnceAndAFailureToForceThemIsRaised) {
    TTempFolder folder;
    TDeferredSync sync;
    const std::string first = folder.File("a.png"), second = folder.File("b.png");
    WriteFileReplacing(first, "one", &sync);
    WriteFileReplacing(second, "two", &sync);
    WriteFileReplacing(second, "three", &sync);
    EXPECT_EQ(ReadWholeFile(first), "one");
    EXPECT_EQ(ReadWholeFile(second), "three");
    EXPECT_EQ(FilesIn(folder), 2);
    EXPECT_EQ(MessageOf([&] { sync.Finish(); }), "");

    // A file gone before it could be forced to disk is the command's failure, not a success.
    WriteFileReplacing(first, "again", &sync);
    std::filesystem::remove(first);
    EXPECT_EQ(MessageOf([&] { sync.Finish(); }),
              "Cannot write file \"" + first + "\": No such file or directory");
    EXPECT_EQ(MessageOf([&] { sync.Finish(); }), ""); // nothing left to force
}
