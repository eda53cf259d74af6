#pragma once
// The building instructions as pages: a cover with the whole model, the steps (each with its
// number, its parts and its picture, one, two or four to a page) and the bill of materials.
// The layout is drawn through a page painter, so the PDF file and the printer share it.

#include "exchange/instructions/BuildSteps.h"
#include "exchange/instructions/PagePainter.h"
#include "exchange/instructions/PartNames.h"
#include "exchange/instructions/StepPicture.h"
#include "render/View.h"

#include <string>
#include <vector>

class TBlockList;
class TDrawContext;
class TLDrawMap;

struct TPageSetup {
    double Width = 595.28, Height = 841.89; // points; A4 portrait
    int StepsPerPage = 1;                   // 1, 2 or 4
    int Dpi = 300;                          // the pictures' resolution
    int MaxNew = DefaultMaxNewBricks;       // for layer steps
};

// The page of a paper name ("A4" or "Letter", any case), turned for landscape; raises for
// another name.
TPageSetup PageSetupFor(const std::string& paper, bool landscape);

class TInstructionBook {
public:
    // The context's view gives the angles and its options the drawing; the model is borrowed
    // for the book's life and drawn as it is, apart from the steps' staging while a page paints.
    TInstructionBook(TBlockList& model, TDrawContext& context, const TLDrawMap& map,
                     std::string title, const TPageSetup& setup);

    int PageCount() const;
    int StepCount() const { return int(Steps.size()); }
    // Draws page 0 (the cover) to PageCount() - 1; the context is as before afterwards.
    void PaintPage(int page, TPagePainter& painter);

    // The rectangle of step k's picture on its page, in points, and its size in pixels; the
    // same size for every step.
    TPageRect StepPictureRect(int k) const;
    int PicturePixels(double points) const;
    // Rows of step k's picture, as the pages show them (for the window and the tests).
    void RenderStepRows(int k, int top, TBitmap& band);
    // The view every step picture is drawn in.
    const TViewState& StepPictureView() const { return StepView; }

    // How the new bricks stand out; set it before painting.
    TStepStyle Style;

private:
    struct TCell {
        TPageRect Box, Picture;
    };
    TCell StepCell(int slot) const;
    void PaintCover(TPagePainter& painter);
    void PaintStep(int k, TPagePainter& painter);
    void PaintParts(int page, TPagePainter& painter);
    void PaintPicture(const TPageRect& where, const TViewState& view, TPagePainter& painter);
    void PaintPart(const TPartCount& part, const TPageRect& where, TPagePainter& painter);
    void LayOutSteps();

    TBlockList& Model;
    TDrawContext& Context;
    std::string Title;
    TPageSetup Setup;
    std::vector<TBuildStep> Steps;
    std::vector<std::vector<TPartCount>> StepParts;
    std::vector<TNamedPart> Bill;
    TViewState BaseView, StepView;
    double PartSize = 42; // side of a step's part pictures, points
    double PanelHeight = 0;
    int Columns = 1, Rows = 1; // step cells on a page
    int BillColumns = 1, BillRows = 1;
};
