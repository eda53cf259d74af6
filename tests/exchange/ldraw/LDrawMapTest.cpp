#include "exchange/ldraw/LDrawMap.h"

#include "base/Error.h"
#include "exchange/ldraw/MapTable.h"
#include "model/BlockKinds.h"
#include "parts/DrawClass.h"
#include "support/ErrorMessage.h"
#include "support/ReferenceFile.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<TBlock> Brick(char kind, int sx, int sy, int sz, const std::string& id = "") {
    std::unique_ptr<TBlock> b = NewBlockOfKind(kind);
    b->Create(0, 0, 0, sx, sy, sz, 0xFFFFFF, true, false, false, id);
    return b;
}

struct LoadedMap : ::testing::Test {
    TTempFolder Folder;
    TLDrawMap Map{Folder.Dir()};

    std::string Saved() const { return TTempFolder::Read(Folder.File("ts2ld.lst")); }
    // The row the brick finds as "identity x y z turn", or "none identity".
    std::string Found(TBlock& brick) {
        TLDrawOffsets o{9, 9, 9, 9};
        if (!Map.FindLDrawRecord(brick, o))
            return "none " + brick.PartID;
        return brick.PartID + " " + std::to_string(o.xOffset) + " " + std::to_string(o.yOffset) +
               " " + std::to_string(o.zOffset) + " " + std::to_string(o.RotOffset);
    }
};
} // namespace

TEST(LDrawRecord, ParseReadsWhatFormatWritesWithTheTokenReadersQuirks) {
    EXPECT_TRUE(MatchesTranscript("exchange/ldraw-rows.txt", [](const std::string& row) {
        std::string written;
        MessageOf([&] { written = FormatLDrawRecord(ParseLDrawRecord(row)); });
        return written;
    }));
}

TEST_F(LoadedMap, LoadDropsCommentsAndShortLinesAndSaveForgetsThem) {
    // Lines under 24 characters are comments.
    Folder.Write("ts2ld.lst", "; a comment line that is long enough to be a row\r\n"
                              "B 1 1 3 1 16 0 0 0 0 3005.DAT 0  \n"
                              "a line of 23 characters\r"
                              "B 1 2 3 1 1 0 0 0 0 .DAT\r\n"
                              "B 2 4 3 1 16 0 0 0 0 3001.DAT 0  ");
    Map.Load();
    ASSERT_EQ(Map.Entries().size(), 3u);
    EXPECT_EQ(Map.Entries()[2].Record.PartName, "3001");
    Map.Save();
    EXPECT_EQ(Saved(), "B 1 1 3 1 16 0 0 0 0 3005.DAT 0  \r\n"
                       "B 1 2 3 1 1 0 0 0 0 .DAT\r\n"
                       "B 2 4 3 1 16 0 0 0 0 3001.DAT 0  \r\n");
}

// A missing table is named and a save without one writes nothing; a malformed number stops
// the load.
TEST_F(LoadedMap, MissingOrMalformedTablesStopTheLoad) {
    Map.Save();
    EXPECT_FALSE(std::filesystem::exists(Folder.Dir() + "ts2ld.lst"));
    EXPECT_NE(MessageOf([&] { Map.Load(); }).find(Folder.File("ts2ld.lst")), std::string::npos);
    WriteMapTable(Folder,
                  {"B 1 1 3 1 16 0 0 0 0 3005.DAT 0  ", "B 2 4 3 1 16 0 1O 0 0 3001.DAT 0  "});
    EXPECT_THROW(Map.Load(), TError);
}

// Identity rows come first, whatever the letter case, then shape rows with the sizes in either
// order; a general block matches its definition's file and part. An identity no row has gets a
// row of its own, saved at once (SizeA is the depth, the 3 x 2 slope carries variant 1), which
// the next brick of that identity finds; a shape row that fits, or a blank in the identity,
// cancels the wish for a new row.
TEST_F(LoadedMap, BricksFindRowsByIdentityThenShape) {
    const std::string rows =
        "B 2 4 1 1 16 0 0 0 0 3020.DAT 0  \r\nB 2 4 3 0 16 0 0 0 0 nostud.DAT 0  \r\n"
        "B 2 4 3 1 16 1 2 3 4 3001.DAT 0  \r\nB 2 2 3 1 16 0 0 0 0 3003.DAT 0  \r\n"
        "B 2 2 3 1 16 0 5 0 0 Special.DAT 0  \r\nG 2 2 3 1 16 0 4 0 1 3003.DAT 0 parts.dat "
        "stdblock\r\n";
    Folder.Write("ts2ld.lst", rows);
    Map.Load();
    auto slope = [](int sx, int sy) {
        auto b = Brick('T', sx, sy, 3, "3038");
        b->Studs = false;
        b->Variant = 1; // a 3 x 2 slope, the second turned
        return b;
    };
    TDrawClass definition;
    definition.FileName = "PARTS.DAT";
    definition.PartName = "StdBlock";
    auto general = [&](const std::string& id) {
        auto b = Brick('G', 2, 2, 3, id);
        b->Definition = &definition;
        return b;
    };
    struct TCase {
        std::unique_ptr<TBlock> Brick;
        const char* Answer;
    } cases[] = {
        {Brick('B', 2, 4, 3), "3001 1 2 3 4"},
        {Brick('B', 4, 2, 3), "3001 1 2 3 4"},
        {Brick('R', 2, 4, 3), "none "},
        {Brick('B', 2, 2, 3, "SPECIAL"), "Special 0 5 0 0"},
        {Brick('B', 2, 2, 3, "mine"), "3003 0 0 0 0"},
        {Brick('B', 1, 1, 3, "my part"), "none my part"},
        {slope(3, 2), "3038 0 0 0 0"},
        {slope(2, 3), "3038 0 0 0 0"},
        {general(""), "3003 0 4 0 1"},
        {general("xyz"), "xyz 0 4 0 1"},
        {Brick('G', 2, 2, 3), "none "},
    };
    for (TCase& c : cases)
        EXPECT_EQ(Found(*c.Brick), c.Answer) << c.Brick->SaveToString();
    EXPECT_EQ(Saved(), rows + "T 2 3 3 0 16 0 0 0 0 3038.DAT 1  \r\n"
                              "G 2 2 3 1 16 0 4 0 1 xyz.DAT 0 PARTS.DAT StdBlock\r\n");
}
