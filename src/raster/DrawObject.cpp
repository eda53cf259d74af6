#include "raster/DrawObject.h"

#include "raster/Bitmap.h"

TDrawObject::TDrawObject(TCanvas& canvas) : TargetCanvas(&canvas) {}

TDrawObject TDrawObject::CreateFromBitmap(TBitmap& bitmap) {
    TDrawObject target(bitmap.Canvas());
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf15bit:
        target.Surface = std::make_unique<TFastDraw15>(bitmap, false);
        break;
    case TPixelFormat::pf16bit:
        target.Surface = std::make_unique<TFastDraw15>(bitmap, true);
        break;
    case TPixelFormat::pf24bit:
        target.Surface = std::make_unique<TFastDraw24>(bitmap);
        break;
    case TPixelFormat::pf32bit:
        target.Surface = std::make_unique<TFastDraw32>(bitmap);
        break;
    case TPixelFormat::pf8bit:
    case TPixelFormat::pfDevice:
        break;
    }
    return target;
}

TDrawObject TDrawObject::CreateForBand(TBitmap& bitmap, TCanvas& canvas) {
    TDrawObject target = CreateFromBitmap(bitmap);
    target.TargetCanvas = &canvas;
    if (target.Surface) {
        target.Surface->Canvas = &canvas;
        if (canvas.PageRows > 0)
            target.Surface->ShowRows(canvas.FirstRow, canvas.PageRows);
        target.Surface->Band = canvas.Band;
    }
    return target;
}

TDrawObject TDrawObject::Measuring(TCanvas& canvas, TDrawMeasure& measure) {
    TDrawObject target(canvas);
    target.Measured = &measure;
    return target;
}

TDrawObject::~TDrawObject() = default;

void TDrawObject::CopyRect(const TRect& dest, TCanvas& sourceCanvas, const TRect& source) {
    if (Measured) {
        Measured->Rows.Add(dest.Top, dest.Bottom);
        return;
    }
    TargetCanvas->CopyRect(dest, sourceCanvas, source);
}

void TDrawObject::Draw(int x, int y, const TBitmap& graphic) {
    if (Measured) {
        Measured->Rows.Add(y, y + graphic.Height());
        return;
    }
    TargetCanvas->Draw(x, y, graphic);
}

void TDrawObject::Ellipse(int x1, int y1, int x2, int y2) {
    if (Measured) {
        Measured->Rows.Add(y1, y2);
        return;
    }
    TargetCanvas->Ellipse(x1, y1, x2, y2);
}

void TDrawObject::FillRect(const TRect& rect) {
    if (Measured) {
        Measured->Rows.Add(rect.Top, rect.Bottom);
        return;
    }
    TargetCanvas->FillRect(rect);
}

void TDrawObject::FrameRect(const TRect& rect) {
    if (Measured) {
        Measured->Rows.Add(rect.Top, rect.Bottom);
        return;
    }
    TargetCanvas->FrameRect(rect);
}

void TDrawObject::Line(int x0, int y0, int x1, int y1) {
    if (Measured) {
        Measured->Rows.Add(y0, y1);
        TargetCanvas->PenPos = {x1, y1};
        return;
    }
    if (Surface) {
        Surface->Line(x0, y0, x1, y1);
        return;
    }
    MoveTo(x0, y0);
    LineTo(x1, y1);
}

void TDrawObject::LineTo(int x, int y) {
    if (Measured) {
        Measured->Rows.Add(TargetCanvas->PenPos.Y, y);
        TargetCanvas->PenPos = {x, y};
        return;
    }
    if (Surface)
        Surface->LineTo(x, y);
    else
        TargetCanvas->LineTo(x, y);
}

void TDrawObject::MoveTo(int x, int y) {
    if (Surface)
        Surface->MoveTo(x, y);
    else
        TargetCanvas->MoveTo(x, y);
}

void TDrawObject::Polygon(const TPoint* points, int high) {
    if (Measured) {
        for (int i = 0; i <= high; ++i)
            Measured->Rows.Add(points[i].Y);
        Measured->Blending = TargetCanvas->Brush.Style == TBrushStyle::bsDiagCross;
        if (high >= 0)
            TargetCanvas->PenPos = points[high];
        return;
    }
    if (Surface)
        Surface->Polygon(points, high);
    else
        TargetCanvas->Polygon(points, high);
}

void TDrawObject::Polyline(const TPoint* points, int high) {
    if (Measured) {
        for (int i = 0; i <= high; ++i)
            Measured->Rows.Add(points[i].Y);
        if (high >= 0)
            TargetCanvas->PenPos = points[high];
        return;
    }
    if (Surface)
        Surface->Polyline(points, high);
    else
        TargetCanvas->Polyline(points, high);
}

void TDrawObject::Quads(const TPoint (*quads)[4], const TColour* colours, int count,
                        uint32_t redrawn) {
    if (Surface && !Measured) {
        Surface->Quads(quads, colours, count, redrawn);
        return;
    }
    for (int k = 0; k < count; ++k) {
        TargetCanvas->Brush.Colour = colours[k];
        Polygon(quads[k], 3);
    }
}

void TDrawObject::PolylineAt(const TPoint* shape, int high, TPoint origin) {
    if (Measured) {
        for (int i = 0; i <= high; ++i)
            Measured->Rows.Add(shape[i].Y + origin.Y);
        if (high >= 0)
            TargetCanvas->PenPos = {shape[high].X + origin.X, shape[high].Y + origin.Y};
        return;
    }
    if (Surface) {
        Surface->PolylineAt(shape, high, origin);
        return;
    }
    if (high < 0)
        return;
    Moved.resize(std::size_t(high) + 1);
    for (int i = 0; i <= high; ++i)
        Moved[std::size_t(i)] = {shape[i].X + origin.X, shape[i].Y + origin.Y};
    TargetCanvas->Polyline(Moved.data(), high);
}

void TDrawObject::PolylineAtEach(const TPoint* shape, int high, const TPoint* origins, int count) {
    if (Surface) {
        Surface->PolylineAtEach(shape, high, origins, count);
        return;
    }
    for (int k = 0; k < count; ++k)
        PolylineAt(shape, high, origins[k]);
}

void TDrawObject::Rectangle(int x1, int y1, int x2, int y2) {
    if (Measured) {
        Measured->Rows.Add(y1, y2);
        Measured->Blending = TargetCanvas->Brush.Style == TBrushStyle::bsDiagCross;
        return;
    }
    if (Surface)
        Surface->Rectangle(x1, y1, x2, y2);
    else
        TargetCanvas->Rectangle(x1, y1, x2, y2);
}

void TDrawObject::Refresh() {
    TargetCanvas->Refresh();
}

void TDrawObject::StretchDraw(const TRect& dest, const TBitmap& graphic) {
    if (Measured) {
        Measured->Rows.Add(dest.Top, dest.Bottom);
        return;
    }
    TargetCanvas->StretchDraw(dest, graphic);
}

int TDrawObject::TextHeight(const std::string& text) {
    return TargetCanvas->TextHeight(text);
}

void TDrawObject::TextOut(int x, int y, const std::string& text) {
    if (Measured) {
        Measured->Rows.Add(y, y + TargetCanvas->TextHeight(text));
        TargetCanvas->PenPos = {x + TargetCanvas->TextWidth(text), y};
        return;
    }
    TargetCanvas->TextOut(x, y, text);
}

void TDrawObject::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    if (Measured) {
        Measured->Rows.Add(rect.Top, rect.Bottom);
        return;
    }
    TargetCanvas->TextRect(rect, x, y, text);
}

int TDrawObject::TextWidth(const std::string& text) {
    return TargetCanvas->TextWidth(text);
}
