#include "app/CanvasText.h"

#include "render/Bitmap.h"
#include "render/Canvas.h"
#include "render/PixelRows.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {
QFont FontOf(const TCanvas& canvas) {
    QFont font;
    if (!canvas.Font.Name.empty())
        font.setFamily(QString::fromStdString(canvas.Font.Name));
    if (canvas.Font.Size > 0)
        font.setPointSize(canvas.Font.Size);
    font.setBold(canvas.Font.Bold);
    return font;
}

QColor QColourOf(TColour c) {
    c = ColourToRGB(c);
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// The text is drawn into a small picture with coverage in its alpha channel and blended into
// the bitmap's rows, which works for every pixel format the bitmap may have.
void DrawText(TCanvas& canvas, const TRect& clip, int x, int y, const std::string& text) {
    QFont font = FontOf(canvas);
    QFontMetrics metrics(font);
    QString qtext = QString::fromStdString(text);
    int width = metrics.horizontalAdvance(qtext), height = metrics.height();
    TBitmap& bitmap = canvas.Bitmap();
    int left = std::max({x, clip.Left, 0}),
        right = std::min({x + width, clip.Right, bitmap.Width()});
    int top = std::max({y, clip.Top, 0}),
        bottom = std::min({y + height, clip.Bottom, bitmap.Height()});
    if (left >= right || top >= bottom)
        return;
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setFont(font);
        painter.setPen(QColourOf(canvas.Font.Colour));
        painter.drawText(0, metrics.ascent(), qtext);
    }
    bool opaque = canvas.Brush.Style != TBrushStyle::bsClear;
    TColour background = ColourToRGB(canvas.Brush.Colour);
    std::vector<TColour> row(size_t(right - left));
    for (int py = top; py < bottom; ++py) {
        ReadRow(bitmap, py, left, right - left, row.data());
        const QRgb* source = reinterpret_cast<const QRgb*>(picture.constScanLine(py - y));
        for (int px = left; px < right; ++px) {
            TColour& pixel = row[size_t(px - left)];
            if (opaque)
                pixel = background;
            QRgb s = source[px - x];
            int a = qAlpha(s);
            // Premultiplied: the source channels already carry their coverage.
            pixel = RGB(qRed(s) + RedOf(pixel) * (255 - a) / 255,
                        qGreen(s) + GreenOf(pixel) * (255 - a) / 255,
                        qBlue(s) + BlueOf(pixel) * (255 - a) / 255);
        }
        WriteRow(bitmap, py, left, right - left, row.data());
    }
}
} // namespace

void InstallCanvasText() {
    TTextHooks hooks;
    hooks.TextWidth = [](TCanvas& canvas, const std::string& text) {
        return QFontMetrics(FontOf(canvas)).horizontalAdvance(QString::fromStdString(text));
    };
    hooks.TextHeight = [](TCanvas& canvas, const std::string&) {
        return QFontMetrics(FontOf(canvas)).height();
    };
    hooks.TextOut = [](TCanvas& canvas, int x, int y, const std::string& text) {
        TRect whole{0, 0, canvas.Bitmap().Width(), canvas.Bitmap().Height()};
        DrawText(canvas, whole, x, y, text);
    };
    hooks.TextRect = [](TCanvas& canvas, const TRect& rect, int x, int y, const std::string& text) {
        DrawText(canvas, rect, x, y, text);
    };
    SetTextHooks(std::move(hooks));
}
