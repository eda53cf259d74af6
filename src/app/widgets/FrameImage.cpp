#include "app/widgets/FrameImage.h"

#include "raster/Bitmap.h"

#include <QList>

QImage FrameImage(TBitmap& bitmap) {
    if (bitmap.Empty())
        return {};
    QImage::Format format = QImage::Format_RGB32;
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf8bit:
        format = QImage::Format_Indexed8;
        break;
    case TPixelFormat::pf15bit:
        format = QImage::Format_RGB555;
        break;
    case TPixelFormat::pf16bit:
        format = QImage::Format_RGB16;
        break;
    case TPixelFormat::pf24bit:
        format = QImage::Format_BGR888;
        break;
    case TPixelFormat::pf32bit:
    case TPixelFormat::pfDevice:
        break;
    }
    QImage image(bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), bitmap.Pitch(), format);
    if (format == QImage::Format_Indexed8) {
        QList<QRgb> table;
        for (TColour c : bitmap.Palette())
            table.append(qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
        image.setColorTable(table);
    }
    return image;
}
