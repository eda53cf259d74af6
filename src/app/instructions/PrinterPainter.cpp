#include "app/instructions/PrinterPainter.h"

#include "raster/Bitmap.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPrinter>

TPrinterPainter::TPrinterPainter(QPrinter& printer, QPainter& painter)
    : Printer(printer), Painter(painter) {}

void TPrinterPainter::StartPage() {
    if (Pages++ > 0)
        Printer.newPage();
    // The layout is in points; the printer counts its own dots.
    Painter.resetTransform();
    const double scale = Printer.resolution() / 72.0;
    Painter.scale(scale, scale);
    Painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void TPrinterPainter::Picture(const TPageRect& where, const TBitmap& pixels) {
    if (pixels.Empty() || pixels.PixelFormat() != TPixelFormat::pf32bit)
        return;
    // Blue, green, red and a spare byte: Qt's RGB32 on little-endian machines; the rows are
    // read where they lie.
    const QImage image(pixels.ScanLine(0), pixels.Width(), pixels.Height(), pixels.Pitch(),
                       QImage::Format_RGB32);
    Painter.drawImage(QRectF(where.X, where.Y, where.Width, where.Height), image);
}

void TPrinterPainter::Text(double x, double y, double size, bool bold, TTextAlign align,
                           const std::string& text) {
    // Pixel sizes, since the painter's units are already points.
    QFont font("DejaVu Sans");
    font.setPixelSize(int(size));
    font.setBold(bold);
    Painter.setFont(font);
    Painter.setPen(Qt::black);
    const QString line = QString::fromStdString(text);
    if (align == TTextAlign::Centre)
        x -= QFontMetricsF(font, Painter.device()).horizontalAdvance(line) / 2;
    Painter.drawText(QPointF(x, y), line);
}

void TPrinterPainter::Frame(const TPageRect& where, double lineWidth, TColour colour) {
    QPen pen(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    pen.setWidthF(lineWidth);
    Painter.setPen(pen);
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(QRectF(where.X, where.Y, where.Width, where.Height));
}
