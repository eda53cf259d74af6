// LDraw models over a small library, one of every kind a user's files bring: certified and
// uncertified parts, primitives, mirrored, squashed and flattened matrices, broken lines and
// geometry, missing files, loops, deep nesting, multiplying sub-files and names in any case or
// script. Each must open with a report that says what became of it.

#include "exchange/ldraw/LDrawImportReport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/LDrawSubModels.h"
#include "exchange/ldraw/shapes/LDrawFlatten.h"
#include "exchange/ldraw/shapes/LDrawShape.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"
#include "model/Block.h"
#include "support/ErrorMessage.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

// Each line of the table: a model's name and its part lines, and the report of its import.
TEST(LDrawLibraryFiles, EveryKindOfFileOpensWithAReport) {
    TTempFolder lib, app;
    std::filesystem::copy(TESSARYN_TEST_DATA "ldraw/kinds", lib.Path,
                          std::filesystem::copy_options::recursive);
    // Nesting one deeper than allowed, and a sub-file used 400 times that is 400 lines long.
    const std::string triangle = "3 16 0 0 0 20 0 0 0 0 20\n",
                      use = "1 16 0 0 0 1 0 0 0 1 0 0 0 1 ";
    for (int level = 0; level <= MaxLibraryDepth + 1; ++level)
        lib.Write("parts/deep" + std::to_string(level) + ".dat",
                  use + "deep" + std::to_string(level + 1) + ".dat\n");
    std::string many, leaf;
    for (int i = 0; i < 400; ++i)
        many += use + "s\\many.dat\n", leaf += triangle;
    lib.Write("parts/multiply.dat", many);
    lib.Write("parts/s/many.dat", leaf);
    TShippedAppDir appDir(app.Dir());
    TLDrawMap map(app.Dir()); // no rows: every part is drawn from the library
    EXPECT_TRUE(MatchesTranscript("exchange/ldraw-library-files.txt", [&](const std::string& line) {
        const std::size_t colon = line.find(": ");
        const std::string model = app.Write(line.substr(0, colon) + ".mpd", line.substr(colon + 2));
        TLDrawShapes shapes(lib.Dir());
        std::string report;
        const std::string refused = MessageOf([&] {
            report = JoinedLines(FormatImportReport(ImportLDrawModel(
                model, map, [](std::unique_ptr<TBlock>) {}, &shapes)));
        });
        return refused.empty() ? report : "refused: " + refused;
    }));
}

TEST(LDrawLibraryFiles, APolygonOfTooManyPointsIsRefusedNamingThePart) {
    TLDrawMesh mesh;
    mesh.Faces.emplace_back();
    for (int i = 0; i <= 100; ++i)
        mesh.Faces.back().Points.push_back({double(i % 7), double(i), 0});
    EXPECT_EQ(MessageOf([&] { MakeLDrawShape(mesh, nullptr, "comb.dat"); }),
              "The LDraw part comb.dat has a polygon of 101 points (at most 100)");
}
