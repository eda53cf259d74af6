#pragma once
// "Customize block pages": two pages side by side, bricks moved between them and within them,
// on a copy of the pages that OK hands back.

#include "app/palette/PalettePages.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

class QComboBox;
class QPainter;
class QToolButton;
class TPaletteListBox;

class TfrmCustomize : public QDialog {
    Q_OBJECT
public:
    // Draws one key into a row of a list, as the palette does: in the given colour, or in the
    // current colour when none is given.
    using TDrawKey = std::function<void(QPainter&, const QRect&, const std::string& key,
                                        std::optional<int32_t> colour, int rowHeight, float scale,
                                        bool selected)>;

    // The recently used keys come with the colours remembered for them.
    TfrmCustomize(const TPageList& pages, const std::vector<std::string>& recent,
                  const std::vector<int32_t>& recentColours, TDrawKey drawKey,
                  QWidget* parent = nullptr);

    TPageList Pages;
    QComboBox *cbLeft, *cbRight;
    TPaletteListBox *lbLeft, *lbRight;
    QToolButton *btnToRight, *btnToLeft, *btnUp, *btnDown;

    // Shows a page (0 is "<Recently used>", i is page i - 1) in the left or right list.
    void ShowSide(bool right, int index);
    // Moves the selected brick of one list to the other page; only between two different
    // normal pages.
    void MoveAcross(bool toRight);
    // Moves the selected brick of the list used last up or down in its page.
    void MoveInPage(int delta);

private:
    std::vector<std::string> Recent;
    std::vector<int32_t> RecentColours;
    TDrawKey DrawKey;
    bool LastRight = false;

    TPaletteListBox* List(bool right) const { return right ? lbRight : lbLeft; }
    QComboBox* Selector(bool right) const { return right ? cbRight : cbLeft; }
    // The page index a side shows, -1 for the recently used page.
    int PageOf(bool right) const;
};
