#pragma once
// The brick palette on the right of the main window: page selector with its arrow buttons,
// the owner-drawn list of the page's bricks and the context menu that edits the pages.

#include "app/palette/PaletteHost.h"
#include "app/palette/PalettePages.h"
#include "raster/Bitmap.h"
#include "render/PaletteRow.h"

#include <QWidget>
#include <functional>
#include <string>

class QAction;
class QComboBox;
class QMenu;
class QToolButton;
class TPaletteListBox;

class TPalettePanel : public QWidget {
    Q_OBJECT
public:
    TPalettePanel(TPaletteHost& host, TPageList& pages, QWidget* parent = nullptr);

    TPalettePages Pages;
    QComboBox* ComboBox1;
    QToolButton *btnPrevPage, *btnNextPage;
    TPaletteListBox* ListBox1;
    QMenu* pumEdit;
    QAction *Editblock1, *Addnewblock1, *Addcombo1, *miEditID, *Removeblock1, *Addnewpage1;
    QAction *Addpagefromfile1, *Removepage1, *Properties1, *Reorderpages1, *Customizepages1;
    // The off-screen bitmap each row is drawn into; it follows the view's bit depth.
    TBitmap TextBitmap;
    // Combination rows draw from here, not from their files on every repaint.
    TCombinationCache Combinations;
    // Milliseconds of the last ShowPage, shown in the caption while timing is on.
    int LastFillMilliseconds = 0;

    // A click on a row, with the key and the colour its brick takes; true when something was
    // taken in hand.
    std::function<bool(const std::string& key, int32_t colour)> OnChoose;
    // A right click on the panel outside the list.
    std::function<void()> OnRightClick;

    void ShowPage(int n);
    void ShowRecentlyUsed();
    // A new model starts with an empty recently used page.
    void ClearRecentlyUsed();
    void ListBox1DrawItem(QPainter& painter, const QRect& rect, int row, bool selected);
    // One row of a key into a list, as the palette draws it.
    void DrawKeyRow(QPainter& painter, const QRect& rect, const std::string& key, int32_t colour,
                    int rowHeight, float scale, bool selected);
    void ListBox1Click();
    void btnPrevPageClick();
    void btnNextPageClick();
    void ComboBox1Change(int index);
    void pumEditPopup();
    // The keys of the keyboard: the row above or below, and Enter on the selected row.
    void SelectRow(int delta);
    bool ChooseSelectedRow();
    void SetBitDepth(int code);
    // Redraws every visible row, for a new colour or drawing option.
    void Repaint();

    // The context menu's commands.
    void Addcombo1Click();
    void Removeblock1Click();
    void miEditIDClick();
    void Addnewpage1Click();
    void Addpagefromfile1Click();
    void Removepage1Click();
    void Properties1Click();
    void Reorderpages1Click();
    void Customizepages1Click();
    // Puts a new combination key into the current page before the selected row.
    void AddCombo(const std::string& fileName);
    // Sets the selected row's part ID, refusing one that cannot be stored; true when changed.
    bool EditID(const std::string& partID);
    // The part editor on the selected row's key, replacing it or appending its result.
    void Editblock1Click();
    void Addnewblock1Click();
    // Gives the mapping table rows for the identities of both keys.
    void MapPartIDs(const std::string& oldKey, const std::string& newKey);
    // Runs a command; its errors reach the user in a message box.
    void Run(const std::function<void()>& command);

protected:
    void mousePressEvent(QMouseEvent* e) override;

    // The selected row of a normal page, or -1.
    int SelectedPageRow() const;

private:
    TPaletteHost& Host;
    bool Filling = false;

    void CreateMenu();
    void FillSelector();
};
