#include "exchange/ldraw/LDrawColourMatch.h"

#include "base/LDrawColours.h"
#include "model/BlockList.h"

int32_t NearestLDrawTableColour(int32_t colour) {
    int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    int best = 195076; // one more than 3 * 255 * 255, so the first entry always wins over it
    int32_t nearest = colour;
    for (const TLDrawColour& c : LDrawColourTable) {
        int dr = r - c.R, dg = g - c.G, db = b - c.B;
        int distance = dr * dr + dg * dg + db * db;
        if (distance < best) {
            best = distance;
            nearest = c.Colour();
        }
    }
    return nearest;
}

void MatchLDrawColours(TBlockList& model) {
    for (const auto& brick : model.Items())
        brick->Colour = NearestLDrawTableColour(brick->Colour);
}
