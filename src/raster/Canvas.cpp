#include "raster/Canvas.h"

#include "raster/Bitmap.h"
#include "raster/CanvasFormats.h"
#include "raster/MaskedWriter.h"
#include "raster/RasterEllipse.h"
#include "raster/RasterLine.h"
#include "raster/RasterPolygon.h"

#include <algorithm>
#include <utility>

namespace {

TTextHooks& TextHooks() {
    static TTextHooks hooks;
    return hooks;
}

constexpr int FallbackCharWidth = 6;
constexpr int FallbackTextHeight = 13;

// Far enough outside any bitmap; keeps widths and heights from overflowing.
constexpr int Far = 1 << 29;

int Limited(int v) {
    return std::clamp(v, -Far, Far);
}

TRect Normalised(int x1, int y1, int x2, int y2) {
    x1 = Limited(x1), y1 = Limited(y1), x2 = Limited(x2), y2 = Limited(y2);
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Writes x0..x1 of row y through the writer after clipping.
template <class Rows, class W>
void ClippedSpan(const Rows& rows, const TRect& clip, const W& writer, int y, int x0, int x1) {
    if (y < clip.Top || y > clip.Bottom)
        return;
    x0 = std::max(x0, clip.Left);
    x1 = std::min(x1, clip.Right);
    if (x0 <= x1)
        writer.Span(rows[y], y, x0, x1);
}

// Fills box (right and bottom excluded) with fill and its one-pixel border with frame.
template <class Rows, class FillW, class FrameW>
void FramedBox(const Rows& rows, const TRect& clip, const TRect& box, const FillW& fill,
               const FrameW& frame) {
    const int right = box.Right - 1, bottom = box.Bottom - 1;
    ClippedSpan(rows, clip, frame, box.Top, box.Left, right);
    for (int y = std::max(box.Top + 1, clip.Top); y < bottom && y <= clip.Bottom; ++y) {
        ClippedSpan(rows, clip, frame, y, box.Left, box.Left);
        ClippedSpan(rows, clip, fill, y, box.Left + 1, right - 1);
        if (right > box.Left)
            ClippedSpan(rows, clip, frame, y, right, right);
    }
    if (bottom > box.Top)
        ClippedSpan(rows, clip, frame, bottom, box.Left, right);
}

} // namespace

void SetTextHooks(TTextHooks hooks) {
    TextHooks() = std::move(hooks);
}

TRect TCanvas::ClipRect() const {
    return {0, 0, Target.Width() - 1, (PageRows > 0 ? PageRows : Target.Height()) - 1};
}

void TCanvas::ShowRows(int firstRow, int pageRows) {
    FirstRow = firstRow;
    PageRows = pageRows;
    Band = {firstRow, firstRow + Target.Height() - 1};
}

void TCanvas::LineTo(int x, int y) {
    const TPoint from = PenPos;
    PenPos = {x, y};
    raster::WithFormat(Target, [&]<class F>(raster::TFormatTag<F>, bool) {
        const TOpaqueWriter<F> pen{raster::ConvertFor<F>(Target, Pen.Colour)};
        raster::DrawClippedLine(raster::RowsOf(Target, FirstRow), ClipRect(), from, PenPos, pen,
                                Band);
    });
}

void TCanvas::Polyline(const TPoint* points, int high) {
    raster::WithFormat(Target, [&]<class F>(raster::TFormatTag<F>, bool) {
        const TOpaqueWriter<F> pen{raster::ConvertFor<F>(Target, Pen.Colour)};
        for (int i = 0; i < high; ++i)
            raster::DrawClippedLine(raster::RowsOf(Target, FirstRow), ClipRect(), points[i],
                                    points[i + 1], pen, Band);
    });
}

void TCanvas::Polygon(const TPoint* points, int high) {
    if (high < 0)
        return;
    raster::WithFormat(Target, [&]<class F>(raster::TFormatTag<F>, bool blendable) {
        const auto rows = raster::RowsOf(Target, FirstRow);
        const TRect clip = ClipRect();
        const int n = high + 1;
        if (n > 2 && Brush.Style != TBrushStyle::bsClear)
            raster::WithBrushWriter<F>(
                Brush.Style, blendable, raster::ConvertFor<F>(Target, Brush.Colour),
                [&](const auto& fill) {
                    raster::FillPolygon(rows, clip, points, n, {SortedVertices, Edges, EdgeCount},
                                        fill, Band);
                });
        raster::WithOutlineWriter<F>(
            Brush.Style, blendable, raster::ConvertFor<F>(Target, Pen.Colour),
            [&](const auto& pen) {
                for (int i = 0; i < high; ++i)
                    raster::DrawClippedLine(rows, clip, points[i], points[i + 1], pen, Band);
                raster::DrawClippedLine(rows, clip, points[high], points[0], pen, Band);
            });
    });
}

template <class TDraw> void TCanvas::WithFillAndPen(TDraw draw) {
    raster::WithFormat(Target, [&]<class F>(raster::TFormatTag<F>, bool blendable) {
        raster::WithBrushWriter<F>(
            Brush.Style, blendable, raster::ConvertFor<F>(Target, Brush.Colour),
            [&](const auto& fill) {
                raster::WithOutlineWriter<F>(Brush.Style, blendable,
                                             raster::ConvertFor<F>(Target, Pen.Colour),
                                             [&](const auto& pen) {
                                                 draw(raster::RowsOf(Target, FirstRow),
                                                      WithinBand(ClipRect(), Band), fill, pen);
                                             });
            });
    });
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const TRect box = Normalised(x1, y1, x2, y2);
    if (box.Width() == 0 || box.Height() == 0)
        return;
    WithFillAndPen([&](const auto& rows, const TRect& clip, const auto& fill, const auto& pen) {
        FramedBox(rows, clip, box, fill, pen);
    });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const TRect box = Normalised(x1, y1, x2, y2);
    if (box.Width() == 0 || box.Height() == 0)
        return;
    if (CoverMask && Brush.Style != TBrushStyle::bsDiagCross) {
        MaskedEllipse(box);
        return;
    }
    WithFillAndPen([&](const auto& rows, const TRect& clip, const auto& fill, const auto& pen) {
        raster::DrawEllipse(rows, clip, box, fill, pen);
    });
}

void TCanvas::MaskedEllipse(const TRect& box) {
    raster::WithFormat(Target, [&]<class F>(raster::TFormatTag<F>, bool) {
        // The ellipse writes spans only, which need no pixel address of the mask's.
        const auto masked = [&]<class W>(const W& inner) {
            return TMaskedWriter<F, W>{inner, nullptr, CoverMask->Words(), CoverMask->Pitch(),
                                       CoverMask->Top()};
        };
        const auto rows = raster::RowsOf(Target, FirstRow);
        const TRect clip = WithinBand(ClipRect(), Band);
        const auto pen = masked(TOpaqueWriter<F>{raster::ConvertFor<F>(Target, Pen.Colour)});
        if (Brush.Style == TBrushStyle::bsClear)
            raster::DrawEllipse(rows, clip, box, raster::TNoWriter{}, pen);
        else
            raster::DrawEllipse(
                rows, clip, box,
                masked(TOpaqueWriter<F>{raster::ConvertFor<F>(Target, Brush.Colour)}), pen);
    });
}

void TCanvas::FillRect(const TRect& given) {
    if (given.Right <= given.Left || given.Bottom <= given.Top)
        return;
    const TRect rect = Normalised(given.Left, given.Top, given.Right, given.Bottom);
    raster::WithFormat(Target, [&]<class F>(raster::TFormatTag<F>, bool blendable) {
        raster::WithBrushWriter<F>(Brush.Style, blendable,
                                   raster::ConvertFor<F>(Target, Brush.Colour),
                                   [&](const auto& fill) {
                                       FramedBox(raster::RowsOf(Target, FirstRow),
                                                 WithinBand(ClipRect(), Band), rect, fill, fill);
                                   });
    });
}

void TCanvas::FrameRect(const TRect& given) {
    if (given.Right <= given.Left || given.Bottom <= given.Top)
        return;
    const TRect rect = Normalised(given.Left, given.Top, given.Right, given.Bottom);
    raster::WithFormat(Target, [&]<class F>(raster::TFormatTag<F>, bool blendable) {
        raster::WithBrushWriter<F>(
            Brush.Style, blendable, raster::ConvertFor<F>(Target, Brush.Colour),
            [&](const auto& frame) {
                FramedBox(raster::RowsOf(Target, FirstRow), WithinBand(ClipRect(), Band), rect,
                          raster::TNoWriter{}, frame);
            });
    });
}

int TCanvas::TextWidth(const std::string& text) {
    if (TextHooks().TextWidth)
        return TextHooks().TextWidth(*this, text);
    return int(text.size()) * FallbackCharWidth;
}

int TCanvas::TextHeight(const std::string& text) {
    if (TextHooks().TextHeight)
        return TextHooks().TextHeight(*this, text);
    return FallbackTextHeight;
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    if (TextHooks().TextOut)
        TextHooks().TextOut(*this, x, y, text);
    PenPos = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    if (TextHooks().TextRect)
        TextHooks().TextRect(*this, rect, x, y, text);
}
