#include "exchange/instructions/InstructionBook.h"

#include "cli/Cli.h"
#include "exchange/LoadModel.h"
#include "exchange/ldraw/LDrawMap.h"
#include "raster/Bitmap.h"
#include "render/Scene.h"
#include "render/ViewControls.h"
#include "support/CommandOutput.h"
#include "support/Pixels.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string Car = TESSARYN_TEST_DATA "ldraw/car.ldr";

struct InstructionBookTest : ::testing::Test {
    void SetUp() override {
        LoadModel(Model, Car, LoadWhole);
        Controls.FormResize(800, 600);
        Map.Load();
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& brick : Model.Items())
            texts.push_back(brick->SaveToString());
        return texts;
    }

    TShippedAppDir AppDir;
    TBlockList Model;
    TDrawContext Context;
    TRedrawGate Redraw;
    TViewControls Controls{Context, Redraw};
    TLDrawMap Map;
};

} // namespace

// Step k's picture, put together from its bands, is the scene renderer's picture at step
// limit k in the same view; with the earlier steps paler only the first step stays the same.
// Painting leaves the model as it was.
TEST_F(InstructionBookTest, StepPictureIsTheRenderAtItsStepLimit) {
    TPageSetup setup;
    setup.Dpi = 40;
    TInstructionBook book(Model, Context, Map, "car", setup);
    const std::vector<std::string> before = Texts();
    const TPageRect rect = book.StepPictureRect(0);
    const int width = book.PicturePixels(rect.Width), height = book.PicturePixels(rect.Height);
    for (bool lighten : {false, true})
        for (int k : {0, 3, 7}) {
            SCOPED_TRACE(testing::Message() << "step " << k << " lighten " << lighten);
            book.Style.LightenEarlier = lighten;
            TBitmap pieces(width, height), band(width, 37);
            for (int top = 0; top < height; top += 37) {
                band.SetSize(width, std::min(37, height - top));
                book.RenderStepRows(k, top, band);
                for (int y = 0; y < band.Height(); ++y)
                    for (int x = 0; x < width; ++x)
                        pieces.SetPixel(x, top + y, band.Pixel(x, y));
            }
            TBitmap whole(width, height);
            const TViewState screen = Context.View;
            Context.View = book.StepPictureView();
            Model.StepLimit = k;
            DrawScene(Model, whole, Context, {0xFFFFFF, nullptr});
            Context.View = screen;
            const int differing = DifferingPixels(pieces, whole);
            EXPECT_EQ(differing == 0, !lighten || k == 0) << differing;
        }
    EXPECT_EQ(Texts(), before);
}

// The car's booklet as a PDF reader sees it: a cover, eight steps and the parts, none blank.
TEST(InstructionsPdfTest, CarBookletHasInkOnEveryPage) {
    if (CommandOutput("command -v pdfinfo pdftoppm").empty())
        GTEST_SKIP() << "poppler-utils are not installed";
    TTempFolder folder;
    const std::string pdf = folder.File("car.pdf");
    std::ostringstream out, err;
    ASSERT_EQ(
        RunCli({"--app-dir", TESSARYN_SHIPPED_DATA, "instructions", Car, "-o", pdf, "--dpi", "50"},
               out, err),
        0)
        << err.str();
    EXPECT_EQ(out.str(), "pages 10 steps 8\n");
    EXPECT_NE(CommandOutput("pdfinfo '" + pdf + "'").find("Pages:           10\n"),
              std::string::npos);
    for (int page = 1; page <= 10; ++page) {
        const std::string p = std::to_string(page);
        const std::string grey = CommandOutput("pdftoppm -r 20 -gray -f " + p + " -l " + p + " '" +
                                               pdf + "' 2>/dev/null");
        const size_t header = grey.find("255\n");
        ASSERT_NE(header, std::string::npos) << "page " << p;
        size_t ink = 0;
        for (size_t i = header + 4; i < grey.size(); ++i)
            ink += static_cast<unsigned char>(grey[i]) < 128;
        EXPECT_GT(ink, 20u) << "page " << p;
    }
}
