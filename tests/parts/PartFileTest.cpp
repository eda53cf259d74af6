#include "base/Error.h"
#include "base/LDrawColours.h"
#include "parts/DrawClass.h"
#include "parts/PartTestSupport.h"

#include <gtest/gtest.h>

namespace {
// A definition using every key: variant, picture, colours, details, studs off their plane.
TDrawClass FullDefinition() {
    TDrawClass d;
    d.FileName = "mine.dat";
    d.PartName = "Full";
    d.SetBoundingBox(40, 20, 24);
    d.AddPolygon({{0, 0, 24}, {40, 0, 24}, {40, 20, 24}, {0, 20, 24}});
    d.AddPolygon({{0, 0, 0}, {0, 20, 0}, {40, 20, 0}});
    d.AddPolygon({{-5, 0, 3}, {0, -7, 3}, {0, 0, 9}});
    d.SetDetail(1, 2);
    d.SetPolyColour(2, -0x00FF00);
    d.SetPolyColour(0, 0x123456);
    d.SetEdgeFlags(2, -2);
    d.DrawOrder[1].Items = {0, 3 - 1, 1};
    d.DrawOrder[7].Items = {};
    d.TopStudPolygon = 0;
    d.TopStuds = {{10, 10, 24}, {30, 10, 28}};
    d.BottomStudPolygon = 1;
    d.BottomStuds = {{20, 10, 0}};
    d.RotOffsets = {{{1, -1}, {0, 0}, {-1, 1}, {0, 0}}};
    d.PartVariant = 3;
    d.BitmapFile = "deco.bmp";
    d.BitmapPolygon = 2;
    return d;
}

TLines Section(TDrawClass& d) {
    TLines lines;
    SaveToLines(d, lines);
    return lines;
}

std::string Joined(const TLines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}
} // namespace

using PartFile = PartFolderTest;

TEST_F(PartFile, WritesTheSampleSectionExactly) {
    TDrawClass d;
    d.PartName = "Sample";
    d.SetBoundingBox(40, 40, 8);
    d.AddPolygon({{0, 0, 8}, {40, 0, 8}, {40, 40, 8}, {0, 40, 8}});
    for (int octant = 1; octant < 8; ++octant)
        d.SetDrawCount(octant, 0);
    d.BottomStudPolygon = -1;
    d.AutoStuds(2, 2);
    TLines lines = Section(d);
    EXPECT_EQ(lines,
              (TLines{"[Sample]", "NP=1", "BB=40,40,8", "P1=4, 1, 0,0,8, 40,0,8, 40,40,8, 0,40,8",
                      "Q1=1 ,1", "Q2=0 ", "Q3=0 ", "Q4=0 ", "Q5=0 ", "Q6=0 ", "Q7=0 ", "Q8=0 ",
                      "TS=1,4, 10,10, 10,30, 30,10, 30,30", "BS=0,0"}));
    EXPECT_FALSE(d.Modified);
}

TEST_F(PartFile, EveryKeySurvivesARoundTrip) {
    TDrawClass d = FullDefinition();
    TLines lines = Section(d);
    EXPECT_EQ(lines[3], "LD=3");
    EXPECT_EQ(lines[4], "P1=4, 1, 0,0,24, 40,0,24, 40,20,24, 0,20,24, 0, 1193046");
    EXPECT_EQ(lines[5], "P2=3, 1, 0,0,0, 0,20,0, 40,20,0, 2");
    EXPECT_EQ(lines[6], "P3=3, -2, -5,0,3, 0,-7,3, 0,0,9, 0, -65280");
    EXPECT_EQ(lines[7], "BM=3, deco.bmp");
    EXPECT_EQ(lines[9], "Q2=3 ,1,3,2");
    EXPECT_EQ(lines[15], "Q8=0 ");
    EXPECT_EQ(lines[16], "TS=1,2, 10,10, 30,10;28");
    EXPECT_EQ(lines[17], "BS=2,1, 20,10");
    EXPECT_EQ(lines[18], "RO=1,-1, 0,0, -1,1, 0,0");
    WritePartFile("mine.dat", Joined(lines));

    TDrawClass read("mine.dat", "full");
    EXPECT_EQ(read.FileName, "mine.dat");
    EXPECT_EQ(read.PartName, "full");
    EXPECT_EQ(read.BBY, 20);
    EXPECT_EQ(read.PartVariant, 3);
    EXPECT_EQ(read.PolygonCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(read.Polygons[size_t(i)].Points, d.Polygons[size_t(i)].Points);
        EXPECT_EQ(read.GetEdgeFlags(i), d.GetEdgeFlags(i));
        EXPECT_EQ(read.GetDetail(i), d.GetDetail(i));
        EXPECT_EQ(read.GetPolyColour(i), d.GetPolyColour(i));
    }
    for (size_t octant = 0; octant < 8; ++octant)
        EXPECT_EQ(read.DrawOrder[octant].Items, d.DrawOrder[octant].Items);
    EXPECT_EQ(read.TopStuds, d.TopStuds);
    EXPECT_EQ(read.BottomStuds, d.BottomStuds);
    EXPECT_EQ(read.BottomStudPolygon, 1);
    EXPECT_EQ(read.RotOffsets, d.RotOffsets);
    EXPECT_EQ(read.BitmapPolygon, 2);
    EXPECT_EQ(read.BitmapFile, "deco.bmp");
    EXPECT_FALSE(read.Modified);
    read.PartName = "Full";
    EXPECT_EQ(Section(read), lines);
}

TEST_F(PartFile, SavingMovesAnOldSectionToTheEnd) {
    TDrawClass d = FullDefinition();
    TLines lines = {"[a]", "NP=0", "", "[FULL]", "NP=7", "junk", "", "[b]", "NP=0"};
    SaveToLines(d, lines);
    EXPECT_EQ(TLines(lines.begin(), lines.begin() + 6),
              (TLines{"[a]", "NP=0", "", "", "[b]", "NP=0"}));
    EXPECT_EQ(lines[6], "[Full]");
    EXPECT_EQ(lines.back(), "RO=1,-1, 0,0, -1,1, 0,0");

    // A section ending the file, or one with no lines at all, is taken out alone.
    const std::pair<TLines, TLines> cases[] = {{{"[a]", "[full]", "NP=7"}, {"[a]"}},
                                               {{"[a]", "[full]"}, {"[a]"}},
                                               {{"[full]", "", "kept"}, {"", "kept"}},
                                               {{"[full]", "[b]", "NP=0"}, {"[b]", "NP=0"}}};
    for (auto [old, rest] : cases) {
        SaveToLines(d, old);
        EXPECT_EQ(TLines(old.begin(), old.begin() + std::ptrdiff_t(rest.size())), rest);
        EXPECT_EQ(old[rest.size()], "[Full]");
    }
}

TEST_F(PartFile, NumberReaderQuirks) {
    WritePartFile("q.dat", "[p]\n"
                           "np=2\n"
                           "NP=9\n"
                           "BB=\t1;;2 ,\n"
                           "P1=3,1,0,0,4 1,0,4;0,1,4\n"
                           "P2=3, 1, 0,0,0, 1,0,0, 0,1,0, 1, -1, 4\n"
                           "Q1=2 ,2,1\n"
                           "TS=2,1, 5,5\n"
                           "BS=1,2, 10,10 ;30,30\n"
                           "LD=x\n"
                           "RO=1,2,3\n"
                           "\n"
                           "Q2=1 ,1\n");
    TDrawClass d("q.dat", "P");
    EXPECT_EQ(d.PolygonCount(), 2);
    EXPECT_EQ((std::array<int32_t, 3>{d.BBX, d.BBY, d.BBZ}), (std::array<int32_t, 3>{1, 2, 0}));
    EXPECT_EQ(d.Polygons[0].Points[2], (TPoint3{0, 1, 4}));
    EXPECT_EQ(d.Polygons[0].Detail, 0);
    EXPECT_EQ(d.Polygons[0].PolyColour, 0);
    EXPECT_EQ(d.Polygons[1].Detail, 1);
    EXPECT_EQ(d.Polygons[1].PolyColour, ColourOfLDrawNumber(4));
    EXPECT_EQ(d.DrawOrder[0].Items, (std::vector<int32_t>{1, 0}));
    EXPECT_TRUE(d.DrawOrder[1].Items.empty()); // after the end of the section
    // "2,1, 5,5" has 8 characters: skipped, leaving stud polygon 0.
    EXPECT_EQ(d.TopStudPolygon, 0);
    EXPECT_TRUE(d.TopStuds.empty());
    // A blank before ';' makes the next number the next stud's X.
    EXPECT_EQ(d.BottomStuds, (std::vector<TPoint3>{{10, 10, 4}, {30, 30, 4}}));
    EXPECT_EQ(d.PartVariant, 0);
    EXPECT_EQ(d.RotOffsets[1][0], 3);
    EXPECT_EQ(d.RotOffsets[1][1], 0);
    EXPECT_EQ(d.BitmapPolygon, -1);
}

TEST_F(PartFile, StudValuesJustLongerThanEightCharactersAreRead) {
    WritePartFile("s.dat", "[p]\rNP=2\rP2=3, 1, 0,0,8, 1,0,8, 0,1,8\rTS=2,1, 10,10\r"
                           "BS=2,1, 5,5;0\r");
    TDrawClass d("s.dat", "p");
    EXPECT_EQ(d.TopStudPolygon, 1);
    EXPECT_EQ(d.TopStuds, (std::vector<TPoint3>{{10, 10, 8}}));
    EXPECT_EQ(d.BottomStuds, (std::vector<TPoint3>{{5, 5, 0}}));
    EXPECT_EQ(d.PolygonCount(), 2);
    EXPECT_TRUE(d.Polygons[0].Points.empty()); // no P1 line
}

TEST_F(PartFile, LDrawColourNumbersOutsideTheTableGiveItsFirstColour) {
    WritePartFile("c.dat", "[p]\r\nNP=1\r\nP1=0, 1, 0, -1, 12345\r\n");
    EXPECT_EQ(TDrawClass("c.dat", "p").Polygons[0].PolyColour, LDrawColourTable[0].Colour());
}

TEST_F(PartFile, MissingFilesAndSectionsAreReportedWithTheCutPartName) {
    WritePartFile("parts.dat", "[stdblock]\r\nNP=0\r\n");
    EXPECT_EQ(MessageOf([] { TDrawClass("none.dat", "stdblock"); }),
              "Could not find part/file stdblock/none.dat");
    EXPECT_EQ(MessageOf([] { TDrawClass("parts.dat", "other.DAT"); }),
              "Could not find part other in file parts.dat");
    EXPECT_EQ(MessageOf([] { TDrawClass("none.dat", "other.Dat"); }),
              "Could not find part/file other/none.dat");
    TDrawClass d("parts.dat", "STDBLOCK.DAT");
    EXPECT_EQ(d.PartName, "STDBLOCK.DAT");
}

TEST_F(PartFile, SinglePartFilesWinAndNamesFindTheirCase) {
    WritePartFile("multi.dat", "[brick]\r\nNP=1\r\n");
    WritePartFile("Brick.TSP", "[BRICK]\r\nNP=2\r\n");
    EXPECT_EQ(TDrawClass("multi.dat", "brick").PolygonCount(), 2);
    EXPECT_EQ(TDrawClass("missing.dat", "brick.dat").PolygonCount(), 2);
    std::filesystem::create_directories(Dir / "parts" / "Sub");
    WritePartFile("Sub/Extra.DAT", "[x]\nNP=3\n");
    EXPECT_EQ(TDrawClass("sub\\extra.dat", "x").PolygonCount(), 3);
    TLines lines;
    std::string used;
    LoadPartSection("multi.dat", "Brick.dat", lines, used);
    EXPECT_EQ(used, "Brick.tsp");
    EXPECT_EQ(lines, (TLines{"NP=2"}));
}

TEST_F(PartFile, WritingUsesCrLfAndReplacesTheOldFile) {
    std::string path = (Dir / "parts" / "w.dat").string();
    WritePartFile("w.dat", "old contents");
    SavePartFileLines(path, {"[a]", "NP=0", ""});
    EXPECT_EQ(ReadPartFile("w.dat"), "[a]\r\nNP=0\r\n\r\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    EXPECT_EQ(LoadPartFileLines(path), (TLines{"[a]", "NP=0", ""}));
    EXPECT_THROW(SavePartFileLines((Dir / "nowhere" / "w.dat").string(), {"x"}), TError);
}

TEST_F(PartFile, LinesSplitAtAnyLineEnd) {
    WritePartFile("e.dat", "a\rb\nc\r\n\r\nd");
    EXPECT_EQ(LoadPartFileLines((Dir / "parts" / "e.dat").string()),
              (TLines{"a", "b", "c", "", "d"}));
}

class BadPartFile : public ::testing::Test {
protected:
    void SetUp() override { SetAppDir(std::string(TESSARYN_TEST_DATA) + "bad"); }
};

struct TBadPart {
    const char* Part;
    const char* Message;
};

class RefusedPart : public BadPartFile, public ::testing::WithParamInterface<TBadPart> {};

TEST_P(RefusedPart, RaisesItsMessage) {
    EXPECT_EQ(MessageOf([] { TDrawClass("bad.dat", GetParam().Part); }), GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    BadPartFile, RefusedPart,
    ::testing::Values(
        TBadPart{"toomany", "Polygon 3 of part toomany in file bad.dat has more than 100 points"},
        TBadPart{"negativepoints",
                 "Polygon 1 of part negativepoints in file bad.dat has a negative point count"},
        TBadPart{"hugecount.dat",
                 "Part hugecount in file bad.dat has an illegal polygon count 2000000000"},
        TBadPart{"negativecount",
                 "Part negativecount in file bad.dat has an illegal polygon count -1"},
        TBadPart{"badstuds",
                 "TS of part badstuds in file bad.dat has an illegal stud count 2000000000"},
        // Numbers that are no numbers raise the conversion error.
        TBadPart{"lonedash", "'-' is not a valid integer value"},
        TBadPart{"nonumber", "'two' is not a valid integer value"},
        TBadPart{"bignumber", "'99999999999' is not a valid integer value"}));

TEST_F(BadPartFile, EntriesNamingNoPolygonAreDropped) {
    TDrawClass d("bad.dat", "badindices");
    EXPECT_EQ(d.DrawOrder[0].Items, (std::vector<int32_t>{0, 1, 1}));
    EXPECT_TRUE(d.DrawOrder[1].Items.empty());
    EXPECT_EQ(d.DrawOrder[2].Items, (std::vector<int32_t>{1, 0}));
    EXPECT_TRUE(d.DrawOrder[3].Items.empty());
    EXPECT_EQ(d.TopStudPolygon, -1);
    EXPECT_EQ(d.TopStuds, (std::vector<TPoint3>{{10, 10, 8}}));
    EXPECT_EQ(d.BottomStudPolygon, -1);
    EXPECT_EQ(d.BottomStuds, (std::vector<TPoint3>{{5, 5, 0}}));
    EXPECT_EQ(d.BitmapPolygon, -1);
}
