#include "raster/DrawObject.h"

#include "raster/Bitmap.h"

TDrawObject::TDrawObject(TCanvas& canvas) : canvas(&canvas) {}

TDrawObject TDrawObject::CreateFromBitmap(TBitmap& bitmap) {
    TDrawObject target(bitmap.Canvas());
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf15bit:
        target.fastSurface = std::make_unique<TFastDraw15>(bitmap, false);
        break;
    case TPixelFormat::pf16bit:
        target.fastSurface = std::make_unique<TFastDraw15>(bitmap, true);
        break;
    case TPixelFormat::pf24bit:
        target.fastSurface = std::make_unique<TFastDraw24>(bitmap);
        break;
    case TPixelFormat::pf32bit:
        target.fastSurface = std::make_unique<TFastDraw32>(bitmap);
        break;
    case TPixelFormat::pf8bit:
    case TPixelFormat::pfDevice:
        break;
    }
    return target;
}

TDrawObject TDrawObject::CreateForBand(TBitmap& bitmap, TCanvas& canvas) {
    TDrawObject target = CreateFromBitmap(bitmap);
    target.canvas = &canvas;
    if (target.fastSurface) {
        target.fastSurface->Canvas = &canvas;
        if (canvas.PageRows > 0)
            target.fastSurface->ShowRows(canvas.FirstRow, canvas.PageRows);
        target.fastSurface->Band = canvas.Band;
    }
    return target;
}

TDrawObject TDrawObject::Measuring(TCanvas& canvas, TDrawMeasure& measure) {
    TDrawObject target(canvas);
    target.measure = &measure;
    return target;
}

TDrawObject::~TDrawObject() = default;

void TDrawObject::CopyRect(const TRect& dest, TCanvas& sourceCanvas, const TRect& source) {
    if (measure) {
        measure->Rows.Add(dest.Top, dest.Bottom);
        return;
    }
    canvas->CopyRect(dest, sourceCanvas, source);
}

void TDrawObject::Draw(int x, int y, const TBitmap& graphic) {
    if (measure) {
        measure->Rows.Add(y, y + graphic.Height());
        return;
    }
    canvas->Draw(x, y, graphic);
}

void TDrawObject::Ellipse(int x1, int y1, int x2, int y2) {
    if (measure) {
        measure->Rows.Add(y1, y2);
        return;
    }
    canvas->Ellipse(x1, y1, x2, y2);
}

void TDrawObject::FillRect(const TRect& rect) {
    if (measure) {
        measure->Rows.Add(rect.Top, rect.Bottom);
        return;
    }
    canvas->FillRect(rect);
}

void TDrawObject::FrameRect(const TRect& rect) {
    if (measure) {
        measure->Rows.Add(rect.Top, rect.Bottom);
        return;
    }
    canvas->FrameRect(rect);
}

void TDrawObject::Line(int x0, int y0, int x1, int y1) {
    if (measure) {
        measure->Rows.Add(y0, y1);
        canvas->PenPos = {x1, y1};
        return;
    }
    if (fastSurface) {
        fastSurface->Line(x0, y0, x1, y1);
        return;
    }
    MoveTo(x0, y0);
    LineTo(x1, y1);
}

void TDrawObject::LineTo(int x, int y) {
    if (measure) {
        measure->Rows.Add(canvas->PenPos.Y, y);
        canvas->PenPos = {x, y};
        return;
    }
    if (fastSurface)
        fastSurface->LineTo(x, y);
    else
        canvas->LineTo(x, y);
}

void TDrawObject::MoveTo(int x, int y) {
    if (fastSurface)
        fastSurface->MoveTo(x, y);
    else
        canvas->MoveTo(x, y);
}

void TDrawObject::Polygon(const TPoint* points, int high) {
    if (measure) {
        for (int i = 0; i <= high; ++i)
            measure->Rows.Add(points[i].Y);
        measure->Blending = canvas->Brush.Style == TBrushStyle::bsDiagCross;
        if (high >= 0)
            canvas->PenPos = points[high];
        return;
    }
    if (fastSurface)
        fastSurface->Polygon(points, high);
    else
        canvas->Polygon(points, high);
}

void TDrawObject::Polyline(const TPoint* points, int high) {
    if (measure) {
        for (int i = 0; i <= high; ++i)
            measure->Rows.Add(points[i].Y);
        if (high >= 0)
            canvas->PenPos = points[high];
        return;
    }
    if (fastSurface)
        fastSurface->Polyline(points, high);
    else
        canvas->Polyline(points, high);
}

void TDrawObject::PolylineAt(const TPoint* shape, int high, TPoint origin) {
    if (measure) {
        for (int i = 0; i <= high; ++i)
            measure->Rows.Add(shape[i].Y + origin.Y);
        if (high >= 0)
            canvas->PenPos = {shape[high].X + origin.X, shape[high].Y + origin.Y};
        return;
    }
    if (fastSurface) {
        fastSurface->PolylineAt(shape, high, origin);
        return;
    }
    if (high < 0)
        return;
    moved.resize(std::size_t(high) + 1);
    for (int i = 0; i <= high; ++i)
        moved[std::size_t(i)] = {shape[i].X + origin.X, shape[i].Y + origin.Y};
    canvas->Polyline(moved.data(), high);
}

void TDrawObject::PolylineAtEach(const TPoint* shape, int high, const TPoint* origins, int count) {
    if (fastSurface) {
        fastSurface->PolylineAtEach(shape, high, origins, count);
        return;
    }
    for (int k = 0; k < count; ++k)
        PolylineAt(shape, high, origins[k]);
}

void TDrawObject::Rectangle(int x1, int y1, int x2, int y2) {
    if (measure) {
        measure->Rows.Add(y1, y2);
        measure->Blending = canvas->Brush.Style == TBrushStyle::bsDiagCross;
        return;
    }
    if (fastSurface)
        fastSurface->Rectangle(x1, y1, x2, y2);
    else
        canvas->Rectangle(x1, y1, x2, y2);
}

void TDrawObject::Refresh() {
    canvas->Refresh();
}

void TDrawObject::StretchDraw(const TRect& dest, const TBitmap& graphic) {
    if (measure) {
        measure->Rows.Add(dest.Top, dest.Bottom);
        return;
    }
    canvas->StretchDraw(dest, graphic);
}

int TDrawObject::TextHeight(const std::string& text) {
    return canvas->TextHeight(text);
}

void TDrawObject::TextOut(int x, int y, const std::string& text) {
    if (measure) {
        measure->Rows.Add(y, y + canvas->TextHeight(text));
        canvas->PenPos = {x + canvas->TextWidth(text), y};
        return;
    }
    canvas->TextOut(x, y, text);
}

void TDrawObject::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    if (measure) {
        measure->Rows.Add(rect.Top, rect.Bottom);
        return;
    }
    canvas->TextRect(rect, x, y, text);
}

int TDrawObject::TextWidth(const std::string& text) {
    return canvas->TextWidth(text);
}
