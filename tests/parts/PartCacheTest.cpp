#include "base/Error.h"
#include "parts/DrawClass.h"
#include "parts/PartTestSupport.h"

#include <gtest/gtest.h>

using PartCache = PartFolderTest;

TEST_F(PartCache, KeysIgnoreCaseAndKeepTheFirstLoadedNames) {
    WritePartFile("parts.dat", "[stdblock]\r\nNP=0\r\nBB=40,40,24\r\n");
    TDrawClass& first = GetDrawClass("parts.dat", "stdblock");
    TDrawClass& second = GetDrawClass("PARTS.DAT", "STDBLOCK");
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.FileName, "parts.dat");
    EXPECT_EQ(second.PartName, "stdblock");
    EXPECT_EQ(FindDrawClass("Parts.Dat", "StdBlock"), &first);
    EXPECT_EQ(CachedDrawClasses().size(), 1u);
}

TEST_F(PartCache, AFailedLoadCachesNothing) {
    EXPECT_EQ(MessageOf([] { GetDrawClass("parts.dat", "late"); }),
              "Could not find part/file late/parts.dat");
    WritePartFile("parts.dat", "[late]\r\nNP=2\r\n");
    EXPECT_EQ(GetDrawClass("parts.dat", "late").PolygonCount(), 2);
    WritePartFile("bad.dat", "[b]\r\nNP=x\r\n");
    EXPECT_THROW(GetDrawClass("bad.dat", "b"), TError);
    EXPECT_EQ(FindDrawClass("bad.dat", "b"), nullptr);
    EXPECT_EQ(CachedDrawClasses().size(), 1u);
}

TEST_F(PartCache, DefinitionsKeepTheirAddressesAsTheCacheGrows) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "[p" + std::to_string(i) + "]\r\nNP=0\r\n";
    WritePartFile("many.dat", text);
    TDrawClass* first = &GetDrawClass("many.dat", "p0");
    for (int i = 1; i < 200; ++i)
        GetDrawClass("many.dat", "p" + std::to_string(i));
    EXPECT_EQ(&GetDrawClass("many.dat", "P0"), first);
}

TEST_F(PartCache, RegisterAddsOnlyUnknownKeys) {
    auto made = std::make_unique<TDrawClass>();
    made->FileName = "userblks.dat";
    made->PartName = "mine";
    TDrawClass* registered = made.get();
    EXPECT_EQ(&RegisterDrawClass(std::move(made)), registered);
    EXPECT_EQ(&GetDrawClass("USERBLKS.DAT", "Mine"), registered);
    auto again = std::make_unique<TDrawClass>();
    again->FileName = "userblks.dat";
    again->PartName = "MINE";
    EXPECT_EQ(&RegisterDrawClass(std::move(again)), registered);
    EXPECT_EQ(CachedDrawClasses().size(), 1u);
}

TEST_F(PartCache, ModifiedDefinitionsAreWrittenToTheirOwnSinglePartFiles) {
    WritePartFile("userblks.dat", "[kept]\r\nNP=0\r\n\r\n[edited]\r\nNP=0\r\n");
    GetDrawClass("userblks.dat", "kept");
    TDrawClass& edited = GetDrawClass("userblks.dat", "edited");
    edited.AddPolygon({{0, 0, 8}, {20, 0, 8}, {20, 20, 8}});
    SaveModifiedDrawClasses();
    EXPECT_FALSE(edited.Modified);
    EXPECT_FALSE(std::filesystem::exists(Dir / "parts" / "kept.tsp"));
    std::string written = ReadPartFile("edited.tsp");
    EXPECT_EQ(written.substr(0, 24), "[edited]\r\nNP=1\r\nBB=0,0,0");

    ClearDrawClasses();
    EXPECT_EQ(GetDrawClass("userblks.dat", "edited").PolygonCount(), 1);
}

TEST_F(PartCache, AFailedSaveKeepsTheDefinitionModified) {
    auto made = std::make_unique<TDrawClass>();
    made->PartName = "sub/none/x";
    made->Modified = true;
    TDrawClass& d = RegisterDrawClass(std::move(made));
    EXPECT_THROW(SaveModifiedDrawClasses(), TError);
    EXPECT_TRUE(d.Modified);
}
