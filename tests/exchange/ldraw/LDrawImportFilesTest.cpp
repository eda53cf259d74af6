// LDraw files of tests/data/ldraw/import read through that folder's mapping table: the bricks
// made, the import report, and the error that stopped a file, compared whole with
// tests/data/exchange/import/<file>.txt.

#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawImportReport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "model/Block.h"
#include "support/ReferenceFile.h"

#include <gtest/gtest.h>

namespace {

const std::string Folder = std::string(TESSARYN_TEST_DATA) + "ldraw/import/";

struct LDrawImportFiles : ::testing::Test {
    // The bricks' text forms in file order, then the report; bricks read before an error stay.
    std::string Imported(const std::string& name) {
        std::string text;
        try {
            TLDrawImportReport report =
                ImportLDraw(Folder + name, Map,
                            [&](std::unique_ptr<TBlock> b) { text += b->SaveToString() + "\n"; });
            text += JoinedLines(FormatImportReport(report));
            text += report.NumberedSteps ? "numbered steps\n" : "";
        } catch (const std::exception& e) {
            text += "error: " + ReplacedAll(e.what(), Folder, "$D/") + "\n";
        }
        return text;
    }

    TLDrawMap Map{Folder};
};

} // namespace

TEST_F(LDrawImportFiles, ReadAsTheirReferences) {
    // Lines of any ending through their rows; lines that are no usable part lines; numbers that
    // do not convert; the first row that makes a brick; a diagonal row; sub-models in one file
    // and beside it, outside the folder, in a loop and too deep; steps; direct colours; and
    // a report counting the skipped parts by file and reason.
    for (const char* name :
         {"lines.dat", "skipped.dat", "letter-in-number.dat", "huge-number.dat", "colour-word.dat",
          "first-row.dat", "diagonal-row.dat", "nested.mpd", "beside.ldr", "up.ldr", "loop.mpd",
          "self.ldr", "deep.mpd", "deeper.mpd", "steps.mpd", "steps.dat", "direct-colours.mpd",
          "bad-direct-colour.ldr", "skips.ldr"})
        EXPECT_TRUE(
            MatchesReferenceText(Imported(name), std::string("exchange/import/") + name + ".txt"));
}

// Three levels, each turned and moved, in one file or in files beside the model: the flat file
// holds the same placements worked out by hand, colour 16 taking the colour of the line that
// placed the sub-model.
TEST_F(LDrawImportFiles, SubModelsGiveTheBricksOfTheFlatFile) {
    std::string flat = Imported("flat.dat");
    EXPECT_EQ(Imported("nested.mpd"), flat);
    EXPECT_EQ(Imported("beside.ldr"), flat);
}
