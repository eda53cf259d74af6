#include "cli/CliFixture.h"
#include "exchange/ldraw/MapTable.h"

#include <gtest/gtest.h>

namespace {
class LDrawReportCliTest : public CliFixture {
protected:
    void SetUp() override {
        WriteMapTable(Folder, {"B 4 2 3 1 16 0 0 0 0 3001.DAT 0  "});
        Folder.Write("m.mpd", "0 FILE m.ldr\r\n"
                              "1 4 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                              "1 16 0 -24 0 0 0 -1 0 1 0 1 0 0 sub.ldr\r\n"
                              "0 FILE sub.ldr\r\n"
                              "1 1 0 0 0 1 0 0 0 1 0 0 0 1 3001.dat\r\n"
                              "1 1 0 0 0 1 0 0 0 1 0 0 0 1 4070.dat\r\n");
    }
    int Run(std::vector<std::string> args) { return RunIn(Folder.Dir(), std::move(args)); }
};
} // namespace

TEST_F(LDrawReportCliTest, InfoPrintsTheImportReportOfAnMpd) {
    ASSERT_EQ(Run({"info", Folder.Dir() + "m.mpd", "--import-report"}), 0) << Err.str();
    EXPECT_NE(Out.str().find("bricks 2\n"), std::string::npos) << Out.str();
    EXPECT_NE(Out.str().find("part lines 3 imported 2 skipped 1\n"
                             "skipped 1 4070.dat (no mapping row)\n"),
              std::string::npos)
        << Out.str();
    ASSERT_EQ(Run({"info", Folder.Dir() + "m.mpd"}), 0);
    EXPECT_EQ(Out.str().find("part lines"), std::string::npos);
}

TEST_F(LDrawReportCliTest, ConvertGoesBothWaysAndReportsWhatWasLeftOut) {
    ASSERT_EQ(Run({"convert", Folder.Dir() + "m.mpd", Folder.Dir() + "m.lgo"}), 0) << Err.str();
    // A brick no row fits: a 3 x 3 brick.
    Folder.Write("extra.lgo", TTempFolder::Read(Folder.File("m.lgo")) +
                                  "B 100 0 0 60 60 24 255 1 0 0 0 0  0\r\n");
    ASSERT_EQ(Run({"convert", Folder.Dir() + "extra.lgo", Folder.Dir() + "out.dat", "--report"}), 0)
        << Err.str();
    EXPECT_EQ(Out.str(), "bricks 3 exported 2 left out 1\nleft out 1 B 3x3x3\n");
    ASSERT_EQ(Run({"convert", Folder.Dir() + "extra.lgo", Folder.Dir() + "out.dat"}), 0);
    EXPECT_EQ(Out.str(), "");
    ASSERT_EQ(Run({"info", Folder.Dir() + "out.dat"}), 0);
    EXPECT_NE(Out.str().find("bricks 2\n"), std::string::npos) << Out.str();
}
