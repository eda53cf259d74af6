#include "base/FileNames.h"
#include "cli/Cli.h"
#include "parts/PartCache.h"
#include "raster/Bitmap.h"
#include "raster/PictureFiles.h"
#include "render/sequence/SequenceFile.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string Shipped = TESSARYN_SHIPPED_DATA;

struct TRun {
    int Status;
    std::string Error;
};

TRun Sequence(std::vector<std::string> args) {
    args.insert(args.begin(), {"sequence", "--app-dir", Shipped});
    std::ostringstream out, err;
    int status = RunCli(args, out, err);
    ClearDrawClasses();
    return {status, err.str()};
}

size_t FilesIn(const std::string& folder) {
    if (!std::filesystem::exists(folder))
        return 0;
    auto entries = std::filesystem::directory_iterator(folder);
    return size_t(std::distance(begin(entries), end(entries)));
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

TViewFrame Still(float delay) {
    TViewFrame frame;
    frame.ViewScale = 1;
    frame.OriginX = 32;
    frame.OriginY = 24;
    frame.RotX = 70;
    frame.ScaleBar = 10;
    frame.Delay = delay;
    return frame;
}

} // namespace

TEST(SequenceCommand, TheShippedTurnAroundTheHouseChangesFromFrameToFrame) {
    TTempFolder folder;
    std::string out = folder.File("frames");
    TRun run = Sequence(
        {Shipped + "Models/house.lgs", Shipped + "Models/house.lgo", "-o", out, "--fps", "10"});
    ASSERT_EQ(run.Status, 0) << run.Error;
    // The first frame, then nine views towards each of the four quarter turns; 100 ms each.
    ASSERT_EQ(FilesIn(out), 37u);
    TBitmap previous, current;
    ReadPictureFile(out + "/frame-00002.png", previous);
    EXPECT_EQ(previous.Width(), 800);
    for (int number = 3; number <= 37; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "/frame-%05d.png", number);
        ReadPictureFile(out + name, current);
        EXPECT_FALSE(SamePixels(previous, current)) << name;
        previous.Assign(current);
    }
}

TEST(SequenceCommand, EachViewStaysForItsDelayAtTheFrameRate) {
    TTempFolder folder;
    std::string seq = folder.File("two.lgs");
    WriteSequenceFile(seq, {Still(0.25f), Still(0)});
    std::string model = folder.Write("m.lgo", "B 0 0 0 20 20 24 255 0 0 0 0 0  0\r\n");
    const struct {
        const char* fps;
        const char* delay;
        size_t frames;
    } cases[] = {{"20", "0.1", 7}, {"4", "0.1", 2}, {"1", "0", 2}, {"10", "1.5", 18}};
    for (const auto& c : cases) {
        std::string out = folder.File(std::string("out") + c.fps + c.delay);
        TRun run = Sequence(
            {seq, model, "-o", out, "--size", "64x48", "--fps", c.fps, "--delay", c.delay});
        ASSERT_EQ(run.Status, 0) << run.Error;
        EXPECT_EQ(FilesIn(out), c.frames) << c.fps << " " << c.delay;
    }
}

TEST(SequenceCommand, ErrorsAreOneLineAndWriteNothing) {
    TTempFolder folder;
    std::string good = folder.File("good.lgs");
    WriteSequenceFile(good, {Still(0)});
    std::string empty = folder.File("empty.lgs");
    WriteSequenceFile(empty, {});
    std::string shortFile = folder.Write("short.lgs", SequenceBytes({Still(0)}).substr(0, 40));
    std::string model = folder.Write("m.lgo", "B 0 0 0 20 20 24 255 0 0 0 0 0  0\r\n");
    std::string blocker = folder.Write("file", "x");
    std::string out = folder.File("out");
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{shortFile, model, "-o", out}, "short.lgs"},
        {{empty, model, "-o", out}, "holds no frames"},
        {{good, model, "-o", out, "--delay", "soon"}, "--delay"},
        {{good, model, "-o", out, "--fps", "0"}, "--fps"},
        {{good, folder.File("missing.lgo"), "-o", out}, "missing.lgo"},
        {{good, model}, "usage"},
        {{good, model, "-o", blocker + "/sub"}, "Cannot create folder"},
        {{good, model, "-o", out, "--variant", "2"}, "does not apply"},
    };
    for (const auto& [args, reason] : cases) {
        TRun run = Sequence(args);
        EXPECT_EQ(run.Status, 1) << reason;
        EXPECT_NE(run.Error.find(reason), std::string::npos) << run.Error;
        EXPECT_EQ(run.Error.find('\n'), run.Error.size() - 1) << run.Error;
        EXPECT_FALSE(std::filesystem::exists(out)) << reason;
    }
}
