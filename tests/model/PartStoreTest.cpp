// Names typed for a new part, and storing a definition: its file, the cache, the bricks.
#include "model/PartStore.h"

#include "base/Error.h"
#include "model/BlockList.h"
#include "model/GeneralBlock.h"
#include "parts/DrawClass.h"
#include "parts/PartNameChecks.h"
#include "parts/PartTestSupport.h"
#include "support/ReferenceFile.h"

namespace {
const char* Wedge = "[wedge]\r\nNP=1\r\nBB=20,20,8\r\n"
                    "P1=4, 1, 0,0,8, 20,0,8, 20,20,8, 0,20,8\r\nQ1=1 ,1\r\nTS=1,0\r\nBS=0,0\r\n";

TDrawClass NewShape(const std::string& file, const std::string& part) {
    TDrawClass d = ThreeFaces();
    d.FileName = file, d.PartName = part;
    return d;
}
} // namespace

using PartStoreTest = PartFolderTest;

TEST_F(PartStoreTest, BadNamesAreRefusedWithTheirMessage) {
    EXPECT_TRUE(
        MatchesTranscript("models/new-part-names.txt", [](const std::string& names) -> std::string {
            const std::size_t slash = names.find(" / ");
            return MessageOf(
                [&] { CheckNewPartNames(names.substr(0, slash), names.substr(slash + 3)); });
        }));
    EXPECT_EQ(TypedPartName("wedge2|3040"), "wedge2");
}

TEST_F(PartStoreTest, TakenNamesAreFoundInTheFileTheirOwnFileAndTheCache) {
    WritePartFile("userblks.dat", Wedge);
    EXPECT_TRUE(PartNameTaken("userblks.dat", "WEDGE"));
    EXPECT_FALSE(PartNameTaken("userblks.dat", "ramp"));
    WritePartFile("ramp.tsp", "[ramp]\r\nNP=0\r\n");
    EXPECT_TRUE(PartNameTaken("userblks.dat", "ramp"));
    TDrawClass slab = NewShape("other.dat", "slab");
    StorePartDefinition(slab);
    EXPECT_TRUE(PartNameTaken("other.dat", "slab"));
    // Another file's part of that name would be shadowed by the new part's own file.
    WritePartFile("parts.dat", "[arch]\r\nNP=0\r\n");
    EXPECT_TRUE(PartNameTaken("userblks.dat", "Arch"));
    EXPECT_TRUE(PartNameTaken("userblks.dat", "SLAB"));
}

TEST_F(PartStoreTest, ANewPartIsWrittenToItsOwnFileAndRegistered) {
    TDrawClass working = NewShape("userblks.dat", "slab");
    TDrawClass& cached = StorePartDefinition(working);
    EXPECT_NE(&cached, &working);
    EXPECT_EQ(FindDrawClass("userblks.dat", "slab"), &cached);
    EXPECT_FALSE(cached.Modified);
    // Read back through the reader it equals what was stored, and is not written again at exit.
    EXPECT_EQ(ReadPartFile("slab.tsp"), SectionText(working));
    EXPECT_EQ(SectionText(TDrawClass("userblks.dat", "slab")), SectionText(working));
    std::filesystem::remove(Dir / "parts" / "slab.tsp");
    SaveModifiedDrawClasses();
    EXPECT_FALSE(std::filesystem::exists(Dir / "parts" / "slab.tsp"));
}

TEST_F(PartStoreTest, AnEditedPartReachesEveryBrickOfIt) {
    WritePartFile("userblks.dat", Wedge);
    TBlockList model;
    model.Add(CreateBrickFromKey("G userblks.dat, wedge"));
    model.Add(CreateBrickFromKey("B 2x2x3"));
    model[0].Rotate();
    TDrawClass& cached = *model[0].Definition;

    TDrawClass working(cached);
    working.Polygons[0].Points[1].X = 40;
    working.SetBoundingBox(40, 20, 16);
    EXPECT_EQ(&StorePartDefinition(working), &cached);
    EXPECT_EQ(cached.Polygons[0].Points[1].X, 40);
    EXPECT_TRUE(RebindGeneralBlocks(model, cached));
    // Turned once: the box's X and Y exchanged.
    EXPECT_EQ((std::array{model[0].SX, model[0].SY, model[0].SZ, model[1].SX}),
              (std::array{20, 40, 16, 40}));
    EXPECT_FALSE(RebindGeneralBlocks(model, working));
    EXPECT_NE(ReadPartFile("wedge.tsp").find("BB=40,20,16"), std::string::npos);
}

TEST_F(PartStoreTest, AFailedWriteLeavesTheCacheAlone) {
    for (const char* part : {"../escape", "sub/part", ""}) { // would leave the parts folder
        TDrawClass d = NewShape("userblks.dat", part);
        EXPECT_THROW(StorePartDefinition(d), TError) << part;
    }
    EXPECT_FALSE(std::filesystem::exists(Dir / "escape.tsp"));
    EXPECT_TRUE(CachedDrawClasses().empty());
    WritePartFile("userblks.dat", Wedge);
    TDrawClass& cached = GetDrawClass("userblks.dat", "wedge");
    std::filesystem::create_directories(Dir / "parts" / "wedge.tsp"); // a folder in the way
    TDrawClass working(cached);
    working.SetBoundingBox(99, 99, 99);
    EXPECT_THROW(StorePartDefinition(working), std::exception);
    EXPECT_EQ(cached.BBX, 20);
    EXPECT_TRUE(working.Modified);
}
