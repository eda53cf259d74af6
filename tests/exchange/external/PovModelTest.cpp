#include "exchange/external/PovModel.h"

#include "exchange/Reference.h"
#include "model/Block.h"

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
    ExpectReferenceText("exchange/pov-model.inc",
                        PovModelInclude({&studded, &plain, &glass}, "m.dat"));
    ExpectReferenceText("exchange/pov-huge.inc", PovModelInclude({&huge}, "big.dat"));
    ExpectReferenceText("exchange/pov-empty.inc", PovModelInclude({}, "empty.dat"));
    ExpectReferenceText("exchange/pov-scene.pov", PovModelScene({&plain}, "m.dat"));
}
