#pragma once
// The part editor's own controls: the preview box, lists whose rows can be dragged to another
// list or to the trash button, and the trash button.

#include <QListWidget>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <functional>

class QDropEvent;

// Paints through a callback and turns the view on Shift + right-button drags.
class TPartPreviewBox : public QWidget {
    Q_OBJECT
public:
    explicit TPartPreviewBox(QWidget* parent = nullptr);
    std::function<void(QPainter&)> OnPaint;
    // Steps of 10 degrees: turn left (-1) or right (+1), tilt up (+1) or down (-1).
    std::function<void(int turn, int tilt)> OnTurn;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QPoint Anchor;
};

// A list whose rows are dragged by their row number; drops go to OnDrop with the list the row
// came from, its row and the row dropped on (the row count below the last row).
class TPartEditorList : public QListWidget {
    Q_OBJECT
public:
    explicit TPartEditorList(QWidget* parent = nullptr);
    // The lists this one takes rows from; empty: takes none.
    std::vector<TPartEditorList*> DropSources;
    std::function<void(TPartEditorList* source, int sourceRow, int targetRow)> OnDrop;
    std::function<void(int row)> OnRightClick;

    // The list and row a drag of this program carries, or nullptr.
    static TPartEditorList* DraggedList(const QDropEvent* e, int& row);

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    bool Accepts(const QDropEvent* e) const;
};

// Takes any list row dropped on it.
class TTrashButton : public QToolButton {
    Q_OBJECT
public:
    explicit TTrashButton(QWidget* parent = nullptr);
    std::function<void(TPartEditorList* source, int sourceRow)> OnDrop;

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
};

// Draws a small tick below a vertex line whose edge is outlined.
class TEdgeTickDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TEdgeTickDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}
    std::function<bool(int row)> Ticked;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
