#include "app/view/PictureFrame.h"

#include "exchange/pictures/CameraFrame.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Green(0x00, 0x80, 0x00);

QRect AreaOf(const TCameraFrame& frame, TFrameArea area) {
    TRect r = frame.AreaRect(area);
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

// The glyphs sit 2 pixels below the title bar's top, 8 pixels wide and 8 high.
QRect GlyphBox(const TCameraFrame& frame, TFrameArea area) {
    QRect r = AreaOf(frame, area);
    return QRect(r.left(), r.top() + 2, 8, 8);
}

void DrawGlyphs(QPainter& painter, const TCameraFrame& frame) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    QRect close = GlyphBox(frame, TFrameArea::Close);
    painter.setPen(QPen(Green, 2));
    painter.drawLine(close.left() + 1, close.top() + 1, close.right() - 1, close.bottom() - 1);
    painter.drawLine(close.right() - 1, close.top() + 1, close.left() + 1, close.bottom() - 1);

    painter.setPen(QPen(Green, 1));
    painter.setBrush(Qt::NoBrush);
    QRect whole = GlyphBox(frame, TFrameArea::WholeView);
    painter.drawRect(whole.adjusted(0, 0, -1, -1));
    painter.drawLine(whole.left(), whole.top() + 1, whole.right(), whole.top() + 1);
    QRect preset = GlyphBox(frame, TFrameArea::PresetSize);
    painter.drawRect(QRect(preset.left() + 1, preset.top() + 3, 4, 4));

    QRect seen = GlyphBox(frame, TFrameArea::SaveAsSeen);
    QPainterPath triangle;
    triangle.moveTo(seen.left() + 1, seen.top());
    triangle.lineTo(seen.left() + 7, seen.top() + 4);
    triangle.lineTo(seen.left() + 1, seen.top() + 8);
    triangle.closeSubpath();
    painter.fillPath(triangle, Green);
}

void DrawSaveLabels(QPainter& painter, const TCameraFrame& frame) {
    static const std::pair<TFrameArea, const char*> Labels[] = {
        {TFrameArea::SaveAntiAliased, " A "},
        {TFrameArea::SaveDouble, " 2 "},
        {TFrameArea::SaveFourfold, " 4 "},
        {TFrameArea::SaveEightfold, " 8 "}};
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    QFontMetrics metrics(font);
    for (const auto& [area, text] : Labels) {
        if (!frame.LabelShown(area))
            continue;
        QRect r = AreaOf(frame, area);
        QRect box(r.left(), r.top(), metrics.horizontalAdvance(text), r.height());
        painter.fillRect(box, Green);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

} // namespace

void DrawCameraFrame(QPainter& painter, TCameraFrame& frame, const QFont& windowFont) {
    frame.LayOut();
    const TPictureFrame& r = frame.Rect;
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1)));
    painter.drawRect(QRect(QPoint(r.Left, r.Top - TCameraFrame::TitleHeight),
                           QPoint(r.Right - 1, r.Bottom - 1)));
    painter.setFont(windowFont);
    QString size = QString("%1 x %2").arg(frame.Width()).arg(frame.Height());
    QRect label = AreaOf(frame, TFrameArea::SizeLabel);
    painter.drawText(QRect(label.left(), label.top(), 200, label.height() + 2),
                     Qt::AlignLeft | Qt::AlignVCenter, size);
    DrawGlyphs(painter, frame);
    DrawSaveLabels(painter, frame);
    painter.restore();
}
