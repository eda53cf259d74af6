// Palette keys: body, part ID, the model of a combination key and the text a row shows.
#include "model/PaletteKey.h"

#include "support/ReferenceFile.h"

#include <gtest/gtest.h>

TEST(PaletteKey, BodyPartIDModelNameAndRowText) {
    EXPECT_TRUE(
        MatchesTranscript("models/palette-keys.txt", [](const std::string& key) -> std::string {
            const TRowText row = PaletteRowText(key);
            return KeyBody(key) + "|" + KeyPartID(key) + "|" +
                   (IsSubAssemblyKey(key) ? SubAssemblyName(key) : "-") + "|" + row.Text +
                   (row.IsPartID ? " as ID" : "");
        }));
    EXPECT_EQ(KeyWithPartID(" B4x2x3|3001", "3001b"), "B4x2x3|3001b");
    EXPECT_EQ(KeyWithPartID("M Combos\\Tree", ""), "M Combos\\Tree|");
    EXPECT_EQ(PaletteRowText("B1x1x1|" + std::string(300, 'x')).Text.size(), 255u);
}
