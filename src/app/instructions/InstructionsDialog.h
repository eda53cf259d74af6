#pragma once
// File -> "Building instructions...": the page size, orientation and steps a page, then the
// pages in Qt's print preview, saved as a PDF or printed, with a progress bar and Cancel while
// they render. The pages show the model in the window's current view.

#include "exchange/instructions/InstructionBook.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QPrinter;
class QProgressBar;
class QPushButton;
class TBlockList;
class TDrawContext;
class TLDrawMap;

class TInstructionsDialog : public QDialog {
    Q_OBJECT
public:
    TInstructionsDialog(TBlockList& model, TDrawContext& context, std::string title,
                        std::string pdfFolder, QWidget* parent = nullptr);

    QComboBox *cbPage, *cbOrientation, *cbStepsPerPage;
    QPushButton *btnPreview, *btnSavePdf, *btnPrint, *btnCancel, *btnClose;
    QProgressBar* pbPages;
    QLabel* lblSummary;

    // The choices as a page setup.
    TPageSetup Setup() const;
    // Renders every page through the painter's printer, the progress bar following; false when
    // cancelled. Errors propagate.
    bool PaintPages(QPrinter& printer);
    // Writes the PDF file; false when cancelled (the file is left as it was).
    bool SavePdf(const std::string& fileName);

    void btnPreviewClick();
    void btnSavePdfClick();
    void btnPrintClick();

private:
    template <class Painter> bool PaintBook(Painter& painter);
    void ShowSummary();
    void PreparePrinter(QPrinter& printer) const;
    void SetBusy(bool busy);

    TBlockList& Model;
    TDrawContext& Context;
    std::string Title, PdfFolder;
    bool Cancelled = false;
};
