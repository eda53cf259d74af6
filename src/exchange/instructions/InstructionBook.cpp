#include "exchange/instructions/InstructionBook.h"

#include "exchange/instructions/PartsList.h"
#include "model/BlockList.h"
#include "raster/Bitmap.h"
#include "render/DrawContext.h"
#include "render/PaletteRow.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Margin = 36;      // half an inch round every page
constexpr double Gap = 12;         // between step cells
constexpr double Pad = 8;          // inside a step cell
constexpr double NumberWidth = 44; // the step number left of the parts
constexpr double CountLine = 14;   // the "3x" under a part picture
constexpr double BillCellWidth = 96, BillCellHeight = 104, BillPicture = 54;
constexpr double TitleSpace = 40;
constexpr TColour CellFrame = 0xB0B0B0;

// Puts the context's view back however a page ends.
class TViewKeeper {
public:
    explicit TViewKeeper(TDrawContext& context) : Context(context), View(context.View) {}
    ~TViewKeeper() {
        Context.View = View;
        Context.ComputeStudMetrics();
    }
    TViewKeeper(const TViewKeeper&) = delete;
    TViewKeeper& operator=(const TViewKeeper&) = delete;

private:
    TDrawContext& Context;
    TViewState View;
};

// A palette key that makes a brick of the part's shape, without the identity the row would
// print.
std::string PictureKey(const TPartCount& part) {
    if (part.Kind.Kind == 'G')
        return "G" + part.Kind.DefFile + "," + part.Kind.DefPart;
    const TBlock& brick = *part.Sample;
    return std::string(1, part.Kind.Kind) + std::to_string(brick.SX / 20) + "x" +
           std::to_string(brick.SY / 20) + "x" + std::to_string(brick.SZ / 8);
}

std::string PageFooter(int page, int count) {
    return std::to_string(page + 1) + " / " + std::to_string(count);
}

} // namespace

TInstructionBook::TInstructionBook(TBlockList& model, TDrawContext& context, const TLDrawMap& map,
                                   std::string title, const TPageSetup& setup)
    : Model(model), Context(context), Title(std::move(title)), Setup(setup),
      Steps(BuildingSteps(model, setup.MaxNew)), Bill(BillOfMaterials(model, map)),
      BaseView(context.View), StepView(context.View) {
    for (const TBuildStep& step : Steps)
        StepParts.push_back(CountParts(step.Bricks));
    const bool landscape = Setup.Width > Setup.Height;
    Columns = Setup.StepsPerPage == 4 || (Setup.StepsPerPage == 2 && landscape) ? 2 : 1;
    Rows = Setup.StepsPerPage == 4 || (Setup.StepsPerPage == 2 && !landscape) ? 2 : 1;
    BillColumns = std::max(1, int((Setup.Width - 2 * Margin) / BillCellWidth));
    BillRows = std::max(1, int((Setup.Height - 2 * Margin - TitleSpace - 20) / BillCellHeight));
    LayOutSteps();
}

// The part pictures shrink until the fullest step's parts take at most a third of a cell, so
// every step's picture gets the same rectangle and the model keeps its place.
void TInstructionBook::LayOutSteps() {
    const TPageRect box = StepCell(0).Box;
    const double panelWidth = box.Width - 2 * Pad - NumberWidth;
    size_t most = 0;
    for (const auto& parts : StepParts)
        most = std::max(most, parts.size());
    for (PartSize = 42;; PartSize -= 2) {
        const int perRow = std::max(1, int(panelWidth / (PartSize + 6)));
        const int rows = int((most + size_t(perRow) - 1) / size_t(perRow));
        PanelHeight = rows * (PartSize + CountLine);
        if (PanelHeight <= (box.Height - 2 * Pad) / 3 || PartSize <= 12)
            break;
    }
    const TPageRect picture = StepCell(0).Picture;
    StepView = BaseView;
    FitWholeModel(StepView, Model, PicturePixels(picture.Width), PicturePixels(picture.Height));
}

int TInstructionBook::PageCount() const {
    const int perPage = Columns * Rows;
    const int stepPages = (StepCount() + perPage - 1) / perPage;
    const int billPages =
        (int(Bill.size()) + BillColumns * BillRows - 1) / (BillColumns * BillRows);
    return 1 + stepPages + billPages;
}

int TInstructionBook::PicturePixels(double points) const {
    return std::max(1, int(std::lround(points * Setup.Dpi / 72)));
}

TInstructionBook::TCell TInstructionBook::StepCell(int slot) const {
    const double width = (Setup.Width - 2 * Margin - (Columns - 1) * Gap) / Columns;
    const double height = (Setup.Height - 2 * Margin - 20 - (Rows - 1) * Gap) / Rows;
    TCell cell;
    cell.Box = {Margin + (slot % Columns) * (width + Gap),
                Margin + (slot / Columns) * (height + Gap), width, height};
    const double top = cell.Box.Y + Pad + std::max(30.0, PanelHeight) + 6;
    cell.Picture = {cell.Box.X + Pad, top, width - 2 * Pad,
                    std::max(20.0, cell.Box.Y + height - Pad - top)};
    return cell;
}

TPageRect TInstructionBook::StepPictureRect(int k) const {
    return StepCell(k % (Columns * Rows)).Picture;
}

void TInstructionBook::PaintPage(int page, TPagePainter& painter) {
    TViewKeeper keeper(Context);
    painter.StartPage();
    const int perPage = Columns * Rows;
    const int stepPages = (StepCount() + perPage - 1) / perPage;
    if (page == 0)
        PaintCover(painter);
    else if (page <= stepPages)
        for (int k = (page - 1) * perPage; k < std::min(StepCount(), page * perPage); ++k)
            PaintStep(k, painter);
    else
        PaintParts(page - 1 - stepPages, painter);
    painter.Text(Setup.Width / 2, Setup.Height - Margin / 2, 9, false, TTextAlign::Centre,
                 PageFooter(page, PageCount()));
}

void TInstructionBook::PaintCover(TPagePainter& painter) {
    painter.Text(Setup.Width / 2, Margin + 30, 26, true, TTextAlign::Centre, Title);
    const TPageRect picture{Margin, Margin + 56, Setup.Width - 2 * Margin,
                            Setup.Height - 2 * Margin - 120};
    TViewState view = BaseView;
    FitWholeModel(view, Model, PicturePixels(picture.Width), PicturePixels(picture.Height));
    TStepStyle whole = Style;
    whole.LightenEarlier = false;
    TStepStage stage(Model, Steps, std::max(0, StepCount() - 1), whole);
    PaintPicture(picture, view, painter);
    painter.Text(Setup.Width / 2, Setup.Height - Margin - 30, 14, false, TTextAlign::Centre,
                 std::to_string(Model.Count()) + " pieces, " + std::to_string(StepCount()) +
                     (StepCount() == 1 ? " step" : " steps"));
}

void TInstructionBook::PaintStep(int k, TPagePainter& painter) {
    const TCell cell = StepCell(k % (Columns * Rows));
    painter.Frame(cell.Box, 0.5, CellFrame);
    painter.Text(cell.Box.X + Pad, cell.Box.Y + Pad + 22, 24, true, TTextAlign::Left,
                 std::to_string(k + 1));
    const double left = cell.Box.X + Pad + NumberWidth;
    const double right = cell.Box.X + cell.Box.Width - Pad;
    double x = left, y = cell.Box.Y + Pad;
    for (const TPartCount& part : StepParts[size_t(k)]) {
        if (x + PartSize > right) {
            x = left;
            y += PartSize + CountLine;
        }
        PaintPart(part, {x, y, PartSize, PartSize}, painter);
        painter.Text(x + PartSize / 2, y + PartSize + 10, 10, true, TTextAlign::Centre,
                     std::to_string(part.Count) + "x");
        x += PartSize + 6;
    }
    TStepStage stage(Model, Steps, k, Style);
    PaintPicture(cell.Picture, StepView, painter);
}

void TInstructionBook::PaintParts(int page, TPagePainter& painter) {
    painter.Text(Margin, Margin + 20, 20, true, TTextAlign::Left, "Parts");
    const size_t first = size_t(page) * size_t(BillColumns * BillRows);
    const size_t last = std::min(Bill.size(), first + size_t(BillColumns * BillRows));
    for (size_t i = first; i < last; ++i) {
        const int slot = int(i - first);
        const double x = Margin + (slot % BillColumns) * BillCellWidth;
        const double y = Margin + TitleSpace + (slot / BillColumns) * BillCellHeight;
        const double centre = x + BillCellWidth / 2;
        const TNamedPart& part = Bill[i];
        PaintPart(part.Part, {centre - BillPicture / 2, y, BillPicture, BillPicture}, painter);
        painter.Text(centre, y + BillPicture + 13, 11, true, TTextAlign::Centre,
                     std::to_string(part.Count) + "x");
        painter.Text(centre, y + BillPicture + 25, 9, false, TTextAlign::Centre, part.PartNumber);
        painter.Text(centre, y + BillPicture + 36, 8, false, TTextAlign::Centre,
                     part.ColourName + " (" + std::to_string(part.LDrawColour) + ")");
        painter.Text(centre, y + BillPicture + 46, 7, false, TTextAlign::Centre, part.Description);
    }
}

// In bands, so a picture at any resolution needs one band of memory to draw.
void TInstructionBook::PaintPicture(const TPageRect& where, const TViewState& view,
                                    TPagePainter& painter) {
    const int width = PicturePixels(where.Width), height = PicturePixels(where.Height);
    Context.View = view;
    TBitmap band(width, std::min(PictureBandRows, height));
    for (int top = 0; top < height; top += PictureBandRows) {
        const int rows = std::min(PictureBandRows, height - top);
        band.SetSize(width, rows);
        RenderPictureRows(Model, Context, width, height, top, band, Style.Background);
        painter.Picture({where.X, where.Y + where.Height * top / height, where.Width,
                         where.Height * rows / height},
                        band);
    }
}

void TInstructionBook::PaintPart(const TPartCount& part, const TPageRect& where,
                                 TPagePainter& painter) {
    const int pixels = std::min(MaxPaletteRowHeight, PicturePixels(where.Width));
    TPaletteRowStyle style;
    style.Width = pixels;
    style.RowHeight = pixels;
    style.Scale = 64; // the row fits the brick; this only caps it
    style.Face = 0xFFFFFF;
    style.Colour = TColour(part.Kind.Colour);
    style.Transparent = part.Kind.Transparent;
    style.StudsHidden = !part.Kind.Studs;
    TBitmap picture;
    DrawPaletteRow(picture, Context, PictureKey(part), style);
    painter.Picture(where, picture);
}

void TInstructionBook::RenderStepRows(int k, int top, TBitmap& band) {
    TViewKeeper keeper(Context);
    const TPageRect where = StepPictureRect(k);
    Context.View = StepView;
    TStepStage stage(Model, Steps, k, Style);
    RenderPictureRows(Model, Context, PicturePixels(where.Width), PicturePixels(where.Height), top,
                      band, Style.Background);
}
