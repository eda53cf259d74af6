#include "app/palette/PageDialogs.h"

#include "app/widgets/RepeatButton.h"
#include "base/Text.h"
#include "model/Block.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

TfrmProperties::TfrmProperties(QWidget* parent) : QDialog(parent) {
    setObjectName("frmProperties");
    setWindowTitle("Page properties");
    auto* form = new QFormLayout(this);
    edHeader = new QLineEdit(this);
    edHeader->setObjectName("edHeader");
    spHeight = new QSpinBox(this);
    spHeight->setObjectName("spHeight");
    spHeight->setRange(8, 999);
    edScale = new QLineEdit(this);
    edScale->setObjectName("edScale");
    form->addRow("Header", edHeader);
    form->addRow("Height", spHeight);
    form->addRow("Scale", edScale);
    form->addRow(OkCancel(this));
}

void TfrmProperties::SetPage(const TPaletteSettings& page) {
    edHeader->setText(QString::fromStdString(page.Title));
    spHeight->setValue(page.Height);
    edScale->setText(QString::fromStdString(Trim(FormatScale(page.Scale))));
}

bool TfrmProperties::StoreInto(TPaletteSettings& page) const {
    float scale = page.Scale;
    ParseDecimal(edScale->text().toStdString(), scale);
    std::string title = edHeader->text().toStdString();
    if (title == page.Title && spHeight->value() == page.Height && scale == page.Scale)
        return false;
    page.Title = title;
    page.Height = spHeight->value();
    page.Scale = scale;
    return true;
}

void TfrmProperties::accept() {
    float scale = 0;
    if (!ParseDecimal(edScale->text().toStdString(), scale) || !(scale > 0) || scale > 100) {
        QMessageBox::warning(this, windowTitle(),
                             "The scale must be a number above 0 and up to 100, such as 0.5.");
        edScale->setFocus();
        return;
    }
    QDialog::accept();
}

TfrmEditID::TfrmEditID(QWidget* parent) : QDialog(parent) {
    setObjectName("frmEditID");
    setWindowTitle("Edit part ID");
    auto* form = new QFormLayout(this);
    edID = new QLineEdit(this);
    edID->setObjectName("edID");
    form->addRow("ID:", edID);
    form->addRow(OkCancel(this));
}

std::string TfrmEditID::PartID() const {
    return Trim(edID->text().toStdString());
}

void TfrmEditID::accept() {
    try {
        CheckTypedPartID(PartID());
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(e.what()));
        edID->setFocus();
        return;
    }
    QDialog::accept();
}

TfrmReorder::TfrmReorder(const TPageList& pages, QWidget* parent) : QDialog(parent), Pages(pages) {
    setObjectName("frmReorder");
    setWindowTitle("Reorder pages");
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    lbPages = new QListWidget(this);
    lbPages->setObjectName("lbPages");
    auto* buttons = new QVBoxLayout;
    btnUp = RepeatButton(this, "btnUp", Qt::UpArrow);
    btnDown = RepeatButton(this, "btnDown", Qt::DownArrow);
    buttons->addWidget(btnUp);
    buttons->addWidget(btnDown);
    buttons->addStretch();
    row->addWidget(lbPages, 1);
    row->addLayout(buttons);
    layout->addLayout(row);
    layout->addWidget(OkCancel(this));
    connect(btnUp, &QToolButton::clicked, this, [this] { MoveSelected(-1); });
    connect(btnDown, &QToolButton::clicked, this, [this] { MoveSelected(1); });
    FillList(Pages.empty() ? -1 : 0);
}

void TfrmReorder::FillList(int selected) {
    lbPages->clear();
    for (const TPaletteSettings& page : Pages)
        lbPages->addItem(QString::fromStdString(page.Title));
    lbPages->setCurrentRow(selected);
}

void TfrmReorder::MoveSelected(int delta) {
    int row = lbPages->currentRow();
    if (MovePage(Pages, row, delta))
        FillList(row + delta);
}
