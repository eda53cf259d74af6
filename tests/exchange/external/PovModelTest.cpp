#include "exchange/external/PovModel.h"

#include "model/Block.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

// Whole texts: studded and plain bricks in a table colour, a see-through one, a top too large
// for studs, the scene with the markers the L3P route patches; the include files are in the
// converter's CLI reference.
TEST(PovModelTest, TextsMatchTheirReferences) {
    TBlock studded, plain, glass, huge;
    studded.X = -20, studded.SX = 40, studded.SY = 20, studded.SZ = 24, studded.Studs = true;
    studded.Colour = 0x1B28C4; // red, 4
    plain.Z = 24, plain.SX = 20, plain.SY = 20, plain.SZ = 8;
    plain.Colour = 0x1B28C4;
    glass.SX = 20, glass.SY = 20, glass.SZ = 24, glass.Transparent = true, glass.Studs = true;
    glass.Colour = 0x8BC4A1; // light green, 10
    huge.SX = 4000, huge.SY = 4000, huge.SZ = 8, huge.Studs = true;
    EXPECT_TRUE(MatchesReferenceText(PovModelInclude({&studded, &plain, &glass}, "m.dat"),
                                     "exchange/pov-model.inc"));
    EXPECT_TRUE(MatchesReferenceText(PovModelInclude({&huge}, "big.dat"), "exchange/pov-huge.inc"));
    EXPECT_TRUE(MatchesReferenceText(PovModelInclude({}, "empty.dat"), "exchange/pov-empty.inc"));
    EXPECT_TRUE(MatchesReferenceText(PovModelScene({&plain}, "m.dat"), "exchange/pov-scene.pov"));
}
