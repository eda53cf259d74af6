#include "app/tools/PartEditorWidgets.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr const char* RowMime = "application/x-tessaryn-part-editor-row";
constexpr int TurnThreshold = 10;
} // namespace

TPartPreviewBox::TPartPreviewBox(QWidget* parent) : QWidget(parent) {
    setObjectName("PaintBox1");
    setMinimumSize(240, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPartPreviewBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (OnPaint)
        OnPaint(painter);
}

void TPartPreviewBox::mousePressEvent(QMouseEvent* e) {
    Anchor = e->position().toPoint();
}

void TPartPreviewBox::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::RightButton) || !(e->modifiers() & Qt::ShiftModifier) || !OnTurn)
        return;
    QPoint p = e->position().toPoint();
    int dx = p.x() - Anchor.x(), dy = p.y() - Anchor.y();
    int turn = dx > TurnThreshold ? 1 : dx < -TurnThreshold ? -1 : 0;
    // Moving up tilts up.
    int tilt = dy < -TurnThreshold ? 1 : dy > TurnThreshold ? -1 : 0;
    if (turn != 0)
        Anchor.setX(p.x());
    if (tilt != 0)
        Anchor.setY(p.y());
    if (turn != 0 || tilt != 0)
        OnTurn(turn, tilt);
}

TPartEditorList::TPartEditorList(QWidget* parent) : QListWidget(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

TPartEditorList* TPartEditorList::DraggedList(const QDropEvent* e, int& row) {
    const QMimeData* data = e->mimeData();
    if (!data || !data->hasFormat(RowMime))
        return nullptr;
    bool ok = false;
    row = QString::fromUtf8(data->data(RowMime)).toInt(&ok);
    auto* list = qobject_cast<TPartEditorList*>(e->source());
    return ok && list ? list : nullptr;
}

void TPartEditorList::startDrag(Qt::DropActions) {
    int row = currentRow();
    if (row < 0)
        return;
    auto* data = new QMimeData;
    data->setData(RowMime, QByteArray::number(row));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}

bool TPartEditorList::Accepts(const QDropEvent* e) const {
    int row = 0;
    TPartEditorList* source = DraggedList(e, row);
    return source && std::find(DropSources.begin(), DropSources.end(), source) != DropSources.end();
}

void TPartEditorList::dragEnterEvent(QDragEnterEvent* e) {
    if (Accepts(e))
        e->acceptProposedAction();
    else
        e->ignore();
}

void TPartEditorList::dragMoveEvent(QDragMoveEvent* e) {
    if (Accepts(e))
        e->acceptProposedAction();
    else
        e->ignore();
}

void TPartEditorList::dropEvent(QDropEvent* e) {
    int sourceRow = 0;
    TPartEditorList* source = DraggedList(e, sourceRow);
    if (!Accepts(e) || !OnDrop) {
        e->ignore();
        return;
    }
    QListWidgetItem* item = itemAt(e->position().toPoint());
    int target = item ? row(item) : count();
    e->setDropAction(Qt::IgnoreAction); // the handler rebuilds the lists itself
    e->accept();
    OnDrop(source, sourceRow, target);
}

void TPartEditorList::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton && OnRightClick) {
        QListWidgetItem* item = itemAt(e->position().toPoint());
        if (item)
            OnRightClick(row(item));
        return;
    }
    QListWidget::mousePressEvent(e);
}

TTrashButton::TTrashButton(QWidget* parent) : QToolButton(parent) {
    setObjectName("btnTrash");
    setText("Trash");
    setToolTip("Drop a list entry here to remove it");
    setAcceptDrops(true);
}

void TTrashButton::dragEnterEvent(QDragEnterEvent* e) {
    int row = 0;
    if (TPartEditorList::DraggedList(e, row))
        e->acceptProposedAction();
    else
        e->ignore();
}

void TTrashButton::dropEvent(QDropEvent* e) {
    int row = 0;
    TPartEditorList* source = TPartEditorList::DraggedList(e, row);
    if (!source || !OnDrop) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::IgnoreAction);
    e->accept();
    OnDrop(source, row);
}

void TEdgeTickDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (!Ticked || !Ticked(index.row()))
        return;
    int y = option.rect.bottom() - 1;
    int x = option.rect.left() + 4;
    painter->save();
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawLine(x, y, x + 10, y);
    painter->restore();
}
