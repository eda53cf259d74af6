#include "app/tools/AskFileAndPart.h"

#include "base/Text.h"
#include "model/Block.h"
#include "parts/PartNameChecks.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>

namespace {
QLineEdit* NamedEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}
} // namespace

TAskFileAndPart::TAskFileAndPart(QWidget* parent) : QDialog(parent) {
    setObjectName("AskFileAndPart");
    setWindowTitle("Enter part information");
    auto* form = new QFormLayout(this);
    Edit1 = NamedEdit(this, "Edit1");
    Edit2 = NamedEdit(this, "Edit2");
    Edit3 = NamedEdit(this, "Edit3");
    Edit4 = NamedEdit(this, "Edit4");
    form->addRow("File name:", Edit1);
    form->addRow("Part name:", Edit2);
    form->addRow("Identity", Edit3);
    form->addRow("Author:", Edit4);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setMinimumWidth(320);
}

void TAskFileAndPart::SetNames(const std::string& file, const std::string& part,
                               const std::string& identity) {
    bool templateFile = file.empty() || SameText(file, "template.dat");
    Edit1->setText(QString::fromStdString(templateFile ? "userblks.dat" : file));
    Edit2->setText(SameText(part, "template") ? QString() : QString::fromStdString(part));
    Edit3->setText(QString::fromStdString(identity));
}

std::string TAskFileAndPart::FileName() const {
    return Edit1->text().toStdString();
}

std::string TAskFileAndPart::PartName() const {
    return TypedPartName(Edit2->text().toStdString());
}

std::string TAskFileAndPart::Identity() const {
    std::string identity = Trim(Edit3->text().toStdString());
    if (!identity.empty())
        return identity;
    // "name|ID" typed as the part name gives the identity too, as a palette key would.
    std::string part = Edit2->text().toStdString();
    size_t bar = part.find('|');
    return bar == std::string::npos ? "" : Trim(part.substr(bar + 1));
}

void TAskFileAndPart::accept() {
    try {
        CheckNewPartNames(FileName(), Edit2->text().toStdString());
        CheckTypedPartID(Identity());
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(e.what()));
        return;
    }
    if (PartNameTaken(FileName(), PartName()) &&
        QMessageBox::question(this, windowTitle(),
                              QString::fromStdString("The part \"" + PartName() +
                                                     "\" exists already.\nReplace it?")) !=
            QMessageBox::Yes)
        return;
    QDialog::accept();
}
