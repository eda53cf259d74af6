#pragma once
// The window's colours: the one new bricks take (with its swatch), the named drawing colours
// the swatches give, and the view's background with its optional picture.

#include "raster/Bitmap.h"

#include <cstdint>
#include <string>

class TColourSwatches;
struct TDrawColours;

class TColours {
public:
    // The swatches are made with the tool bars, after this object.
    TColours(TColourSwatches* const& swatches, TDrawColours& drawing)
        : Swatches(swatches), Drawing(drawing) {}

    int32_t CurrentColour = 0;
    // Swatch of the current colour, -1 after the colour dialog.
    int CurrentSwatch = 0;
    int32_t Background = 0;
    // Stretched over the background when loaded.
    TBitmap BackgroundPicture;
    std::string BackgroundFile, BackgroundDir;

    // Colour value of a swatch (red in the low byte).
    int32_t SwatchColour(int index) const;
    int32_t ColourGray() const { return SwatchColour(1); }
    // The named drawing colours are the swatches' colours (red, light grey, black, blue); the
    // current colour becomes the first swatch's.
    void SetDrawingColours();
    // The colour becomes the current one, with its swatch marked when one has it.
    void Take(int32_t colour);
    // The next (1) or previous (-1) swatch of the cycling order becomes the current colour;
    // false when the current colour is none of them.
    bool Cycle(int direction);
    // No picture over the background.
    void ClearPicture();

private:
    TColourSwatches* const& Swatches;
    TDrawColours& Drawing;
};
