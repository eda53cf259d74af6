#include "app/view/CanvasText.h"

#include "app/widgets/FrameImage.h"
#include "raster/Bitmap.h"
#include "raster/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {
QColor QColourOf(TColour colour) {
    TColour rgb = ColourToRGB(colour);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

QFont FontOf(const TCanvas& canvas) {
    QFont font(QString::fromStdString(canvas.Font.Name));
    font.setPointSize(canvas.Font.Size > 0 ? canvas.Font.Size : 8);
    font.setBold(canvas.Font.Bold);
    return font;
}

void PaintText(TCanvas& canvas, QImage& image, const QRect& clip, int x, int y,
               const std::string& text) {
    QPainter painter(&image);
    painter.setClipRect(clip);
    QFont font = FontOf(canvas);
    painter.setFont(font);
    QString s = QString::fromStdString(text);
    QFontMetrics metrics(font);
    if (canvas.Brush.Style == TBrushStyle::bsSolid)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()),
                         QColourOf(canvas.Brush.Colour));
    painter.setPen(QColourOf(canvas.Font.Colour));
    painter.drawText(x, y + metrics.ascent(), s);
}

// The pixels the text changed on the true-colour copy go back through the bitmap's palette.
void WriteBackChanged(TBitmap& bitmap, const QImage& before, const QImage& after) {
    for (int y = 0; y < after.height(); ++y) {
        auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        for (int x = 0; x < after.width(); ++x)
            if (was[x] != now[x])
                bitmap.SetPixel(x, y, RGB(qRed(now[x]), qGreen(now[x]), qBlue(now[x])));
    }
}

// Draws the text at (x, y) clipped to the rectangle, on the brush colour unless it is clear.
void DrawText(TCanvas& canvas, const QRect& clip, int x, int y, const std::string& text) {
    QImage image = FrameImage(canvas.Bitmap());
    if (image.isNull())
        return;
    // No painter draws on 8-bit images: the text goes on a true-colour copy first.
    QImage indexedBefore;
    if (image.format() == QImage::Format_Indexed8) {
        indexedBefore = image.convertToFormat(QImage::Format_RGB32);
        image = indexedBefore.copy();
    }
    PaintText(canvas, image, clip, x, y, text);
    if (!indexedBefore.isNull())
        WriteBackChanged(canvas.Bitmap(), indexedBefore, image);
}
} // namespace

void InstallCanvasTextHooks() {
    TTextHooks hooks;
    hooks.TextWidth = [](TCanvas& canvas, const std::string& text) {
        return QFontMetrics(FontOf(canvas)).horizontalAdvance(QString::fromStdString(text));
    };
    hooks.TextHeight = [](TCanvas& canvas, const std::string&) {
        return QFontMetrics(FontOf(canvas)).height();
    };
    hooks.TextOut = [](TCanvas& canvas, int x, int y, const std::string& text) {
        DrawText(canvas, QRect(0, 0, canvas.Bitmap().Width(), canvas.Bitmap().Height()), x, y,
                 text);
    };
    hooks.TextRect = [](TCanvas& canvas, const TRect& rect, int x, int y, const std::string& text) {
        DrawText(canvas, QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), x, y, text);
    };
    SetTextHooks(std::move(hooks));
}
