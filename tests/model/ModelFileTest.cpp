#include "model/ModelFile.h"

#include "base/Error.h"
#include "model/BlockKinds.h"
#include "model/BlockList.h"
#include "support/ErrorMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> TextForms(const TBlockList& list) {
    std::vector<std::string> forms;
    for (const auto& brick : list.Items())
        forms.push_back(brick->SaveToString());
    return forms;
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
    std::string s = "12 -3 abc 007  x";
    size_t p = 1;
    EXPECT_EQ(ReadInt(s, p, 0), 12);
    EXPECT_EQ(ReadInt(s, p, 0), -3);
    EXPECT_EQ(ReadInt(s, p, 9), 9); // "abc" is not consumed...
    EXPECT_EQ(ReadInt(s, p, 8), 8);
    EXPECT_EQ(ReadToken(s, p, "d"), "abc"); // ...until a token read takes it
    EXPECT_EQ(ReadInt(s, p, 0), 7);
    EXPECT_EQ(ReadToken(s, p, "d"), ""); // the double blank is an empty token
    EXPECT_EQ(ReadToken(s, p, "d"), "x");
    EXPECT_EQ(ReadToken(s, p, "d"), "d");
    EXPECT_EQ(ReadInt(s, p, 5), 5);

    std::string bad = "-";
    p = 1;
    EXPECT_THROW(ReadInt(bad, p, 0), TError);
    std::string huge = "4294967296";
    p = 1;
    EXPECT_THROW(ReadInt(huge, p, 0), TError);
    std::string plus = "+5";
    p = 1;
    EXPECT_EQ(ReadInt(plus, p, 1), 1);
}

TEST(ModelFileReader, LineEndsOfEveryKindAndEmptyLines) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\n"), (std::vector<std::string>{"a", "", "b"}));

    auto list = Read("= 1 2 3 4 5 0 1\rB 0 0 0 20 20 8 1 1 0 0 0 0  0\n\n"
                     "B 20 0 0 20 20 8 2 1 0 0 0 0  0\r\n\r\nB 40 0 0 20 20 8 3 1 0 0 0 0  0");
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->FileRotX, 1);
    EXPECT_EQ(list->FileStuds, 0);
}

TEST(ModelFileReader, HeaderFieldsFullAndPartial) {
    auto list = Read("= 10 20 30 40 50 1 1\n");
    EXPECT_EQ(HeaderOfList(*list).OffsetY, 50);
    EXPECT_EQ(list->Version, 1);
    EXPECT_EQ(list->SortedOctant, -2);

    list->FileScaleBar = 77;
    ReadModelText(*list, "=  10 20 \n");
    EXPECT_EQ(list->FileRotX, 10);
    EXPECT_EQ(list->FileRotZ, 20);
    EXPECT_EQ(list->FileScaleBar, 0);
    EXPECT_EQ(list->Version, 0);
}

TEST(ModelFileReader, VersionZeroScalesStudsAndPlates) {
    auto list = Read("B 1 2 3 2 4 3 255 1 0 0 0\n");
    ASSERT_EQ(list->Count(), 1);
    EXPECT_EQ(list->Items(0).SaveToString(), "B:20:40:24:40:80:24:255:1:0:0:0:0::0");

    // A header without a version keeps version 0; one with a later version leaves the box unread.
    EXPECT_EQ(Read("= 0 0 0 0 0 1\nB 1 1 1 1 1 1 2\n")->Items(0).SX, 20);
    EXPECT_EQ(Read("= 0 0 0 0 0 1 2\nB 255 1 1 0 0 3\n")->Items(0).SaveToString(),
              "B:0:0:0:0:0:0:255:1:1:0:0:3::0");
}

TEST(ModelFileReader, OddLinesReadAsThePinnedReadingsSay) {
    auto list = Read("= 0 0 0 0 0 1 1\n"
                     " 0 0 0 20 20 8 255 1 0 0 0 0 id 1\n" // blank kind
                     "   \n"                               // a line of blanks is a brick
                     "t 0 0 100 40 60 24 1 1 0 1 0 0  2\n" // lowercase: plain brick, kind t
                     "Z 0 0 200 20 20 8 007 1 0 0 0 4 x 3\n"
                     "B 0 0 300 20 20 8 5 1 0 0 0 abc 9\n" // the token goes to PartID
                     "B 0 0 400 20 20 8 6 1\n");           // missing trailing fields
    ASSERT_EQ(list->Count(), 6);
    std::vector<std::string> forms = TextForms(*list);
    std::sort(forms.begin(), forms.end());
    EXPECT_EQ(forms, (std::vector<std::string>{
                         "B:0:0:0:0:0:0:0:0:0:0:0:0::0",
                         "B:0:0:0:20:20:8:255:1:0:0:0:0:id:1",
                         "B:0:0:300:20:20:8:5:1:0:0:0:0:abc:9",
                         "B:0:0:400:20:20:8:6:1:0:0:0:0::0",
                         "Z:0:0:200:20:20:8:7:1:0:0:0:4:x:3",
                         "t:0:0:100:40:60:24:1:1:0:1:0:0::2",
                     }));
    for (const auto& brick : list->Items()) {
        if (brick->Kind == 't' || brick->Kind == 'Z') {
            EXPECT_EQ(typeid(*brick), typeid(TBlock));
        }
    }
    EXPECT_GE(GroupCounter, 4);
}

TEST(ModelFileReader, SlopeVariantAndBigValues) {
    auto list = Read("= 0 0 0 0 0 1 1\nT 0 0 0 40 60 24 1 1 0 3 0 0  0\n");
    EXPECT_EQ(list->Items(0).Variant, 1);
    list = Read("= 0 0 0 0 0 1 1\nB -2147483648 0 0 2147483647 20 8 1 1 0 0 0 0  0\n");
    EXPECT_EQ(list->MinX, INT32_MIN);
    EXPECT_EQ(list->SizeX, INT32_MAX);
    list = Read("= 0 0 0 0 0 1 1\nB 2147483647 0 0 2147483647 20 8 1 1 0 0 0 0  0\n");
    EXPECT_EQ(list->SizeX, INT32_MAX); // far face beyond 32 bits, exact
    EXPECT_THROW(Read("= 0 0 0 0 0 1 1\nB 2147483648 0 0 20 20 8 1 1 0 0 0 0  0\n"), TError);
}

TEST(ModelFileReader, OnlyTheFirst256CharactersOfALineCount) {
    auto list = Read("B 0 0 0 1 1 1 1 1 0 0 0 0 " + std::string(300, 'p') + " 5\n");
    EXPECT_EQ(list->Items(0).PartID, std::string(230, 'p'));
    EXPECT_EQ(list->Items(0).Step, 0);
}

TEST(ModelFileReader, ExtentsSkipBaseplatesAndStartFromTheFirstBrick) {
    auto list = Read("= 0 0 0 0 0 1 1\n"
                     "B -160 -80 -8 320 160 8 1 1 1 0 0 0 3865 0\n"
                     "B 200000 300000 400000 20 40 24 1 1 0 0 0 0  0\n"
                     "B 200020 300000 400000 20 40 24 1 1 0 0 0 0  0\n");
    EXPECT_EQ(
        (std::array{list->MinX, list->MinY, list->MinZ, list->SizeX, list->SizeY, list->SizeZ}),
        (std::array<int64_t, 6>{200000, 300000, 400000, 40, 40, 24}));

    list = Read("= 0 0 0 0 0 1 1\nB -160 -80 -8 320 160 8 1 1 1 0 0 0 3865 0\n");
    EXPECT_EQ(list->MinX, 99999);
    EXPECT_EQ(list->SizeZ, -199998);
}

TEST(ModelFileReader, FailingLineKeepsTheBricksBeforeIt) {
    TBlockList list;
    list.MinX = 123;
    EXPECT_EQ(MessageOf([&] {
                  ReadModelText(list, "= 0 0 0 0 0 1 1\nB 0 0 0 20 20 8 1 1 0 0 0 0  0\n"
                                      "B 20 0 0 20 20 8 1 1 0 0 0 0  0\n"
                                      "G 0 0 0 0 0 0 1 1 0 0 0 nofile.dat nopart 0  0\n"
                                      "B 40 0 0 20 20 8 1 1 0 0 0 0  0\n");
              }),
              "Could not find part/file nopart/nofile.dat");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.MinX, 123); // the load did not finish
    EXPECT_THROW(ReadModelText(list, "B 1 2 3 4 5 6 7 8 -9x\n"), TError);
    EXPECT_EQ(list.Count(), 2);
}

TEST(ModelFileReader, MissingFileIsAnError) {
    TBlockList list;
    TTempFolder folder;
    EXPECT_THROW(list.LoadFromFile(folder.File("absent.lgo")), TError);
    EXPECT_THROW(list.LoadFromFile(folder.Path.string()), TError);
}

TEST(ModelFileWriter, WritesCrLfAndReadsBackTheSameBricks) {
    TTempFolder folder;
    const std::string text = "= 70 30 10 0 0 1 1\r\n"
                             "B -160 -80 -8 320 160 8 8421504 1 1 0 0 0 3865 0\r\n"
                             "W 0 0 0 40 20 48 255 1 0 1 1 2  0\r\n"
                             "T 0 40 0 40 60 24 16777215 0 0 1 0 0 x 3\r\n";
    for (int octant = 0; octant < 8; ++octant) {
        auto list = Read(text, octant);
        TModelHeader header = HeaderOfList(*list);
        std::string path = folder.File("round.lgo");
        SaveModelFile(*list, path, header, true);
        TBlockList back;
        back.CurrentOctant = octant;
        back.LoadFromFile(path);
        EXPECT_EQ(TextForms(back), TextForms(*list));
        EXPECT_EQ(TTempFolder::Read(path), ModelFileText(*list, header, true));
        if (octant == 0) {
            EXPECT_EQ(TTempFolder::Read(path), text);
        }
    }
}

TEST(ModelFileWriter, SelectionAndHeaderValues) {
    auto list = Read("B 0 0 0 1 1 1 1 1 0 0 0\nB 1 0 0 1 1 1 2 1 0 0 0\nB 2 0 0 1 1 1 3 1 0 0 0\n");
    list->Items(0).Selected = true;
    list->Items(2).Selected = true;
    TModelHeader header{-1, 2, 3, 4, 5, 7};
    std::string text = ModelFileText(*list, header, false);
    EXPECT_EQ(text.substr(0, text.find('\r')), "= -1 2 3 4 5 7 1");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
}

TEST(ModelFileWriter, FailedSaveLeavesTheOldFile) {
    TTempFolder folder;
    std::string path = folder.Write("model.lgo", "old contents\r\n");
    TBlockList list;
    list.Add(CreateFromString("B:0:0:0:20:20:8:1:1:0:0:0:0::0"));
    // A folder in the way of the temporary file's rename: the write fails.
    std::filesystem::path blocked = folder.Path / "sub";
    std::filesystem::create_directories(blocked / "model.lgo" / "x");
    EXPECT_THROW(SaveModelFile(list, (blocked / "model.lgo").string(), {}, true), TError);
    EXPECT_THROW(SaveModelFile(list, folder.File("missing/model.lgo"), {}, true), TError);
    EXPECT_EQ(TTempFolder::Read(path), "old contents\r\n");
    SaveModelFile(list, path, {}, true);
    EXPECT_EQ(TTempFolder::Read(path), "= 0 0 0 0 0 1 1\r\nB 0 0 0 20 20 8 1 1 0 0 0 0  0\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path),
                            std::filesystem::directory_iterator()),
              2); // no temporary file left behind
}
