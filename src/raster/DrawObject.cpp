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

TDrawObject::~TDrawObject() = default;

void TDrawObject::CopyRect(const TRect& dest, TCanvas& sourceCanvas, const TRect& source) {
    canvas->CopyRect(dest, sourceCanvas, source);
}

void TDrawObject::Draw(int x, int y, const TBitmap& graphic) {
    canvas->Draw(x, y, graphic);
}

void TDrawObject::Ellipse(int x1, int y1, int x2, int y2) {
    canvas->Ellipse(x1, y1, x2, y2);
}

void TDrawObject::FillRect(const TRect& rect) {
    canvas->FillRect(rect);
}

void TDrawObject::FrameRect(const TRect& rect) {
    canvas->FrameRect(rect);
}

void TDrawObject::Line(int x0, int y0, int x1, int y1) {
    if (fastSurface) {
        fastSurface->Line(x0, y0, x1, y1);
        return;
    }
    MoveTo(x0, y0);
    LineTo(x1, y1);
}

void TDrawObject::LineTo(int x, int y) {
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
    if (fastSurface)
        fastSurface->Polygon(points, high);
    else
        canvas->Polygon(points, high);
}

void TDrawObject::Polyline(const TPoint* points, int high) {
    if (fastSurface)
        fastSurface->Polyline(points, high);
    else
        canvas->Polyline(points, high);
}

void TDrawObject::PolylineAt(const TPoint* shape, int high, TPoint origin) {
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
    if (fastSurface)
        fastSurface->Rectangle(x1, y1, x2, y2);
    else
        canvas->Rectangle(x1, y1, x2, y2);
}

void TDrawObject::Refresh() {
    canvas->Refresh();
}

void TDrawObject::StretchDraw(const TRect& dest, const TBitmap& graphic) {
    canvas->StretchDraw(dest, graphic);
}

int TDrawObject::TextHeight(const std::string& text) {
    return canvas->TextHeight(text);
}

void TDrawObject::TextOut(int x, int y, const std::string& text) {
    canvas->TextOut(x, y, text);
}

void TDrawObject::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    canvas->TextRect(rect, x, y, text);
}

int TDrawObject::TextWidth(const std::string& text) {
    return canvas->TextWidth(text);
}
