#include "base/Error.h"
#include "parts/DrawClass.h"
#include "parts/DrawClassEdits.h"
#include "parts/PartTestSupport.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

using PartFile = PartFolderTest;

TEST_F(PartFile, WritesTheSampleSectionExactly) {
    TDrawClass d;
    d.PartName = "Sample";
    d.SetBoundingBox(40, 40, 8);
    d.AddPolygon(Square(0, 0, 40, 40, 8));
    for (int octant = 1; octant < 8; ++octant)
        d.SetDrawCount(octant, 0);
    d.BottomStudPolygon = -1;
    d.AutoStuds(2, 2);
    EXPECT_EQ(SectionText(d), "[Sample]\r\nNP=1\r\nBB=40,40,8\r\n"
                              "P1=4, 1, 0,0,8, 40,0,8, 40,40,8, 0,40,8\r\n"
                              "Q1=1 ,1\r\nQ2=0 \r\nQ3=0 \r\nQ4=0 \r\nQ5=0 \r\nQ6=0 \r\nQ7=0 \r\n"
                              "Q8=0 \r\nTS=1,4, 10,10, 10,30, 30,10, 30,30\r\nBS=0,0\r\n");
}

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
    const std::array<const char*, 3> cases[] = {
        {"bad.dat", "toomany",
         "Polygon 3 of part toomany in file bad.dat has more than 100 points"},
        {"bad.dat", "negativepoints",
         "Polygon 1 of part negativepoints in file bad.dat has a negative point count"},
        {"bad.dat", "hugecount.dat",
         "Part hugecount in file bad.dat has an illegal polygon count 2000000000"},
        {"bad.dat", "negativecount",
         "Part negativecount in file bad.dat has an illegal polygon count -1"},
        {"bad.dat", "badstuds",
         "TS of part badstuds in file bad.dat has an illegal stud count 2000000000"},
        // Numbers that are no numbers raise the conversion error.
        {"bad.dat", "lonedash", "'-' is not a valid integer value"},
        {"bad.dat", "nonumber", "'two' is not a valid integer value"},
        {"bad.dat", "bignumber", "'99999999999' is not a valid integer value"},
        // Missing files and sections name the part without its ".dat".
        {"bad.dat", "other.DAT", "Could not find part other in file bad.dat"},
        {"none.dat", "stdblock", "Could not find part/file stdblock/none.dat"},
        {"none.dat", "other.Dat", "Could not find part/file other/none.dat"},
    };
    for (auto [file, part, message] : cases)
        EXPECT_EQ(MessageOf([&] { TDrawClass(file, part); }), message) << part;
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
