#include "base/FileNames.h"
#include "exchange/LoadModel.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/LDrawExportReport.h"
#include "exchange/ldraw/MapTable.h"
#include "parts/PartCache.h"
#include "support/ReferenceFile.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

// A real LDraw viewer must show the same sample model: every brick goes out on a real part, and
// the whole file is as before.
TEST(ShippedModelsExport, EveryBrickOfEverySampleHasAnLDrawPart) {
    TShippedAppDir shipped;
    TTempFolder folder;
    fs::copy_file(std::string(TESSARYN_SHIPPED_DATA) + "ts2ld.lst", folder.Dir() + "ts2ld.lst");
    TLDrawMap map(folder.Dir());
    int models = 0;
    for (const auto& entry :
         fs::directory_iterator(std::string(TESSARYN_SHIPPED_DATA) + "Models")) {
        if (entry.path().extension() != ".lgo")
            continue;
        ++models;
        TBlockList model;
        LoadModel(model, entry.path().string(), LoadWhole);
        std::vector<TBlock*> bricks;
        for (const auto& brick : model.Items())
            bricks.push_back(brick.get());
        TLDrawExportReport report;
        SaveLDrawFile(folder.Dir() + "out.dat", bricks, map, &report);
        EXPECT_EQ(report.Bricks, model.Count());
        EXPECT_EQ(report.LeftOut(), 0) << entry.path() << ": " << ExportReportMessage(report);
        EXPECT_TRUE(MatchesReferenceText(TTempFolder::Read(folder.File("out.dat")),
                                         "exchange/" + entry.path().stem().string() + ".dat"));
    }
    EXPECT_GE(models, 4);
}
