#include "exchange/pictures/PrintPage.h"

#include "base/Error.h"
#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Scene.h"
#include "render/View.h"

#include <algorithm>
#include <cstring>

namespace {

// Puts the screen's view and stud metrics back however the page drawing ends.
class TViewRestorer {
public:
    explicit TViewRestorer(TDrawContext& context)
        : Context(context), View(context.View), Studs(context.Studs) {}
    ~TViewRestorer() {
        Context.View = View;
        Context.Studs = Studs;
    }
    TViewRestorer(const TViewRestorer&) = delete;
    TViewRestorer& operator=(const TViewRestorer&) = delete;

private:
    TDrawContext& Context;
    TViewState View;
    TStudMetrics Studs;
};

// Page rows from top on, as many as the bitmap has.
void RenderPageRows(TBlockList& model, TDrawContext& context, const TPrintPage& page, int top,
                    TBitmap& band) {
    TDrawObject target = TDrawObject::CreateFromBitmap(band);
    target.Context = &context;
    TCanvas& canvas = target.Canvas();
    canvas.Brush.Colour = 0xFFFFFF;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    target.FillRect({0, 0, band.Width(), band.Height()});
    canvas.Pen.Colour = 0x000000;
    int m = page.Margin;
    canvas.Rectangle(2 * m, m - top, page.Width - m, page.Height - m - top);
    if (page.Factor < 1)
        return;
    TViewRestorer restorer(context);
    TViewState& view = context.View;
    view.ViewScale *= float(page.Factor);
    view.OriginX = float(RoundHalfEven(page.Width / 2.0) - page.Factor * page.OffsetX);
    view.OriginY = float(RoundHalfEven(page.Height / 2.0) - page.Factor * page.OffsetY - top);
    context.ComputeStudMetrics();
    if (model.SortedOctant != view.Octant)
        model.Sort(view.Octant);
    DrawAll(model, target, false);
}

} // namespace

TPrintPage PrintPageFor(int pageWidth, int pageHeight, int viewWidth, int offsetX, int offsetY) {
    TPrintPage page;
    page.Width = pageWidth;
    page.Height = pageHeight;
    page.Factor = viewWidth > 0 ? pageWidth / viewWidth : 0;
    page.Margin = 3 * pageWidth / 100;
    page.OffsetX = offsetX;
    page.OffsetY = offsetY;
    return page;
}

void RenderPrintBand(TBlockList& model, TDrawContext& context, const TPrintPage& page, int top,
                     TBitmap& band, TBitmap* scratch) {
    if (top % 2 != 0)
        throw TError("A printed band must start on an even row");
    int first = std::max(0, top - PrintBandMargin);
    int last = std::min(page.Height, top + band.Height() + PrintBandMargin);
    TBitmap own;
    TBitmap& drawn = scratch ? *scratch : own;
    // White fills all of it first, so nothing of an earlier band shows.
    drawn.SetPixelFormat(TPixelFormat::pf32bit);
    drawn.SetSize(page.Width, last - first);
    RenderPageRows(model, context, page, first, drawn);
    band.SetPixelFormat(TPixelFormat::pf32bit);
    band.SetSize(page.Width, band.Height());
    for (int y = 0; y < band.Height(); ++y)
        std::memcpy(band.ScanLine(y), drawn.ScanLine(top - first + y), size_t(page.Width) * 4);
}
