// The pages that come with the program: every brick key makes a brick, every combination
// loads, and every identity has its row in the LDraw mapping table.
#include "GuiTest.h"
#include "app/system/Settings.h"
#include "base/FileNames.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/BlockList.h"
#include "model/PaletteKey.h"

#include <gtest/gtest.h>

namespace {
// True when the table finds the brick's own identity without adding a row.
bool Mapped(TLDrawMap& map, const TBlock& brick) {
    std::unique_ptr<TBlock> copy = Clone(brick);
    size_t rows = map.Entries().size();
    TLDrawOffsets offsets;
    bool found = map.FindLDrawRecord(*copy, offsets);
    return found && map.Entries().size() == rows && SameText(copy->PartID, brick.PartID);
}
} // namespace

TEST(ShippedPages, EveryKeyMakesABrickOrLoadsAModelAndEveryIdentityIsMapped) {
    std::string shipped = TESSARYN_SHIPPED_DATA;
    std::string saved = AppDir();
    SetAppDir(shipped);
    // The table may add rows while searching, so it works on a copy.
    std::string folder = TestFolder();
    std::filesystem::copy_file(shipped + "ts2ld.lst", folder + "ts2ld.lst");
    TLDrawMap map(folder);
    map.Load();

    TSettings settings = ReadSettings(shipped + "Tessaryn.ini", shipped);
    EXPECT_EQ(settings.Version, 2);
    ASSERT_GE(settings.Pages.size(), 7u);
    int bricks = 0, models = 0;
    for (const TPaletteSettings& page : settings.Pages) {
        EXPECT_FALSE(page.Title.empty());
        EXPECT_FALSE(page.Bricks.empty()) << page.Title;
        for (const std::string& key : page.Bricks) {
            SCOPED_TRACE(key);
            if (IsSubAssemblyKey(key)) {
                TBlockList model;
                ASSERT_NO_THROW(model.LoadFromFile(SubAssemblyFile(key)));
                EXPECT_GT(model.Count(), 0);
                for (const auto& brick : model.Items())
                    if (!brick->PartID.empty())
                        EXPECT_TRUE(Mapped(map, *brick)) << brick->PartID;
                ++models;
                continue;
            }
            std::unique_ptr<TBlock> brick;
            ASSERT_NO_THROW(brick = CreateBrickFromKey(key));
            ASSERT_NE(brick, nullptr);
            EXPECT_GT(brick->SX, 0);
            EXPECT_FALSE(KeyPartID(key).empty());
            EXPECT_TRUE(Mapped(map, *brick));
            ++bricks;
        }
    }
    EXPECT_GT(bricks, 50);
    EXPECT_GE(models, 3);
    SetAppDir(saved);
}
