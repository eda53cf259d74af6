// LDraw models over a small library made for each run, one of every kind a user's files bring:
// certified and uncertified parts, primitives, mirrored, squashed and flattened matrices,
// broken lines and geometry, missing files, loops, deep nesting, multiplying sub-files and
// names in any case or script. Each must open with a report that says what became of it.

#include "exchange/ldraw/LDrawImport.h"
#include "exchange/ldraw/LDrawImportReport.h"
#include "exchange/ldraw/LDrawMap.h"
#include "exchange/ldraw/LDrawSubModels.h"
#include "exchange/ldraw/shapes/LDrawFlatten.h"
#include "exchange/ldraw/shapes/LDrawShape.h"
#include "exchange/ldraw/shapes/LDrawShapes.h"
#include "model/Block.h"
#include "support/ErrorMessage.h"
#include "support/ShippedAppDir.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const char* Triangle = "3 16 0 0 0 20 0 0 0 0 20\n";

// The library: each file as a user's library might hold it.
void WriteLibrary(TTempFolder& lib) {
    lib.Write("parts/bfc.dat", std::string("0 BFC CERTIFY CW\n") + Triangle +
                                   "0 BFC INVERTNEXT\n1 16 0 -8 0 1 0 0 0 1 0 0 0 1 s\\side.dat\n"
                                   "0 BFC NOCERTIFY\n4 4 0 0 0 20 0 0 20 8 0 0 8 0\n");
    lib.Write("parts/s/side.dat", std::string("0 BFC CERTIFY CCW\n") + Triangle);
    lib.Write("parts/studded.dat", std::string(Triangle) +
                                       "1 16 10 0 10 1 0 0 0 1 0 0 0 1 stud.dat\n"
                                       "1 16 10 8 10 1 0 0 0 -1 0 0 0 1 stud4.dat\n"
                                       "1 16 0 0 0 5 0 0 0 1 0 0 0 5 48\\ring.dat\n");
    lib.Write("p/stud.dat", "4 16 -6 0 -6 6 0 -6 6 -4 6 -6 -4 6\n");
    lib.Write("p/stud4.dat", "4 16 -8 0 -8 8 0 -8 8 -4 8 -8 -4 8\n");
    lib.Write("p/48/ring.dat", Triangle);
    lib.Write("parts/broken.dat", std::string("3 16 0 0\n4 16 a b c d e f g h i j k l\n"
                                              "3 16 1e999 0 0 0 0 0 0 0 0\n"
                                              "3 16 5 5 5 5 5 5 5 5 5\n1 16 0 0 0\n\x01\xff\n") +
                                      Triangle);
    lib.Write("parts/far.dat", "3 16 1e300 0 0 0 1e300 0 0 0 1e300\n");
    lib.Write("parts/empty.dat", "0 nothing but a title\n");
    lib.Write("parts/hasmissing.dat", "1 16 0 0 0 1 0 0 0 1 0 0 0 1 s\\notthere.dat\n");
    lib.Write("parts/loopa.dat", "1 16 0 0 0 1 0 0 0 1 0 0 0 1 s\\loopb.dat\n");
    lib.Write("parts/s/loopb.dat", "1 16 0 0 0 1 0 0 0 1 0 0 0 1 loopa.dat\n");
    for (int level = 0; level <= MaxLibraryDepth + 1; ++level)
        lib.Write("parts/deep" + std::to_string(level) + ".dat",
                  "1 16 0 0 0 1 0 0 0 1 0 0 0 1 deep" + std::to_string(level + 1) + ".dat\n");
    std::string many, leaf;
    for (int i = 0; i < 400; ++i) {
        many += "1 16 0 0 0 1 0 0 0 1 0 0 0 1 s\\many.dat\n";
        leaf += Triangle;
    }
    lib.Write("parts/multiply.dat", many);
    lib.Write("parts/s/many.dat", leaf);
    lib.Write("parts/Upper.DAT", Triangle);
    lib.Write("parts/\xc3\xbcnic\xc3\xb8"
              "de \xe6\x96\x87.dat",
              Triangle);
}

struct TCase {
    const char* Name;
    const char* Model;
    int Read, Imported;
    const char* Report; // a line the report must hold, or ""
};

const TCase Cases[] = {
    {"bfc", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 bfc.dat", 1, 1, "as shapes 1"},
    {"primitives", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 studded.dat", 1, 1, "as shapes 1"},
    {"mirrored", "1 4 0 0 0 -1 0 0 0 1 0 0 0 1 bfc.dat", 1, 1, "as shapes 1"},
    {"squashed", "1 4 0 0 0 2 0 0 0 0.5 0 0 0 3 studded.dat", 1, 1, "as shapes 1"},
    {"flattened", "1 4 0 0 0 0 0 0 0 0 0 0 0 0 bfc.dat", 1, 0,
     "skipped 1 bfc.dat (The LDraw part bfc.dat has nothing to draw at this angle)"},
    {"broken geometry", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 broken.dat", 1, 1, "as shapes 1"},
    {"far away", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 far.dat", 1, 0,
     "skipped 1 far.dat (The LDraw part far.dat lies too far from its origin)"},
    {"empty", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 empty.dat", 1, 0,
     "skipped 1 empty.dat (The LDraw part empty.dat has nothing to draw)"},
    {"missing part", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 nosuch.dat", 1, 0,
     "skipped 1 nosuch.dat (not found in the LDraw library)"},
    {"missing sub-file", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 hasmissing.dat", 1, 0,
     "no file s\\notthere.dat (used by parts/hasmissing.dat)"},
    {"loop", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 loopa.dat", 1, 0,
     "parts/loopa.dat uses itself in a loop (through parts/s/loopb.dat)"},
    {"deep", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 deep0.dat", 1, 0, "deeper than 32 levels"},
    {"multiplying", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 multiply.dat", 1, 0, "multiply.dat"},
    {"any case", "1 4 0 0 0 1 0 0 0 1 0 0 0 1 UPPER.dat\n1 4 0 0 0 1 0 0 0 1 0 0 0 1 Upper.DAT", 2,
     2, "as shapes 2"},
    {"unicode",
     "1 4 0 0 0 1 0 0 0 1 0 0 0 1 \xc3\xbcnic\xc3\xb8"
     "de \xe6\x96\x87.dat",
     1, 1, "as shapes 1"},
    {"bad numbers", "1 4 0 0 zero 1 0 0 0 1 0 0 0 1 bfc.dat\n1 4 0 0 0 1 0 0 0 1 0 0 0 1 bfc.dat",
     2, 1, "skipped 1 bfc.dat ('zero' is not a valid floating point value)"},
    {"sub-model loop",
     "0 FILE a.ldr\n1 4 0 0 0 1 0 0 0 1 0 0 0 1 b.ldr\n1 4 0 0 0 1 0 0 0 1 0 0 0 1 bfc.dat\n"
     "0 FILE b.ldr\n1 4 0 0 0 1 0 0 0 1 0 0 0 1 a.ldr",
     2, 1,
     "skipped 1 a.ldr (The LDraw sub-models refer to each other in a loop: a.ldr -> b.ldr "
     "-> a.ldr)"},
};

} // namespace

TEST(LDrawLibraryFiles, EveryKindOfFileOpensWithAReport) {
    TTempFolder lib, app;
    WriteLibrary(lib);
    TShippedAppDir appDir(app.Dir());
    TLDrawMap map(app.Dir()); // no rows: every part is drawn from the library
    for (const TCase& c : Cases) {
        const std::string model = app.Write(std::string(c.Name) + ".mpd", c.Model);
        TLDrawShapes shapes(lib.Dir());
        std::string report;
        EXPECT_EQ(MessageOf([&] {
                      TLDrawImportReport r = ImportLDrawModel(
                          model, map, [](std::unique_ptr<TBlock>) {}, &shapes);
                      EXPECT_EQ(r.Read, c.Read) << c.Name;
                      EXPECT_EQ(r.Imported, c.Imported) << c.Name;
                      for (const std::string& line : FormatImportReport(r))
                          report += line + "\n";
                  }),
                  "")
            << c.Name;
        EXPECT_NE(report.find(c.Report), std::string::npos) << c.Name << ":\n" << report;
    }
}

TEST(LDrawLibraryFiles, APolygonOfTooManyPointsIsRefusedNamingThePart) {
    TLDrawMesh mesh;
    mesh.Faces.emplace_back();
    for (int i = 0; i <= 100; ++i)
        mesh.Faces.back().Points.push_back({double(i % 7), double(i), 0});
    EXPECT_EQ(MessageOf([&] { MakeLDrawShape(mesh, nullptr, "comb.dat"); }),
              "The LDraw part comb.dat has a polygon of 101 points (at most 100)");
}
