#include "raster/DrawObject.h"

#include "raster/Bitmap.h"

#include <stdexcept>

namespace {

void CannotRecord(const TDrawRecording* recorder) {
    if (recorder)
        throw std::logic_error("copies, pictures and text cannot be drawn in bands");
}

} // namespace

TDrawObject::TDrawObject(TCanvas& canvas) : TargetCanvas(&canvas) {}

TDrawObject TDrawObject::CreateFromBitmap(TBitmap& bitmap) {
    TDrawObject target(bitmap.Canvas());
    target.Surface = FastDrawFor(bitmap);
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

TDrawObject TDrawObject::Recording(TBitmap& bitmap, TCanvas& canvas, TDrawRecording& recording) {
    TDrawObject target = CreateForBand(bitmap, canvas);
    target.Recorder = &recording;
    recording.Begin(target.Surface ? &target.Surface->ClipRect : nullptr);
    return target;
}

TDrawObject::~TDrawObject() = default;

void TDrawObject::CopyRect(const TRect& dest, TCanvas& sourceCanvas, const TRect& source) {
    CannotRecord(Recorder);
    TargetCanvas->CopyRect(dest, sourceCanvas, source);
}

void TDrawObject::Draw(int x, int y, const TBitmap& graphic) {
    CannotRecord(Recorder);
    TargetCanvas->Draw(x, y, graphic);
}

void TDrawObject::DrawWith(TDrawCall call, const void* data, const TPoint* points, int count) {
    if (Recorder)
        Recorder->AddCall(*TargetCanvas, call, data, points, count);
    else
        call(*this, data, points, count);
}

void TDrawObject::Ellipse(int x1, int y1, int x2, int y2) {
    if (Recorder) {
        Recorder->AddRect(TDrawCommandKind::Ellipse, *TargetCanvas, {x1, y1, x2, y2});
        return;
    }
    TargetCanvas->Ellipse(x1, y1, x2, y2);
}

void TDrawObject::FillRect(const TRect& rect) {
    if (Recorder) {
        Recorder->AddRect(TDrawCommandKind::FillRect, *TargetCanvas, rect);
        return;
    }
    TargetCanvas->FillRect(rect);
}

void TDrawObject::FrameRect(const TRect& rect) {
    if (Recorder) {
        Recorder->AddRect(TDrawCommandKind::FrameRect, *TargetCanvas, rect);
        return;
    }
    TargetCanvas->FrameRect(rect);
}

void TDrawObject::Line(int x0, int y0, int x1, int y1) {
    if (Recorder) {
        Recorder->AddLine(*TargetCanvas, {x0, y0}, {x1, y1});
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
    if (Recorder) {
        Recorder->AddLineTo(*TargetCanvas, {x, y});
        return;
    }
    if (Surface)
        Surface->LineTo(x, y);
    else
        TargetCanvas->LineTo(x, y);
}

void TDrawObject::MoveTo(int x, int y) {
    if (Recorder)
        Recorder->AddMoveTo({x, y});
    else if (Surface)
        Surface->MoveTo(x, y);
    else
        TargetCanvas->MoveTo(x, y);
}

void TDrawObject::Polygon(const TPoint* points, int high) {
    if (Recorder) {
        Recorder->AddPolygon(*TargetCanvas, points, high);
        return;
    }
    if (Surface)
        Surface->Polygon(points, high);
    else
        TargetCanvas->Polygon(points, high);
}

void TDrawObject::Polyline(const TPoint* points, int high) {
    if (Recorder) {
        Recorder->AddPolyline(*TargetCanvas, points, high);
        return;
    }
    if (Surface)
        Surface->Polyline(points, high);
    else
        TargetCanvas->Polyline(points, high);
}

void TDrawObject::Quads(const TPoint (*quads)[4], const TColour* colours, int count,
                        uint32_t redrawn) {
    if (Recorder) {
        Recorder->AddQuads(*TargetCanvas, quads, colours, count, redrawn);
        // The brush the faces drawn one by one leave.
        if (count > 0)
            TargetCanvas->Brush.Colour = colours[count - 1];
        return;
    }
    if (Surface) {
        Surface->Quads(quads, colours, count, redrawn);
        return;
    }
    for (int k = 0; k < count; ++k) {
        TargetCanvas->Brush.Colour = colours[k];
        Polygon(quads[k], 3);
    }
}

void TDrawObject::PolylineAt(const TPoint* shape, int high, TPoint origin) {
    if (Recorder) {
        Recorder->AddPolylineAtEach(*TargetCanvas, shape, high, &origin, 1);
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
    if (Recorder) {
        Recorder->AddPolylineAtEach(*TargetCanvas, shape, high, origins, count);
        return;
    }
    if (Surface) {
        Surface->PolylineAtEach(shape, high, origins, count);
        return;
    }
    for (int k = 0; k < count; ++k)
        PolylineAt(shape, high, origins[k]);
}

void TDrawObject::Rectangle(int x1, int y1, int x2, int y2) {
    if (Recorder) {
        Recorder->AddRect(TDrawCommandKind::Rectangle, *TargetCanvas, {x1, y1, x2, y2});
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
    CannotRecord(Recorder);
    TargetCanvas->StretchDraw(dest, graphic);
}

int TDrawObject::TextHeight(const std::string& text) {
    return TargetCanvas->TextHeight(text);
}

void TDrawObject::TextOut(int x, int y, const std::string& text) {
    CannotRecord(Recorder);
    TargetCanvas->TextOut(x, y, text);
}

void TDrawObject::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    CannotRecord(Recorder);
    TargetCanvas->TextRect(rect, x, y, text);
}

int TDrawObject::TextWidth(const std::string& text) {
    return TargetCanvas->TextWidth(text);
}
