// The pages that come with the program: every brick key makes a brick and every combination
// loads. That each identity has its mapping row is the mapping table's own test.
#include "app/GuiTest.h"
#include "app/system/Settings.h"
#include "model/BlockList.h"
#include "model/PaletteKey.h"

TEST(ShippedPages, EveryKeyMakesABrickOrLoadsAModel) {
    std::string shipped = TESSARYN_SHIPPED_DATA, saved = AppDir();
    SetAppDir(shipped);
    TSettings settings = ReadSettings(shipped + "Tessaryn.ini", shipped);
    EXPECT_EQ(settings.Version, 2);
    ASSERT_GE(settings.Pages.size(), 7u);
    int bricks = 0, models = 0;
    for (const TPaletteSettings& page : settings.Pages) {
        EXPECT_FALSE(page.Title.empty() || page.Bricks.empty()) << page.Title;
        for (const std::string& key : page.Bricks) {
            SCOPED_TRACE(key);
            if (IsSubAssemblyKey(key)) {
                TBlockList model;
                ASSERT_NO_THROW(model.LoadFromFile(SubAssemblyFile(key)));
                EXPECT_GT(model.Count(), 0);
                ++models;
                continue;
            }
            std::unique_ptr<TBlock> brick;
            ASSERT_NO_THROW(brick = CreateBrickFromKey(key));
            ASSERT_TRUE(brick && brick->SX > 0);
            EXPECT_FALSE(KeyPartID(key).empty());
            ++bricks;
        }
    }
    EXPECT_TRUE(bricks > 50 && models >= 3) << bricks << " bricks, " << models << " models";
    SetAppDir(saved);
}
