// Every command of tessaryn-cli over the input files of tests/data/cli/in: what it prints, its
// exit status and every file it writes or changes, compared whole with tests/data/cli/<case>.txt.

#include "base/FileNames.h"
#include "cli/Cli.h"
#include "parts/PartCache.h"
#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string Shipped = TESSARYN_SHIPPED_DATA;

struct TCliCase {
    const char* Name;
    // One or more runs in one folder, each its arguments separated by single blanks; "$T/" is
    // that folder, "$S/" the shipped data. Runs without --app-dir get the folder as the
    // program's folder, which holds the mapping table.
    std::vector<std::string> Runs;
};

void PrintTo(const TCliCase& c, std::ostream* out) {
    *out << c.Name;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

using TFiles = std::map<std::string, std::string>;

TFiles FilesIn(const fs::path& folder) {
    TFiles files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[fs::relative(entry.path(), folder).string()] =
            entry.is_directory() ? "(folder)\n" : TTempFolder::Read(entry.path().string());
    return files;
}

// Texts as they are; pictures by size and FNV-1a hash, which keeps the references small.
std::string Described(const std::string& content) {
    if (content.find('\0') == std::string::npos)
        return content;
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : content)
        hash = (hash ^ c) * 1099511628211ull;
    std::ostringstream text;
    text << content.size() << " bytes, fnv " << std::hex << hash << "\n";
    return text.str();
}

std::vector<std::string> Words(const std::string& run) {
    std::vector<std::string> args;
    std::istringstream words(run);
    for (std::string word; std::getline(words, word, ' ');)
        args.push_back(word);
    return args;
}

// A copy of the input files in a fresh folder, and runs of the tool in it.
class TCliFolder : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(std::string(TESSARYN_TEST_DATA) + "cli/in", Folder.Path,
                 fs::copy_options::recursive);
    }

    std::string Local(const std::string& text) const {
        return Replaced(Replaced(text, Folder.Dir(), "$T/"), Shipped, "$S/");
    }

    // What one run printed and changed, the failure rules checked on the way.
    std::string Run(std::vector<std::string> args) {
        for (std::string& arg : args)
            arg = Replaced(Replaced(arg, "$T/", Folder.Dir()), "$S/", Shipped);
        if (std::find(args.begin(), args.end(), "--app-dir") == args.end())
            args.insert(args.begin(), {"--app-dir", Folder.Dir()});
        const TFiles before = FilesIn(Folder.Path);
        const std::string savedAppDir = AppDir();
        std::ostringstream out, err;
        const int status = RunCli(args, out, err);
        const std::string printed = out.str(), error = err.str();
        SetAppDir(savedAppDir);
        ClearDrawClasses();
        const TFiles after = FilesIn(Folder.Path);
        if (status != 0) {
            // A failure is one line on stderr, nothing on stdout, and no file touched.
            EXPECT_EQ(printed, "");
            EXPECT_EQ(error.rfind("tessaryn-cli: ", 0), 0u) << error;
            EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
            EXPECT_EQ(after, before);
        }
        std::string text =
            "exit " + std::to_string(status) + "\n--- stdout\n" + printed + "--- stderr\n" + error;
        for (const auto& [name, content] : after)
            if (auto old = before.find(name); old == before.end() || old->second != content)
                text += "--- " + name + "\n" + Described(content);
        return Local(text);
    }

    TTempFolder Folder;
};

class CliCommands : public TCliFolder, public ::testing::WithParamInterface<TCliCase> {};

TEST_P(CliCommands, PrintAndWriteTheirReferences) {
    std::string text;
    for (const std::string& run : GetParam().Runs)
        text += "=== " + Local(Replaced(run, "\n", "\\n")) + "\n" + Run(Words(run));
    EXPECT_TRUE(MatchesReferenceText(text, std::string("cli/") + GetParam().Name + ".txt"));
}

// Renders of the plates to x.png, each with the options given; a later -o wins.
std::vector<std::string> Plates(std::vector<std::string> options) {
    for (std::string& run : options)
        run = "render $T/plates.lgo -o $T/x.png " + run;
    return options;
}

// The shipped house drawn on 1, 2, 3 and 5 threads, which must all write the same bytes.
std::vector<std::string> OnThreads(const std::string& options) {
    std::vector<std::string> runs;
    for (const std::string threads : {"1", "2", "3", "5"})
        runs.push_back("render $S/Models/house.lgo --app-dir $S/ --size 320x240 -o $T/" + threads +
                       ".bmp --threads " + threads + " " + options);
    return runs;
}

const TCliCase Cases[] = {
    // Model commands; a second info starts its group counter afresh.
    {"Info", {"info $T/m.lgo", "info $T/m.lgo", "info $T/base.lgo"}},
    {"SortForEachOctantWithOptionsAnywhere",
     {"sort $T/m.lgo --octant 0", "--octant 2 sort $T/m.lgo", "sort --no-sort --octant 2 $T/m.lgo",
      "sort $T/m.lgo --octant 4"}},
    {"ConvertKeepsTheHeader", {"convert $T/header.lgo $T/out.lgo --octant 5"}},
    {"ConvertFailsWithoutWriting",
     {"convert $T/bad.lgo $T/out.lgo", "convert $T/bad.lgo $T/m.lgo",
      "convert $T/header.lgo $T/m.lgo --octant 9"}},
    {"BadArguments",
     {"", "paint $T/m.lgo", "info $T/m.lgo --bogus", "info $T/m.lgo --no-sort", "info",
      "info $T/m.lgo $T/m.lgo", "sort $T/m.lgo", "sort $T/m.lgo --octant",
      "sort $T/m.lgo --octant 8", "sort $T/m.lgo --octant -1", "sort $T/m.lgo --octant x",
      "info $T/absent.lgo", "info $T/line\nend.lgo", "info $T/general.lgo"}},
    {"Help", {"--help", "info --help"}},
    {"OptionValuesThatLookLikeOptions", {"--app-dir -odd info $T/m.lgo"}},
    // LDraw both ways, with the table of the program's folder.
    {"ConvertToLDrawAddsRowsForNewIdentities", {"convert $T/identity.lgo $T/out.DAT"}},
    {"DatAnywhereInTheNameIsLDraw",
     {"info $T/back.dat.bak", "convert $T/back.dat.bak $T/back.lgo"}},
    {"MissingTableKeepsTheOldFile",
     {"--app-dir $T/keep/ convert $T/identity.lgo $T/old.dat",
      "--app-dir $T/keep/ info $T/old.dat"}},
    {"ImportAndExportReports",
     {"info $T/m.mpd --import-report", "info $T/m.mpd", "convert $T/m.mpd $T/m.lgo",
      "convert $T/leftout.lgo $T/out.dat --report", "convert $T/leftout.lgo $T/out.dat",
      "info $T/out.dat"}},
    // Parts lists; the wanted list names what has no LDraw part.
    {"PartsLists",
     {"parts $S/Models/house.lgo --app-dir $S/", "parts $T/leftout.lgo --format csv",
      "parts $T/leftout.lgo --app-dir $S/ --format bricklink -o $T/wanted.xml",
      "parts $T/m.lgo --format xml", "parts $T/leftout.lgo --format bricklink"}},
    {"ConvertSetsLayerSteps",
     {"convert $T/m.lgo $T/layers.lgo --set-steps --max-new 1", "sort $T/layers.lgo --octant 0",
      "convert $T/m.lgo $T/x.lgo --set-steps --max-new 0"}},
    {"InstructionsBadInput",
     {"instructions $T/m.lgo", "instructions $T/m.lgo -o $T/m.pdf --page A5",
      "instructions $T/m.lgo -o $T/m.pdf --steps-per-page 3",
      "instructions $T/m.lgo -o $T/m.pdf --dpi 20", "instructions $T/missing.lgo -o $T/m.pdf",
      "instructions $T/m.lgo -o $T/no/such/dir/m.pdf --dpi 36"}},
    // External renderers.
    {"LDrawViewerCommand",
     {"ldraw-command $T/brick2x4.lgo --tilt 90 --azimuth 0",
      "ldraw-command $T/brick2x4.lgo --size 640x480 --scale-bar 20 --studs 2 --background 1B2A34 "
      "--ldraw-prog LDRAW.EXE --ldraw-test MODELS\\TEST.DAT"}},
    {"PovSceneAndPatch",
     {"pov-scene $T/brick2x4.lgo -o $T/TS_test.pov --background FF0000",
      "pov-patch $T/test.pov --model $T/brick2x4.lgo --tilt 0 --azimuth 0"}},
    {"PovConverterKeepsIncludeFilesThatAreThere",
     {"convert $T/brick2x4.lgo $T/m.dat", "pov $T/m.dat -o $T/keep/test.inc",
      "pov $T/m.dat -o $T/test.inc"}},
    {"ExternalRendererFailures",
     {"pov-scene $T/brick2x4.lgo", "pov-patch $T/out.pov --model $T/brick2x4.lgo",
      "pov-patch $T/brick2x4.lgo", "pov $T/missing.dat -o $T/out.pov",
      "ldraw-command $T/brick2x4.lgo --tilt x"}},
    // Pictures: a red plate and a studded white one seen from above at scale 1.
    {"RenderTopView", {"render $T/plates.lgo -o $T/top.png --size 64x48 --tilt 0 --azimuth 0"}},
    {"RenderOffsetBackgroundFrameVariant",
     {"render $T/plates.lgo -o $T/shifted.bmp --size 64x48 --tilt 0 --azimuth 0 --offset -8,4 "
      "--background 102030 --frame 30,10,50,40 --variant 2"}},
    // The header's view and hidden studs give the same picture as the options saying so.
    {"RenderTakesTheHeadersView",
     {"render $T/units.lgo -o $T/header.png --size 64x48 --studs 1",
      "render $T/plates.lgo -o $T/plain.png --size 64x48 --tilt 0 --azimuth 0 --studs 3"}},
    {"RenderStepLimitAndCut",
     {"render $T/steps.lgo -o $T/all.png --size 100x60",
      "render $T/steps.lgo -o $T/cut.png --size 100x60 --step-limit 2 --cut "
      "-19999,19999,-19999,19999,0,24"}},
    {"RenderEveryPixelFormat",
     {"render $T/plates.lgo -o $T/8.png --size 30x20 --bpp 8 --shading",
      "render $T/plates.lgo -o $T/15.png --size 30x20 --bpp 15",
      "render $T/plates.lgo -o $T/16.png --size 30x20 --bpp 16",
      "render $T/plates.lgo -o $T/24.png --size 30x20 --bpp 24",
      "render $T/plates.lgo -o $T/32.png --size 30x20 --bpp 32",
      "render $T/plates.lgo -o $T/d.png --size 30x20 --bpp device",
      "render $T/plates.lgo -o $T/aa.jpg --antialias --bpp 16 --studs 2 --frame -10,-10,20,20 "
      "--variant 1"}},
    {"RenderBadInput",
     Plates({"--bpp 12", "--studs 4", "--size 0x10", "--size 10*10", "--frame 1,2,3",
             "--background 12345G", "--variant 3", "--size 100000x100000",
             "--variant 8 --frame 0,0,300000000,4", "--frame 5,5,5,9", "--threads 0",
             "--threads -2", "--threads many", "-o $T/no/such/dir/x.png"})},
    {"RenderWithoutOutputOrModel",
     {"render $T/plates.lgo --size 10x10", "render $T/missing.lgo -o $T/x.png"}},
    {"ThreadsShaded", OnThreads("--shading")},
    {"ThreadsWireframe", OnThreads("--wireframe --bpp 16")},
    {"ThreadsAntiAliased", OnThreads("--antialias --studs 2")},
    // The decorated tile's yellow face shows at detail 2 only.
    {"ShowcaseAtEachDetail",
     {"render $S/Models/showcase.lgo -o $T/plain.png --app-dir $S/ --shading --detail 0 --size "
      "400x300",
      "render $S/Models/showcase.lgo -o $T/decorated.png --app-dir $S/ --shading --detail 2 --size "
      "400x300"}},
    // Sequences: the shipped turn around the house, one frame per 100 ms.
    {"SequenceOfTheShippedHouse",
     {"sequence --app-dir $S/ $S/Models/house.lgs $S/Models/house.lgo -o $T/frames --fps 10"}},
    // Each view stays for its delay (a quarter second, then none) at the frame rate.
    {"SequenceDelaysAtTheFrameRate",
     {"sequence $T/two.lgs $T/steps.lgo -o $T/a --size 64x48 --fps 20 --delay 0.1",
      "sequence $T/two.lgs $T/steps.lgo -o $T/b --size 64x48 --fps 4 --delay 0.1",
      "sequence $T/two.lgs $T/steps.lgo -o $T/c --size 64x48 --fps 1 --delay 0",
      "sequence $T/two.lgs $T/steps.lgo -o $T/d --size 64x48 --fps 10 --delay 1.5"}},
    {"SequenceFailures",
     {"sequence $T/short.lgs $T/steps.lgo -o $T/out",
      "sequence $T/empty.lgs $T/steps.lgo -o $T/out",
      "sequence $T/one.lgs $T/steps.lgo -o $T/out --delay soon",
      "sequence $T/one.lgs $T/steps.lgo -o $T/out --fps 0",
      "sequence $T/one.lgs $T/missing.lgo -o $T/out", "sequence $T/one.lgs $T/steps.lgo",
      "sequence $T/one.lgs $T/steps.lgo -o $T/blocker/sub",
      "sequence $T/one.lgs $T/steps.lgo -o $T/out --variant 2"}},
};

INSTANTIATE_TEST_SUITE_P(, CliCommands, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.Name); });

// POV-Ray, where installed, draws the converted model in the scene the tool writes: the grey
// baseplate and the red brick fill a good part of the white picture.
using CliPovRay = TCliFolder;

TEST_F(CliPovRay, DrawsTheConvertedModelInTheScene) {
    if (std::system("command -v povray > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "povray is not installed";
    for (const char* run : {"convert $T/brick2x4.lgo $T/test.dat", "pov $T/test.dat -o $T/test.inc",
                            "pov-scene $T/brick2x4.lgo -o $T/TS_test.pov --background FFFFFF"})
        ASSERT_EQ(Run(Words(run)).rfind("exit 0\n", 0), 0u) << run;
    const std::string command = "cd '" + Folder.Path.string() +
                                "' && povray +ITS_test.pov -V -D +W48 +H36 +FN +OTS_test.png "
                                "> povray.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << TTempFolder::Read(Folder.File("povray.log"));
    TBitmap picture;
    ReadPictureFile(Folder.File("TS_test.png"), picture);
    ASSERT_EQ(picture.Width() * picture.Height(), 48 * 36);
    int drawn = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TColour c = picture.Pixel(x, y);
            drawn += (c & 0xFF) < 200 || (c >> 8 & 0xFF) < 200 || (c >> 16 & 0xFF) < 200;
        }
    EXPECT_GT(drawn, 48 * 36 / 10);
}

} // namespace
