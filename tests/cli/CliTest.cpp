#include "cli/Cli.h"

#include "base/FileNames.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {
struct TRun {
    int Status;
    std::string Out, Err;
};

TRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

// A failure: status 1, nothing on stdout, exactly the one line on stderr.
void ExpectFailure(const std::vector<std::string>& args, const std::string& message = "") {
    TRun run = Cli(args);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    ASSERT_EQ(run.Err.rfind("tessaryn-cli: ", 0), 0u) << run.Err;
    EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
    if (!message.empty()) {
        EXPECT_EQ(run.Err, "tessaryn-cli: " + message + "\n");
    }
}

const char* Model = "= 70 30 10 -4 5 1 1\r\n"
                    "B -160 -80 -8 320 160 8 8421504 1 1 0 0 0 3865 0\r\n"
                    "B 0 0 0 20 20 24 255 1 0 0 0 6  0\r\n"
                    "B 40 0 0 20 20 24 1 1 0 0 0 0  0\r\n"
                    "B 20 0 0 20 20 24 2 1 0 0 0 0  0\r\n";

// A folder holding the model above as m.lgo.
struct CliModel : ::testing::Test {
    TTempFolder folder;
    std::string path = folder.Write("m.lgo", Model);
};
} // namespace

TEST_F(CliModel, InfoPrintsCountsHeaderExtentsAndGroups) {
    for (int i = 0; i < 2; ++i) { // each run starts its group counter afresh
        TRun run = Cli({"info", path});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(run.Out, "bricks 4\nheader 70 30 10 -4 5 1 1\nmin 0 0 0\nsize 60 20 24\n"
                           "groups 6\n");
    }
    path =
        folder.Write("base.lgo", "= 0 0 0 0 0 1 1\r\nB -160 -80 -8 320 160 8 1 1 1 0 0 0  0\r\n");
    EXPECT_EQ(Cli({"info", path}).Out, "bricks 1\nheader 0 0 0 0 0 1 1\nmin 99999 99999 99999\n"
                                       "size -199998 -199998 -199998\ngroups 0\n");
}

TEST_F(CliModel, SortOrdersForTheOctantWithOptionsAnywhere) {
    const std::string base = "B:-160:-80:-8:320:160:8:8421504:1:1:0:0:0:3865:0\n";
    const std::string x0 = "B:0:0:0:20:20:24:255:1:0:0:0:6::0\n";
    const std::string x20 = "B:20:0:0:20:20:24:2:1:0:0:0:0::0\n";
    const std::string x40 = "B:40:0:0:20:20:24:1:1:0:0:0:0::0\n";
    EXPECT_EQ(Cli({"sort", path, "--octant", "0"}).Out, base + x40 + x20 + x0);
    EXPECT_EQ(Cli({"--octant", "2", "sort", path}).Out, base + x0 + x20 + x40);
    EXPECT_EQ(Cli({"sort", "--no-sort", "--octant", "2", path}).Out, base + x0 + x20 + x40);
    EXPECT_EQ(Cli({"sort", path, "--octant", "4"}).Out, x40 + x20 + x0 + base);
}

TEST(CliConvert, WritesTheHeaderUnchangedAndOnlyOnSuccess) {
    TTempFolder folder;
    std::string in = folder.Write("in.lgo", "= 999 -5 3 4 5 7 0\nB 1 2 3 1 1 1 255 1 0 0 0\n");
    std::string out = folder.File("out.lgo");
    TRun run = Cli({"convert", in, out, "--octant", "5"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out + run.Err, "");
    EXPECT_EQ(TTempFolder::Read(out),
              "= 999 -5 3 4 5 7 1\r\nB 20 40 24 20 20 8 255 1 0 0 0 0  0\r\n");

    std::string bad = folder.Write("bad.lgo", "B 0 0 0 20 20 8 1 1 0 0 0 0  0\nB 1x\n");
    ExpectFailure({"convert", bad, out}, "'1x' is not a valid integer value");
    ExpectFailure({"convert", in, out, "--octant", "9"});
    EXPECT_EQ(TTempFolder::Read(out),
              "= 999 -5 3 4 5 7 1\r\nB 20 40 24 20 20 8 255 1 0 0 0 0  0\r\n");
    std::string fresh = folder.File("fresh.lgo");
    ExpectFailure({"convert", bad, fresh});
    EXPECT_FALSE(std::filesystem::exists(fresh));
}

TEST_F(CliModel, ErrorsAreOneLineAndNothingOnStdout) {
    ExpectFailure({});
    ExpectFailure({"paint", path}, "unknown command paint");
    ExpectFailure({"info", path, "--bogus"}, "unknown option --bogus");
    ExpectFailure({"info", path, "--no-sort"});
    ExpectFailure({"info"});
    ExpectFailure({"info", path, path});
    ExpectFailure({"sort", path});
    ExpectFailure({"sort", path, "--octant"}, "option --octant needs a value");
    ExpectFailure({"sort", path, "--octant", "8"});
    ExpectFailure({"sort", path, "--octant", "-1"});
    ExpectFailure({"sort", path, "--octant", "x"});
    ExpectFailure({"info", folder.File("absent.lgo")});
    ExpectFailure({"info", folder.File("line\nend.lgo")});
    std::string general = folder.Write("g.lgo", "G 0 0 0 0 0 0 1 1 0 0 0 nofile.dat nopart\n");
    ExpectFailure({"info", general}, "Could not find part/file nopart/nofile.dat");
}

TEST(CliOptions, HelpAndValuesThatLookLikeOptions) {
    TRun help = Cli({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("convert IN OUT [--octant K]"), std::string::npos);
    EXPECT_EQ(help.Err, "");
    EXPECT_EQ(Cli({"info", "--help"}).Status, 0);

    std::string saved = AppDir();
    TTempFolder folder;
    std::string dashed = folder.Write("-m.lgo", Model);
    TRun run = Cli({"--app-dir", "-odd", "info", dashed});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(AppDir(), "-odd/");
    SetAppDir(saved);
}
