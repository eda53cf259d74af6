#include "base/Error.h"
#include "parts/DrawClass.h"
#include "parts/PartTestSupport.h"

#include <gtest/gtest.h>

using PartCache = PartFolderTest;

namespace {
TDrawClass& Register(const char* file, const char* part, bool modified = false) {
    auto made = std::make_unique<TDrawClass>();
    made->FileName = file, made->PartName = part, made->Modified = modified;
    return RegisterDrawClass(std::move(made));
}
} // namespace

TEST_F(PartCache, KeysIgnoreCaseKeepTheFirstNamesAndAddresses) {
    std::string text = "[stdblock]\r\nNP=0\r\nBB=40,40,24\r\n";
    for (int i = 0; i < 200; ++i)
        text += "[p" + std::to_string(i) + "]\r\nNP=0\r\n";
    WritePartFile("parts.dat", text);
    TDrawClass& first = GetDrawClass("parts.dat", "stdblock");
    EXPECT_EQ(&GetDrawClass("PARTS.DAT", "STDBLOCK"), &first);
    EXPECT_EQ(first.FileName + "/" + first.PartName, "parts.dat/stdblock");
    EXPECT_EQ(FindDrawClass("Parts.Dat", "StdBlock"), &first);
    for (int i = 0; i < 200; ++i) // the cache grows; definitions keep their addresses
        GetDrawClass("parts.dat", "p" + std::to_string(i));
    EXPECT_EQ(&GetDrawClass("parts.dat", "STDBLOCK"), &first);

    TDrawClass& mine = Register("userblks.dat", "mine");
    EXPECT_EQ(&GetDrawClass("USERBLKS.DAT", "Mine"), &mine);
    EXPECT_EQ(&Register("userblks.dat", "MINE"), &mine); // only unknown keys are added
    EXPECT_EQ(CachedDrawClasses().size(), 202u);
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

TEST_F(PartCache, ModifiedDefinitionsAreWrittenToTheirOwnSinglePartFiles) {
    WritePartFile("userblks.dat", "[kept]\r\nNP=0\r\n\r\n[edited]\r\nNP=0\r\n");
    GetDrawClass("userblks.dat", "kept");
    TDrawClass& edited = GetDrawClass("userblks.dat", "edited");
    edited.AddPolygon({{0, 0, 8}, {20, 0, 8}, {20, 20, 8}});
    const std::string section = SectionText(edited);
    // A definition whose file cannot be written stays modified; the others are still written.
    TDrawClass& unwritable = Register("", "sub/none/x", true);
    EXPECT_THROW(SaveModifiedDrawClasses(), TError);
    EXPECT_TRUE(unwritable.Modified);
    EXPECT_FALSE(edited.Modified);
    EXPECT_FALSE(std::filesystem::exists(Dir / "parts" / "kept.tsp"));
    EXPECT_EQ(ReadPartFile("edited.tsp"), section);
    ClearDrawClasses();
    EXPECT_EQ(GetDrawClass("userblks.dat", "edited").PolygonCount(), 1);
}
