// Palette rows drawn whole against references: frame and background, fitting and centring,
// text-free rows of keys that make no brick, the height limit, and combination models drawn
// from their files in the current colour.
#include "render/PaletteRow.h"

#include "raster/Bitmap.h"
#include "render/DrawContext.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// The program's folder holds the combination model Combos/Small/Pair.lgo.
struct PaletteRows : ::testing::Test {
    TShippedAppDir App{TESSARYN_TEST_DATA "render/palette-row/app/"};
};

} // namespace

// Each line of render/palette-row/rows.txt: the picture's name, the key ('_' for a blank), the
// row's height, whether the row is selected and the brick see-through, and the colour.
TEST_F(PaletteRows, MatchTheReference) {
    std::istringstream rows(TTempFolder::Read(TESSARYN_TEST_DATA "render/palette-row/rows.txt"));
    for (std::string line; std::getline(rows, line);) {
        std::istringstream words(line);
        std::string name, key;
        TPaletteRowStyle style{
            .Width = 200, .Face = RGB(240, 240, 240), .Shadow = RGB(160, 160, 160)};
        if (!(words >> name >> key >> style.RowHeight >> style.Selected >> style.Transparent >>
              std::hex >> style.Colour) ||
            name[0] == '#')
            continue;
        std::replace(key.begin(), key.end(), '_', ' ');
        TDrawContext context; // unshaded, so faces keep their colours
        const TViewState before = context.View;
        TBitmap bitmap;
        DrawPaletteRow(bitmap, context, key, style);
        EXPECT_TRUE(MatchesReferencePicture(bitmap, "render/palette-row/" + name + ".png"));
        EXPECT_EQ(std::tuple(context.View.ViewScale, context.View.OriginX, context.DetailLevel),
                  std::tuple(before.ViewScale, before.OriginX, 0))
            << name;
    }
}
