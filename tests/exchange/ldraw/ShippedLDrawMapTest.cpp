#include "base/FileNames.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/MapTable.h"
#include "model/Block.h"
#include "model/BlockKinds.h"
#include "model/BlockList.h"
#include "parts/PartCache.h"
#include "support/Bricks.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;

namespace {
class ShippedLDrawMapTest : public ::testing::Test {
protected:
    void SetUp() override { Map.Load(); }

    bool HasRowNamed(const std::string& part) const {
        for (const TLDrawEntry& e : Map.Entries())
            if (SameText(e.Record.PartName, part))
                return true;
        return false;
    }

    TShippedAppDir Shipped;
    TLDrawMap Map{TESSARYN_SHIPPED_DATA};
};

std::vector<std::string> LinesOf(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(Trim(line));
    return lines;
}

// Files of the shipped data with the given extension, in any folder below it.
std::vector<fs::path> ShippedFiles(const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(TESSARYN_SHIPPED_DATA))
        if (entry.is_regular_file() && SameText(entry.path().extension().string(), extension))
            files.push_back(entry.path());
    return files;
}
} // namespace

TEST_F(ShippedLDrawMapTest, EveryRowIsWellFormed) {
    ASSERT_GT(Map.Entries().size(), 80u);
    for (const TLDrawEntry& e : Map.Entries()) {
        SCOPED_TRACE(e.Text);
        EXPECT_EQ(FormatLDrawRecord(e.Record), e.Text);
        EXPECT_TRUE(IsKindLetter(e.Record.Kind));
        EXPECT_FALSE(e.Record.PartName.empty());
        EXPECT_EQ(e.Record.Kind == 'G', !e.Record.DefFile.empty());
    }
}

TEST_F(ShippedLDrawMapTest, EveryShippedGeneralBlockHasARow) {
    int blocks = 0;
    for (const fs::path& file : ShippedFiles(".dat")) {
        if (file.parent_path().filename() != "parts")
            continue;
        for (const std::string& line : LinesOf(file)) {
            if (line.size() < 3 || line.front() != '[' || line.back() != ']')
                continue;
            std::string part = line.substr(1, line.size() - 2);
            auto block = CreateBrickFromKey("G " + file.filename().string() + ", " + part);
            TLDrawOffsets o;
            EXPECT_TRUE(Map.FindLDrawRecord(*block, o)) << part;
            ++blocks;
        }
    }
    EXPECT_GE(blocks, 6);
}

TEST_F(ShippedLDrawMapTest, EveryShippedIdentityHasARow) {
    std::set<std::string> identities;
    for (const fs::path& file : ShippedFiles(".ini"))
        for (const std::string& line : LinesOf(file))
            if (size_t bar = line.find('|'); bar != std::string::npos)
                identities.insert(Trim(line.substr(bar + 1)));
    for (const fs::path& file : ShippedFiles(".lgo")) {
        TBlockList model;
        model.LoadFromFile(file.string());
        for (const auto& brick : model.Items())
            if (!brick->PartID.empty())
                identities.insert(brick->PartID);
    }
    for (const std::string& id : identities)
        EXPECT_TRUE(HasRowNamed(id)) << id;
}

// A brick for the first row of each part (only that one is used when reading) in each quarter
// turn goes out in one file, as before, and comes back with its kind, turn, box and variant.
TEST_F(ShippedLDrawMapTest, EveryRowReadsBackWhatItWrites) {
    // A copy of the table, so that no row the export might add reaches the shipped file.
    TTempFolder folder;
    fs::copy_file(Map.FileName(), folder.Dir() + "ts2ld.lst");
    TLDrawMap map(folder.Dir());
    std::set<std::string> seen;
    std::vector<std::unique_ptr<TBlock>> bricks;
    for (const TLDrawEntry& e : Map.Entries()) {
        const TLDrawRecord& r = e.Record;
        if (!seen.insert(LowerCase(r.PartName)).second)
            continue;
        const bool across = r.RotOffset % 2;
        const std::string key = r.Kind == 'G'
                                    ? "G " + r.DefFile + ", " + r.DefPart
                                    : r.Kind + std::to_string(across ? r.SizeB : r.SizeA) + "x" +
                                          std::to_string(across ? r.SizeA : r.SizeB) + "x" +
                                          std::to_string(r.Plates);
        for (int turn = 0; turn < 4; ++turn) {
            std::unique_ptr<TBlock> brick = CreateBrickFromKey(key);
            ASSERT_TRUE(brick) << e.Text;
            for (int i = 0; i < turn; ++i)
                brick->Rotate();
            brick->X = 40, brick->Y = -60, brick->Z = 16;
            brick->Studs = r.HasStuds == 1;
            brick->PartID = r.PartName;
            bricks.push_back(std::move(brick));
        }
    }
    std::vector<TBlock*> list;
    for (const auto& brick : bricks)
        list.push_back(brick.get());
    SaveLDrawFile(folder.File("rows.dat"), list, map);
    EXPECT_TRUE(MatchesReferenceText(TTempFolder::Read(folder.File("rows.dat")),
                                     "exchange/shipped-rows.dat"));
    std::vector<std::unique_ptr<TBlock>> back;
    ImportLDraw(folder.File("rows.dat"), map,
                [&back](std::unique_ptr<TBlock> b) { back.push_back(std::move(b)); });
    ASSERT_EQ(back.size(), bricks.size());
    // A round brick does not turn.
    auto shape = [](const TBlock& b) {
        return std::tuple{b.Kind, b.Kind == 'R' ? 0 : b.Turn, BoxOf(b), b.Variant};
    };
    for (size_t i = 0; i < bricks.size(); ++i)
        EXPECT_EQ(shape(*back[i]), shape(*bricks[i])) << bricks[i]->SaveToString();
}

// 54 of its 61 part lines name parts the table knows; the four tyres go with their wheels, the
// two sideways headlights are no quarter turn and the steering wheel has no row.
TEST_F(ShippedLDrawMapTest, ARealModelReadsItsMappedPartsAndSkipsTheRest) {
    std::string bricks;
    ImportLDraw(std::string(TESSARYN_TEST_DATA) + "ldraw/car.dat", Map,
                [&bricks](std::unique_ptr<TBlock> b) { bricks += b->SaveToString() + "\n"; });
    EXPECT_TRUE(MatchesReferenceText(bricks, "exchange/car-bricks.txt"));
}
