// LDraw parts drawn in their own shapes from a library: flattening with BFC, conversion to a
// part definition, import with the generated parts stored and found again, and export back
// to the same lines.

#include "exchange/ldraw/shapes/LDrawShapes.h"

#include "base/Error.h"
#include "base/FileIO.h"
#include "base/LDrawColours.h"
#include "base/Text.h"
#include "exchange/ldraw/LDrawExport.h"
#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/LDrawSubModels.h"
#include "exchange/ldraw/shapes/LDrawFlatten.h"
#include "exchange/ldraw/shapes/LDrawShape.h"
#include "model/Block.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {
const std::string TestLibrary = std::string(TESSARYN_TEST_DATA) + "ldraw/lib/";
// The shared LDraw folder beside the clone, or where TESSARYN_SHARED_DIR says.
const std::string SharedLDraw = [] {
    const char* dir = std::getenv("TESSARYN_SHARED_DIR");
    return (dir ? std::string(dir) : std::string(TESSARYN_TEST_DATA) + "../../../shared") +
           "/ldraw/";
}();

const double Identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};

std::array<double, 3> Normal(const std::vector<TLDrawPoint>& points) {
    std::array<double, 3> n{};
    for (size_t i = 0; i < points.size(); ++i) {
        const TLDrawPoint &a = points[i], &b = points[(i + 1) % points.size()];
        n[0] += (a[1] - b[1]) * (a[2] + b[2]);
        n[1] += (a[2] - b[2]) * (a[0] + b[0]);
        n[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    return n;
}

std::string ErrorOf(const std::string& part) {
    TLDrawLibrary library(TestLibrary);
    try {
        FlattenLDrawPart(library, part, Identity);
    } catch (const TError& e) {
        return e.what();
    }
    return "";
}

// The bricks an import makes, in a fresh parts folder unless one is given.
struct TImport {
    std::vector<std::unique_ptr<TBlock>> Bricks;
    TLDrawImportReport Report;
};

TImport Import(const std::string& model, TLDrawMap& map, TLDrawShapes* shapes) {
    TImport result;
    result.Report = ImportLDraw(
        model, map, [&](std::unique_ptr<TBlock> b) { result.Bricks.push_back(std::move(b)); },
        shapes);
    return result;
}

std::string Export(const TImport& imported, TLDrawMap& map, const TLDrawColourBook* book) {
    std::vector<TBlock*> bricks;
    for (const auto& b : imported.Bricks)
        bricks.push_back(b.get());
    std::ostringstream out;
    ExportLDraw(out, bricks, map, nullptr, book);
    return out.str();
}

std::vector<TLDrawPartLine> PartLines(const std::string& text) {
    std::vector<TLDrawPartLine> lines;
    for (const std::string& line : SplitLines(text)) {
        std::vector<std::string> tokens = SplitCommaText(line);
        if (tokens.size() == 15 && tokens[0] == "1") {
            lines.push_back(ParseLDrawPartNumbers(tokens, true));
            lines.back().File = tokens[14];
        }
    }
    return lines;
}

// A model's part lines with its sections and the files beside it expanded.
void Flatten(const std::vector<std::pair<std::string, std::string>>& sections,
             const std::string& text, const TLDrawPartLine* placement,
             std::vector<TLDrawPartLine>& out) {
    for (TLDrawPartLine line : PartLines(text)) {
        if (placement)
            line = ComposePlacement(*placement, line);
        auto section = std::find_if(sections.begin(), sections.end(),
                                    [&](const auto& s) { return SameText(s.first, line.File); });
        if (section != sections.end())
            Flatten(sections, section->second, &line, out);
        else
            out.push_back(line);
    }
}

std::vector<TLDrawPartLine> FlatOriginal(const std::string& path) {
    std::vector<std::pair<std::string, std::string>> sections;
    std::string text = ReadWholeFile(path), first;
    for (const std::string& line : SplitLines(text)) {
        std::vector<std::string> tokens = SplitCommaText(line);
        if (tokens.size() >= 3 && tokens[0] == "0" && SameText(tokens[1], "FILE"))
            sections.push_back({tokens[2], ""});
        else if (!sections.empty())
            sections.back().second += line + "\n";
    }
    std::vector<TLDrawPartLine> out;
    Flatten(sections, sections.empty() ? text : sections.front().second, nullptr, out);
    return out;
}

bool SameLine(const TLDrawPartLine& a, const TLDrawPartLine& b, const TLDrawColourBook& book) {
    TLDrawColourValue ca = ResolveLDrawColour(a.Colour, &book),
                      cb = ResolveLDrawColour(b.Colour, &book);
    if (!SameText(a.File, b.File) || ca.Colour != cb.Colour || ca.Transparent != cb.Transparent)
        return false;
    for (int i = 0; i < 9; ++i)
        if (std::fabs(a.Matrix[i] - b.Matrix[i]) > 1e-3)
            return false;
    for (int i = 0; i < 3; ++i)
        if (std::fabs(a.Position[i] - b.Position[i]) > 1.0)
            return false;
    return true;
}

// How many of the original lines come back, each written line used once.
size_t LinesWrittenBack(std::vector<TLDrawPartLine> original, std::vector<TLDrawPartLine> written,
                        const TLDrawColourBook& book) {
    size_t matched = 0;
    for (const TLDrawPartLine& line : original) {
        auto it = std::find_if(written.begin(), written.end(),
                               [&](const TLDrawPartLine& w) { return SameLine(line, w, book); });
        if (it != written.end()) {
            written.erase(it);
            ++matched;
        }
    }
    return matched;
}

struct LDrawShapes : ::testing::Test {
    TTempFolder Folder;
    TShippedAppDir App{Folder.Dir()};
    TLDrawMap Map{std::string(TESSARYN_TEST_DATA) + "ldraw/import/"};
};
} // namespace

TEST(LDrawFlatten, EveryCubeFaceTurnsOutwardWhateverTheMatrix) {
    // Turned, mirrored, squashed and upside down: the winding follows CERTIFY CW, INVERTNEXT
    // and the matrix's mirroring, and only the upright stud stays a stud.
    const double s = std::sqrt(0.5);
    struct TCase {
        double M[9];
        bool Stud; // the stud stays one: upright and of its own width
    };
    const TCase cases[] = {{{1, 0, 0, 0, 1, 0, 0, 0, 1}, true},
                           {{s, 0, s, 0, 1, 0, -s, 0, s}, true},
                           {{-1, 0, 0, 0, 1, 0, 0, 0, 1}, true},
                           {{2, 0, 0, 0, 0.5, 0, 0, 0, 1}, false},
                           {{1, 0, 0, 0, -1, 0, 0, 0, -1}, false}};
    TLDrawLibrary library(TestLibrary);
    for (const auto& [m, stud] : cases) {
        TLDrawMesh mesh = FlattenLDrawPart(library, "CUBE.DAT", m);
        EXPECT_EQ(mesh.TopStuds.size(), stud ? 1u : 0u);
        ASSERT_EQ(mesh.Faces.size(), stud ? 6u : 8u);
        const double centre[3] = {10 * m[1], 10 * m[4], 10 * m[7]};
        for (size_t f = 0; f < 6; ++f) {
            const TLDrawFace& face = mesh.Faces[f];
            std::array<double, 3> n = Normal(face.Points), out{};
            for (const TLDrawPoint& p : face.Points)
                for (size_t k = 0; k < 3; ++k)
                    out[k] += (p[k] - centre[k]) / double(face.Points.size());
            EXPECT_GT(n[0] * out[0] + n[1] * out[1] + n[2] * out[2], 0) << "face " << f;
            EXPECT_TRUE(face.Cullable);
        }
    }
}

TEST(LDrawFlatten, BadFilesAreRefusedNamingTheFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"loop.dat", "loop.dat uses itself in a loop"},
        {"deep.dat", "deeper than 32 levels"},
        {"missing.dat", "no file s\\notthere.dat (used by parts/missing.dat)"},
        {"nosuch.dat", "no part nosuch.dat"},
        {"../cube.dat", "no part ../cube.dat"}};
    for (const auto& [part, message] : cases)
        EXPECT_NE(ErrorOf(part).find(message), std::string::npos) << part << ": " << ErrorOf(part);
}

TEST(LDrawShape, DefinitionSitsInItsBoxWithStudsEdgesColoursAndOrders) {
    TLDrawLibrary library(TestLibrary);
    TLDrawColourBook book;
    book.ReadLibrary(TestLibrary);
    const double s = std::sqrt(0.5);
    const double turned[9] = {s, 0, s, 0, 1, 0, -s, 0, s};
    TLDrawShape cube = MakeLDrawShape(FlattenLDrawPart(library, "cube.dat", turned), &book, "cube");
    const TDrawClass& d = *cube.Definition;
    EXPECT_EQ((std::array{d.BBX, d.BBY, d.BBZ}), (std::array{28, 28, 20}));
    EXPECT_EQ(cube.Origin, (std::array<int32_t, 3>{14, 14, 20}));
    ASSERT_EQ(d.TopStuds.size(), 1u);
    EXPECT_EQ(d.TopStuds[0], (TPoint3{14, 14, 20}));
    for (const TPolygon& p : d.Polygons)
        for (const TPoint3& q : p.Points)
            EXPECT_TRUE(q.X >= 0 && q.X <= d.BBX && q.Y >= 0 && q.Y <= d.BBY && q.Z >= 0);
    // The top carries the one edge line; turned by an eighth, the cube shows its top or bottom
    // and three sides to any octant.
    EXPECT_EQ(std::pair(d.Polygons[0].EdgeFlags, d.Polygons[1].EdgeFlags),
              std::pair(2 | 4 | 16, -2));
    for (int octant = 0; octant < 8; ++octant)
        EXPECT_EQ(d.GetDrawCount(octant), 4);
    EXPECT_EQ(d.RotOffsets[0][0] + d.RotOffsets[1][0] + d.RotOffsets[2][0] + d.RotOffsets[3][0], 0);

    TLDrawShape pane =
        MakeLDrawShape(FlattenLDrawPart(library, "window.dat", Identity), &book, "w");
    ASSERT_EQ(pane.Definition->PolygonCount(), 2);
    EXPECT_EQ(
        std::pair(pane.Definition->Polygons[0].PolyColour, pane.Definition->Polygons[1].PolyColour),
        std::pair(-ColourOfLDraw(15), 0xA9A5A0));
    for (int octant = 0; octant < 8; ++octant) // not certified: both sides drawn
        EXPECT_EQ(pane.Definition->GetDrawCount(octant), 2);
}

TEST_F(LDrawShapes, ImportDrawsUnmappedPartsOnceAndExportsTheSameLines) {
    std::string model = Folder.Write(
        "model.ldr", "1 71 10 -20 30 0.7071068 0 0.7071068 0 1 0 -0.7071068 0 0.7071068 cube.dat\n"
                     "1 0x3102030 -30 0 40 1 0 0 0 1 0 0 0 1 window.dat\n"
                     "1 100 0 -24 0 1 0 0 0 1 0 0 0 1 3001.dat\n"
                     "1 4 0 0 0 1 0 0 0 1 0 0 0 1 nosuch.dat\n"
                     "1 4 0 0 0 1 0 0 0 1 0 0 0 1 loop.dat\n");
    TImport first;
    {
        TLDrawShapes shapes(TestLibrary);
        first = Import(model, Map, &shapes);
        EXPECT_EQ(shapes.Converted(), 3); // the marker too
    }
    EXPECT_EQ(FormatImportReport(first.Report),
              (std::vector<std::string>{
                  "part lines 5 imported 3 skipped 2", "as shapes 2",
                  "kept as markers 1 (parts not in the library, written back on export)",
                  "skipped 1 loop.dat (The LDraw file parts/loop.dat uses itself in a loop "
                  "(through parts/s/loopback.dat))",
                  "skipped 1 nosuch.dat (not found in the LDraw library)"}));
    // The part the library lacks is a small marker in the line's colour, kept for the export.
    ASSERT_EQ(first.Bricks.size(), 4u);
    EXPECT_EQ(first.Bricks[3]->Colour, ColourOfLDraw(4));
    EXPECT_LE(std::max({first.Bricks[3]->SX, first.Bricks[3]->SY, first.Bricks[3]->SZ}), 20);
    std::vector<std::string> firstForms;
    for (const auto& b : first.Bricks)
        firstForms.push_back(b->SaveToString());
    // A mapped brick takes the table's colours too.
    EXPECT_EQ(
        (std::array{first.Bricks[0]->Colour, first.Bricks[1]->Colour, first.Bricks[2]->Colour}),
        (std::array{0xA9A5A0, 0x302010, 0x302010}));
    EXPECT_TRUE(first.Bricks[1]->Transparent && first.Bricks[2]->Transparent);

    // Opened again: the stored parts are found, nothing is converted, the bricks are the same.
    ClearDrawClasses();
    TLDrawShapes again(TestLibrary);
    TImport second = Import(model, Map, &again);
    EXPECT_EQ(again.Converted(), 0);
    ASSERT_EQ(second.Bricks.size(), first.Bricks.size());
    for (size_t i = 0; i < first.Bricks.size(); ++i)
        EXPECT_EQ(second.Bricks[i]->SaveToString(), firstForms[i]);

    std::vector<TLDrawPartLine> written = PartLines(Export(second, Map, &again.Colours()));
    std::vector<TLDrawPartLine> original = PartLines(ReadWholeFile(model));
    EXPECT_EQ(written.size(), 4u);
    EXPECT_EQ(LinesWrittenBack(original, written, again.Colours()), 4u);

    // Four turns in the window bring the brick back to the same line; one turn adds a quarter.
    TBlock& cube = *second.Bricks[0];
    std::string before = Export(second, Map, &again.Colours());
    cube.Rotate();
    TLDrawPartLine once = PartLines(Export(second, Map, &again.Colours()))[0];
    // A quarter turn after the eighth.
    EXPECT_TRUE(std::fabs(once.Matrix[0] - 0.7071068) < 1e-4 &&
                std::fabs(once.Matrix[2] + 0.7071068) < 1e-4);
    for (int i = 0; i < 3; ++i)
        cube.Rotate();
    EXPECT_EQ(Export(second, Map, &again.Colours()), before);
}

TEST_F(LDrawShapes, TheSixCommunityModelsImportAndComeBackLineByLine) {
    if (!std::filesystem::exists(SharedLDraw + "lib/parts"))
        GTEST_SKIP() << "no LDraw library at " << SharedLDraw << "lib";
    std::filesystem::copy(std::string(TESSARYN_SHIPPED_DATA) + "parts", Folder.Dir() + "parts");
    TLDrawMap shipped(TESSARYN_SHIPPED_DATA);
    TLDrawShapes shapes(SharedLDraw + "lib");
    // Only 8464's unofficial 2853a.dat is missing from the library, eight times; its lines are
    // kept as markers and written back all the same.
    const std::pair<const char*, int> models[] = {{"car.ldr", 0},     {"car.dat", 0},
                                                  {"pyramid.ldr", 0}, {"m6459.ldr", 0},
                                                  {"8464.mpd", 8},    {"MultiLevel.mpd", 0}};
    for (const auto& [name, missing] : models) {
        std::string path = SharedLDraw + "models/" + name;
        TImport imported = Import(path, shipped, &shapes);
        EXPECT_EQ(imported.Report.Skipped(), missing) << name;
        std::vector<TLDrawPartLine> original = FlatOriginal(path);
        EXPECT_EQ(size_t(imported.Report.Read), original.size()) << name;
        // A colour number neither table knows comes back as another number.
        size_t unknownColours = 0;
        for (const TLDrawPartLine& line : original)
            unknownColours += line.Colour.Number > 0xFFFF;
        size_t back = LinesWrittenBack(
            original, PartLines(Export(imported, shipped, &shapes.Colours())), shapes.Colours());
        EXPECT_EQ(back + unknownColours, original.size()) << name;
    }
}
