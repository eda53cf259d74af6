#include "base/FileNames.h"
#include "cli/Cli.h"
#include "exchange/LoadModel.h"
#include "parts/DrawClass.h"
#include "parts/PartCache.h"
#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"
#include "support/Pixels.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

const std::string Showcase = std::string(TESSARYN_SHIPPED_DATA) + "Models/showcase.lgo";

TEST(Showcase, HoldsEveryKindInEveryTurnWithSeeThroughBricks) {
    ClearDrawClasses();
    const std::string saved = AppDir();
    SetAppDir(TESSARYN_SHIPPED_DATA);
    TBlockList model;
    LoadModel(model, Showcase, LoadWhole);
    std::set<char> kinds;
    std::set<int32_t> turns;
    std::set<std::string> parts;
    int seeThrough = 0;
    for (const auto& brick : model.Items()) {
        kinds.insert(brick->Kind);
        turns.insert(brick->Turn);
        seeThrough += brick->Transparent || brick->Colour == 0xFFFF00;
        if (brick->Definition)
            parts.insert(brick->Definition->PartName);
    }
    EXPECT_EQ(kinds, (std::set<char>{'B', 'R', 'T', 'N', 'C', 'I', 'E', 'W', 'D', 'O', 'G'}));
    EXPECT_EQ(turns, (std::set<int32_t>{0, 1, 2, 3}));
    EXPECT_GE(seeThrough, 2);
    EXPECT_TRUE(parts.count("facetile2x2") && parts.count("lantern1x1") && parts.count("curve2x1"));
    ClearDrawClasses();
    SetAppDir(saved);
}

// Yellow pixels of the showcase rendered at a detail level.
int YellowAt(int detail) {
    TTempFolder folder;
    std::string picture = folder.File("showcase.png");
    std::ostringstream out, err;
    int status = RunCli({"render", Showcase, "-o", picture, "--app-dir", TESSARYN_SHIPPED_DATA,
                         "--shading", "--detail", std::to_string(detail), "--size", "400x300"},
                        out, err);
    ClearDrawClasses();
    EXPECT_EQ(status, 0) << err.str();
    if (status != 0)
        return -1;
    TBitmap bitmap;
    ReadPictureFile(picture, bitmap);
    return PixelsOfColour(bitmap, 0x2FCDF5);
}

TEST(Showcase, RendersWithDecorationsInOneCommand) {
    const std::string saved = AppDir();
    int plain = YellowAt(0), decorated = YellowAt(2);
    SetAppDir(saved);
    // The decorated tile's yellow face shows at detail 2 only.
    EXPECT_GE(plain, 0);
    EXPECT_GT(decorated, plain + 20);
}

} // namespace
