#include "app/palette/CustomizeDialog.h"

#include "app/palette/PaletteListBox.h"
#include "app/widgets/RepeatButton.h"
#include "render/PaletteRow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

TfrmCustomize::TfrmCustomize(const TPageList& pages, const std::vector<std::string>& recent,
                             const std::vector<int32_t>& recentColours, TDrawKey drawKey,
                             QWidget* parent)
    : QDialog(parent), Pages(pages), Recent(recent), RecentColours(recentColours),
      DrawKey(std::move(drawKey)) {
    setObjectName("frmCustomize");
    setWindowTitle("Customize block pages");
    resize(520, 560);
    auto* grid = new QGridLayout(this);
    auto* middle = new QVBoxLayout;
    btnToRight = RepeatButton(this, "btnToRight", Qt::RightArrow, "Move to the right page");
    btnToLeft = RepeatButton(this, "btnToLeft", Qt::LeftArrow, "Move to the left page");
    btnUp = RepeatButton(this, "btnUp", Qt::UpArrow, "Move up");
    btnDown = RepeatButton(this, "btnDown", Qt::DownArrow, "Move down");
    middle->addStretch();
    for (QToolButton* button : {btnToRight, btnToLeft, btnUp, btnDown})
        middle->addWidget(button);
    middle->addStretch();
    for (bool right : {false, true}) {
        auto* selector = new QComboBox(this);
        selector->setObjectName(right ? "cbRight" : "cbLeft");
        selector->setMaxVisibleItems(30);
        selector->addItem(RecentlyUsedTitle);
        for (const TPaletteSettings& page : Pages)
            selector->addItem(QString::fromStdString(page.Title));
        auto* list = new TPaletteListBox(this);
        list->setObjectName(right ? "lbRight" : "lbLeft");
        list->setMinimumWidth(200);
        (right ? cbRight : cbLeft) = selector;
        (right ? lbRight : lbLeft) = list;
        grid->addWidget(selector, 0, right ? 2 : 0);
        grid->addWidget(list, 1, right ? 2 : 0);
        connect(selector, &QComboBox::activated, this,
                [this, right](int i) { ShowSide(right, i); });
        connect(list, &QListWidget::currentRowChanged, this, [this, right] { LastRight = right; });
        list->OnDrawItem = [this, right](QPainter& painter, const QRect& rect, int row,
                                         bool selected) {
            int page = PageOf(right);
            float scale = page >= 0 ? Pages[size_t(page)].Scale : 0.5f;
            std::optional<int32_t> colour;
            if (page < 0 && row >= 0 && size_t(row) < this->RecentColours.size())
                colour = this->RecentColours[size_t(row)];
            this->DrawKey(painter, rect, List(right)->Key(row), colour, List(right)->RowHeight(),
                          scale, selected);
        };
    }
    grid->addLayout(middle, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 2, 0, 1, 3);
    connect(btnToRight, &QToolButton::clicked, this, [this] { MoveAcross(true); });
    connect(btnToLeft, &QToolButton::clicked, this, [this] { MoveAcross(false); });
    connect(btnUp, &QToolButton::clicked, this, [this] { MoveInPage(-1); });
    connect(btnDown, &QToolButton::clicked, this, [this] { MoveInPage(1); });
    int count = int(Pages.size());
    ShowSide(false, count > 0 ? 1 : 0);
    ShowSide(true, count > 1 ? 2 : (count > 0 ? 1 : 0));
}

int TfrmCustomize::PageOf(bool right) const {
    int index = Selector(right)->currentIndex();
    return index > 0 && index <= int(Pages.size()) ? index - 1 : -1;
}

void TfrmCustomize::ShowSide(bool right, int index) {
    Selector(right)->setCurrentIndex(index);
    int page = PageOf(right);
    TPaletteListBox* list = List(right);
    int height = page >= 0 ? Pages[size_t(page)].Height : 40;
    list->SetRowHeight(std::min(height, MaxPaletteRowHeight));
    list->SetKeys(page >= 0 ? Pages[size_t(page)].Bricks : Recent);
}

void TfrmCustomize::MoveAcross(bool toRight) {
    bool fromRight = !toRight;
    int from = PageOf(fromRight), to = PageOf(toRight);
    int row = List(fromRight)->currentRow();
    int before = List(toRight)->currentRow();
    if (from < 0 || to < 0 || List(fromRight)->selectedItems().isEmpty())
        return;
    if (List(toRight)->selectedItems().isEmpty())
        before = -1;
    if (!MoveKeyToPage(Pages, from, row, to, before))
        return;
    ShowSide(fromRight, from + 1);
    ShowSide(toRight, to + 1);
    int count = List(fromRight)->count();
    List(fromRight)->setCurrentRow(std::min(row, count - 1));
}

void TfrmCustomize::MoveInPage(int delta) {
    int page = PageOf(LastRight);
    int row = List(LastRight)->currentRow();
    if (page < 0 || !MoveKeyInPage(Pages[size_t(page)], row, delta))
        return;
    bool right = LastRight;
    ShowSide(right, page + 1);
    // Both lists show the page when the same page is chosen twice.
    if (PageOf(!right) == page)
        ShowSide(!right, page + 1);
    List(right)->setCurrentRow(row + delta);
    LastRight = right;
}
