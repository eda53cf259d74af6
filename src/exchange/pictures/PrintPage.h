#pragma once
// The printed page: the model at a whole multiple of the view's scale around the page's centre,
// inside a margin outline, rendered band by band so that a page at printer resolution never
// needs one bitmap of its own size.

#include <functional>

class TBitmap;
class TBlockList;
class TDrawContext;

struct TPrintPage {
    int Width = 0, Height = 0;    // printable area in printer pixels
    int Factor = 0;               // page width div view width; 0 leaves the bricks out
    int Margin = 0;               // 3 % of the width; the left margin is twice this
    int OffsetX = 0, OffsetY = 0; // the view's offset bars, scaled by Factor on the page
};

TPrintPage PrintPageFor(int pageWidth, int pageHeight, int viewWidth, int offsetX, int offsetY);

// Rows of the page drawn at a time. Each band is drawn in the page's own coordinates and
// clipped as the whole page would clip it, so its pixels are those of one page-sized bitmap.
constexpr int PrintBandHeight = 512;

// Writes the page's text (the model's name) into a band whose first row is page row top; the
// core has no fonts, so the caller brings them.
using TPageText = std::function<void(TBitmap& band, int top)>;

// Renders page rows top .. top + band height - 1 into band (32 bits, the page's width): white,
// the margin outline, the text, and the bricks over them through a drawing target. The
// context's view and stud metrics are as before afterwards, also when drawing fails.
void RenderPrintBand(TBlockList& model, TDrawContext& context, const TPrintPage& page, int top,
                     TBitmap& band, const TPageText& text = {});
