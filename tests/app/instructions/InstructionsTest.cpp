#include "app/TestApp.h"
#include "app/instructions/InstructionsDialog.h"
#include "app/instructions/InstructionsFeature.h"
#include "exchange/LoadModel.h"
#include "render/ViewControls.h"
#include "support/CommandOutput.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

int PdfPages(const std::string& file) {
    const std::string output = CommandOutput("pdfinfo '" + file + "' 2>/dev/null");
    const size_t at = output.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(output.substr(at + 6));
}

} // namespace

// The printer and the PDF file get the same pages from one layout: the shipped house, four
// steps a page in landscape Letter.
TEST(InstructionsDialogTest, PrinterAndPdfGetTheSamePages) {
    TestApp();
    TShippedAppDir appDir;
    TBlockList model;
    LoadModel(model, TESSARYN_SHIPPED_DATA "Models/house.lgo", LoadWhole);
    TDrawContext context;
    TRedrawGate redraw;
    TViewControls controls(context, redraw);
    controls.FormResize(800, 600);
    TInstructionsDialog dialog(model, context, "house", "");
    dialog.cbPage->setCurrentIndex(1);
    dialog.cbOrientation->setCurrentIndex(1);
    dialog.cbStepsPerPage->setCurrentIndex(2);
    TTempFolder folder;
    ASSERT_TRUE(dialog.SavePdf(folder.File("cairo.pdf")));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.File("qt.pdf")));
    printer.setResolution(72);
    ASSERT_TRUE(dialog.PaintPages(printer));
    const int pages = PdfPages(folder.File("cairo.pdf"));
    if (pages < 0)
        GTEST_SKIP() << "pdfinfo is not installed";
    EXPECT_EQ(pages, 1 + 5 + 1);
    EXPECT_EQ(PdfPages(folder.File("qt.pdf")), pages);
}

// The wanted list the window saves names what it leaves out; CSV leaves nothing out.
TEST(InstructionsDialogTest, PartsListFollowsTheFileName) {
    TShippedAppDir appDir;
    TBlockList model;
    LoadModel(model, TESSARYN_TEST_DATA "cli/in/leftout.lgo", LoadWhole);
    TTempFolder folder;
    EXPECT_EQ(TInstructionsFeature::SavePartsList(model, folder.File("parts.XML")),
              std::vector<std::string>{"left out 1 B3x3x3 Brick 3 x 3"});
    EXPECT_TRUE(TInstructionsFeature::SavePartsList(model, folder.File("parts.csv")).empty());
}
