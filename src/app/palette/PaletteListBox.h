#pragma once
// An owner-drawn list of palette keys with one row height for all rows: the window's palette
// list and the two lists of the customise dialog.

#include <QListWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QPainter;
class TBitmap;

// Copies a row's bitmap to the list at the rectangle's top left; the face colour fills what
// the bitmap does not cover.
void DrawRowBitmap(QPainter& painter, const QRect& rect, const TBitmap& bitmap, uint32_t face);

class TPaletteListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TPaletteListBox(QWidget* parent = nullptr);

    // Draws row `row` into the rectangle; selected rows are drawn differently by the owner.
    std::function<void(QPainter&, const QRect&, int row, bool selected)> OnDrawItem;

    // Every row takes this height (ListBox1MeasureItem).
    void SetRowHeight(int height);
    int RowHeight() const { return UniformRowHeight; }
    // The list's rows become the keys, without emitting a click.
    void SetKeys(const std::vector<std::string>& keys);
    // The key of a row, empty outside the list.
    std::string Key(int row) const;

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    int UniformRowHeight = 40;
};
