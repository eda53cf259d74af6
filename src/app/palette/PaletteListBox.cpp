#include "app/palette/PaletteListBox.h"

#include "raster/Bitmap.h"
#include "raster/PixelRows.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {
class TOwnerDraw : public QStyledItemDelegate {
public:
    explicit TOwnerDraw(TPaletteListBox* list) : QStyledItemDelegate(list), List(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (List->OnDrawItem)
            List->OnDrawItem(*painter, option.rect, index.row(),
                             option.state.testFlag(QStyle::State_Selected));
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {List->viewport()->width(), List->RowHeight()};
    }

private:
    TPaletteListBox* List;
};
} // namespace

void DrawRowBitmap(QPainter& painter, const QRect& rect, const TBitmap& bitmap, uint32_t face) {
    int width = bitmap.Width(), height = bitmap.Height();
    QImage image(width, height, QImage::Format_RGB32);
    std::vector<TColour> row(static_cast<size_t>(width));
    for (int y = 0; y < height; ++y) {
        ReadRow(bitmap, y, 0, width, row.data());
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = qRgb(RedOf(row[size_t(x)]), GreenOf(row[size_t(x)]), BlueOf(row[size_t(x)]));
    }
    painter.drawImage(rect.topLeft(), image);
    if (rect.height() > height)
        painter.fillRect(rect.adjusted(0, height, 0, 0),
                         QColor(RedOf(face), GreenOf(face), BlueOf(face)));
}

TPaletteListBox::TPaletteListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new TOwnerDraw(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Below the last row the list shows the rows' face colour.
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    setPalette(colours);
}

void TPaletteListBox::SetRowHeight(int height) {
    UniformRowHeight = std::max(1, height);
    verticalScrollBar()->setSingleStep(UniformRowHeight);
    // Uniform sizes are cached by the view; a new height must reach it.
    doItemsLayout();
}

void TPaletteListBox::SetKeys(const std::vector<std::string>& keys) {
    QSignalBlocker block(this);
    clear();
    for (const std::string& key : keys)
        addItem(QString::fromStdString(key));
}

std::string TPaletteListBox::Key(int row) const {
    QListWidgetItem* entry = item(row);
    return entry ? entry->text().toStdString() : std::string();
}

void TPaletteListBox::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        // The row under the pointer becomes the selected row, so the context menu acts on it.
        int row = indexAt(e->position().toPoint()).row();
        if (row >= 0)
            setCurrentRow(row);
        e->accept();
        return;
    }
    QListWidget::mousePressEvent(e);
}
