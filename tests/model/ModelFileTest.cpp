#include "model/ModelFile.h"

#include "base/Error.h"
#include "model/BlockList.h"
#include "support/ErrorMessage.h"
#include "support/ModelText.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
std::string OddModel(const std::string& name) {
    return TTempFolder::Read(std::string(TESSARYN_TEST_DATA) + "models/odd/" + name + ".lgo");
}

// The list after reading the text into a new list.
std::unique_ptr<TBlockList> Read(const std::string& text, int octant = 0) {
    auto list = std::make_unique<TBlockList>();
    list->CurrentOctant = octant;
    ReadModelText(*list, text);
    return list;
}
} // namespace

TEST(TokenReaders, NumbersBlanksAndUnreadTokens) {
    EXPECT_TRUE(MatchesTranscript("models/token-reads.txt", [](const std::string& input) {
        const std::string line = input.substr(0, input.find(" | ")),
                          reads = input.substr(line.size() + 3);
        size_t p = 1;
        std::string got;
        const std::string message = MessageOf([&] {
            for (char read : reads) {
                const std::string token =
                    read == 'n' ? std::to_string(ReadInt(line, p, -1)) : ReadToken(line, p, "d");
                got += (got.empty() ? "" : " ") + (token.empty() ? "''" : token);
            }
        });
        return message.empty() ? got : message;
    }));
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\n"), (std::vector<std::string>{"a", "", "b"}));
}

// Odd files read as the file each writes back says: lines ending in any way, a second short
// header resetting what it leaves out, version 0 in studs and plates, a later version leaving
// the box unread, a blank or lower-case kind, a token where a number was, missing trailing
// fields, the ends of 32 bits, only the first 256 characters of a line. The extents skip
// baseplates (none left: the empty box's ends) and start from the first brick; each brick's
// class letter shows that unknown and lower-case kinds are plain bricks.
TEST(ModelFileReader, OddFilesWriteBackTheirReferences) {
    std::string extents;
    for (const char* name :
         {"line-ends", "second-short-header", "version-0-scaled", "header-without-version",
          "later-version-no-box", "odd-lines", "ends-of-32-bits", "long-line", "every-field",
          "baseplate-only", "far-bricks-over-a-baseplate"}) {
        auto list = Read(OddModel(name));
        EXPECT_TRUE(MatchesReferenceText(ModelFileText(*list, HeaderOfList(*list), true),
                                         std::string("models/read-back/") + name + ".lgo"));
        extents += std::string(name) + ":";
        for (int64_t value :
             {list->MinX, list->MinY, list->MinZ, list->SizeX, list->SizeY, list->SizeZ})
            extents += " " + std::to_string(value);
        extents += ", classes ";
        for (const auto& brick : list->Items())
            extents += brick->ClassKind();
        extents += "\n";
    }
    EXPECT_TRUE(MatchesReferenceText(extents, "models/read-back/extents-and-classes.txt"));
    EXPECT_GE(GroupCounter, 4);
    EXPECT_THROW(Read("= 0 0 0 0 0 1 1\nB 2147483648 0 0 20 20 8 1 1 0 0 0 0  0\n"), TError);
}

TEST(ModelFileReader, FailingLineKeepsTheBricksBeforeIt) {
    TBlockList list;
    list.MinX = 123;
    EXPECT_EQ(MessageOf([&] { ReadModelText(list, OddModel("fails-at-a-missing-part")); }),
              "Could not find part/file nopart/nofile.dat");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.MinX, 123); // the load did not finish
    EXPECT_THROW(ReadModelText(list, "B 1 2 3 4 5 6 7 8 -9x\n"), TError);
    EXPECT_EQ(list.Count(), 2);
    TTempFolder folder;
    EXPECT_THROW(list.LoadFromFile(folder.File("absent.lgo")), TError);
    EXPECT_THROW(list.LoadFromFile(folder.Path.string()), TError);
}

// Saved over the file before in every octant, read back as the same bricks, the first octant's
// file byte for byte as read; no save leaves a temporary file behind, not even a failed one.
TEST(ModelFileWriter, SavesReplaceTheFileAndReadBackTheSameBricksInEveryOctant) {
    TTempFolder folder;
    const std::string text = OddModel("every-field");
    const std::string path = folder.Write("round.lgo", "old contents\r\n");
    for (int octant = 0; octant < 8; ++octant) {
        auto list = Read(text, octant);
        SaveModelFile(*list, path, HeaderOfList(*list), true);
        TBlockList back;
        back.CurrentOctant = octant;
        back.LoadFromFile(path);
        EXPECT_EQ(SortedBricks(back), SortedBricks(*list));
        EXPECT_EQ(TTempFolder::Read(path),
                  octant == 0 ? text : ModelFileText(*list, HeaderOfList(*list), true))
            << octant;
    }
    auto files = [](const std::filesystem::path& dir) {
        return std::distance(std::filesystem::directory_iterator(dir), {});
    };
    EXPECT_EQ(files(folder.Path), 1);
    // A folder in the way of the temporary file's rename, and a missing folder: the save fails.
    std::filesystem::create_directories(folder.Path / "sub" / "model.lgo" / "x");
    EXPECT_THROW(SaveModelFile(*Read(text), folder.File("sub/model.lgo"), {}, true), TError);
    EXPECT_THROW(SaveModelFile(*Read(text), folder.File("missing/model.lgo"), {}, true), TError);
    EXPECT_EQ(files(folder.Path / "sub"), 1);
}

TEST(ModelFileWriter, SelectionOnlyAndHeaderValues) {
    auto list = Read("B 0 0 0 1 1 1 1 1 0 0 0\nB 1 0 0 1 1 1 2 1 0 0 0\nB 2 0 0 1 1 1 3 1 0 0 0\n");
    list->Items(0).Selected = list->Items(2).Selected = true;
    EXPECT_EQ(ModelFileText(*list, {-1, 2, 3, 4, 5, 7}, false),
              "= -1 2 3 4 5 7 1\r\nB 40 0 0 20 20 8 3 1 0 0 0 0  0\r\n"
              "B 0 0 0 20 20 8 1 1 0 0 0 0  0\r\n");
}
