// Palette keys: body, part ID, the model of a combination key and the text a row shows.
#include "model/PaletteKey.h"

#include <gtest/gtest.h>

TEST(PaletteKey, BodyPartIDModelNameAndRowText) {
    // Each key read every way: body, part ID, model name (or '-') and the row's text.
    const std::pair<std::string, std::string> keys[] = {
        {" B4x2x3 |3001", "B4x2x3|3001|-|3001 as ID"},
        {"B4x2x3| 3001 ", "B4x2x3|3001|-| 3001 as ID"},
        {"B4x2x3", "B4x2x3||-|B4x2x3"},
        {"B4x2x3|a|b", "B4x2x3|a|b|-|a|b as ID"},
        {"  M Combos\\Tree|T1", "M Combos\\Tree|T1|Combos\\Tree|T1 as ID"},
        {"M  Combos\\Tree |T1", "M  Combos\\Tree|T1|Combos\\Tree|T1 as ID"},
        {" M Combos\\Tree ", "M Combos\\Tree||Combos\\Tree|M Combos\\Tree"},
        {"M", "M|||M"},
        {"B2x2x1|", "B2x2x1||-| as ID"},
    };
    for (const auto& [key, expected] : keys) {
        const TRowText row = PaletteRowText(key);
        EXPECT_EQ(KeyBody(key) + "|" + KeyPartID(key) + "|" +
                      (IsSubAssemblyKey(key) ? SubAssemblyName(key) : "-") + "|" + row.Text +
                      (row.IsPartID ? " as ID" : ""),
                  expected)
            << key;
    }
    EXPECT_EQ(KeyWithPartID(" B4x2x3|3001", "3001b"), "B4x2x3|3001b");
    EXPECT_EQ(KeyWithPartID("M Combos\\Tree", ""), "M Combos\\Tree|");
    EXPECT_EQ(PaletteRowText("B1x1x1|" + std::string(300, 'x')).Text.size(), 255u);
}
