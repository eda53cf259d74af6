#include "app/instructions/InstructionsDialog.h"

#include "app/instructions/PrinterPainter.h"
#include "exchange/instructions/PdfPainter.h"
#include "exchange/ldraw/LDrawMap.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* Choices(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// The message of an error met while the pages render, for the message box.
void ShowError(QWidget* parent, const std::exception& error) {
    QMessageBox::critical(parent, "Building instructions", QString::fromStdString(error.what()));
}

} // namespace

TInstructionsDialog::TInstructionsDialog(TBlockList& model, TDrawContext& context,
                                         std::string title, std::string pdfFolder, QWidget* parent)
    : QDialog(parent), Model(model), Context(context), Title(std::move(title)),
      PdfFolder(std::move(pdfFolder)) {
    setObjectName("InstructionsDialog");
    setWindowTitle("Building instructions");
    cbPage = Choices(this, "cbPage", {"A4", "Letter"});
    cbOrientation = Choices(this, "cbOrientation", {"Portrait", "Landscape"});
    cbStepsPerPage = Choices(this, "cbStepsPerPage", {"1", "2", "4"});
    lblSummary = new QLabel(this);
    pbPages = new QProgressBar(this);
    pbPages->setObjectName("pbPages");
    btnPreview = Button(this, "btnPreview", "Preview...");
    btnSavePdf = Button(this, "btnSavePdf", "Save PDF...");
    btnPrint = Button(this, "btnPrint", "Print...");
    btnCancel = Button(this, "btnCancel", "Cancel");
    btnClose = Button(this, "btnClose", "Close");
    btnCancel->setEnabled(false);

    auto* form = new QFormLayout;
    form->addRow("Page size:", cbPage);
    form->addRow("Orientation:", cbOrientation);
    form->addRow("Steps per page:", cbStepsPerPage);
    auto* progress = new QHBoxLayout;
    progress->addWidget(pbPages, 1);
    progress->addWidget(btnCancel);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btnPreview, btnSavePdf, btnPrint})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel("The pages show the model in the window's current view.", this));
    layout->addWidget(lblSummary);
    layout->addLayout(progress);
    layout->addLayout(buttons);

    connect(btnPreview, &QPushButton::clicked, this, &TInstructionsDialog::btnPreviewClick);
    connect(btnSavePdf, &QPushButton::clicked, this, &TInstructionsDialog::btnSavePdfClick);
    connect(btnPrint, &QPushButton::clicked, this, &TInstructionsDialog::btnPrintClick);
    connect(btnCancel, &QPushButton::clicked, this, [this] { Cancelled = true; });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    for (QComboBox* box : {cbPage, cbOrientation, cbStepsPerPage})
        connect(box, &QComboBox::currentIndexChanged, this, &TInstructionsDialog::ShowSummary);
    ShowSummary();
}

TPageSetup TInstructionsDialog::Setup() const {
    TPageSetup setup =
        PageSetupFor(cbPage->currentText().toStdString(), cbOrientation->currentIndex() == 1);
    setup.StepsPerPage = cbStepsPerPage->currentText().toInt();
    return setup;
}

void TInstructionsDialog::ShowSummary() {
    try {
        TLDrawMap map;
        map.Load();
        TInstructionBook book(Model, Context, map, Title, Setup());
        lblSummary->setText(
            QString("%1 pages, %2 steps").arg(book.PageCount()).arg(book.StepCount()));
    } catch (const std::exception& error) {
        lblSummary->setText(QString::fromStdString(error.what()));
    }
}

void TInstructionsDialog::SetBusy(bool busy) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             cbPage, cbOrientation, cbStepsPerPage, btnPreview, btnSavePdf, btnPrint, btnClose})
        control->setEnabled(!busy);
    btnCancel->setEnabled(busy);
    if (!busy)
        pbPages->reset();
}

// Page by page on this thread, letting the dialog answer (Cancel above all) between pages;
// the window behind the modal dialog takes no edits meanwhile.
template <class Painter> bool TInstructionsDialog::PaintBook(Painter& painter) {
    TLDrawMap map;
    map.Load();
    TInstructionBook book(Model, Context, map, Title, Setup());
    Cancelled = false;
    SetBusy(true);
    pbPages->setRange(0, book.PageCount());
    try {
        for (int page = 0; page < book.PageCount() && !Cancelled; ++page) {
            book.PaintPage(page, painter);
            pbPages->setValue(page + 1);
            QApplication::processEvents();
        }
    } catch (...) {
        SetBusy(false);
        throw;
    }
    SetBusy(false);
    return !Cancelled;
}

bool TInstructionsDialog::PaintPages(QPrinter& printer) {
    QPainter painter(&printer);
    TPrinterPainter pages(printer, painter);
    return PaintBook(pages);
}

bool TInstructionsDialog::SavePdf(const std::string& fileName) {
    const TPageSetup setup = Setup();
    TPdfPainter pdf(fileName, setup.Width, setup.Height);
    if (!PaintBook(pdf))
        return false;
    pdf.Finish();
    return true;
}

void TInstructionsDialog::PreparePrinter(QPrinter& printer) const {
    printer.setFullPage(true);
    printer.setPageSize(cbPage->currentIndex() == 1 ? QPageSize(QPageSize::Letter)
                                                    : QPageSize(QPageSize::A4));
    printer.setPageOrientation(cbOrientation->currentIndex() == 1 ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
}

void TInstructionsDialog::btnPreviewClick() {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        try {
            PaintPages(*target);
        } catch (const std::exception& error) {
            ShowError(this, error);
        }
    });
    preview.exec();
}

void TInstructionsDialog::btnSavePdfClick() {
    const QString name = QFileDialog::getSaveFileName(
        this, "Save building instructions", QString::fromStdString(PdfFolder + Title + ".pdf"),
        "PDF file (*.pdf)");
    if (name.isEmpty())
        return;
    try {
        SavePdf(name.toStdString());
    } catch (const std::exception& error) {
        ShowError(this, error);
    }
}

void TInstructionsDialog::btnPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        PaintPages(printer);
    } catch (const std::exception& error) {
        ShowError(this, error);
    }
}
