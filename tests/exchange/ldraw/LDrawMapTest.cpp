#include "exchange/ldraw/LDrawMap.h"

#include "base/Error.h"
#include "exchange/ldraw/MapTable.h"
#include "model/BlockKinds.h"
#include "parts/DrawClass.h"
#include "support/ErrorMessage.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<TBlock> Brick(char kind, int sx, int sy, int sz, const std::string& id = "") {
    std::unique_ptr<TBlock> b = NewBlockOfKind(kind);
    b->Create(0, 0, 0, sx, sy, sz, 0xFFFFFF, true, false, false, id);
    return b;
}

// A mapping table of the given rows in a fresh folder, loaded.
struct LoadedMap : ::testing::Test {
    TTempFolder folder;
    TLDrawMap map{folder.Dir()};
    TLDrawOffsets o;

    void Load(std::initializer_list<std::string> rows) {
        WriteMapTable(folder, rows);
        map.Load();
    }
    std::string Saved() const { return TTempFolder::Read(folder.File("ts2ld.lst")); }
};
} // namespace

TEST(LDrawRecord, FormatWritesTheRowLayout) {
    TLDrawRecord r;
    r.Kind = 'B';
    r.SizeA = 2, r.SizeB = 4, r.Plates = 3, r.HasStuds = 1, r.LDrawColour = 16;
    r.xOffset = -1, r.yOffset = 2, r.zOffset = 3, r.RotOffset = 5;
    r.PartName = "3001";
    EXPECT_EQ(FormatLDrawRecord(r), "B 2 4 3 1 16 -1 2 3 5 3001.DAT 0  ");
    r.Kind = 'G', r.DefFile = "parts.dat", r.DefPart = "arch", r.Variant = 2;
    EXPECT_EQ(FormatLDrawRecord(r), "G 2 4 3 1 16 -1 2 3 5 3001.DAT 2 parts.dat arch");
}

TEST(LDrawRecord, ParseReadsWhatFormatWrote) {
    const std::string row = "G 1 2 3 1 16 -10 4 0 5 3062b.DAT 7 parts.dat round";
    TLDrawRecord r = ParseLDrawRecord(row);
    EXPECT_EQ(r.Kind, 'G');
    EXPECT_EQ(r.xOffset, -10);
    EXPECT_EQ(r.PartName, "3062b");
    EXPECT_EQ(r.Variant, 7);
    EXPECT_EQ(r.DefPart, "round");
    EXPECT_EQ(FormatLDrawRecord(r), row);
}

TEST(LDrawRecord, ParseQuirksOfTheTokenReader) {
    // A word where a number belongs yields 0 and is offered to the next read.
    TLDrawRecord r = ParseLDrawRecord("B 2 4 3 1 16 0 0 0 wheel2.DAT 0  ");
    EXPECT_EQ(r.RotOffset, 0);
    EXPECT_EQ(r.PartName, "wheel2");
    EXPECT_EQ(r.DefFile, "");
    // A part number in a number's place is read as a number, and it is none.
    EXPECT_THROW(ParseLDrawRecord("B 2 4 3 1 16 0 0 0 3001.DAT 0  "), TError);
    // The extension is cut by length, whatever it is; short names become empty.
    EXPECT_EQ(ParseLDrawRecord("B 1 1 3 1 16 0 0 0 0 3005.xy 0").PartName, "300");
    EXPECT_EQ(ParseLDrawRecord("B 1 1 3 1 16 0 0 0 0 .DAT 0").PartName, "");
    EXPECT_THROW(ParseLDrawRecord("B 2 4x 3 1 16 0 0 0 0 3001.DAT 0"), TError);
    EXPECT_THROW(ParseLDrawRecord("B 2 4 3 1 16 0 0 - 0 3001.DAT 0"), TError);
}

TEST_F(LoadedMap, LoadDropsCommentsAndShortLinesAndSaveForgetsThem) {
    // Lines under 24 characters are comments.
    folder.Write("ts2ld.lst", "; a comment line that is long enough to be a row\r\n"
                              "B 1 1 3 1 16 0 0 0 0 3005.DAT 0  \n"
                              "a line of 23 characters\r"
                              "B 1 2 3 1 1 0 0 0 0 .DAT\r\n"
                              "B 2 4 3 1 16 0 0 0 0 3001.DAT 0  ");
    map.Load();
    ASSERT_EQ(map.Entries().size(), 3u);
    EXPECT_EQ(map.Entries()[2].Record.PartName, "3001");
    map.Save();
    EXPECT_EQ(Saved(), "B 1 1 3 1 16 0 0 0 0 3005.DAT 0  \r\n"
                       "B 1 2 3 1 1 0 0 0 0 .DAT\r\n"
                       "B 2 4 3 1 16 0 0 0 0 3001.DAT 0  \r\n");
}

TEST_F(LoadedMap, MissingFileNamesItAndSaveWithoutTableWritesNothing) {
    map.Save();
    EXPECT_FALSE(std::filesystem::exists(folder.Dir() + "ts2ld.lst"));
    EXPECT_NE(MessageOf([&] { map.Load(); }).find(folder.File("ts2ld.lst")), std::string::npos);
}

TEST_F(LoadedMap, MalformedNumberStopsTheLoad) {
    EXPECT_THROW(Load({"B 1 1 3 1 16 0 0 0 0 3005.DAT 0  ", "B 2 4 3 1 16 0 1O 0 0 3001.DAT 0  "}),
                 TError);
}

TEST_F(LoadedMap, ShapeRowsMatchSizesInEitherOrder) {
    Load({"B 2 4 1 1 16 0 0 0 0 3020.DAT 0  ", "B 2 4 3 0 16 0 0 0 0 nostud.DAT 0  ",
          "B 2 4 3 1 16 1 2 3 4 3001.DAT 0  "});
    for (auto [sx, sy] : {std::pair{2, 4}, std::pair{4, 2}}) {
        auto b = Brick('B', sx, sy, 3);
        ASSERT_TRUE(map.FindLDrawRecord(*b, o));
        EXPECT_EQ(b->PartID, "3001");
        EXPECT_EQ((std::pair{o.xOffset, o.RotOffset}), (std::pair{1, 4}));
    }
    auto other = Brick('R', 2, 4, 3);
    EXPECT_FALSE(map.FindLDrawRecord(*other, o));
    EXPECT_EQ(other->PartID, "");
    EXPECT_EQ(map.Entries().size(), 3u);
}

TEST_F(LoadedMap, IdentityPassComesFirstAndIgnoresLetterCase) {
    Load({"B 2 2 3 1 16 0 0 0 0 3003.DAT 0  ", "B 2 2 3 1 16 0 5 0 0 Special.DAT 0  "});
    auto b = Brick('B', 2, 2, 3, "SPECIAL");
    ASSERT_TRUE(map.FindLDrawRecord(*b, o));
    EXPECT_EQ(b->PartID, "Special");
    EXPECT_EQ(o.yOffset, 5);
}

TEST_F(LoadedMap, UnknownIdentityAddsARowAndSavesAtOnce) {
    Load({"; shipped rows", "B 2 2 3 1 16 0 0 0 0 3003.DAT 0  "});
    auto b = Brick('T', 3, 2, 3, "3038");
    b->Studs = false;
    o = {9, 9, 9, 9};
    ASSERT_TRUE(map.FindLDrawRecord(*b, o));
    EXPECT_EQ(b->PartID, "3038");
    EXPECT_EQ(o.xOffset + o.yOffset + o.zOffset + o.RotOffset, 0);
    // SizeA is the depth (sy), SizeB the width (sx); the 3 x 2 slope carries variant 1.
    EXPECT_EQ(Saved(), "B 2 2 3 1 16 0 0 0 0 3003.DAT 0  \r\n"
                       "T 2 3 3 0 16 0 0 0 0 3038.DAT 1  \r\n");
    // The next brick of that identity finds the new row instead of adding another.
    auto again = Brick('T', 2, 3, 3, "3038");
    again->Studs = false;
    again->Variant = 1;
    EXPECT_TRUE(map.FindLDrawRecord(*again, o));
    EXPECT_EQ(map.Entries().size(), 2u);
}

TEST_F(LoadedMap, ShapeRowCancelsTheWishForANewRow) {
    Load({"B 2 2 3 1 16 0 0 0 0 3003.DAT 0  "});
    auto b = Brick('B', 2, 2, 3, "mine");
    ASSERT_TRUE(map.FindLDrawRecord(*b, o));
    EXPECT_EQ(b->PartID, "3003");
    EXPECT_EQ(map.Entries().size(), 1u);
}

TEST_F(LoadedMap, GeneralBlocksMatchByDefinitionAndKeepTheWishForANewRow) {
    Load({"G 2 2 3 1 16 0 4 0 1 3003.DAT 0 parts.dat stdblock"});
    TDrawClass definition;
    definition.FileName = "PARTS.DAT";
    definition.PartName = "StdBlock";
    auto b = Brick('G', 2, 2, 3);
    b->Definition = &definition;
    ASSERT_TRUE(map.FindLDrawRecord(*b, o));
    EXPECT_EQ(b->PartID, "3003");
    EXPECT_EQ(o.yOffset, 4);

    b->PartID = "xyz";
    ASSERT_TRUE(map.FindLDrawRecord(*b, o));
    EXPECT_EQ(b->PartID, "xyz");
    EXPECT_EQ(o.RotOffset, 1);
    EXPECT_EQ(map.Entries().back().Text, "G 2 2 3 1 16 0 4 0 1 xyz.DAT 0 PARTS.DAT StdBlock");

    b->Definition = nullptr;
    b->PartID.clear();
    EXPECT_FALSE(map.FindLDrawRecord(*b, o));
}

TEST_F(LoadedMap, AnIdentityWithABlankAddsNoRow) {
    Load({"B 2 2 3 1 16 0 0 0 0 3003.DAT 0  "});
    auto b = Brick('B', 1, 1, 3, "my part");
    EXPECT_FALSE(map.FindLDrawRecord(*b, o));
    EXPECT_EQ(b->PartID, "my part");
    EXPECT_EQ(Saved(), "B 2 2 3 1 16 0 0 0 0 3003.DAT 0  \r\n");
}
