#pragma once
// One row of the brick palette drawn into a bitmap: the brick (or combination model) of a
// palette key fitted and centred in a fixed small view, and the row's text.

#include "raster/Colour.h"

#include <string>

class TBitmap;
class TDrawContext;

// Rows are never drawn taller than this.
constexpr int MaxPaletteRowHeight = 255;

struct TPaletteRowStyle {
    int Width = 0;      // the row's width, which is the list's client width
    int RowHeight = 0;  // the list's row height; drawn at most MaxPaletteRowHeight high
    float Scale = 0.5f; // the page's scale, the largest the brick is drawn at
    bool Selected = false;
    TColour Face = clBtnFace;     // background of a row
    TColour Shadow = clBtnShadow; // background of the selected row
    TColour Colour = 0;           // the brick's colour; also black bricks of a combination
    bool Transparent = false;     // the transparency button is down
    bool StudsHidden = false;     // the per-brick stud button is down
};

// Sizes the bitmap to the row and draws it. The context's view and drawing options are as
// before afterwards. A key that makes no brick, or a model that does not load, leaves the row
// with its text only: drawing never reports errors.
void DrawPaletteRow(TBitmap& bitmap, TDrawContext& context, const std::string& key,
                    const TPaletteRowStyle& style);
