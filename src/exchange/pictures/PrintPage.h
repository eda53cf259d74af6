#pragma once
// The printed page: the model at a whole multiple of the view's scale around the page's centre,
// inside a margin outline, rendered band by band so that a page at printer resolution never
// needs one bitmap of its own size.

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

// Each band is drawn with PrintBandMargin rows more above and below, which are dropped: the
// raster leaves a bitmap's first and last rows alone and starts a clipped line afresh at the
// clip edge, so only a line reaching more than the margin beyond its band can come out a pixel
// off from one page-sized bitmap. Both are even, since a shift by an even number of rows keeps
// every half-to-even rounding of the projection.
constexpr int PrintBandHeight = 512;
constexpr int PrintBandMargin = 512;

// Renders page rows top .. top + band height - 1 into band (32 bits, the page's width): white,
// the margin outline, and the bricks through a drawing target. top must be even. The context's
// view and stud metrics are as before afterwards, also when drawing fails. The band with its
// margin rows is drawn into scratch when given, which a caller printing many bands keeps from
// one to the next; otherwise into a bitmap of its own.
void RenderPrintBand(TBlockList& model, TDrawContext& context, const TPrintPage& page, int top,
                     TBitmap& band, TBitmap* scratch = nullptr);
