#include "base/LDrawColours.h"

#include "support/ReferenceFile.h"

#include <gtest/gtest.h>
#include <sstream>

// Colours (stored blue, green, red from the high byte down) to their LDraw number, and numbers
// to the colour of their first entry, or white.
TEST(LDrawColours, ColoursTakeTheirSwatchElseTheNearestEntryEarlierOnATie) {
    EXPECT_TRUE(MatchesTranscript("base/ldraw-colours.txt", [](const std::string& line) {
        std::istringstream words(line);
        std::string kind;
        int64_t value = 0;
        words >> kind;
        if (kind == "colour")
            return words >> std::hex >> value, std::to_string(LDrawColourOf(int32_t(value)));
        std::ostringstream colour;
        words >> value, colour << std::hex << ColourOfLDraw(int(value));
        return colour.str();
    }));
    EXPECT_EQ(ColourSwatches[4].Colour(), 0x342A1B); // black is entry 0, not entry 16
}
