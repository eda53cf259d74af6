#include "base/Error.h"
#include "parts/DrawClass.h"
#include "parts/DrawClassEdits.h"
#include "parts/PartTestSupport.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

using PartFile = PartFolderTest;

// Every section of a file using every key (variant, picture, colours, details, studs off their
// plane, turn offsets) writes back exactly as it was read.
TEST(PartFileReader, EverySectionWritesBackAsItWasRead) {
    TShippedAppDir data(TESSARYN_TEST_DATA "partfiles");
    TLines lines = LoadPartFileLines(AppDir() + "parts/shapes.dat");
    int sections = 0;
    for (auto begin = lines.begin(); begin != lines.end(); ++begin, ++sections) {
        auto end = std::find(begin, lines.end(), "");
        std::string section;
        for (auto line = begin; line != end; ++line)
            section += *line + "\r\n";
        TDrawClass read("shapes.dat", begin->substr(1, begin->size() - 2));
        EXPECT_EQ(SectionText(read), section);
        EXPECT_EQ(read.FileName + (read.Modified ? " modified" : ""), "shapes.dat");
        begin = end == lines.end() ? end - 1 : end;
    }
    EXPECT_EQ(sections, 14);
}

// The old section, however it ends, is taken out and the new one appended.
TEST(PartFileWriter, SavingMovesAnOldSectionToTheEnd) {
    TDrawClass d = ThreeFaces();
    d.PartName = "Full";
    TLines section;
    SaveToLines(d, section);
    const std::pair<TLines, TLines> cases[] = {
        {{"[a]", "NP=0", "", "[FULL]", "NP=7", "junk", "", "[b]", "NP=0"},
         {"[a]", "NP=0", "", "", "[b]", "NP=0"}},
        {{"[a]", "[full]", "NP=7"}, {"[a]"}},
        {{"[a]", "[full]"}, {"[a]"}},
        {{"[full]", "", "kept"}, {"", "kept"}},
        {{"[full]", "[b]", "NP=0"}, {"[b]", "NP=0"}}};
    for (auto [lines, expected] : cases) {
        SaveToLines(d, lines);
        expected.insert(expected.end(), section.begin(), section.end());
        EXPECT_EQ(lines, expected);
    }
}

// Odd but readable files, each pinned by the section the reader's result writes back: numbers
// split by any blank or ';', lower-case and repeated keys, stud lists of eight characters or
// fewer skipped, colour numbers outside the table, order entries naming no polygon dropped.
TEST(PartFileReader, OddFilesReadAsTheirWrittenReferencesSay) {
    const std::array<const char*, 4> cases[] = {{"partfiles", "quirks.dat", "p", "quirks.dat"},
                                                {"partfiles", "studs.dat", "p", "studs.dat"},
                                                {"partfiles", "colour.dat", "p", "colour.dat"},
                                                {"bad", "bad.dat", "badindices", "badindices.dat"}};
    for (auto [folder, file, part, reference] : cases) {
        TShippedAppDir data(TESSARYN_TEST_DATA + std::string(folder));
        EXPECT_TRUE(MatchesReferenceText(SectionText(TDrawClass(file, part)),
                                         std::string("partfiles/written/") + reference));
    }
}

TEST_F(PartFile, SinglePartFilesWinAndNamesFindTheirCase) {
    WritePartFile("multi.dat", "[brick]\r\nNP=1\r\n");
    WritePartFile("Brick.TSP", "[BRICK]\r\nNP=2\r\n");
    EXPECT_EQ(TDrawClass("multi.dat", "brick").PolygonCount(), 2);
    EXPECT_EQ(TDrawClass("missing.dat", "brick.dat").PolygonCount(), 2);
    EXPECT_EQ(TDrawClass("multi.dat", "BRICK.DAT").PartName, "BRICK.DAT");
    WritePartFile("Sub/Extra.DAT", "[x]\nNP=3\n");
    EXPECT_EQ(TDrawClass("sub\\extra.dat", "x").PolygonCount(), 3);
    TLines lines;
    std::string used;
    LoadPartSection("multi.dat", "Brick.dat", lines, used);
    EXPECT_EQ(used, "Brick.tsp");
    EXPECT_EQ(lines, (TLines{"NP=2"}));
}

TEST_F(PartFile, WritesCrLfOverTheOldFileAndSplitsAtAnyLineEnd) {
    std::string path = (Dir / "parts" / "w.dat").string();
    WritePartFile("w.dat", "old contents");
    SavePartFileLines(path, {"[a]", "NP=0", ""});
    EXPECT_EQ(ReadPartFile("w.dat"), "[a]\r\nNP=0\r\n\r\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    EXPECT_THROW(SavePartFileLines((Dir / "nowhere" / "w.dat").string(), {"x"}), TError);
    WritePartFile("e.dat", "a\rb\nc\r\n\r\nd");
    EXPECT_EQ(LoadPartFileLines((Dir / "parts" / "e.dat").string()),
              (TLines{"a", "b", "c", "", "d"}));
}

TEST(PartFileReader, RefusedPartsRaiseTheirMessage) {
    TShippedAppDir data(TESSARYN_TEST_DATA "bad");
    EXPECT_TRUE(MatchesTranscript("partfiles/refused.txt", [](const std::string& names) {
        const std::size_t blank = names.find(' ');
        return MessageOf([&] { TDrawClass(names.substr(0, blank), names.substr(blank + 1)); });
    }));
}

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

// Every look the part editor can give a polygon (the brick's own colour, black, colours, white;
// see-through or not; every edge, none or single edges; each detail level) reads back as it was
// written. Black is kept as 1, so see-through black is -1, the same number that otherwise
// announces an LDraw colour.
TEST_F(PartFile, EveryPolygonLookTheEditorMakesReadsBack) {
    const int32_t colours[] = {0, 1, 0x00FF00, 0x123456, 0xFFFFFF};
    const int32_t borders[] = {1, ToggleBorder(1), ToggleEdgeMark(1, 2), ToggleEdgeMark(-2, 0)};
    TDrawClass written;
    written.PartName = "looks";
    struct TLook {
        int32_t Colour, Border, Detail;
        bool operator==(const TLook&) const = default;
    };
    std::vector<TLook> looks;
    for (int32_t colour : colours)
        for (bool seeThrough : {false, true})
            for (int32_t border : borders)
                for (int32_t detail : {0, 1, 2}) {
                    int poly = written.PolygonCount();
                    written.AddPolygon(Square(0, 0, 20, 20, poly));
                    looks.push_back(
                        {seeThrough ? ToggleTransparency(colour) : colour, border, detail});
                    written.SetPolyColour(poly, looks.back().Colour);
                    written.SetEdgeFlags(poly, border);
                    written.SetDetail(poly, detail);
                }
    WritePartFile("looks.dat", SectionText(written));
    TDrawClass read("looks.dat", "looks");
    ASSERT_EQ(read.PolygonCount(), int(looks.size()));
    for (int poly = 0; poly < read.PolygonCount(); ++poly)
        EXPECT_EQ((TLook{read.GetPolyColour(poly), read.GetEdgeFlags(poly), read.GetDetail(poly)}),
                  looks[size_t(poly)])
            << "polygon " << poly + 1;
}
