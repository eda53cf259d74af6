// Palette rows drawn whole against references: frame and background, fitting and centring,
// text-free rows of keys that make no brick, the height limit, and combination models drawn
// from their files in the current colour.
#include "render/PaletteRow.h"

#include "model/PaletteKey.h"
#include "raster/Bitmap.h"
#include "render/DrawContext.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>

namespace {

struct TRowCase {
    const char* Name;
    const char* Key;
    int Height;
    bool Selected, Transparent;
    TColour Colour;
};

constexpr TColour Red = RGB(200, 0, 0);
const char* const Combination = "M Combos\\Small\\Pair|PAIR-1";

const TRowCase RowCases[] = {
    {"LongBrickShrunkToFit", "B10x2x3|3006", 50, false, false, Red},
    {"SelectedRowOfMostHeight", "B2x2x3", 400, true, false, Red},
    {"TransparentBrick", "B2x2x3", 50, false, true, Red},
    {"BadSize", "Bxx2|3001", 50, false, false, Red},
    {"UnknownKind", "F2x2x3", 50, false, false, Red},
    {"MissingPart", "G nosuchfile.dat, part", 50, false, false, Red},
    {"MissingModel", "M nosuchmodel", 50, false, false, Red},
    // The brick of colour 0 takes the row's colour, the blue one keeps its own, and the huge
    // baseplate that would shrink everything is left out.
    {"CombinationInRed", Combination, 60, false, false, Red},
    {"CombinationInGreen", Combination, 60, false, false, RGB(0, 200, 0)},
};

// The program's folder holds the combination model Combos/Small/Pair.lgo.
struct PaletteRows : ::testing::TestWithParam<TRowCase> {
    TShippedAppDir App{TESSARYN_TEST_DATA "render/palette-row/app/"};
};

} // namespace

TEST_P(PaletteRows, MatchTheReference) {
    const TRowCase& row = GetParam();
    const TPaletteRowStyle style{.Width = 200,
                                 .RowHeight = row.Height,
                                 .Selected = row.Selected,
                                 .Face = RGB(240, 240, 240),
                                 .Shadow = RGB(160, 160, 160),
                                 .Colour = row.Colour,
                                 .Transparent = row.Transparent};
    TDrawContext context; // unshaded, so faces keep their colours
    const TViewState before = context.View;
    TBitmap bitmap;
    DrawPaletteRow(bitmap, context, row.Key, style);
    EXPECT_TRUE(
        MatchesReferencePicture(bitmap, std::string("render/palette-row/") + row.Name + ".png"));
    EXPECT_EQ(std::tuple(context.View.ViewScale, context.View.OriginX, context.DetailLevel),
              std::tuple(before.ViewScale, before.OriginX, 0));
}

INSTANTIATE_TEST_SUITE_P(Keys, PaletteRows, ::testing::ValuesIn(RowCases),
                         [](const auto& info) { return std::string(info.param.Name); });
