#include "base/LDrawColours.h"
#include "base/Text.h"
#include "exchange/LoadModel.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/LDrawExportReport.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/Block.h"
#include "model/BlockList.h"
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
struct ShippedLDrawMapTest : ::testing::Test {
    void SetUp() override {
        Map.Load();
        fs::copy_file(Map.FileName(), Folder.Dir() + "ts2ld.lst");
    }

    TShippedAppDir Shipped;
    TLDrawMap Map{TESSARYN_SHIPPED_DATA};
    // A copy of the table, so that no row an export might add reaches the shipped file.
    TTempFolder Folder;
    TLDrawMap Copy{Folder.Dir()};
};
} // namespace

// Every general block of the shipped part files finds a row, and so does every identity the
// palettes (after their '|') and the sample models give.
TEST_F(ShippedLDrawMapTest, EveryShippedPartHasARow) {
    std::set<std::string> identities;
    int blocks = 0;
    for (const auto& entry : fs::recursive_directory_iterator(TESSARYN_SHIPPED_DATA)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path& file = entry.path();
        const std::string extension = LowerCase(file.extension().string());
        if (extension == ".lgo") {
            TBlockList model;
            model.LoadFromFile(file.string());
            for (const auto& brick : model.Items())
                if (!brick->PartID.empty())
                    identities.insert(brick->PartID);
        }
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            line = Trim(line);
            if (size_t bar = line.find('|'); extension == ".ini" && bar != std::string::npos)
                identities.insert(Trim(line.substr(bar + 1)));
            if (extension != ".dat" || file.parent_path().filename() != "parts" ||
                line.size() < 3 || line.front() != '[' || line.back() != ']')
                continue;
            const std::string part = line.substr(1, line.size() - 2);
            auto block = CreateBrickFromKey("G " + file.filename().string() + ", " + part);
            TLDrawOffsets o;
            EXPECT_TRUE(Map.FindLDrawRecord(*block, o)) << part;
            ++blocks;
        }
    }
    EXPECT_GE(blocks, 6);
    for (const std::string& id : identities)
        EXPECT_TRUE(
            std::any_of(Map.Entries().begin(), Map.Entries().end(),
                        [&](const TLDrawEntry& e) { return SameText(e.Record.PartName, id); }))
            << id;
}

// A brick for the first row of each part (only that one is used when reading) in each quarter
// turn and in changing colours goes out in one file, as before, and comes back with its kind,
// turn, box, colour, transparency and variant.
TEST_F(ShippedLDrawMapTest, EveryRowReadsBackWhatItWrites) {
    std::set<std::string> seen;
    std::vector<std::unique_ptr<TBlock>> bricks;
    std::vector<TBlock*> list;
    ASSERT_GT(Map.Entries().size(), 80u);
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
            brick->Colour = ColourSwatches[bricks.size() % ColourSwatches.size()].Colour();
            brick->Transparent = bricks.size() % 3 == 0;
            list.push_back(brick.get());
            bricks.push_back(std::move(brick));
        }
    }
    SaveLDrawFile(Folder.File("rows.dat"), list, Copy);
    EXPECT_TRUE(MatchesReferenceText(TTempFolder::Read(Folder.File("rows.dat")),
                                     "exchange/shipped-rows.dat"));
    std::vector<std::unique_ptr<TBlock>> back;
    ImportLDraw(Folder.File("rows.dat"), Copy,
                [&back](std::unique_ptr<TBlock> b) { back.push_back(std::move(b)); });
    ASSERT_EQ(back.size(), bricks.size());
    // A round brick does not turn.
    auto shape = [](const TBlock& b) {
        return std::tuple{b.Kind,   b.Kind == 'R' ? 0 : b.Turn, BoxOf(b), b.Colour, b.Transparent,
                          b.Variant};
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

// A real LDraw viewer must show the same sample models: every brick goes out on a real part, and
// the whole file is as before.
TEST_F(ShippedLDrawMapTest, EveryBrickOfEverySampleHasAnLDrawPart) {
    int models = 0;
    for (const auto& entry :
         fs::directory_iterator(std::string(TESSARYN_SHIPPED_DATA) + "Models")) {
        if (entry.path().extension() != ".lgo")
            continue;
        ++models;
        TBlockList model;
        LoadModel(model, entry.path().string(), LoadWhole);
        std::vector<TBlock*> bricks;
        for (const auto& brick : model.Items())
            bricks.push_back(brick.get());
        TLDrawExportReport report;
        SaveLDrawFile(Folder.File("out.dat"), bricks, Copy, &report);
        EXPECT_EQ(report.Bricks, model.Count());
        EXPECT_EQ(report.LeftOut(), 0) << entry.path() << ": " << ExportReportMessage(report);
        EXPECT_TRUE(MatchesReferenceText(TTempFolder::Read(Folder.File("out.dat")),
                                         "exchange/" + entry.path().stem().string() + ".dat"));
    }
    EXPECT_GE(models, 4);
}
