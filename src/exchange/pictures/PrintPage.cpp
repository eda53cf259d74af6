#include "exchange/pictures/PrintPage.h"

#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "raster/DrawObject.h"
#include "render/DrawContext.h"
#include "render/Scene.h"
#include "render/View.h"

#include <algorithm>

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

// Page rows from top on, as many as the bitmap has, drawn in page coordinates.
void RenderPageRows(TBlockList& model, TDrawContext& context, const TPrintPage& page, int top,
                    TBitmap& band, const TPageText& text) {
    TCanvas canvas(band);
    canvas.ShowRows(top, page.Height);
    TDrawObject target = TDrawObject::CreateForBand(band, canvas);
    target.Context = &context;
    canvas.Brush.Colour = 0xFFFFFF;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    target.FillRect({0, 0, page.Width, page.Height});
    canvas.Pen.Colour = 0x000000;
    int m = page.Margin;
    canvas.Rectangle(2 * m, m, page.Width - m, page.Height - m);
    if (text)
        text(band, top);
    if (page.Factor < 1)
        return;
    TViewRestorer restorer(context);
    TViewState& view = context.View;
    view.ViewScale *= float(page.Factor);
    view.OriginX = float(RoundHalfEven(page.Width / 2.0) - page.Factor * page.OffsetX);
    view.OriginY = float(RoundHalfEven(page.Height / 2.0) - page.Factor * page.OffsetY);
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
                     TBitmap& band, const TPageText& text) {
    band.SetPixelFormat(TPixelFormat::pf32bit);
    band.SetSize(page.Width, band.Height());
    RenderPageRows(model, context, page, top, band, text);
}
