// The palette panel: its controls, showing pages, drawing rows, choosing a row, the menu state.
#include "app/palette/PalettePanel.h"

#include "app/palette/PaletteListBox.h"
#include "app/widgets/RepeatButton.h"
#include "model/PaletteKey.h"
#include "raster/Canvas.h"
#include "raster/PixelRows.h"
#include "render/PaletteRow.h"
#include "render/Scene.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
TColour ColourOf(const QColor& c) {
    return RGB(c.red(), c.green(), c.blue());
}

} // namespace

TPalettePanel::TPalettePanel(TPaletteHost& host, TPageList& pages, QWidget* parent)
    : QWidget(parent), Pages(pages), Host(host) {
    setObjectName("PalettePanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* top = new QHBoxLayout;
    btnPrevPage = RepeatButton(this, "btnPrevPage", Qt::LeftArrow, "Previous page");
    btnNextPage = RepeatButton(this, "btnNextPage", Qt::RightArrow, "Next page");
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setMaxVisibleItems(30);
    ComboBox1->setToolTip("Brick page");
    top->addWidget(btnPrevPage);
    top->addWidget(ComboBox1, 1);
    top->addWidget(btnNextPage);
    layout->addLayout(top);
    ListBox1 = new TPaletteListBox(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(ListBox1, 1);
    CreateMenu();

    TextBitmap.Canvas().Font.Name = ListBox1->font().family().toStdString();
    TextBitmap.Canvas().Font.Size = ListBox1->font().pointSize();

    connect(btnPrevPage, &QToolButton::clicked, this, [this] { btnPrevPageClick(); });
    connect(btnNextPage, &QToolButton::clicked, this, [this] { btnNextPageClick(); });
    connect(ComboBox1, &QComboBox::activated, this, [this](int i) { ComboBox1Change(i); });
    connect(ListBox1, &QListWidget::itemClicked, this,
            [this] { Run([this] { ListBox1Click(); }); });
    connect(ListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        pumEditPopup();
        pumEdit->exec(ListBox1->viewport()->mapToGlobal(p));
    });
    ListBox1->OnDrawItem = [this](QPainter& painter, const QRect& rect, int row, bool selected) {
        ListBox1DrawItem(painter, rect, row, selected);
    };
}

void TPalettePanel::FillSelector() {
    QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    for (const std::string& title : Pages.PageTitles())
        ComboBox1->addItem(QString::fromStdString(title));
    ComboBox1->setCurrentIndex(Pages.ShowingRecent ? 0 : Pages.CurrentPage + 1);
}

void TPalettePanel::ShowPage(int n) {
    QElapsedTimer timer;
    timer.start();
    Filling = true;
    ListBox1->setUpdatesEnabled(false);
    Pages.CurrentPage = Pages.PageToShow(n);
    Pages.ShowingRecent = false;
    ListBox1->SetRowHeight(std::min(Pages.ShownRowHeight(), MaxPaletteRowHeight));
    ListBox1->SetKeys(Pages.ShownKeys());
    FillSelector();
    ListBox1->setUpdatesEnabled(true);
    Filling = false;
    Repaint();
    LastFillMilliseconds = int(timer.elapsed());
    if (Host.Timing())
        Host.Window()->setWindowTitle(QString::number(LastFillMilliseconds));
}

void TPalettePanel::ShowRecentlyUsed() {
    Pages.ShowingRecent = true;
    ListBox1->SetRowHeight(std::min(Pages.RecentRowHeight, MaxPaletteRowHeight));
    ListBox1->SetKeys(Pages.RecentBricks);
    FillSelector();
    Repaint();
}

void TPalettePanel::ClearRecentlyUsed() {
    Pages.ClearRecent();
    if (Pages.ShowingRecent)
        ShowRecentlyUsed();
}

void TPalettePanel::ComboBox1Change(int index) {
    if (index == 0)
        ShowRecentlyUsed();
    else if (index > 0)
        ShowPage(index - 1);
}

void TPalettePanel::btnPrevPageClick() {
    ShowPage(Pages.PreviousPage());
}

void TPalettePanel::btnNextPageClick() {
    ShowPage(Pages.NextPage());
}

void TPalettePanel::Repaint() {
    ListBox1->viewport()->update();
}

void TPalettePanel::SetBitDepth(int code) {
    ::SetBitDepth(TextBitmap, code);
    Repaint();
}

void TPalettePanel::ListBox1DrawItem(QPainter& painter, const QRect& rect, int row, bool selected) {
    if (Filling)
        return;
    float scale = 0.5f;
    if (Pages.CurrentPage < Pages.PageCount())
        scale = Pages.Pages[size_t(Pages.CurrentPage)].Scale;
    DrawKeyRow(painter, rect, ListBox1->Key(row), Pages.RowColour(row, Host.CurrentColour()),
               ListBox1->RowHeight(), scale, selected);
}

void TPalettePanel::DrawKeyRow(QPainter& painter, const QRect& rect, const std::string& key,
                               int32_t colour, int rowHeight, float scale, bool selected) {
    TPaletteRowStyle style;
    style.Width = rect.width();
    style.RowHeight = rowHeight;
    style.Scale = scale;
    style.Selected = selected;
    style.Face = ColourOf(palette().color(QPalette::Button));
    style.Shadow = ColourOf(palette().color(QPalette::Dark));
    style.Colour = TColour(colour);
    style.Transparent = Host.Transparent();
    style.StudsHidden = Host.StudsHidden();
    DrawPaletteRow(TextBitmap, Host.Context(), key, style, &Combinations);
    DrawRowBitmap(painter, rect, TextBitmap, style.Face);
}

void TPalettePanel::ListBox1Click() {
    int row = ListBox1->currentRow();
    std::string key = ListBox1->Key(row);
    if (row < 0 || key.empty() || !OnChoose)
        return;
    if (!OnChoose(key, Pages.RowColour(row, Host.CurrentColour())) || IsSubAssemblyKey(key))
        return;
    Pages.UseKey(key, Host.CurrentColour(), ListBox1->RowHeight());
    if (Pages.ShowingRecent) {
        ShowRecentlyUsed();
        ListBox1->setCurrentRow(0);
    }
}

void TPalettePanel::SelectRow(int delta) {
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(
            std::clamp(ListBox1->currentRow() + delta, 0, ListBox1->count() - 1));
}

bool TPalettePanel::ChooseSelectedRow() {
    if (ListBox1->currentRow() < 0 || ListBox1->selectedItems().isEmpty())
        return false;
    ListBox1Click();
    return true;
}

int TPalettePanel::SelectedPageRow() const {
    if (!Pages.NormalPageShown() || ListBox1->selectedItems().isEmpty())
        return -1;
    int row = ListBox1->currentRow();
    const auto& keys = Pages.Pages[size_t(Pages.CurrentPage)].Bricks;
    return row >= 0 && row < int(keys.size()) ? row : -1;
}

void TPalettePanel::pumEditPopup() {
    bool normal = Pages.NormalPageShown();
    int row = SelectedPageRow();
    bool rowSelected = row >= 0;
    // A combination model is no brick to edit; an empty page may still get a new one.
    bool combination =
        rowSelected && IsSubAssemblyKey(Pages.Pages[size_t(Pages.CurrentPage)].Bricks[size_t(row)]);
    Editblock1->setEnabled(rowSelected && !combination);
    Addnewblock1->setEnabled(normal && !combination);
    // Every state is set afresh: one left over from another page could offer to remove a page
    // that holds bricks.
    Addcombo1->setEnabled(normal);
    miEditID->setEnabled(rowSelected);
    Removeblock1->setEnabled(rowSelected);
    Addnewpage1->setEnabled(true);
    Addpagefromfile1->setEnabled(true);
    Removepage1->setEnabled(normal && Pages.ShownKeys().empty());
    Properties1->setEnabled(normal);
    Reorderpages1->setEnabled(Pages.PageCount() > 1);
    Customizepages1->setEnabled(true);
}

void TPalettePanel::CreateMenu() {
    pumEdit = new QMenu(this);
    pumEdit->setObjectName("pumEdit");
    auto entry = [this](const char* name, const char* caption, void (TPalettePanel::*handler)()) {
        QAction* action = pumEdit->addAction(caption);
        action->setObjectName(name);
        if (handler)
            connect(action, &QAction::triggered, this,
                    [this, handler] { Run([&] { (this->*handler)(); }); });
        return action;
    };
    Editblock1 = entry("Editblock1", "&Edit...", &TPalettePanel::Editblock1Click);
    Addnewblock1 = entry("Addnewblock1", "&Add...", &TPalettePanel::Addnewblock1Click);
    Addcombo1 = entry("Addcombo1", "Add combo...", &TPalettePanel::Addcombo1Click);
    miEditID = entry("miEditID", "Edit ID...", &TPalettePanel::miEditIDClick);
    Removeblock1 = entry("Removeblock1", "&Remove", &TPalettePanel::Removeblock1Click);
    pumEdit->addSeparator();
    Addnewpage1 = entry("Addnewpage1", "A&dd page", &TPalettePanel::Addnewpage1Click);
    Addpagefromfile1 =
        entry("Addpagefromfile1", "Add page from &file...", &TPalettePanel::Addpagefromfile1Click);
    Removepage1 = entry("Removepage1", "Re&move page", &TPalettePanel::Removepage1Click);
    Properties1 = entry("Properties1", "&Properties...", &TPalettePanel::Properties1Click);
    pumEdit->addSeparator();
    Reorderpages1 = entry("Reorderpages1", "Re&order pages...", &TPalettePanel::Reorderpages1Click);
    Customizepages1 =
        entry("Customizepages1", "&Customize pages...", &TPalettePanel::Customizepages1Click);
    Editblock1->setEnabled(false);
    Addnewblock1->setEnabled(false);
}

void TPalettePanel::Run(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        QMessageBox::critical(Host.Window(), Host.Window()->windowTitle(),
                              QString::fromStdString(e.what()));
    }
}

void TPalettePanel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton && OnRightClick)
        OnRightClick();
    QWidget::mousePressEvent(e);
}
